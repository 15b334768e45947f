// Style composer: six declaration groups, each built by its own group
// dialog or typed by hand, joined one line per checked group.
#pragma once
#include <string>

#include "dialogs/common/attr_dialog.h"

namespace tq {

enum : int {
  IDD_STYLE = 2003,
  // Per group: check box, edit box, "変更" button, in the order of the flag bits.
  IDC_SY_COLOR_CHK = 1000, IDC_SY_COLOR, IDC_SY_COLOR_CHANGE,
  IDC_SY_FONT_CHK, IDC_SY_FONT, IDC_SY_FONT_CHANGE,
  IDC_SY_TEXT_CHK, IDC_SY_TEXT, IDC_SY_TEXT_CHANGE,
  IDC_SY_MARGIN_CHK, IDC_SY_MARGIN, IDC_SY_MARGIN_CHANGE,
  IDC_SY_BORDER_CHK, IDC_SY_BORDER, IDC_SY_BORDER_CHANGE,
  IDC_SY_ELEMENT_CHK, IDC_SY_ELEMENT, IDC_SY_ELEMENT_CHANGE,
};

class CStyleDlg : public CAttrDialog {
 public:
  explicit CStyleDlg(plat::WindowHandle parent);

  std::string m_strBorder, m_strColor, m_strFont, m_strMargin, m_strTextGroup, m_strElement;

  // Flag bits of "Syl_%dFlag"; 0x1 and 0x2 are never used.
  enum : int { kColor = 0x4, kFont = 0x8, kText = 0x10, kMargin = 0x20, kBorder = 0x40, kElement = 0x80 };
  // The joined declarations of the groups checked in flags, with the
  // writes OK makes, apart from any window.
  std::string Build(int flags);

 protected:
  void DoDataExchange(plat::DataExchange& dx) override;
  bool OnInitDialog() override;
  void OnOK() override;
  bool OnCommand(int id, int code) override;

 private:
  template <class Group>
  void RunGroup(std::string& text);
};

}  // namespace tq
