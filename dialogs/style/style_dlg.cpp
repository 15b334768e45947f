#include "dialogs/style/style_dlg.h"

#include "dialogs/common/fields.h"
#include "dialogs/common/text_rules.h"
#include "dialogs/style/list_style_dlg.h"
#include "dialogs/style/style_border_dlg.h"
#include "dialogs/style/style_color_dlg.h"
#include "dialogs/style/style_element_dlg.h"
#include "dialogs/style/style_font_dlg.h"
#include "dialogs/style/style_margin_dlg.h"
#include "dialogs/style/style_text_dlg.h"
#include "plat/text.h"

namespace tq {

namespace {

using D = CStyleDlg;
// One line per checked group, in this order, each joined to one line; an
// empty checked group still takes its line. The texts are remembered as
// typed, lines and all.
// clang-format off
constexpr Field<D> kFields[] = {
    // bit       check box           edit box         member            attribute  value
    {D::kColor,   IDC_SY_COLOR_CHK,   IDC_SY_COLOR,    &D::m_strColor,     nullptr,  "Syl_%dColor",
     {IDC_SY_COLOR_CHANGE}, Emit::Other},
    {D::kFont,    IDC_SY_FONT_CHK,    IDC_SY_FONT,     &D::m_strFont,      nullptr,  "Syl_%dFont",
     {IDC_SY_FONT_CHANGE}, Emit::Other},
    {D::kText,    IDC_SY_TEXT_CHK,    IDC_SY_TEXT,     &D::m_strTextGroup, nullptr,  "Syl_%dText",
     {IDC_SY_TEXT_CHANGE}, Emit::Other},
    {D::kMargin,  IDC_SY_MARGIN_CHK,  IDC_SY_MARGIN,   &D::m_strMargin,    nullptr,  "Syl_%dMargin",
     {IDC_SY_MARGIN_CHANGE}, Emit::Other},
    {D::kBorder,  IDC_SY_BORDER_CHK,  IDC_SY_BORDER,   &D::m_strBorder,    nullptr,  "Syl_%dBorder",
     {IDC_SY_BORDER_CHANGE}, Emit::Other},
    {D::kElement, IDC_SY_ELEMENT_CHK, IDC_SY_ELEMENT,  &D::m_strElement,   nullptr,  "Syl_%dElement",
     {IDC_SY_ELEMENT_CHANGE}, Emit::Other},
};
// clang-format on
constexpr const char* kFlagValue = "Syl_%dFlag";

}  // namespace

CStyleDlg::CStyleDlg(plat::WindowHandle parent) : CAttrDialog(IDD_STYLE, parent) {
  Access a = Fields();
  GovernFields(a, kFields);
}

void CStyleDlg::DoDataExchange(plat::DataExchange& dx) { ExchangeFields(dx, *this, kFields); }

bool CStyleDlg::OnInitDialog() {
  SetTitle(plat::J("スタイルの設定 ") + ElementLabel(m_nTagId));
  Access a = Fields();
  LoadFields(a, *this, kFields, kFlagValue);
  ApplyDependents();
  UpdateData(false);
  return true;
}

std::string CStyleDlg::Build(int flags) const {
  std::string r;
  BuildFields(*this, kFields, flags, r, "\r\n");
  return r;
}

void CStyleDlg::OnOK() {
  UpdateData(true);
  Access a = Fields();
  const int flags = CheckedFields(a, kFields);
  m_strResult = Build(flags);
  SaveFields(a, *this, kFields, flags, kFlagValue);
  EndDialog(plat::IDOK);
}

// The group dialog works under the composer's id and handed-in text; its
// result replaces the group text, the check box stays as it is.
template <class Group>
void CStyleDlg::RunGroup(std::string& text) {
  Group dlg(handle());
  dlg.Init(m_nTagId, m_strText);
  if (dlg.DoModal() != plat::IDOK) return;
  UpdateData(true);
  text = dlg.m_strResult;
  UpdateData(false);
}

bool CStyleDlg::OnCommand(int id, int code) {
  if (CAttrDialog::OnCommand(id, code)) return true;
  if (code != plat::kClicked) return false;
  switch (id) {
    case IDC_SY_COLOR_CHANGE: RunGroup<CStyleColorDlg>(m_strColor); return true;
    case IDC_SY_FONT_CHANGE: RunGroup<CStyleFontDlg>(m_strFont); return true;
    case IDC_SY_TEXT_CHANGE: RunGroup<CStyleTextDlg>(m_strTextGroup); return true;
    case IDC_SY_MARGIN_CHANGE: RunGroup<CStyleMarginDlg>(m_strMargin); return true;
    case IDC_SY_BORDER_CHANGE: RunGroup<CStyleBorderDlg>(m_strBorder); return true;
    case IDC_SY_ELEMENT_CHANGE: RunGroup<CStyleElementDlg>(m_strElement); return true;
  }
  return false;
}

bool EditStyleAttribute(plat::WindowHandle parent, int tagId, const std::string& text, bool listElement,
                        std::string* result) {
  if (listElement) {
    CListStyleDlg dlg(parent);
    dlg.Init(tagId, text);
    if (dlg.DoModal() != plat::IDOK) return false;
    *result = dlg.m_strResult;
    return true;
  }
  CStyleDlg dlg(parent);
  dlg.Init(tagId, text);
  if (dlg.DoModal() != plat::IDOK) return false;
  *result = dlg.m_strResult;
  return true;
}

}  // namespace tq
