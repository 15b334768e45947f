// FORM: where and how the form is sent, the character sets the server
// accepts, the target frame, the two events and the other attributes.
#pragma once
#include <string>

#include "dialogs/common/attr_dialog.h"
#include "res/ids/form_dlg.h"

namespace tq {

class CFormDlg : public CAttrDialog {
 public:
  explicit CFormDlg(plat::WindowHandle parent);

  // Fields, as exchanged with the edit boxes.
  std::string m_strAction, m_strCharset, m_strEncType, m_strOnReset, m_strOnSubmit, m_strAttr,
      m_strTarget;

  // Flag bits of "FORM_%dFlag".
  enum : int {
    kMethod = 0x2, kPost = 0x4, kEncType = 0x10, kCharset = 0x20, kTarget = 0x40, kOnSubmit = 0x80,
    kOnReset = 0x100, kAttr = 0x200,
  };
  // The element built from the fields and a flag word, apart from any
  // window and any settings (OK saves them after).
  std::string Build(int flags) const;

 protected:
  void DoDataExchange(plat::DataExchange& dx) override;
  bool OnInitDialog() override;
  void OnOK() override;
  bool OnCommand(int id, int code) override;
};

}  // namespace tq
