#include "cli/interactive.h"

#include "app/dispatch.h"
#include "app/entry.h"
#include "app/html_app.h"
#include "res/string_table.h"
#include "platform/terminal/terminal.h"
#include "toolbox/toolbox_hooks.h"
#include "res/commands.h"

namespace tq::cli {

namespace {

// The terminal backend for one call: installed over whatever the program
// had, the terminal given back and the old backend restored on every path.
class Session {
 public:
  bool Open(std::string* error) {
    if (!backend_.Open(error)) return false;
    previous_ = plat::CurrentBackendOrNull();
    plat::InstallBackend(&backend_);
    return true;
  }
  ~Session() {
    CHtmlApp& app = HtmlApp();
    if (app.m_toolBox.sheet) CloseToolBox(app.m_toolBox);
    // The menus were made here; the application object must not hand them
    // to another backend later.
    for (auto& m : app.m_menus) m = nullptr;
    backend_.Close();
    if (plat::CurrentBackendOrNull() == &backend_) plat::InstallBackend(previous_);
  }
  plat::term::TerminalBackend& backend() { return backend_; }

 private:
  plat::term::TerminalBackend backend_;
  plat::Backend* previous_ = nullptr;
};

// The toolbox until one of its buttons is pressed: that command, or 0.
int ToolBoxCommand(plat::term::TerminalBackend& b) {
  OnToolBox(b.self());
  int id = b.RunToolBox(b.self());
  CHtmlApp& app = HtmlApp();
  if (app.m_toolBox.sheet) CloseToolBox(app.m_toolBox);
  return id;
}

// Runs one command on text; 0 built, 1 cancelled.
int RunCommand(plat::term::TerminalBackend& b, int id, std::string& text) {
  if (id == cmd::kToolBox) {
    id = ToolBoxCommand(b);
    if (id == 0) return 1;
  }
  bool dialog = FindRunner(id) != nullptr || id == cmd::kToolBoxSettings;
  const char* result = GetHtmlTagString(nullptr, id, text.c_str());
  if (dialog && b.outerResult() != plat::IDOK) return 1;
  // The host sees text up to its first NUL; when nothing was built the
  // selection comes back whole.
  std::string r = result;
  bool changed = r != text.substr(0, text.find('\0'));
  if (changed) text = r;
  return dialog || changed ? 0 : 1;
}

}  // namespace

int EditOnTerminal(int id, std::string& text, std::string* error) {
  Session s;
  if (!s.Open(error)) return -1;
  return RunCommand(s.backend(), id, text);
}

int PickOnTerminal(std::string& text, std::string* error) {
  Session s;
  if (!s.Open(error)) return -1;
  plat::term::TerminalBackend& b = s.backend();
  plat::MenuHandle bar = b.CreatePopupMenu();
  MakeHtmlMenu(bar);
  // Esc in a dialog goes back to the menu; Esc in the menu gives up.
  for (;;) {
    int id = b.RunMenu(bar);
    if (id == 0) return 1;
    std::string work = text;
    if (RunCommand(b, id, work) == 0) {
      text = work;
      return 0;
    }
  }
}

}  // namespace tq::cli
