#include "dialogs/document/script_dlg.h"

namespace tq {

namespace {

constexpr FlagBox kBoxes[] = {
    {IDC_SC_LANG_CHK, CScriptDlg::kLanguage},
    {IDC_SC_CHARSET_CHK, CScriptDlg::kCharset},
    {IDC_SC_SRC_CHK, CScriptDlg::kSrc},
    {IDC_SC_DEFER_CHK, CScriptDlg::kDefer},
};

}  // namespace

CScriptDlg::CScriptDlg(plat::WindowHandle parent) : CAttrDialog(IDD_SCRIPT, parent) {
  Governs(IDC_SC_LANG_CHK, {IDC_SC_LANG});
  Governs(IDC_SC_CHARSET_CHK, {IDC_SC_CHARSET, IDC_SC_CHARSET_LIST});
  Governs(IDC_SC_SRC_CHK, {IDC_SC_SRC, IDC_SC_SRC_BROWSE});
}

void CScriptDlg::DoDataExchange(plat::DataExchange& dx) {
  dx.Text(IDC_SC_CHARSET, m_strCharset);
  dx.Text(IDC_SC_LANG, m_strLanguage);
  dx.Text(IDC_SC_SRC, m_strSrc);
  dx.Text(IDC_SC_TYPE, m_strType);
}

bool CScriptDlg::OnInitDialog() {
  Load(m_strType, "SCRIPT_%dType");
  Load(m_strLanguage, "SCRIPT_%dLanguage");
  Load(m_strCharset, "SCRIPT_%dCharset");
  Load(m_strSrc, "SCRIPT_%dSrc");
  const int flags = GetSettingInt(Name("SCRIPT_%dFlag"));
  CheckBoxes(kBoxes, flags);
  UpdateData(false);
  ApplyDependents();
  return true;
}

std::string CScriptDlg::Build(int flags) {
  std::string r = "<SCRIPT TYPE=\"" + m_strType + "\"";
  PutSetting(Name("SCRIPT_%dType"), m_strType);
  PutAttr(r, flags & kLanguage, "LANGUAGE", m_strLanguage, "SCRIPT_%dLanguage");
  PutAttr(r, flags & kCharset, "CHARSET", m_strCharset, "SCRIPT_%dCharset");
  PutAttr(r, flags & kSrc, "SRC", m_strSrc, "SCRIPT_%dSrc");
  if (flags & kDefer) r += " DEFER";
  PutSettingInt(Name("SCRIPT_%dFlag"), flags | kType);
  return r + ">" + m_strText + "</SCRIPT>";
}

void CScriptDlg::OnOK() {
  UpdateData(true);
  int flags = CheckedBits(kBoxes);
  m_strResult = Build(flags);
  EndDialog(plat::IDOK);
}

bool CScriptDlg::OnCommand(int id, int code) {
  if (CAttrDialog::OnCommand(id, code)) return true;
  if (code != plat::kClicked) return false;
  switch (id) {
    case IDC_SC_TYPE_LIST: ChooseInto(m_strType, 133); return true;
    case IDC_SC_CHARSET_LIST: ChooseInto(m_strCharset, 129); return true;
    case IDC_SC_SRC_BROWSE:
      BrowseInto(m_strSrc, "SCRIPT_SrcPath", "スクリプトのソースURI(SRC)");
      return true;
  }
  return false;
}

void RunScriptDlg(plat::WindowHandle parent, std::string& buffer, int id) {
  RunDialog<CScriptDlg>(parent, buffer, id);
}

}  // namespace tq
