// SCRIPT: type, language, character set, source and DEFER of a script
// element around the selection.
#pragma once
#include <string>

#include "dialogs/common/attr_dialog.h"
#include "res/ids/script_dlg.h"

namespace tq {

class CScriptDlg : public CAttrDialog {
 public:
  explicit CScriptDlg(plat::WindowHandle parent);

  std::string m_strCharset, m_strLanguage, m_strSrc, m_strType;

  // Flag bits of "SCRIPT_%dFlag".
  enum : int { kType = 0x1, kLanguage = 0x2, kCharset = 0x4, kSrc = 0x8, kDefer = 0x10 };
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
