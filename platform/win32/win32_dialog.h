// What the property sheets share with the modal dialogs on real windows.
#pragma once
#include <memory>

#include "plat/dialog.h"
#include "platform/win32/win32_api.h"

namespace plat::win32 {

// A dialog's control access on its window, and the dialog procedure that
// drives it (WM_INITDIALOG's lParam is the view).
std::unique_ptr<DialogImpl> NewDialogView(Dialog& d);
INT_PTR CALLBACK DialogProc(HWND h, UINT msg, WPARAM wp, LPARAM lp);

}  // namespace plat::win32
