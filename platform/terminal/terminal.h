// Terminal backend: every dialog, message box, common dialog, menu and
// property sheet as a form drawn with ncurses on /dev/tty, so that stdin and
// stdout stay free for the text the program filters.
#pragma once
#include <cstdint>
#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "plat/backend.h"
#include "plat/dialog.h"
#include "plat/property_sheet.h"

namespace plat::term {

class TermSheet;

class TerminalBackend : public Backend {
 public:
  TerminalBackend();
  ~TerminalBackend() override;

  // Takes the terminal (/dev/tty); false with *error saying why.
  bool Open(std::string* error);
  // Gives the terminal back as it was (safe to call twice).
  void Close();

  // The HTML menu on a menu made here: the chosen item's id, 0 when none.
  int RunMenu(MenuHandle bar);
  // Runs the modeless sheet until one of its buttons posts a command to
  // target: that command id, 0 when the sheet was closed.
  int RunToolBox(WindowHandle target);
  // The result of the outermost dialog or sheet last run (IDOK, IDCANCEL).
  int outerResult() const { return outerResult_; }
  // A handle standing for the program's own window (toolbox target).
  WindowHandle self() const { return reinterpret_cast<WindowHandle>(uintptr_t{0x7E57}); }

  int RunModal(Dialog& dlg) override;
  int MessageBox(WindowHandle parent, const std::string& text, const std::string& caption,
                 unsigned flags) override;
  std::optional<std::string> OpenFile(WindowHandle parent, const FileDialogRequest& req) override;
  std::optional<uint32_t> ChooseColor(WindowHandle parent, uint32_t initial) override;
  std::optional<FontChoice> ChooseFont(WindowHandle parent) override;
  long SendMessage(WindowHandle w, unsigned msg, uintptr_t wp, intptr_t lp) override;
  bool PostMessage(WindowHandle w, unsigned msg, uintptr_t wp, intptr_t lp) override;
  MenuHandle CreatePopupMenu() override;
  bool AppendMenu(MenuHandle m, unsigned flags, uintptr_t idOrPopup, const std::string& text) override;
  void DestroyMenu(MenuHandle m) override;
  void SetForegroundWindow(WindowHandle) override {}
  int RunModalSheet(PropertySheet& sheet) override;
  bool CreateModelessSheet(PropertySheet& sheet) override;
  // A cell is 8 x 16 pixels; rows of buttons a base unit less 2 high (the
  // toolbox's) then fall one to a row.
  BaseUnits DialogBaseUnits() override { return BaseUnits{8, 18}; }
  FontHandle CreateFont(const FontDesc& desc) override;
  void DeleteFont(FontHandle f) override;

  struct MenuEntry {
    unsigned flags;
    uintptr_t idOrPopup;
    std::string text;
  };

 private:
  struct Screen;
  std::unique_ptr<Screen> screen_;
  std::vector<std::vector<MenuEntry>> menus_;
  std::vector<std::unique_ptr<TermSheet>> modeless_;
  std::deque<uintptr_t> commands_;  // WM_COMMAND posted to self()
  int depth_ = 0, outerResult_ = IDCANCEL;
  uintptr_t nextHandle_ = 0x1000;
  friend class TermSheet;
};

}  // namespace plat::term
