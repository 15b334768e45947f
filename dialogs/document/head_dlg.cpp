#include "dialogs/document/head_dlg.h"

#include "dialogs/common/fields.h"
#include "dialogs/common/text_rules.h"
#include "dialogs/common/value_lists.h"
#include "plat/text.h"
#include "res/commands.h"

namespace tq {

namespace {

using D = CHeadDlg;
constexpr const char* kDirWords[] = {"ltr", "rtl"};
constexpr RadioBits kDirRadios = {IDC_HD_LTR, 2, D::kRtl, kDirWords};
// clang-format off
constexpr Field<D> kFields[] = {
    // bit           check box              edit box           member              attribute     value
    {D::kProfile,    IDC_HD_PROFILE_CHK,    IDC_HD_PROFILE,    &D::m_strProfile,    "PROFILE",    "HEAD_%dProfile",
     {IDC_HD_PROFILE_BROWSE, IDC_HD_PROFILE_ADD}},
    {D::kHref,       IDC_HD_HREF_CHK,       IDC_HD_HREF,       &D::m_strHref,       "HREF",       "HEAD_%dHref",
     {IDC_HD_HREF_BROWSE}},
    {D::kTarget,     IDC_HD_TARGET_CHK,     IDC_HD_TARGET,     &D::m_strTarget,     "TARGET",     "HEAD_%dTarget"},
    {D::kTypeOn,     0,                     IDC_HD_TYPE,       &D::m_strType,       "TYPE",       "HEAD_%dType",
     {}, Emit::Attr, "text/css"},
    {D::kTitle,      IDC_HD_TITLE_CHK,      IDC_HD_TITLE,      &D::m_strTitle,      "TITLE",      "HEAD_%dTitle"},
    {D::kMedia,      IDC_HD_MEDIA_CHK,      IDC_HD_MEDIA,      &D::m_strMedia,      "MEDIA",      "HEAD_%dMedia",
     {IDC_HD_MEDIA_LIST}},
    {D::kLang,       IDC_HD_LANG_CHK,       IDC_HD_LANG,       &D::m_strLang,       "LANG",       "HEAD_%dLang",
     {IDC_HD_LANG_LIST}},
    {D::kDir,        IDC_HD_DIR_CHK,        0,                 nullptr,             "DIR",        nullptr,
     {}, Emit::Choice, "", &kDirRadios},
    {D::kHttpEquiv,  IDC_HD_HTTPEQUIV_CHK,  IDC_HD_HTTPEQUIV,  &D::m_strHttpEquiv,  "HTTP-EQUIV", "HEAD_%dHttpEquiv"},
    {D::kName,       IDC_HD_NAME_CHK,       IDC_HD_NAME,       &D::m_strName,       "NAME",       "HEAD_%dName",
     {IDC_HD_NAME_LIST}},
    {D::kContentOn,  0,                     IDC_HD_CONTENT,    &D::m_strContent,    "CONTENT",    "HEAD_%dContent"},
    {D::kScheme,     IDC_HD_SCHEME_CHK,     IDC_HD_SCHEME,     &D::m_strScheme,     "SCHEME",     "HEAD_%dScheme"},
};
// clang-format on
constexpr const char* kFlagValue = "HEAD_%dFlag";
constexpr int kElementBits = D::kTypeOn | D::kContentOn;

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
  Access a = Fields();
  GovernFields(a, kFields);
}

void CHeadDlg::DoDataExchange(plat::DataExchange& dx) { ExchangeFields(dx, *this, kFields); }

bool CHeadDlg::OnInitDialog() {
  SetTitle(ElementLabel(m_nTagId) + plat::J("の設定"));

  Access a = Fields();
  LoadFields(a, *this, kFields, kFlagValue);

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

// TYPE belongs to STYLE and CONTENT to META: the element sets their bits.
int CHeadDlg::ElementBits() const {
  if (m_nTagId == cmd::kStyleDetail) return kTypeOn;
  if (m_nTagId == cmd::kMetaDetail) return kContentOn;
  return 0;
}

std::string CHeadDlg::Build(int flags) const {
  const int id = m_nTagId;
  std::string r = std::string("<") + ElementName(id);
  BuildFields(*this, kFields, flags, r);
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
  Access a = Fields();
  const int flags = (CheckedFields(a, kFields) & ~kElementBits) | ElementBits();
  m_strResult = Build(flags);
  SaveFields(a, *this, kFields, flags, kFlagValue, flags & ~kElementBits);
  EndDialog(plat::IDOK);
}

bool CHeadDlg::OnCommand(int id, int code) {
  if (CAttrDialog::OnCommand(id, code)) return true;
  if (code != plat::kClicked) return false;
  switch (id) {
    case IDC_HD_PROFILE_BROWSE: BrowseInto(m_strProfile, "HEAD_ProfilePath", "PROFILEの設定"); return true;
    case IDC_HD_PROFILE_ADD: BrowseInto(m_strProfile, "HEAD_ProfilePath", "PROFILEの設定(追加)", true); return true;
    case IDC_HD_HREF_BROWSE: BrowseInto(m_strHref, "HEAD_HrefPath", "HREFの設定"); return true;
    case IDC_HD_LANG_LIST: ChooseInto(m_strLang, list::kLang); return true;
    case IDC_HD_TYPE_LIST: ChooseInto(m_strType, list::kMime); return true;
    case IDC_HD_MEDIA_LIST: ChooseInto(m_strMedia, list::kMedia); return true;
    case IDC_HD_NAME_LIST: ChooseInto(m_strName, list::kMetaName); return true;
  }
  return false;
}

}  // namespace tq
