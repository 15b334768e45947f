// Template and control ids of toolbox/tb_set_page.h: the dialog and its template share them.
#pragma once

namespace tq {

enum : int {
  IDD_TBSET = 2032,
  IDC_TBS_TITLE = 1001,
  IDC_TBS_ALL,
  IDC_TBS_LIST,
  IDC_TBS_ADD,
  IDC_TBS_DELETE,
  IDC_TBS_CLEAR,
  IDC_TBS_UP,
  IDC_TBS_DOWN,
  IDC_TBS_DEFAULT,
};

}  // namespace tq
