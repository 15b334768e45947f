// The Win32 backend: real modal dialogs from the module's dialog resources,
// the common dialogs, messages and menus of the window system.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "plat/backend.h"
#include "plat/dialog_template.h"

namespace plat {

class Win32Backend : public Backend {
 public:
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
  void SetForegroundWindow(WindowHandle w) override;
  int RunModalSheet(PropertySheet& sheet) override;
  bool CreateModelessSheet(PropertySheet& sheet) override;
  BaseUnits DialogBaseUnits() override;
  FontHandle CreateFont(const FontDesc& desc) override;
  void DeleteFont(FontHandle f) override;
};

// The process's one Win32 backend. It is never destroyed: the application
// object's destructor still releases its menus through it at unload.
Win32Backend& TheWin32Backend();

namespace win32 {

// Entry id of the module's string table in code page 932; "" when none.
std::string LoadModuleString(int id);

// "Name|pattern|...||" with every '|' that is not the trail byte of a
// double-byte character turned into NUL, ending in two NULs.
std::string FilterToNul(const std::string& filter);

// The module (DLL or program) that holds this code.
void* ThisModule();

}  // namespace win32
}  // namespace plat
