// The interactive verbs: a command's dialog, or the HTML menu, as a form on
// the terminal (/dev/tty) while stdin and stdout carry the text.
#pragma once
#include <string>

namespace tq::cli {

// Runs the command's dialog on the terminal. text: the selection in, the
// built text out. 0 = built (OK); 1 = cancelled (text unchanged); -1 = no
// terminal (*error says why, text unchanged).
int EditOnTerminal(int id, std::string& text, std::string* error);
// The HTML menu (and the toolbox from it); runs the command chosen. Same
// returns.
int PickOnTerminal(std::string& text, std::string* error);

}  // namespace tq::cli
