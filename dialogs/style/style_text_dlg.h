// Text group of the style composer: spacing, decoration, alignment,
// transform, indent and line height declarations.
#pragma once
#include <string>

#include "dialogs/common/attr_dialog.h"
#include "res/ids/style_text_dlg.h"

namespace tq {

// Unit radio buttons run px, em, mm, pt[, %[, 倍率]] from each group's _PX id.

class CStyleTextDlg : public CAttrDialog {
 public:
  explicit CStyleTextDlg(plat::WindowHandle parent);

  std::string m_strWordSpacing, m_strLetterSpacing, m_strDecoration, m_strTextAlign,
      m_strVAPercent, m_strVAKeyword, m_strTransform, m_strIndent, m_strLineHeight;

  // Flag bits of "SylTxt_%dFlag" (unit bits: see the .cpp).
  enum : int {
    kWordSpacing = 0x1, kWsNormal = 0x2, kLetterSpacing = 0x40, kLsNormal = 0x80,
    kDecoration = 0x1000, kTextAlign = 0x2000, kVerticalAlign = 0x4000, kVAKeyword = 0x8000,
    kTransform = 0x40000, kIndent = 0x80000, kLineHeight = 0x1000000, kLhNormal = 0x2000000,
  };
  static constexpr int kDefaultFlags = 0x42000082;
  // The declarations built from the fields and the check boxes and units
  // (as flag bits), apart from any window and any settings (OK saves them
  // after).
  std::string Build(int flags) const;

 protected:
  void DoDataExchange(plat::DataExchange& dx) override;
  bool OnInitDialog() override;
  void OnOK() override;
  bool OnCommand(int id, int code) override;
};

}  // namespace tq
