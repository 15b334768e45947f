// The common dialogs, messages and menus of the Win32 backend.
#include "platform/win32/win32_backend.h"

#include <vector>

#include "plat/window.h"
#include "platform/win32/win32_api.h"

namespace plat {

namespace {

HWND Owner(WindowHandle w) {
  HWND h = static_cast<HWND>(w);
  return h && IsWindow(h) ? h : nullptr;
}

// Kept for the process, as the colour dialog's custom colours are meant to be.
COLORREF g_customColors[16] = {
    0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF,
    0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF};

}  // namespace

namespace win32 {

void* ThisModule() {
  static HMODULE module = [] {
    HMODULE m = nullptr;
    GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCSTR>(&ThisModule), &m);
    return m;
  }();
  return module;
}

}  // namespace win32

Win32Backend& TheWin32Backend() {
  static Win32Backend* backend = new Win32Backend;
  return *backend;
}

int Win32Backend::MessageBox(WindowHandle parent, const std::string& text, const std::string& caption,
                             unsigned flags) {
  return MessageBoxA(Owner(parent), text.c_str(), caption.c_str(), flags);
}

std::optional<std::string> Win32Backend::OpenFile(WindowHandle parent, const FileDialogRequest& req) {
  std::string filter = req.filter.empty() ? std::string() : win32::FilterToNul(req.filter);
  std::vector<char> file(32 * 1024, '\0');
  OPENFILENAMEA ofn = {};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = Owner(parent);
  ofn.lpstrFilter = filter.empty() ? nullptr : filter.c_str();
  ofn.nFilterIndex = 1;
  ofn.lpstrFile = file.data();
  ofn.nMaxFile = static_cast<DWORD>(file.size());
  ofn.lpstrInitialDir = req.initialDir.empty() ? nullptr : req.initialDir.c_str();
  ofn.lpstrTitle = req.title.empty() ? nullptr : req.title.c_str();
  ofn.Flags = OFN_EXPLORER | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR | OFN_HIDEREADONLY;
  if (!GetOpenFileNameA(&ofn)) return std::nullopt;
  return std::string(file.data());
}

std::optional<uint32_t> Win32Backend::ChooseColor(WindowHandle parent, uint32_t initial) {
  CHOOSECOLORA cc = {};
  cc.lStructSize = sizeof cc;
  cc.hwndOwner = Owner(parent);
  cc.rgbResult = initial & 0xFFFFFF;
  cc.lpCustColors = g_customColors;
  cc.Flags = CC_RGBINIT;
  if (!ChooseColorA(&cc)) return std::nullopt;
  return static_cast<uint32_t>(cc.rgbResult & 0xFFFFFF);
}

std::optional<FontChoice> Win32Backend::ChooseFont(WindowHandle parent) {
  LOGFONTA lf = {};
  CHOOSEFONTA cf = {};
  cf.lStructSize = sizeof cf;
  cf.hwndOwner = Owner(parent);
  cf.lpLogFont = &lf;
  cf.Flags = CF_SCREENFONTS | CF_FORCEFONTEXIST;  // no initial font
  if (!ChooseFontA(&cf)) return std::nullopt;
  FontChoice f;
  f.face.assign(lf.lfFaceName, strnlen(lf.lfFaceName, LF_FACESIZE));
  f.pointSize10 = cf.iPointSize;
  f.weight = lf.lfWeight ? static_cast<int>(lf.lfWeight) : FW_NORMAL;
  f.bold = f.weight >= FW_BOLD;
  f.italic = lf.lfItalic != 0;
  return f;
}

long Win32Backend::SendMessage(WindowHandle w, unsigned msg, uintptr_t wp, intptr_t lp) {
  return static_cast<long>(SendMessageA(static_cast<HWND>(w), msg, wp, lp));
}

bool Win32Backend::PostMessage(WindowHandle w, unsigned msg, uintptr_t wp, intptr_t lp) {
  return PostMessageA(static_cast<HWND>(w), msg, wp, lp) != FALSE;
}

MenuHandle Win32Backend::CreatePopupMenu() { return ::CreatePopupMenu(); }

bool Win32Backend::AppendMenu(MenuHandle m, unsigned flags, uintptr_t idOrPopup, const std::string& text) {
  const char* item = (flags & MF_SEPARATOR) ? nullptr : text.c_str();
  return AppendMenuA(static_cast<HMENU>(m), flags, idOrPopup, item) != FALSE;
}

void Win32Backend::DestroyMenu(MenuHandle m) {
  if (m) ::DestroyMenu(static_cast<HMENU>(m));
}

void Win32Backend::SetForegroundWindow(WindowHandle w) {
  if (w) ::SetForegroundWindow(static_cast<HWND>(w));
}

}  // namespace plat
