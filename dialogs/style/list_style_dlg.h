// Inline style of UL, OL and DL: list-style-type, -image and -position,
// then further declarations from the style composer on a line of their own.
#pragma once
#include <string>

#include "dialogs/common/attr_dialog.h"

namespace tq {

enum : int {
  IDD_LIST_STYLE = 2012,
  IDC_LS_TYPE_CHK = 1000, IDC_LS_TYPE, IDC_LS_TYPE_LIST,
  IDC_LS_IMAGE_CHK, IDC_LS_IMAGE, IDC_LS_IMAGE_BROWSE,
  IDC_LS_POS_CHK, IDC_LS_OUTSIDE, IDC_LS_INSIDE,  // one radio group
  IDC_LS_OTHER_CHK, IDC_LS_OTHER, IDC_LS_OTHER_CHANGE,
};

class CListStyleDlg : public CAttrDialog {
 public:
  explicit CListStyleDlg(plat::WindowHandle parent);

  std::string m_strType, m_strImage, m_strOther;

  // Flag bits of "LtSyl_%dFlag"; 0x10 to 0x40 are never used.
  enum : int { kType = 0x1, kImage = 0x2, kPosition = 0x4, kInside = 0x8, kOther = 0x80 };
  // The declarations built from the fields and the check boxes and
  // position (as flag bits), with the writes OK makes, apart from any window.
  std::string Build(int flags);

 protected:
  void DoDataExchange(plat::DataExchange& dx) override;
  bool OnInitDialog() override;
  void OnOK() override;
  bool OnCommand(int id, int code) override;

 private:
  void Compose();
};

}  // namespace tq
