// Template and control ids of dialogs/form/form_item_dlg.h: the dialog and its template share them.
#pragma once

namespace tq {

enum : int {
  IDD_FORMITEM = 2028,
  IDC_FI_LABEL_CHK = 1001, IDC_FI_LABEL,
  IDC_FI_FOR_CHK, IDC_FI_FOR,
  IDC_FI_VALUE_CHK, IDC_FI_VALUE,
  IDC_FI_ACCESSKEY_CHK, IDC_FI_ACCESSKEY,
  IDC_FI_DISABLED_CHK, IDC_FI_SELECTED_CHK,
  IDC_FI_ALIGN_CHK, IDC_FI_ALIGN, IDC_FI_ALIGN_LIST,
  IDC_FI_FOCUS_CHK, IDC_FI_FOCUS, IDC_FI_FOCUS_BROWSE,
  IDC_FI_BLUR_CHK, IDC_FI_BLUR, IDC_FI_BLUR_BROWSE,
  IDC_FI_ATTR_CHK, IDC_FI_ATTR, IDC_FI_ATTR_EDIT,
};

}  // namespace tq
