#include "dialogs/document/script_dlg.h"

#include "dialogs/common/fields.h"
#include "dialogs/common/value_lists.h"

namespace tq {

namespace {

using D = CScriptDlg;
// clang-format off
constexpr Field<D> kFields[] = {
    // bit         check box            edit box         member            attribute   value
    {D::kType,     0,                   IDC_SC_TYPE,     &D::m_strType,     "TYPE",     "SCRIPT_%dType",
     {IDC_SC_TYPE_LIST}},
    {D::kLanguage, IDC_SC_LANG_CHK,     IDC_SC_LANG,     &D::m_strLanguage, "LANGUAGE", "SCRIPT_%dLanguage"},
    {D::kCharset,  IDC_SC_CHARSET_CHK,  IDC_SC_CHARSET,  &D::m_strCharset,  "CHARSET",  "SCRIPT_%dCharset",
     {IDC_SC_CHARSET_LIST}},
    {D::kSrc,      IDC_SC_SRC_CHK,      IDC_SC_SRC,      &D::m_strSrc,      "SRC",      "SCRIPT_%dSrc",
     {IDC_SC_SRC_BROWSE}},
    {D::kDefer,    IDC_SC_DEFER_CHK,    0,               nullptr,           "DEFER",    nullptr,
     {}, Emit::Word},
};
// clang-format on
constexpr const char* kFlagValue = "SCRIPT_%dFlag";

}  // namespace

CScriptDlg::CScriptDlg(plat::WindowHandle parent) : CAttrDialog(IDD_SCRIPT, parent) {
  Access a = Fields();
  GovernFields(a, kFields);
}

void CScriptDlg::DoDataExchange(plat::DataExchange& dx) { ExchangeFields(dx, *this, kFields); }

bool CScriptDlg::OnInitDialog() {
  Access a = Fields();
  LoadFields(a, *this, kFields, kFlagValue);
  UpdateData(false);
  ApplyDependents();
  return true;
}

// TYPE is always there: its bit is set in every word saved.
std::string CScriptDlg::Build(int flags) const {
  std::string r = "<SCRIPT";
  BuildFields(*this, kFields, flags, r);
  return r + ">" + m_strText + "</SCRIPT>";
}

void CScriptDlg::OnOK() {
  UpdateData(true);
  Access a = Fields();
  const int flags = CheckedFields(a, kFields);
  m_strResult = Build(flags);
  SaveFields(a, *this, kFields, flags, kFlagValue);
  EndDialog(plat::IDOK);
}

bool CScriptDlg::OnCommand(int id, int code) {
  if (CAttrDialog::OnCommand(id, code)) return true;
  if (code != plat::kClicked) return false;
  switch (id) {
    case IDC_SC_TYPE_LIST: ChooseInto(m_strType, list::kScriptType); return true;
    case IDC_SC_CHARSET_LIST: ChooseInto(m_strCharset, list::kCharset); return true;
    case IDC_SC_SRC_BROWSE: BrowseInto(m_strSrc, "SCRIPT_SrcPath", "スクリプトのソースURI(SRC)"); return true;
  }
  return false;
}

}  // namespace tq
