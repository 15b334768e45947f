// Dialog templates: one declarative description per file (dlg_NNNN.cpp),
// each registering itself:
//
//   const plat::DialogTemplate kDlg2030 = {...};
//   static const plat::TemplateRegistration reg(kDlg2030);
#pragma once
#include "plat/dialog.h"
#include "plat/dialog_template.h"
