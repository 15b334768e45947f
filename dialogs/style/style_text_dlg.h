// Text group of the style composer: spacing, decoration, alignment,
// transform, indent and line height declarations.
#pragma once
#include <string>

#include "dialogs/common/attr_dialog.h"

namespace tq {

// Unit radio buttons run px, em, mm, pt[, %[, 倍率]] from each group's _PX id.
enum : int {
  IDD_STYLE_TEXT = 2006,
  IDC_TX_WS_CHK = 1000, IDC_TX_WS_NORMAL, IDC_TX_WS, IDC_TX_WS_SPIN,
  IDC_TX_WS_PX, IDC_TX_WS_EM, IDC_TX_WS_MM, IDC_TX_WS_PT,
  IDC_TX_LS_CHK, IDC_TX_LS_NORMAL, IDC_TX_LS, IDC_TX_LS_SPIN,
  IDC_TX_LS_PX, IDC_TX_LS_EM, IDC_TX_LS_MM, IDC_TX_LS_PT,
  IDC_TX_DECO_CHK, IDC_TX_DECO, IDC_TX_DECO_LIST,
  IDC_TX_TALIGN_CHK, IDC_TX_TALIGN, IDC_TX_TALIGN_LIST,
  IDC_TX_VA_CHK, IDC_TX_VAPER, IDC_TX_VAPER_SPIN, IDC_TX_VAPER_LABEL,
  IDC_TX_VAKW_CHK, IDC_TX_VAKW, IDC_TX_VAKW_LIST,
  IDC_TX_TRANS_CHK, IDC_TX_TRANS, IDC_TX_TRANS_LIST,
  IDC_TX_IND_CHK, IDC_TX_IND, IDC_TX_IND_SPIN,
  IDC_TX_IND_PX, IDC_TX_IND_EM, IDC_TX_IND_MM, IDC_TX_IND_PT, IDC_TX_IND_PERCENT,
  IDC_TX_LH_CHK, IDC_TX_LH_NORMAL, IDC_TX_LH, IDC_TX_LH_SPIN,
  IDC_TX_LH_PX, IDC_TX_LH_EM, IDC_TX_LH_MM, IDC_TX_LH_PT, IDC_TX_LH_PERCENT, IDC_TX_LH_RATIO,
};

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
