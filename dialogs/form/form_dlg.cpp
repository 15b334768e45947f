#include "dialogs/form/form_dlg.h"

#include "dialogs/common/text_rules.h"
#include "plat/text.h"

namespace tq {

namespace {

// Check boxes in flag-bit order; "post" is kept apart, it counts only with
// METHOD.
constexpr FlagBox kBoxes[] = {
    {IDC_FM_METHOD_CHK, CFormDlg::kMethod},   {IDC_FM_ENCTYPE_CHK, CFormDlg::kEncType},
    {IDC_FM_CHARSET_CHK, CFormDlg::kCharset}, {IDC_FM_TARGET_CHK, CFormDlg::kTarget},
    {IDC_FM_SUBMIT_CHK, CFormDlg::kOnSubmit}, {IDC_FM_RESET_CHK, CFormDlg::kOnReset},
    {IDC_FM_ATTR_CHK, CFormDlg::kAttr},
};

}  // namespace

CFormDlg::CFormDlg(plat::WindowHandle parent) : CAttrDialog(IDD_FORM, parent) {
  Governs(IDC_FM_METHOD_CHK, {IDC_FM_GET, IDC_FM_POST});
  Governs(IDC_FM_ENCTYPE_CHK, {IDC_FM_ENCTYPE, IDC_FM_ENCTYPE_LIST});
  Governs(IDC_FM_CHARSET_CHK, {IDC_FM_CHARSET, IDC_FM_CHARSET_LIST, IDC_FM_CHARSET_ADD});
  Governs(IDC_FM_TARGET_CHK, {IDC_FM_TARGET});
  Governs(IDC_FM_SUBMIT_CHK, {IDC_FM_SUBMIT, IDC_FM_SUBMIT_BROWSE});
  Governs(IDC_FM_RESET_CHK, {IDC_FM_RESET, IDC_FM_RESET_BROWSE});
  Governs(IDC_FM_ATTR_CHK, {IDC_FM_ATTR, IDC_FM_ATTR_EDIT});
}

void CFormDlg::DoDataExchange(plat::DataExchange& dx) {
  dx.Text(IDC_FM_ACTION, m_strAction);
  dx.Text(IDC_FM_CHARSET, m_strCharset);
  dx.Text(IDC_FM_ENCTYPE, m_strEncType);
  dx.Text(IDC_FM_RESET, m_strOnReset);
  dx.Text(IDC_FM_SUBMIT, m_strOnSubmit);
  dx.Text(IDC_FM_ATTR, m_strAttr);
  dx.Text(IDC_FM_TARGET, m_strTarget);
}

bool CFormDlg::OnInitDialog() {
  Load(m_strAction, "FORM_%dAction");
  Load(m_strCharset, "FORM_%dCharSet", "shift-jis");
  Load(m_strEncType, "FORM_%dEncType", "application/x-www-form-urlencoded");
  Load(m_strOnReset, "FORM_%dOnReset");
  Load(m_strOnSubmit, "FORM_%dOnSubmit");
  Load(m_strAttr, "FORM_%dAttr");
  Load(m_strTarget, "FORM_%dTarget");
  const int flags = GetSettingInt(Name("FORM_%dFlag"));

  CheckBoxes(kBoxes, flags);
  CheckRadio(IDC_FM_GET, IDC_FM_POST, (flags & kPost) ? IDC_FM_POST : IDC_FM_GET);
  UpdateData(false);
  ApplyDependents();
  return true;
}

std::string CFormDlg::Build(int flags) {
  if (!(flags & kMethod)) flags &= ~kPost;
  flags &= kMethod | kPost | kEncType | kCharset | kTarget | kOnSubmit | kOnReset | kAttr;

  std::string r = "<FORM";
  PutAttr(r, true, "ACTION", m_strAction, "FORM_%dAction");
  if (flags & kMethod) r += (flags & kPost) ? " METHOD=\"post\"" : " METHOD=\"get\"";
  PutAttr(r, flags & kEncType, "ENCTYPE", m_strEncType, "FORM_%dEncType");
  PutAttr(r, flags & kCharset, "ACCEPT-CHARSET", m_strCharset, "FORM_%dCharSet");
  PutAttr(r, flags & kTarget, "TARGET", m_strTarget, "FORM_%dTarget");
  PutAttr(r, flags & kOnSubmit, "onSubmit", m_strOnSubmit, "FORM_%dOnSubmit");
  PutAttr(r, flags & kOnReset, "onReset", m_strOnReset, "FORM_%dOnReset");
  PutOtherAttr(r, flags & kAttr, m_strAttr, "FORM_%dAttr");
  PutSettingInt(Name("FORM_%dFlag"), flags);
  r += ">" + m_strText + "</FORM>";
  return r;
}

void CFormDlg::OnOK() {
  UpdateData(true);
  int flags = CheckedBits(kBoxes);
  if (IsChecked(IDC_FM_POST)) flags |= kPost;
  m_strResult = Build(flags);
  EndDialog(plat::IDOK);
}

bool CFormDlg::OnCommand(int id, int code) {
  if (CAttrDialog::OnCommand(id, code)) return true;
  if (code != plat::kClicked) return false;
  switch (id) {
    case IDC_FM_ACTION_BROWSE:
      BrowseInto(m_strAction, "FORM_ActionPath", "フォームを処理するURI(ACTION)");
      return true;
    case IDC_FM_SUBMIT_BROWSE:
      BrowseInto(m_strOnSubmit, "FORM_OnSubmitPath", "OK時に実行するスクリプト(onSubmit)");
      return true;
    case IDC_FM_RESET_BROWSE:
      BrowseInto(m_strOnReset, "FORM_OnResetPath", "リセット時に実行するスクリプト(onReset)");
      return true;
    case IDC_FM_ENCTYPE_LIST: ChooseInto(m_strEncType, 104); return true;
    case IDC_FM_CHARSET_LIST: ChooseInto(m_strCharset, 129); return true;
    case IDC_FM_CHARSET_ADD: {
      // Several character sets make a comma-separated list; the box is
      // appended to as it stands, empty or not.
      std::string chosen;
      if (ChooseInto(chosen, 129)) {
        m_strCharset += ", " + chosen;
        UpdateData(false);
      }
      return true;
    }
    case IDC_FM_ATTR_EDIT: EditOtherAttributes(m_strAttr); return true;
  }
  return false;
}

void RunFormDlg(plat::WindowHandle parent, std::string& buffer, int id) {
  RunDialog<CFormDlg>(parent, buffer, id);
}

}  // namespace tq
