// Template and control ids of dialogs/common/value_list_dlg.h: the dialog and its template share them.
#pragma once

namespace tq {

enum : int { IDD_VALUELIST = 2001, IDC_VL_LIST = 1000 };

}  // namespace tq
