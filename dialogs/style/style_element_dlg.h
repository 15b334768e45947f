// Element layout group of the style composer: width, height, white-space,
// float, clear and display declarations.
#pragma once
#include <string>

#include "dialogs/common/attr_dialog.h"
#include "res/ids/style_element_dlg.h"

namespace tq {

// Unit radio buttons run px, em, mm, pt, % from each size's _PX id; each
// choice group's radio buttons follow its check box in caption order.

class CStyleElementDlg : public CAttrDialog {
 public:
  explicit CStyleElementDlg(plat::WindowHandle parent);

  std::string m_strWidth, m_strHeight;

  // Flag bits of "SylElm_%dFlag" (choice bits: see the .cpp).
  enum : int {
    kWidth = 0x1, kWidthAuto = 0x2, kHeight = 0x80, kHeightAuto = 0x100,
    kWhiteSpace = 0x4000, kFloat = 0x40000, kClear = 0x400000, kDisplay = 0x4000000,
  };
  // The declarations built from the fields and the check boxes and choices
  // (as flag bits), apart from any window and any settings (OK saves them
  // after).
  std::string Build(int flags) const;

 protected:
  void DoDataExchange(plat::DataExchange& dx) override;
  bool OnInitDialog() override;
  void OnOK() override;
};

}  // namespace tq
