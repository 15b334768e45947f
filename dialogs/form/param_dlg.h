// PARAM: the run-time value of an OBJECT or APPLET.
#pragma once
#include <string>

#include "dialogs/common/attr_dialog.h"
#include "res/ids/param_dlg.h"

namespace tq {

class CParamDlg : public CAttrDialog {
 public:
  explicit CParamDlg(plat::WindowHandle parent);

  // Fields, as exchanged with the edit boxes.
  std::string m_strId, m_strName, m_strType, m_strValue, m_strValueType;

  // Flag bits of "PARAM_%dFlag".
  enum : int { kId = 0x1, kName = 0x2, kValue = 0x4, kValueType = 0x8, kType = 0x10 };
  // The tag built from the fields and a flag word, apart from any window
  // and any settings (OK saves them after).
  std::string Build(int flags) const;

 protected:
  void DoDataExchange(plat::DataExchange& dx) override;
  bool OnInitDialog() override;
  void OnOK() override;
  bool OnCommand(int id, int code) override;
};

}  // namespace tq
