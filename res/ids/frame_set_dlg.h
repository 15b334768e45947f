// Template and control ids of dialogs/form/frame_set_dlg.h: the dialog and its template share them.
#pragma once

namespace tq {

enum : int {
  IDD_FRAMESET = 2021,
  IDC_FS_ROWS_CHK = 1001, IDC_FS_ROWS,
  IDC_FS_COLS_CHK, IDC_FS_COLS,
  IDC_FS_ONLOAD_CHK, IDC_FS_ONLOAD, IDC_FS_ONLOAD_BROWSE,
  IDC_FS_ONUNLOAD_CHK, IDC_FS_ONUNLOAD, IDC_FS_ONUNLOAD_BROWSE,
  IDC_FS_ATTR_CHK, IDC_FS_ATTR, IDC_FS_ATTR_EDIT,
};

}  // namespace tq
