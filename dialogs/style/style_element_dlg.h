// Element layout group of the style composer: width, height, white-space,
// float, clear and display declarations.
#pragma once
#include <string>

#include "dialogs/common/attr_dialog.h"

namespace tq {

// Unit radio buttons run px, em, mm, pt, % from each size's _PX id; each
// choice group's radio buttons follow its check box in caption order.
enum : int {
  IDD_STYLE_ELEMENT = 2011,
  IDC_EL_W_CHK = 1000, IDC_EL_W_AUTO, IDC_EL_W, IDC_EL_W_SPIN,
  IDC_EL_W_PX, IDC_EL_W_EM, IDC_EL_W_MM, IDC_EL_W_PT, IDC_EL_W_PERCENT,
  IDC_EL_H_CHK = 1010, IDC_EL_H_AUTO, IDC_EL_H, IDC_EL_H_SPIN,
  IDC_EL_H_PX, IDC_EL_H_EM, IDC_EL_H_MM, IDC_EL_H_PT, IDC_EL_H_PERCENT,
  IDC_EL_WS_CHK = 1020, IDC_EL_WS_NORMAL, IDC_EL_WS_PRE, IDC_EL_WS_NOWRAP,
  IDC_EL_FLOAT_CHK = 1030, IDC_EL_FLOAT_NONE, IDC_EL_FLOAT_LEFT, IDC_EL_FLOAT_RIGHT,
  IDC_EL_CLEAR_CHK = 1040, IDC_EL_CLEAR_NONE, IDC_EL_CLEAR_LEFT, IDC_EL_CLEAR_RIGHT, IDC_EL_CLEAR_BOTH,
  IDC_EL_DISP_CHK = 1050, IDC_EL_DISP_BLOCK, IDC_EL_DISP_INLINE, IDC_EL_DISP_LISTITEM, IDC_EL_DISP_NONE,
};

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
  // (as flag bits), with the writes OK makes, apart from any window.
  std::string Build(int flags);

 protected:
  void DoDataExchange(plat::DataExchange& dx) override;
  bool OnInitDialog() override;
  void OnOK() override;
  bool OnCommand(int id, int code) override;

 private:
  void ApplyRules();
};

}  // namespace tq
