#include "dialogs/form/param_dlg.h"

namespace tq {

namespace {

constexpr FlagBox kBoxes[] = {
    {IDC_PA_ID_CHK, CParamDlg::kId},          {IDC_PA_NAME_CHK, CParamDlg::kName},
    {IDC_PA_VALUE_CHK, CParamDlg::kValue},    {IDC_PA_VTYPE_CHK, CParamDlg::kValueType},
    {IDC_PA_TYPE_CHK, CParamDlg::kType},
};

}  // namespace

CParamDlg::CParamDlg(plat::WindowHandle parent) : CAttrDialog(IDD_PARAM, parent) {
  Governs(IDC_PA_ID_CHK, {IDC_PA_ID});
  Governs(IDC_PA_NAME_CHK, {IDC_PA_NAME});
  Governs(IDC_PA_VALUE_CHK, {IDC_PA_VALUE});
  Governs(IDC_PA_VTYPE_CHK, {IDC_PA_VTYPE, IDC_PA_VTYPE_LIST});
  Governs(IDC_PA_TYPE_CHK, {IDC_PA_TYPE, IDC_PA_TYPE_LIST});
}

void CParamDlg::DoDataExchange(plat::DataExchange& dx) {
  dx.Text(IDC_PA_ID, m_strId);
  dx.Text(IDC_PA_NAME, m_strName);
  dx.Text(IDC_PA_TYPE, m_strType);
  dx.Text(IDC_PA_VALUE, m_strValue);
  dx.Text(IDC_PA_VTYPE, m_strValueType);
}

bool CParamDlg::OnInitDialog() {
  Load(m_strId, "PARAM_%dID");
  Load(m_strName, "PARAM_%dName");
  Load(m_strValue, "PARAM_%dValue");
  Load(m_strValueType, "PARAM_%dVType");
  Load(m_strType, "PARAM_%dType");
  const int flags = GetSettingInt(Name("PARAM_%dFlag"));
  CheckBoxes(kBoxes, flags);
  UpdateData(false);
  ApplyDependents();
  return true;
}

std::string CParamDlg::Build(int flags) {
  std::string r = "<PARAM";
  PutAttr(r, flags & kId, "ID", m_strId, "PARAM_%dID");
  PutAttr(r, flags & kName, "NAME", m_strName, "PARAM_%dName");
  PutAttr(r, flags & kValue, "VALUE", m_strValue, "PARAM_%dValue");
  PutAttr(r, flags & kValueType, "VALUETYPE", m_strValueType, "PARAM_%dVType");
  PutAttr(r, flags & kType, "TYPE", m_strType, "PARAM_%dType");
  PutSettingInt(Name("PARAM_%dFlag"), flags);
  return r + ">" + m_strText;  // PARAM has no end tag
}

void CParamDlg::OnOK() {
  UpdateData(true);
  int flags = CheckedBits(kBoxes);
  m_strResult = Build(flags);
  EndDialog(plat::IDOK);
}

bool CParamDlg::OnCommand(int id, int code) {
  if (CAttrDialog::OnCommand(id, code)) return true;
  if (code != plat::kClicked) return false;
  switch (id) {
    case IDC_PA_VTYPE_LIST: ChooseInto(m_strValueType, 105); return true;
    case IDC_PA_TYPE_LIST: ChooseInto(m_strType, 104); return true;
  }
  return false;
}

void RunParamDlg(plat::WindowHandle parent, std::string& buffer, int id) {
  RunDialog<CParamDlg>(parent, buffer, id);
}

}  // namespace tq
