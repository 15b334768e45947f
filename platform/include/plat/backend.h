// The backend: what the platform layer does differently on Win32 and
// headless. Exactly one backend is installed per process.
#pragma once
#include <optional>
#include <string>

#include "plat/window.h"

namespace plat {

class Dialog;
class PropertySheet;

class Backend {
 public:
  virtual ~Backend() = default;
  // Runs the dialog modally, calling its init/command handlers; IDOK/IDCANCEL.
  virtual int RunModal(Dialog& dlg) = 0;
  virtual int MessageBox(WindowHandle parent, const std::string& text,
                         const std::string& caption, unsigned flags) = 0;
  // Open-file dialog (path must exist, current directory unchanged). The
  // chosen full path, or nothing when cancelled.
  virtual std::optional<std::string> OpenFile(WindowHandle parent,
                                              const FileDialogRequest& req) = 0;
  // Colour dialog; rgb is 0x00BBGGRR as COLORREF. Nothing when cancelled.
  virtual std::optional<uint32_t> ChooseColor(WindowHandle parent, uint32_t initial) = 0;
  // Font dialog listing screen fonts that exist. Nothing when cancelled.
  virtual std::optional<FontChoice> ChooseFont(WindowHandle parent) = 0;
  // Messages to windows (host window, toolbox target).
  virtual long SendMessage(WindowHandle w, unsigned msg, uintptr_t wp, intptr_t lp) = 0;
  virtual bool PostMessage(WindowHandle w, unsigned msg, uintptr_t wp, intptr_t lp) = 0;
  // Menus (Win32 values for the flags).
  enum : unsigned { MF_STRING_ = 0, MF_POPUP_ = 0x10, MF_SEPARATOR_ = 0x800 };
  virtual MenuHandle CreatePopupMenu() = 0;
  // idOrPopup is the item id, or the submenu's handle for MF_POPUP_.
  virtual bool AppendMenu(MenuHandle m, unsigned flags, uintptr_t idOrPopup,
                          const std::string& text) = 0;
  virtual void DestroyMenu(MenuHandle m) = 0;
  // Brings a window to the foreground.
  virtual void SetForegroundWindow(WindowHandle w) = 0;
  // Property sheets: modal (IDOK/IDCANCEL) or modeless (false when none
  // could be made).
  virtual int RunModalSheet(PropertySheet& sheet) = 0;
  virtual bool CreateModelessSheet(PropertySheet& sheet) = 0;
  virtual BaseUnits DialogBaseUnits() = 0;
  virtual FontHandle CreateFont(const FontDesc& desc) = 0;
  virtual void DeleteFont(FontHandle f) = 0;
};

Backend& CurrentBackend();
Backend* CurrentBackendOrNull();
void InstallBackend(Backend* b);  // not owned

}  // namespace plat
