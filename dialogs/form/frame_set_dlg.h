// FRAMESET: rows, columns, the two frameset events and core attributes.
#pragma once
#include <string>

#include "dialogs/common/attr_dialog.h"
#include "res/ids/frame_set_dlg.h"

namespace tq {

class CFrameSetDlg : public CAttrDialog {
 public:
  explicit CFrameSetDlg(plat::WindowHandle parent);

  // Fields, as exchanged with the edit boxes.
  std::string m_strCols, m_strAttr, m_strOnLoad, m_strOnUnload, m_strRows;

  // Flag bits of "FRSET_%dFlag".
  enum : int { kRows = 0x1, kCols = 0x2, kOnLoad = 0x4, kOnUnload = 0x8, kAttr = 0x10 };
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
