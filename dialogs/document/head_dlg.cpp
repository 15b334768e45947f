#include "dialogs/document/head_dlg.h"

#include "dialogs/common/text_rules.h"
#include "plat/text.h"

namespace tq {

namespace {

// Check boxes in flag-bit order.
constexpr FlagBox kBoxes[] = {
    {IDC_HD_PROFILE_CHK, CHeadDlg::kProfile}, {IDC_HD_HREF_CHK, CHeadDlg::kHref},
    {IDC_HD_TARGET_CHK, CHeadDlg::kTarget},   {IDC_HD_TITLE_CHK, CHeadDlg::kTitle},
    {IDC_HD_MEDIA_CHK, CHeadDlg::kMedia},     {IDC_HD_LANG_CHK, CHeadDlg::kLang},
    {IDC_HD_DIR_CHK, CHeadDlg::kDir},         {IDC_HD_HTTPEQUIV_CHK, CHeadDlg::kHttpEquiv},
    {IDC_HD_NAME_CHK, CHeadDlg::kName},       {IDC_HD_SCHEME_CHK, CHeadDlg::kScheme},
};

const char* ElementName(int id) {
  switch (id) {
    case 29110: return "HEAD";
    case 29111: return "TITLE";
    case 29112: return "BASE";
    case 29113: return "META";
    default: return "STYLE";
  }
}

}  // namespace

CHeadDlg::CHeadDlg(plat::WindowHandle parent) : CAttrDialog(IDD_HEAD, parent) {
  Governs(IDC_HD_PROFILE_CHK, {IDC_HD_PROFILE, IDC_HD_PROFILE_BROWSE, IDC_HD_PROFILE_ADD});
  Governs(IDC_HD_HREF_CHK, {IDC_HD_HREF, IDC_HD_HREF_BROWSE});
  Governs(IDC_HD_TARGET_CHK, {IDC_HD_TARGET});
  Governs(IDC_HD_TITLE_CHK, {IDC_HD_TITLE});
  Governs(IDC_HD_MEDIA_CHK, {IDC_HD_MEDIA, IDC_HD_MEDIA_LIST});
  Governs(IDC_HD_LANG_CHK, {IDC_HD_LANG, IDC_HD_LANG_LIST});
  Governs(IDC_HD_DIR_CHK, {IDC_HD_LTR, IDC_HD_RTL});
  Governs(IDC_HD_HTTPEQUIV_CHK, {IDC_HD_HTTPEQUIV});
  Governs(IDC_HD_NAME_CHK, {IDC_HD_NAME, IDC_HD_NAME_LIST});
  Governs(IDC_HD_SCHEME_CHK, {IDC_HD_SCHEME});
}

void CHeadDlg::DoDataExchange(plat::DataExchange& dx) {
  dx.Text(IDC_HD_LANG, m_strLang);
  dx.Text(IDC_HD_PROFILE, m_strProfile);
  dx.Text(IDC_HD_HREF, m_strHref);
  dx.Text(IDC_HD_TYPE, m_strType);
  dx.Text(IDC_HD_CONTENT, m_strContent);
  dx.Text(IDC_HD_HTTPEQUIV, m_strHttpEquiv);
  dx.Text(IDC_HD_MEDIA, m_strMedia);
  dx.Text(IDC_HD_NAME, m_strName);
  dx.Text(IDC_HD_SCHEME, m_strScheme);
  dx.Text(IDC_HD_TARGET, m_strTarget);
  dx.Text(IDC_HD_TITLE, m_strTitle);
}

bool CHeadDlg::OnInitDialog() {
  SetTitle(ElementLabel(m_nTagId) + plat::J("の設定"));

  Load(m_strProfile, "HEAD_%dProfile");
  Load(m_strHref, "HEAD_%dHref");
  Load(m_strTarget, "HEAD_%dTarget");
  Load(m_strType, "HEAD_%dType", "text/css");
  Load(m_strTitle, "HEAD_%dTitle");
  Load(m_strMedia, "HEAD_%dMedia");
  Load(m_strLang, "HEAD_%dLang");
  Load(m_strHttpEquiv, "HEAD_%dHttpEquiv");
  Load(m_strName, "HEAD_%dName");
  Load(m_strContent, "HEAD_%dContent");
  Load(m_strScheme, "HEAD_%dScheme");
  const int flags = GetSettingInt(Name("HEAD_%dFlag"));

  CheckBoxes(kBoxes, flags);
  CheckRadio(IDC_HD_LTR, IDC_HD_RTL, (flags & kRtl) ? IDC_HD_RTL : IDC_HD_LTR);

  const int id = m_nTagId;
  if (id != 29110) Withdraw(IDC_HD_PROFILE_CHK);
  if (id != 29112) {
    Withdraw(IDC_HD_HREF_CHK);
    Withdraw(IDC_HD_TARGET_CHK);
  } else {
    Withdraw(IDC_HD_LANG_CHK);
    Withdraw(IDC_HD_DIR_CHK);
  }
  if (id != 29113) {
    Withdraw(IDC_HD_HTTPEQUIV_CHK);
    Withdraw(IDC_HD_NAME_CHK);
    Withdraw(IDC_HD_SCHEME_CHK);
    EnableItem(IDC_HD_CONTENT_LABEL, false);
    EnableItem(IDC_HD_CONTENT, false);
  }
  if (id != 29114) {
    EnableItem(IDC_HD_TYPE_LABEL, false);
    EnableItem(IDC_HD_TYPE, false);
    EnableItem(IDC_HD_TYPE_LIST, false);
    Withdraw(IDC_HD_TITLE_CHK);
    Withdraw(IDC_HD_MEDIA_CHK);
  }

  UpdateData(false);
  ApplyDependents();
  return true;
}

int CHeadDlg::FlagsFromControls() const {
  int flags = CheckedBits(kBoxes);
  if ((flags & kDir) && IsChecked(IDC_HD_RTL)) flags |= kRtl;
  return flags;
}

std::string CHeadDlg::Build(int flags) {
  const int id = m_nTagId;
  std::string r = std::string("<") + ElementName(id);
  PutAttr(r, flags & kProfile, "PROFILE", m_strProfile, "HEAD_%dProfile");
  PutAttr(r, flags & kHref, "HREF", m_strHref, "HEAD_%dHref");
  PutAttr(r, flags & kTarget, "TARGET", m_strTarget, "HEAD_%dTarget");
  PutAttr(r, id == 29114, "TYPE", m_strType, "HEAD_%dType");
  PutAttr(r, flags & kTitle, "TITLE", m_strTitle, "HEAD_%dTitle");
  PutAttr(r, flags & kMedia, "MEDIA", m_strMedia, "HEAD_%dMedia");
  PutAttr(r, flags & kLang, "LANG", m_strLang, "HEAD_%dLang");
  if (flags & kDir) r += (flags & kRtl) ? " DIR=\"rtl\"" : " DIR=\"ltr\"";
  PutAttr(r, flags & kHttpEquiv, "HTTP-EQUIV", m_strHttpEquiv, "HEAD_%dHttpEquiv");
  PutAttr(r, flags & kName, "NAME", m_strName, "HEAD_%dName");
  PutAttr(r, id == 29113, "CONTENT", m_strContent, "HEAD_%dContent");
  PutAttr(r, flags & kScheme, "SCHEME", m_strScheme, "HEAD_%dScheme");
  PutSettingInt(Name("HEAD_%dFlag"), flags);

  switch (id) {
    case 29110: r += ">\r\n" + m_strText + "\r\n</HEAD>\r\n"; break;
    case 29111: r += ">" + m_strText + "</TITLE>"; break;
    case 29114: r += ">\r\n" + m_strText + "\r\n</STYLE>\r\n"; break;
    default: r += ">" + m_strText; break;  // BASE and META are empty elements
  }
  return r;
}

void CHeadDlg::OnOK() {
  UpdateData(true);
  m_strResult = Build(FlagsFromControls());
  EndDialog(plat::IDOK);
}

bool CHeadDlg::OnCommand(int id, int code) {
  if (CAttrDialog::OnCommand(id, code)) return true;
  if (code != plat::kClicked) return false;
  switch (id) {
    case IDC_HD_PROFILE_BROWSE: BrowseInto(m_strProfile, "HEAD_ProfilePath", "PROFILEの設定"); return true;
    case IDC_HD_PROFILE_ADD:
      BrowseInto(m_strProfile, "HEAD_ProfilePath", "PROFILEの設定(追加)", true);
      return true;
    case IDC_HD_HREF_BROWSE: BrowseInto(m_strHref, "HEAD_HrefPath", "HREFの設定"); return true;
    case IDC_HD_LANG_LIST: ChooseInto(m_strLang, 106); return true;
    case IDC_HD_TYPE_LIST: ChooseInto(m_strType, 104); return true;
    case IDC_HD_MEDIA_LIST: ChooseInto(m_strMedia, 134); return true;
    case IDC_HD_NAME_LIST: ChooseInto(m_strName, 135); return true;
  }
  return false;
}

void RunHeadDlg(plat::WindowHandle parent, std::string& buffer, int id) {
  RunDialog<CHeadDlg>(parent, buffer, id);
}

}  // namespace tq
