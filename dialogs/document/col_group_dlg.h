// COLGROUP, COL, THEAD, TBODY, TFOOT and TR: one dialog; span and width of
// column groups, alignment (with the alignment character) and the other
// attributes. Each command remembers its own settings.
#pragma once
#include <string>

#include "dialogs/common/attr_dialog.h"
#include "res/commands.h"
#include "res/ids/col_group_dlg.h"

namespace tq {

class CColGroupDlg : public CAttrDialog {
 public:
  explicit CColGroupDlg(plat::WindowHandle parent);

  // Fields, as exchanged with the edit boxes.
  std::string m_strSpan, m_strWidth, m_strAlign, m_strChar, m_strCharOff, m_strVAlign, m_strOtherAttr;

  // Flag bits of "Clg_%dFlag".
  enum : int {
    kSpan = 0x1, kWidth = 0x2, kWidthPct = 0x4, kAlign = 0x10, kCharOffPct = 0x20, kVAlign = 0x80,
    kOtherAttr = 0x100,
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
  // THEAD, TBODY, TFOOT and TR span no columns.
  bool IsRowGroup() const { return m_nTagId >= cmd::kTheadDetail && m_nTagId <= cmd::kTRDetail; }
  void ApplyAlignRule();
  void ApplyCharRule();
  // The CHAR and CHAROFF bits (and the CHAROFF unit) for the box bits.
  int CharBits(int flags, bool charOffPct) const;
};

}  // namespace tq
