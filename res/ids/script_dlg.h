// Template and control ids of dialogs/document/script_dlg.h: the dialog and its template share them.
#pragma once

namespace tq {

enum : int {
  IDD_SCRIPT = 2029,
  IDC_SC_TYPE_LABEL = 1000, IDC_SC_TYPE, IDC_SC_TYPE_LIST,
  IDC_SC_LANG_CHK, IDC_SC_LANG,
  IDC_SC_CHARSET_CHK, IDC_SC_CHARSET, IDC_SC_CHARSET_LIST,
  IDC_SC_SRC_CHK, IDC_SC_SRC, IDC_SC_SRC_BROWSE,
  IDC_SC_DEFER_CHK,
};

}  // namespace tq
