#include "dialogs/style/style_dlg.h"

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

constexpr FlagBox kBoxes[] = {
    {IDC_SY_COLOR_CHK, CStyleDlg::kColor},   {IDC_SY_FONT_CHK, CStyleDlg::kFont},
    {IDC_SY_TEXT_CHK, CStyleDlg::kText},     {IDC_SY_MARGIN_CHK, CStyleDlg::kMargin},
    {IDC_SY_BORDER_CHK, CStyleDlg::kBorder}, {IDC_SY_ELEMENT_CHK, CStyleDlg::kElement},
};

}  // namespace

CStyleDlg::CStyleDlg(plat::WindowHandle parent) : CAttrDialog(IDD_STYLE, parent) {
  for (int check = IDC_SY_COLOR_CHK; check <= IDC_SY_ELEMENT_CHK; check += 3)
    Governs(check, {check + 1, check + 2});
}

void CStyleDlg::DoDataExchange(plat::DataExchange& dx) {
  dx.Text(IDC_SY_COLOR, m_strColor);
  dx.Text(IDC_SY_FONT, m_strFont);
  dx.Text(IDC_SY_TEXT, m_strTextGroup);
  dx.Text(IDC_SY_MARGIN, m_strMargin);
  dx.Text(IDC_SY_BORDER, m_strBorder);
  dx.Text(IDC_SY_ELEMENT, m_strElement);
}

bool CStyleDlg::OnInitDialog() {
  SetTitle(plat::J("スタイルの設定 ") + ElementLabel(m_nTagId));
  Load(m_strColor, "Syl_%dColor");
  Load(m_strFont, "Syl_%dFont");
  Load(m_strTextGroup, "Syl_%dText");
  Load(m_strMargin, "Syl_%dMargin");
  Load(m_strBorder, "Syl_%dBorder");
  Load(m_strElement, "Syl_%dElement");
  CheckBoxes(kBoxes, GetSettingInt(Name("Syl_%dFlag")));
  ApplyDependents();
  UpdateData(false);
  return true;
}

std::string CStyleDlg::Build(int flags) {
  // Fixed order, not the member order; an empty checked group still
  // takes its line.
  const struct {
    int bit;
    const std::string& text;
    const char* setting;
  } groups[] = {
      {kColor, m_strColor, "Syl_%dColor"},    {kFont, m_strFont, "Syl_%dFont"},
      {kText, m_strTextGroup, "Syl_%dText"},  {kMargin, m_strMargin, "Syl_%dMargin"},
      {kBorder, m_strBorder, "Syl_%dBorder"}, {kElement, m_strElement, "Syl_%dElement"},
  };
  std::string r;
  int stored = 0;
  for (const auto& g : groups) {
    if (!(flags & g.bit)) continue;
    if (stored) r += "\r\n";
    stored |= g.bit;
    r += NormalizeWhitespace(g.text);
    PutSetting(Name(g.setting), g.text);  // as typed, lines and all
  }
  PutSettingInt(Name("Syl_%dFlag"), stored);
  return r;
}

void CStyleDlg::OnOK() {
  UpdateData(true);
  m_strResult = Build(CheckedBits(kBoxes));
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
