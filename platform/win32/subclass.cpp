#include "platform/win32/subclass.h"

namespace plat::win32 {

namespace {
const char kPrevProp[] = "TagquillPrevProc";
const char kRefProp[] = "TagquillSubclassRef";
}  // namespace

bool Subclass(HWND h, WNDPROC proc, void* ref) {
  if (!h || GetPropA(h, kPrevProp)) return false;
  SetPropA(h, kRefProp, ref);
  LONG_PTR prev = SetWindowLongPtrA(h, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(proc));
  if (!prev) {
    RemovePropA(h, kRefProp);
    return false;
  }
  SetPropA(h, kPrevProp, reinterpret_cast<HANDLE>(prev));
  return true;
}

void* SubclassRef(HWND h) { return GetPropA(h, kRefProp); }

LRESULT CallPrevious(HWND h, UINT msg, WPARAM wp, LPARAM lp) {
  auto prev = reinterpret_cast<WNDPROC>(GetPropA(h, kPrevProp));
  return prev ? CallWindowProcA(prev, h, msg, wp, lp) : DefWindowProcA(h, msg, wp, lp);
}

void Unsubclass(HWND h) {
  auto prev = reinterpret_cast<LONG_PTR>(GetPropA(h, kPrevProp));
  if (!prev) return;
  SetWindowLongPtrA(h, GWLP_WNDPROC, prev);
  RemovePropA(h, kPrevProp);
  RemovePropA(h, kRefProp);
}

}  // namespace plat::win32
