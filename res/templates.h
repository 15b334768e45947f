// Every dialog template, one declarative description per file (dlg_NNNN.cpp).
#pragma once
#include "plat/dialog_template.h"

namespace tq::res {

// Each template file defines one of these.
extern const plat::DialogTemplate kDlg2001;  // value-list chooser
extern const plat::DialogTemplate kDlg2030;  // HEAD family

}  // namespace tq::res
