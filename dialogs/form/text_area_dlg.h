// SELECT and TEXTAREA: one dialog; TEXTAREA always gets its columns and
// rows, SELECT its size and MULTIPLE.
#pragma once
#include <string>

#include "dialogs/common/attr_dialog.h"
#include "res/commands.h"
#include "res/ids/text_area_dlg.h"

namespace tq {

class CTextAreaDlg : public CAttrDialog {
 public:
  explicit CTextAreaDlg(plat::WindowHandle parent);

  // Fields, as exchanged with the edit boxes.
  std::string m_strAccessKey, m_strCols, m_strName, m_strOnBlur, m_strOnChange, m_strOnFocus,
      m_strOnSelect, m_strAttr, m_strRows, m_strSize, m_strTabIndex;

  // Flag bits of "TXTAR_%dFlag" (0x2, 0x4 and 0x8 are unused).
  enum : int {
    kName = 0x1, kSize = 0x10, kDisabled = 0x20, kReadOnly = 0x40, kMultiple = 0x80,
    kTabIndex = 0x100, kAccessKey = 0x200, kOnFocus = 0x400, kOnBlur = 0x800,
    kOnSelect = 0x1000, kOnChange = 0x2000, kAttr = 0x4000,
    // Set for TEXTAREA, never remembered: COLS and ROWS.
    kColsRows = 0x10000,
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
  bool IsSelect() const { return m_nTagId == cmd::kSelectDetail; }
};

}  // namespace tq
