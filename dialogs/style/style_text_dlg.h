// PLACEHOLDER until the dialog lands: same contract as every attribute
// dialog (construct with parent, Init(id, text), DoModal, m_strResult). It
// has no template yet, so it cannot open and always ends as cancelled.
#pragma once
#include "dialogs/common/attr_dialog.h"

namespace tq {

class CStyleTextDlg : public CAttrDialog {
 public:
  explicit CStyleTextDlg(plat::WindowHandle parent) : CAttrDialog(2006, parent) {}
};

}  // namespace tq
