// TABLE: border, width, summary, frame, rules, cell spacing and padding,
// and the other attributes of a table around the selection.
#pragma once
#include <string>

#include "dialogs/common/attr_dialog.h"
#include "res/ids/table_dlg.h"

namespace tq {

class CTableDlg : public CAttrDialog {
 public:
  explicit CTableDlg(plat::WindowHandle parent);

  // Fields, as exchanged with the edit boxes.
  std::string m_strBorder, m_strFrame, m_strRules, m_strCellSpacing, m_strCellPadding, m_strOtherAttr,
      m_strSummary, m_strWidth;

  // Flag bits of "Tbl_%dFlag".
  enum : int {
    kBorder = 0x1, kWidth = 0x2, kWidthPct = 0x4, kSummary = 0x10, kFrame = 0x20, kRules = 0x40,
    kSpacing = 0x80, kSpacingPct = 0x100, kPadding = 0x400, kPaddingPct = 0x800, kOtherAttr = 0x8000,
  };
  // The element built from the fields and a flag word, apart from any
  // window and any settings (OK saves them after).
  std::string Build(int flags) const;

 protected:
  void DoDataExchange(plat::DataExchange& dx) override;
  bool OnInitDialog() override;
  void OnOK() override;
  bool OnCommand(int id, int code) override;
};

}  // namespace tq
