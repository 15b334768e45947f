// INPUT and BUTTON: one dialog; the control's type decides which boxes the
// INPUT element gets checked, BUTTON offers only what a button element has.
#pragma once
#include <string>

#include "dialogs/common/attr_dialog.h"
#include "res/commands.h"
#include "res/ids/input_dlg.h"

namespace tq {

class CInputDlg : public CAttrDialog {
 public:
  explicit CInputDlg(plat::WindowHandle parent);

  // Fields, as exchanged with the edit boxes.
  std::string m_strAccept, m_strAccessKey, m_strAlign, m_strAlt, m_strMaxLength, m_strName,
      m_strOnBlur, m_strOnChange, m_strOnFocus, m_strOnSelect, m_strAttr, m_strSize, m_strSrc,
      m_strTabIndex, m_strType, m_strUsemap, m_strValue;

  // Flag bits of "INPUT_%dFlag".
  enum : int {
    kType = 0x1, kName = 0x2, kValue = 0x4, kChecked = 0x8, kDisabled = 0x10, kReadOnly = 0x20,
    kSize = 0x40, kMaxLength = 0x80, kSrc = 0x100, kAlt = 0x200, kUsemap = 0x400,
    kTabIndex = 0x800, kAccessKey = 0x1000, kAccept = 0x2000, kOnFocus = 0x4000,
    kOnBlur = 0x8000, kOnSelect = 0x10000, kOnChange = 0x20000, kAlign = 0x40000,
    kAttr = 0x80000,
    // SIZE counts pixels (the type is not a text box), never remembered.
    kSizePx = 0x1000000,
  };
  // The element built from the fields and a flag word, apart from any
  // window and any settings (OK saves them after).
  std::string Build(int flags) const;

 protected:
  void DoDataExchange(plat::DataExchange& dx) override;
  bool OnInitDialog() override;
  void OnOK() override;
  bool OnCommand(int id, int code) override;

 private:
  bool IsButton() const { return m_nTagId == cmd::kButtonDetail; }
  // Checks and clears the boxes the chosen INPUT type calls for.
  void ApplyTypeRules();
};

}  // namespace tq
