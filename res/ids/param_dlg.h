// Template and control ids of dialogs/form/param_dlg.h: the dialog and its template share them.
#pragma once

namespace tq {

enum : int {
  IDD_PARAM = 2020,
  IDC_PA_ID_CHK = 1001, IDC_PA_ID,
  IDC_PA_NAME_CHK, IDC_PA_NAME,
  IDC_PA_VALUE_CHK, IDC_PA_VALUE,
  IDC_PA_VTYPE_CHK, IDC_PA_VTYPE, IDC_PA_VTYPE_LIST,
  IDC_PA_TYPE_CHK, IDC_PA_TYPE, IDC_PA_TYPE_LIST,
};

}  // namespace tq
