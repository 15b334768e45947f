// Inline style of UL, OL and DL: list-style-type, -image and -position,
// then further declarations from the style composer on a line of their own.
#pragma once
#include <string>

#include "dialogs/common/attr_dialog.h"
#include "res/ids/list_style_dlg.h"

namespace tq {

class CListStyleDlg : public CAttrDialog {
 public:
  explicit CListStyleDlg(plat::WindowHandle parent);

  std::string m_strType, m_strImage, m_strOther;

  // Flag bits of "LtSyl_%dFlag"; 0x10 to 0x40 are never used.
  enum : int { kType = 0x1, kImage = 0x2, kPosition = 0x4, kInside = 0x8, kOther = 0x80 };
  // The declarations built from the fields and the check boxes and
  // position (as flag bits), apart from any window and any settings (OK
  // saves them after).
  std::string Build(int flags) const;

 protected:
  void DoDataExchange(plat::DataExchange& dx) override;
  bool OnInitDialog() override;
  void OnOK() override;
  bool OnCommand(int id, int code) override;

 private:
  void Compose();
};

}  // namespace tq
