// PARAM: the run-time value of an OBJECT or APPLET.
#pragma once
#include <string>

#include "dialogs/common/attr_dialog.h"

namespace tq {

enum : int {
  IDD_PARAM = 2020,
  IDC_PA_ID_CHK = 1001, IDC_PA_ID,
  IDC_PA_NAME_CHK, IDC_PA_NAME,
  IDC_PA_VALUE_CHK, IDC_PA_VALUE,
  IDC_PA_VTYPE_CHK, IDC_PA_VTYPE, IDC_PA_VTYPE_LIST,
  IDC_PA_TYPE_CHK, IDC_PA_TYPE, IDC_PA_TYPE_LIST,
};

class CParamDlg : public CAttrDialog {
 public:
  explicit CParamDlg(plat::WindowHandle parent);

  // Fields, as exchanged with the edit boxes.
  std::string m_strId, m_strName, m_strType, m_strValue, m_strValueType;

  // Flag bits of "PARAM_%dFlag".
  enum : int { kId = 0x1, kName = 0x2, kValue = 0x4, kValueType = 0x8, kType = 0x10 };
  // The tag built from the fields and a flag word (and the writes OK
  // makes), apart from any window.
  std::string Build(int flags);

 protected:
  void DoDataExchange(plat::DataExchange& dx) override;
  bool OnInitDialog() override;
  void OnOK() override;
  bool OnCommand(int id, int code) override;
};

}  // namespace tq
