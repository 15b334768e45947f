// Font group of the style composer: font-family, -style, -variant,
// -weight and -size declarations.
#pragma once
#include <string>

#include "dialogs/common/attr_dialog.h"
#include "res/ids/style_font_dlg.h"

namespace tq {

class CStyleFontDlg : public CAttrDialog {
 public:
  explicit CStyleFontDlg(plat::WindowHandle parent);

  std::string m_strFamily, m_strStyle, m_strVariant, m_strWeight, m_strSizeKW, m_strSize;

  // Flag bits of "StlFnt_%dFlag".
  enum : int {
    kFamily = 0x1, kStyle = 0x2, kVariant = 0x4, kWeight = 0x8, kSize = 0x10, kSizeKW = 0x20,
    kPx = 0x40, kMm = 0x80, kEm = 0x100, kPercent = 0x200,
  };
  // The declarations built from the fields and the check boxes and unit
  // (as flag bits), apart from any window and any settings (OK saves them
  // after).
  std::string Build(int flags) const;

 protected:
  void DoDataExchange(plat::DataExchange& dx) override;
  bool OnInitDialog() override;
  void OnOK() override;
  bool OnCommand(int id, int code) override;

 private:
  void ChooseFamily();
};

}  // namespace tq
