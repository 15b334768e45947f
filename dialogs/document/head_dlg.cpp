#include "dialogs/document/head_dlg.h"

#include "dialogs/common/text_rules.h"
#include "plat/text.h"
#include "res/commands.h"
#include "dialogs/common/value_lists.h"

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
    case cmd::kHeadDetail: return "HEAD";
    case cmd::kTitleDetail: return "TITLE";
    case cmd::kBaseDetail: return "BASE";
    case cmd::kMetaDetail: return "META";
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
  if (id != cmd::kHeadDetail) Withdraw(IDC_HD_PROFILE_CHK);
  if (id != cmd::kBaseDetail) {
    Withdraw(IDC_HD_HREF_CHK);
    Withdraw(IDC_HD_TARGET_CHK);
  } else {
    Withdraw(IDC_HD_LANG_CHK);
    Withdraw(IDC_HD_DIR_CHK);
  }
  if (id != cmd::kMetaDetail) {
    Withdraw(IDC_HD_HTTPEQUIV_CHK);
    Withdraw(IDC_HD_NAME_CHK);
    Withdraw(IDC_HD_SCHEME_CHK);
    EnableItem(IDC_HD_CONTENT_LABEL, false);
    EnableItem(IDC_HD_CONTENT, false);
  }
  if (id != cmd::kStyleDetail) {
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
  PutAttr(r, id == cmd::kStyleDetail, "TYPE", m_strType, "HEAD_%dType");
  PutAttr(r, flags & kTitle, "TITLE", m_strTitle, "HEAD_%dTitle");
  PutAttr(r, flags & kMedia, "MEDIA", m_strMedia, "HEAD_%dMedia");
  PutAttr(r, flags & kLang, "LANG", m_strLang, "HEAD_%dLang");
  if (flags & kDir) r += (flags & kRtl) ? " DIR=\"rtl\"" : " DIR=\"ltr\"";
  PutAttr(r, flags & kHttpEquiv, "HTTP-EQUIV", m_strHttpEquiv, "HEAD_%dHttpEquiv");
  PutAttr(r, flags & kName, "NAME", m_strName, "HEAD_%dName");
  PutAttr(r, id == cmd::kMetaDetail, "CONTENT", m_strContent, "HEAD_%dContent");
  PutAttr(r, flags & kScheme, "SCHEME", m_strScheme, "HEAD_%dScheme");
  PutSettingInt(Name("HEAD_%dFlag"), flags);

  switch (id) {
    case cmd::kHeadDetail: r += ">\r\n" + m_strText + "\r\n</HEAD>\r\n"; break;
    case cmd::kTitleDetail: r += ">" + m_strText + "</TITLE>"; break;
    case cmd::kStyleDetail: r += ">\r\n" + m_strText + "\r\n</STYLE>\r\n"; break;
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
    case IDC_HD_LANG_LIST: ChooseInto(m_strLang, list::kLang); return true;
    case IDC_HD_TYPE_LIST: ChooseInto(m_strType, list::kMime); return true;
    case IDC_HD_MEDIA_LIST: ChooseInto(m_strMedia, list::kMedia); return true;
    case IDC_HD_NAME_LIST: ChooseInto(m_strName, list::kMetaName); return true;
  }
  return false;
}

}  // namespace tq
