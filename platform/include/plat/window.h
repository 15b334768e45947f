// Window handles, messages and the common dialogs, independent of backend.
#pragma once
#include <cstdint>
#include <string>

namespace plat {

using WindowHandle = void*;  // HWND on Win32; opaque token headless
using MenuHandle = void*;    // HMENU on Win32

enum : unsigned { WM_CLOSE_ = 16, WM_COMMAND_ = 273 };

// Message box flags and answers (Win32 values).
enum : unsigned { MB_OK_ = 0, MB_OKCANCEL_ = 1, MB_YESNO_ = 4, MB_ICONEXCLAMATION_ = 0x30,
                  MB_ICONQUESTION_ = 0x20, MB_ICONINFORMATION_ = 0x40 };
enum : int { IDYES_ = 6, IDNO_ = 7 };

struct FileDialogRequest {
  std::string initialDir;  // empty: the platform's default
  std::string title;       // empty: the platform's default title
  std::string filter;      // "Name|pattern|...||"
};

struct FontChoice {
  std::string face;  // face name
  int pointSize10 = 0;  // size in tenths of a point
  bool bold = false, italic = false;
  int weight = 400;
};

}  // namespace plat
