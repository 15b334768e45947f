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

struct Rect {
  int left = 0, top = 0, right = 0, bottom = 0;
  int width() const { return right - left; }
  int height() const { return bottom - top; }
  bool operator==(const Rect& o) const {
    return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
  }
};

// A font made by the program (HFONT on Win32), and what it is made from.
using FontHandle = void*;
struct FontDesc {
  int height = 0;  // logical height, as LOGFONT's
  std::string face;
  int charset = 0;
  bool italic = false;
};

// Dialog base units of the system font, in pixels.
struct BaseUnits {
  int x = 8, y = 16;
};

struct FontChoice {
  std::string face;  // face name
  int pointSize10 = 0;  // size in tenths of a point
  bool bold = false, italic = false;
  int weight = 400;
};

}  // namespace plat
