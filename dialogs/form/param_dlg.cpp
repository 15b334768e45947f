#include "dialogs/form/param_dlg.h"

#include "dialogs/common/fields.h"
#include "dialogs/common/value_lists.h"

namespace tq {

namespace {

using D = CParamDlg;
// clang-format off
constexpr Field<D> kFields[] = {
    // bit          check box          edit box       member             attribute    value
    {D::kId,        IDC_PA_ID_CHK,     IDC_PA_ID,     &D::m_strId,       "ID",        "PARAM_%dID"},
    {D::kName,      IDC_PA_NAME_CHK,   IDC_PA_NAME,   &D::m_strName,     "NAME",      "PARAM_%dName"},
    {D::kValue,     IDC_PA_VALUE_CHK,  IDC_PA_VALUE,  &D::m_strValue,    "VALUE",     "PARAM_%dValue"},
    {D::kValueType, IDC_PA_VTYPE_CHK,  IDC_PA_VTYPE,  &D::m_strValueType, "VALUETYPE", "PARAM_%dVType",
     {IDC_PA_VTYPE_LIST}},
    {D::kType,      IDC_PA_TYPE_CHK,   IDC_PA_TYPE,   &D::m_strType,     "TYPE",      "PARAM_%dType",
     {IDC_PA_TYPE_LIST}},
};
// clang-format on
constexpr const char* kFlagValue = "PARAM_%dFlag";

}  // namespace

CParamDlg::CParamDlg(plat::WindowHandle parent) : CAttrDialog(IDD_PARAM, parent) {
  Access a = Fields();
  GovernFields(a, kFields);
}

void CParamDlg::DoDataExchange(plat::DataExchange& dx) { ExchangeFields(dx, *this, kFields); }

bool CParamDlg::OnInitDialog() {
  Access a = Fields();
  LoadFields(a, *this, kFields, kFlagValue);
  UpdateData(false);
  ApplyDependents();
  return true;
}

std::string CParamDlg::Build(int flags) const {
  std::string r = "<PARAM";
  BuildFields(*this, kFields, flags, r);
  return r + ">" + m_strText;  // PARAM has no end tag
}

void CParamDlg::OnOK() {
  UpdateData(true);
  Access a = Fields();
  const int flags = CheckedFields(a, kFields);
  m_strResult = Build(flags);
  SaveFields(a, *this, kFields, flags, kFlagValue);
  EndDialog(plat::IDOK);
}

bool CParamDlg::OnCommand(int id, int code) {
  if (CAttrDialog::OnCommand(id, code)) return true;
  if (code != plat::kClicked) return false;
  switch (id) {
    case IDC_PA_VTYPE_LIST: ChooseInto(m_strValueType, list::kValueType); return true;
    case IDC_PA_TYPE_LIST: ChooseInto(m_strType, list::kMime); return true;
  }
  return false;
}

}  // namespace tq
