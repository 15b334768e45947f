#include "dialogs/style/list_style_dlg.h"

#include "dialogs/common/fields.h"
#include "dialogs/common/text_rules.h"
#include "dialogs/common/value_lists.h"
#include "dialogs/style/style_dlg.h"
#include "plat/text.h"

namespace tq {

namespace {

using D = CListStyleDlg;
constexpr const char* kSideWords[] = {"outside", "inside"};
constexpr RadioBits kSide = {IDC_LS_OUTSIDE, 2, D::kInside, kSideWords};
// Blanks join the list's own declarations; the composer's lines follow on
// a line of their own, as they are (built by the dialog).
// clang-format off
constexpr Field<D> kFields[] = {
    // bit        check box         edit box       member         property                   value
    {D::kType,     IDC_LS_TYPE_CHK,  IDC_LS_TYPE,   &D::m_strType,  "list-style-type:",        "LtSyl_%dType",
     {IDC_LS_TYPE_LIST}, Emit::Decl, "disc"},
    {D::kImage,    IDC_LS_IMAGE_CHK, IDC_LS_IMAGE,  &D::m_strImage, "list-style-image: url(",  "LtSyl_%dImage",
     {IDC_LS_IMAGE_BROWSE}, Emit::Decl, "", &kUrlEnd},
    {D::kPosition, IDC_LS_POS_CHK,   0,             nullptr,        "list-style-position:",    nullptr,
     {}, Emit::Decl, "", &kSide},
    {D::kOther,    IDC_LS_OTHER_CHK, IDC_LS_OTHER,  &D::m_strOther, nullptr,                   "LtSyl_%dOther",
     {IDC_LS_OTHER_CHANGE}, Emit::None},
};
// clang-format on
constexpr const char* kFlagValue = "LtSyl_%dFlag";

}  // namespace

CListStyleDlg::CListStyleDlg(plat::WindowHandle parent) : CAttrDialog(IDD_LIST_STYLE, parent) {
  Access a = Fields();
  GovernFields(a, kFields);
}

void CListStyleDlg::DoDataExchange(plat::DataExchange& dx) { ExchangeFields(dx, *this, kFields); }

bool CListStyleDlg::OnInitDialog() {
  SetTitle(plat::J("リストに関する属性の設定 ") + ElementLabel(m_nTagId));
  Access a = Fields();
  LoadFields(a, *this, kFields, kFlagValue);
  ApplyDependents();
  UpdateData(false);
  return true;
}

std::string CListStyleDlg::Build(int flags) const {
  std::string r;
  BuildFields(*this, kFields, flags, r, " ");
  if (flags & kOther) {
    if (!r.empty()) r += "\r\n";
    r += m_strOther;
  }
  return r;
}

void CListStyleDlg::OnOK() {
  UpdateData(true);
  Access a = Fields();
  const int flags = CheckedFields(a, kFields);
  m_strResult = Build(flags);
  SaveFields(a, *this, kFields, flags, kFlagValue, FieldBits(kFields, flags));
  EndDialog(plat::IDOK);
}

void CListStyleDlg::Compose() {
  CStyleDlg dlg(handle());
  dlg.Init(m_nTagId, m_strText);
  if (dlg.DoModal() != plat::IDOK) return;
  UpdateData(true);
  m_strOther = dlg.m_strResult;
  UpdateData(false);
}

bool CListStyleDlg::OnCommand(int id, int code) {
  if (CAttrDialog::OnCommand(id, code)) return true;
  if (code != plat::kClicked) return false;
  switch (id) {
    case IDC_LS_TYPE_LIST: ChooseInto(m_strType, list::kListStyleType); return true;
    case IDC_LS_IMAGE_BROWSE: BrowseInto(m_strImage, "List_Path", "リストの先頭記号にする画像ファイル"); return true;
    case IDC_LS_OTHER_CHANGE: Compose(); return true;
  }
  return false;
}

}  // namespace tq
