// TH and TD: one dialog; header information, spans, alignment (with the
// alignment character) and the other attributes of a cell around the
// selection. Each of the two commands remembers its own settings.
#pragma once
#include <string>

#include "dialogs/common/attr_dialog.h"
#include "res/commands.h"
#include "res/ids/table_cell_dlg.h"

namespace tq {

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
    // Set while ALIGN says "char" and the text is there, never remembered.
    kCharOn = 0x10000, kCharOffOn = 0x20000,
  };
  // The element built from the fields and a flag word, apart from any
  // window and any settings (OK saves them after).
  std::string Build(int flags) const;

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
  // The CHAR and CHAROFF bits (and the CHAROFF unit) for the box bits.
  int CharBits(int flags, bool charOffPct) const;
};

}  // namespace tq
