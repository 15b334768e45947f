// Built without ncursesw: the interactive verbs have no terminal to use.
#include "cli/interactive.h"

namespace tq::cli {

int EditOnTerminal(int, std::string&, std::string* error) {
  *error = "this tagquill was built without terminal dialogs (no ncursesw)";
  return -1;
}

int PickOnTerminal(std::string& text, std::string* error) { return EditOnTerminal(0, text, error); }

}  // namespace tq::cli
