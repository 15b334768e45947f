// Style composer: six declaration groups, each built by its own group
// dialog or typed by hand, joined one line per checked group.
#pragma once
#include <string>

#include "dialogs/common/attr_dialog.h"
#include "res/ids/style_dlg.h"

namespace tq {

class CStyleDlg : public CAttrDialog {
 public:
  explicit CStyleDlg(plat::WindowHandle parent);

  std::string m_strBorder, m_strColor, m_strFont, m_strMargin, m_strTextGroup, m_strElement;

  // Flag bits of "Syl_%dFlag"; 0x1 and 0x2 are never used.
  enum : int { kColor = 0x4, kFont = 0x8, kText = 0x10, kMargin = 0x20, kBorder = 0x40, kElement = 0x80 };
  // The joined declarations of the groups checked in flags, apart from
  // any window and any settings (OK saves them after).
  std::string Build(int flags) const;

 protected:
  void DoDataExchange(plat::DataExchange& dx) override;
  bool OnInitDialog() override;
  void OnOK() override;
  bool OnCommand(int id, int code) override;

 private:
  template <class Group>
  void RunGroup(std::string& text);
};

// The style dialog for tagId and text, or on a list element the list style
// dialog: true and result set on OK (the basic dialog's STYLE button).
bool EditStyleAttribute(plat::WindowHandle parent, int tagId, const std::string& text, bool listElement,
                        std::string* result);

}  // namespace tq
