// Template and control ids of dialogs/style/list_style_dlg.h: the dialog and its template share them.
#pragma once

namespace tq {

enum : int {
  IDD_LIST_STYLE = 2012,
  IDC_LS_TYPE_CHK = 1000, IDC_LS_TYPE, IDC_LS_TYPE_LIST,
  IDC_LS_IMAGE_CHK, IDC_LS_IMAGE, IDC_LS_IMAGE_BROWSE,
  IDC_LS_POS_CHK, IDC_LS_OUTSIDE, IDC_LS_INSIDE,  // one radio group
  IDC_LS_OTHER_CHK, IDC_LS_OTHER, IDC_LS_OTHER_CHANGE,
};

}  // namespace tq
