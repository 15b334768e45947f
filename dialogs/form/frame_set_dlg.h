// FRAMESET: rows, columns, the two frameset events and core attributes.
#pragma once
#include <string>

#include "dialogs/common/attr_dialog.h"

namespace tq {

enum : int {
  IDD_FRAMESET = 2021,
  IDC_FS_ROWS_CHK = 1001, IDC_FS_ROWS,
  IDC_FS_COLS_CHK, IDC_FS_COLS,
  IDC_FS_ONLOAD_CHK, IDC_FS_ONLOAD, IDC_FS_ONLOAD_BROWSE,
  IDC_FS_ONUNLOAD_CHK, IDC_FS_ONUNLOAD, IDC_FS_ONUNLOAD_BROWSE,
  IDC_FS_ATTR_CHK, IDC_FS_ATTR, IDC_FS_ATTR_EDIT,
};

class CFrameSetDlg : public CAttrDialog {
 public:
  explicit CFrameSetDlg(plat::WindowHandle parent);

  // Fields, as exchanged with the edit boxes.
  std::string m_strCols, m_strAttr, m_strOnLoad, m_strOnUnload, m_strRows;

  // Flag bits of "FRSET_%dFlag".
  enum : int { kRows = 0x1, kCols = 0x2, kOnLoad = 0x4, kOnUnload = 0x8, kAttr = 0x10 };
  // The element built from the fields and a flag word (and the writes OK
  // makes), apart from any window.
  std::string Build(int flags);

 protected:
  void DoDataExchange(plat::DataExchange& dx) override;
  bool OnInitDialog() override;
  void OnOK() override;
  bool OnCommand(int id, int code) override;
};

}  // namespace tq
