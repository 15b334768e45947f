// Template and control ids of dialogs/common/event_dlg.h: the dialog and its template share them.
#pragma once

namespace tq {

enum : int {
  IDD_EVENT = 2002,
  IDC_EV_LIST = 1000, IDC_EV_EVENT, IDC_EV_SCRIPT, IDC_EV_BROWSE, IDC_EV_ADD, IDC_EV_PAIRS,
};

}  // namespace tq
