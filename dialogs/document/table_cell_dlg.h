// TH and TD: one dialog; header information, spans, alignment (with the
// alignment character) and the other attributes of a cell around the
// selection. Each of the two commands remembers its own settings.
#pragma once
#include <string>

#include "dialogs/common/attr_dialog.h"
#include "res/commands.h"

namespace tq {

enum : int {
  IDD_TABLE_CELL = 2015,
  IDC_TC_ABBR_CHK = 1001, IDC_TC_ABBR,
  IDC_TC_AXIS_CHK, IDC_TC_AXIS,
  IDC_TC_HEADERS_CHK, IDC_TC_HEADERS,
  IDC_TC_SCOPE_CHK, IDC_TC_SCOPE, IDC_TC_SCOPE_LIST,
  IDC_TC_COLSPAN_CHK, IDC_TC_COLSPAN, IDC_TC_COLSPAN_SPIN,
  IDC_TC_ROWSPAN_CHK, IDC_TC_ROWSPAN, IDC_TC_ROWSPAN_SPIN,
  IDC_TC_ALIGN_CHK, IDC_TC_ALIGN, IDC_TC_ALIGN_LIST,
  IDC_TC_CHAR_LABEL, IDC_TC_CHAR,
  IDC_TC_CHAROFF_LABEL, IDC_TC_CHAROFF, IDC_TC_CHAROFF_SPIN, IDC_TC_CHAROFF_PX, IDC_TC_CHAROFF_PCT,
  IDC_TC_VALIGN_CHK, IDC_TC_VALIGN, IDC_TC_VALIGN_LIST,
  IDC_TC_ATTR_CHK, IDC_TC_ATTR_EDIT, IDC_TC_ATTR,
};

class CTableCellDlg : public CAttrDialog {
 public:
  explicit CTableCellDlg(plat::WindowHandle parent);

  // Fields, as exchanged with the edit boxes.
  std::string m_strAbbr, m_strAxis, m_strHeaders, m_strScope, m_strColSpan, m_strRowSpan, m_strAlign,
      m_strChar, m_strCharOff, m_strOtherAttr, m_strVAlign;

  // Flag bits of "Tcl_%dFlag".
  enum : int {
    kAbbr = 0x1, kAxis = 0x2, kHeaders = 0x4, kScope = 0x8, kColSpan = 0x10, kRowSpan = 0x20,
    kAlign = 0x40, kCharOffPct = 0x80, kVAlign = 0x400, kOtherAttr = 0x800,
  };
  // The element built from the fields and the check boxes' flag word (and
  // the writes OK makes), apart from any window. charOffPct: the "%" unit
  // of CHAROFF is selected; its flag bit is set only when CHAROFF is emitted.
  std::string Build(int flags, bool charOffPct);

 protected:
  void DoDataExchange(plat::DataExchange& dx) override;
  bool OnInitDialog() override;
  void OnOK() override;
  bool OnCommand(int id, int code) override;

 private:
  bool IsHeader() const { return m_nTagId == cmd::kTHDetail; }
  // The ALIGN box with its alignment-character controls.
  void ApplyAlignRule();
  void ApplyCharRule();
};

}  // namespace tq
