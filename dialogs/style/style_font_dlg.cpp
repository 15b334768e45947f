#include "dialogs/style/style_font_dlg.h"

#include "dialogs/common/text_rules.h"
#include "plat/backend.h"
#include "plat/text.h"
#include "dialogs/common/value_lists.h"

namespace tq {

namespace {

constexpr FlagBox kBoxes[] = {
    {IDC_FN_FAMILY_CHK, CStyleFontDlg::kFamily}, {IDC_FN_STYLE_CHK, CStyleFontDlg::kStyle},
    {IDC_FN_VARIANT_CHK, CStyleFontDlg::kVariant}, {IDC_FN_WEIGHT_CHK, CStyleFontDlg::kWeight},
    {IDC_FN_SIZE_CHK, CStyleFontDlg::kSize},     {IDC_FN_SIZEKW_CHK, CStyleFontDlg::kSizeKW},
};
// Unit buttons other than "pt", in the order their bits are tested.
constexpr FlagBox kUnits[] = {
    {IDC_FN_PX, CStyleFontDlg::kPx}, {IDC_FN_MM, CStyleFontDlg::kMm},
    {IDC_FN_EM, CStyleFontDlg::kEm}, {IDC_FN_PERCENT, CStyleFontDlg::kPercent},
};
constexpr int kUnitBits =
    CStyleFontDlg::kPx | CStyleFontDlg::kMm | CStyleFontDlg::kEm | CStyleFontDlg::kPercent;

const char* UnitText(int flags) {
  if (flags & CStyleFontDlg::kPx) return "px;";
  if (flags & CStyleFontDlg::kMm) return "mm;";
  if (flags & CStyleFontDlg::kEm) return "em;";
  if (flags & CStyleFontDlg::kPercent) return "%;";
  return "pt;";
}

}  // namespace

CStyleFontDlg::CStyleFontDlg(plat::WindowHandle parent) : CAttrDialog(IDD_STYLE_FONT, parent) {
  Governs(IDC_FN_FAMILY_CHK, {IDC_FN_FAMILY, IDC_FN_FAMILY_BROWSE});
  Governs(IDC_FN_STYLE_CHK, {IDC_FN_STYLE, IDC_FN_STYLE_LIST});
  Governs(IDC_FN_VARIANT_CHK, {IDC_FN_VARIANT, IDC_FN_VARIANT_LIST});
  Governs(IDC_FN_WEIGHT_CHK, {IDC_FN_WEIGHT, IDC_FN_WEIGHT_LIST});
  // The keyword box only counts while the size box is on, so it comes first.
  Governs(IDC_FN_SIZE_CHK, {IDC_FN_SIZEKW_CHK});
  Governs(IDC_FN_SIZEKW_CHK, {IDC_FN_SIZEKW, IDC_FN_SIZEKW_LIST});
}

void CStyleFontDlg::DoDataExchange(plat::DataExchange& dx) {
  dx.Text(IDC_FN_FAMILY, m_strFamily);
  dx.Text(IDC_FN_STYLE, m_strStyle);
  dx.Text(IDC_FN_VARIANT, m_strVariant);
  dx.Text(IDC_FN_WEIGHT, m_strWeight);
  dx.Text(IDC_FN_SIZEKW, m_strSizeKW);
  dx.Text(IDC_FN_SIZE, m_strSize);
}

// The number and its unit apply while the size is on and not a keyword.
void CStyleFontDlg::ApplyRules() {
  ApplyDependents();
  const bool number = IsChecked(IDC_FN_SIZE_CHK) && !IsChecked(IDC_FN_SIZEKW_CHK);
  for (int c = IDC_FN_SIZE; c <= IDC_FN_PERCENT; ++c) EnableItem(c, number);
}

bool CStyleFontDlg::OnInitDialog() {
  impl().SetUpDownRange(IDC_FN_SIZE_SPIN, 0, 32767);
  SetTitle(plat::J(" STYLE : フォントの設定 ") + ElementLabel(m_nTagId));

  Load(m_strFamily, "StlFnt_%dFamily");
  Load(m_strStyle, "StlFnt_%dStyle", "normal");
  Load(m_strVariant, "StlFnt_%dVariant", "normal");
  Load(m_strWeight, "StlFnt_%dWeight", "normal");
  Load(m_strSizeKW, "StlFnt_%dSizeKW", "medium");
  Load(m_strSize, "StlFnt_%dSize");
  const int flags = GetSettingInt(Name("StlFnt_%dFlag"));

  CheckBoxes(kBoxes, flags);
  int unit = IDC_FN_PT;
  for (const FlagBox& u : kUnits)
    if (flags & u.bit) {
      unit = u.id;
      break;
    }
  CheckRadio(IDC_FN_PT, IDC_FN_PERCENT, unit);

  ApplyRules();
  UpdateData(false);
  return true;
}

std::string CStyleFontDlg::Build(int flags) {
  std::string r;
  int stored = 0;
  auto decl = [&](int bit, const std::string& text) {
    if (!r.empty()) r += "\r\n";
    r += text;
    stored |= bit;
  };
  if (flags & kFamily) {
    decl(kFamily, "font-family:" + m_strFamily + ";");
    PutSetting(Name("StlFnt_%dFamily"), m_strFamily);
  }
  if (flags & kStyle) {
    decl(kStyle, "font-style:" + m_strStyle + ";");
    PutSetting(Name("StlFnt_%dStyle"), m_strStyle);
  }
  if (flags & kVariant) {
    decl(kVariant, "font-variant:" + m_strVariant + ";");
    PutSetting(Name("StlFnt_%dVariant"), m_strVariant);
  }
  if (flags & kWeight) {
    decl(kWeight, "font-weight:" + m_strWeight + ";");
    PutSetting(Name("StlFnt_%dWeight"), m_strWeight);
  }
  if (flags & kSize) {
    if (flags & kSizeKW) {
      decl(kSize | kSizeKW, "font-size:" + m_strSizeKW + ";");
      PutSetting(Name("StlFnt_%dSizeKW"), m_strSizeKW);
    } else {
      // The unit is remembered only with the number it belongs to.
      decl(kSize | (flags & kUnitBits), "font-size:" + m_strSize + UnitText(flags));
      PutSetting(Name("StlFnt_%dSize"), m_strSize);
    }
  }
  PutSettingInt(Name("StlFnt_%dFlag"), stored);
  return r;
}

void CStyleFontDlg::OnOK() {
  UpdateData(true);
  int flags = CheckedBits(kBoxes);
  for (const FlagBox& u : kUnits)
    if (IsChecked(u.id)) {
      flags |= u.bit;
      break;
    }
  m_strResult = Build(flags);
  EndDialog(plat::IDOK);
}

// The face picked in the font dialog, quoted, replaces the family.
void CStyleFontDlg::ChooseFamily() {
  UpdateData(true);
  auto font = plat::CurrentBackend().ChooseFont(handle());
  if (!font) return;
  m_strFamily = "'" + font->face + "'";
  UpdateData(false);
}

bool CStyleFontDlg::OnCommand(int id, int code) {
  if (CAttrDialog::OnCommand(id, code)) {
    ApplyRules();
    return true;
  }
  if (code != plat::kClicked) return false;
  switch (id) {
    case IDC_FN_FAMILY_BROWSE: ChooseFamily(); return true;
    case IDC_FN_STYLE_LIST: ChooseInto(m_strStyle, list::kFontStyle); return true;
    case IDC_FN_VARIANT_LIST: ChooseInto(m_strVariant, list::kFontVariant); return true;
    case IDC_FN_WEIGHT_LIST: ChooseInto(m_strWeight, list::kFontWeight); return true;
    case IDC_FN_SIZEKW_LIST: ChooseInto(m_strSizeKW, list::kFontSize); return true;
  }
  return false;
}

}  // namespace tq
