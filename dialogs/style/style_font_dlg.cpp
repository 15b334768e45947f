#include "dialogs/style/style_font_dlg.h"

#include "dialogs/common/fields.h"
#include "dialogs/common/text_rules.h"
#include "dialogs/common/value_lists.h"
#include "plat/backend.h"
#include "plat/text.h"

namespace tq {

namespace {

using D = CStyleFontDlg;
// "pt" has no bit; the others' bits are tested px, mm, em, % when loading.
constexpr const char* kUnitWords[] = {"pt", "px", "mm", "em", "%"};
constexpr RadioBits kUnits = {IDC_FN_PT, 5, D::kPx | D::kMm | D::kEm | D::kPercent, kUnitWords, 0};
// The size is a keyword or a number with its unit, never both.
// clang-format off
constexpr Field<D> kFields[] = {
    // bit       check box           edit box        member          property        value
    {D::kFamily,  IDC_FN_FAMILY_CHK,  IDC_FN_FAMILY,  &D::m_strFamily,  "font-family:",  "StlFnt_%dFamily",
     {IDC_FN_FAMILY_BROWSE}, Emit::Decl},
    {D::kStyle,   IDC_FN_STYLE_CHK,   IDC_FN_STYLE,   &D::m_strStyle,   "font-style:",   "StlFnt_%dStyle",
     {IDC_FN_STYLE_LIST}, Emit::Decl, "normal"},
    {D::kVariant, IDC_FN_VARIANT_CHK, IDC_FN_VARIANT, &D::m_strVariant, "font-variant:", "StlFnt_%dVariant",
     {IDC_FN_VARIANT_LIST}, Emit::Decl, "normal"},
    {D::kWeight,  IDC_FN_WEIGHT_CHK,  IDC_FN_WEIGHT,  &D::m_strWeight,  "font-weight:",  "StlFnt_%dWeight",
     {IDC_FN_WEIGHT_LIST}, Emit::Decl, "normal"},
    {D::kSizeKW,  IDC_FN_SIZEKW_CHK,  IDC_FN_SIZEKW,  &D::m_strSizeKW,  "font-size:",    "StlFnt_%dSizeKW",
     {IDC_FN_SIZEKW_LIST}, Emit::Decl, "medium", nullptr, D::kSize},
    {D::kSize,    IDC_FN_SIZE_CHK,    IDC_FN_SIZE,    &D::m_strSize,    "font-size:",    "StlFnt_%dSize",
     {IDC_FN_SIZE_SPIN}, Emit::Decl, "", &kUnits, 0, D::kSizeKW},
};
// clang-format on
constexpr const char* kFlagValue = "StlFnt_%dFlag";

}  // namespace

CStyleFontDlg::CStyleFontDlg(plat::WindowHandle parent) : CAttrDialog(IDD_STYLE_FONT, parent) {
  Access a = Fields();
  GovernFields(a, kFields);
}

void CStyleFontDlg::DoDataExchange(plat::DataExchange& dx) { ExchangeFields(dx, *this, kFields); }

bool CStyleFontDlg::OnInitDialog() {
  impl().SetUpDownRange(IDC_FN_SIZE_SPIN, 0, 32767);
  SetTitle(plat::J(" STYLE : フォントの設定 ") + ElementLabel(m_nTagId));
  Access a = Fields();
  LoadFields(a, *this, kFields, kFlagValue);
  ApplyDependents();
  UpdateData(false);
  return true;
}

std::string CStyleFontDlg::Build(int flags) const {
  std::string r;
  BuildFields(*this, kFields, flags, r, "\r\n");
  return r;
}

void CStyleFontDlg::OnOK() {
  UpdateData(true);
  Access a = Fields();
  const int flags = CheckedFields(a, kFields);
  m_strResult = Build(flags);
  SaveFields(a, *this, kFields, flags, kFlagValue, FieldBits(kFields, flags));
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
  if (CAttrDialog::OnCommand(id, code)) return true;
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
