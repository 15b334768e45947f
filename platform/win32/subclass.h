// Window subclassing that every comctl32 and Windows version has: the
// window procedure is swapped with SetWindowLongPtr and the previous one
// kept in a window property (comctl32's SetWindowSubclass is exported by
// name only from its version 6). One subclass per window.
#pragma once
#include "platform/win32/win32_api.h"

namespace plat::win32 {

// Routes h's messages to proc; ref is what Ref(h) answers afterwards.
bool Subclass(HWND h, WNDPROC proc, void* ref);
void* SubclassRef(HWND h);
// The procedure h had before; proc's default for every message.
LRESULT CallPrevious(HWND h, UINT msg, WPARAM wp, LPARAM lp);
// Puts the previous procedure back (at WM_NCDESTROY at the latest).
void Unsubclass(HWND h);

}  // namespace plat::win32
