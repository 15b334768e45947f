// PLACEHOLDER until the dialog lands: same contract as every attribute
// dialog (construct with parent, Init(id, text), DoModal, m_strResult). It
// has no template yet, so it cannot open and always ends as cancelled.
#pragma once
#include "dialogs/common/attr_dialog.h"

namespace tq {

class CStyleMarginDlg : public CAttrDialog {
 public:
  explicit CStyleMarginDlg(plat::WindowHandle parent) : CAttrDialog(2007, parent) {}
};

}  // namespace tq
