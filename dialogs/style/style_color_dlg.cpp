#include "dialogs/style/style_color_dlg.h"

#include "dialogs/common/fields.h"
#include "dialogs/common/text_rules.h"
#include "dialogs/common/value_lists.h"
#include "plat/backend.h"
#include "plat/text.h"
#include "res/commands.h"

namespace tq {

namespace {

using D = CStyleColorDlg;
constexpr const char* kPosWords[] = {"% ", "cm "};
constexpr RadioBits kPosLUnit = {IDC_CL_POSL_PERCENT, 2, D::kPosLCm, kPosWords};
constexpr RadioBits kPosVUnit = {IDC_CL_POSV_PERCENT, 2, D::kPosVCm, kPosWords};
// The colours and the position's two numbers are built by the dialog; the
// numbers are remembered even while the keyword stands for them.
// clang-format off
constexpr Field<D> kFields[] = {
    // bit          check box          edit box             member              property                  value
    {D::kColor,      IDC_CL_COLOR_CHK,  IDC_CL_COLOR_SWATCH, &D::m_strColorName, nullptr,                  "SylClr_%dClrName",
     {IDC_CL_COLOR_NAME, IDC_CL_COLOR_PICK}, Emit::None},
    {D::kBkg,        IDC_CL_BKG_CHK,    IDC_CL_BKG_SWATCH,   &D::m_strBkgName,   nullptr,                  "SylClr_%dBkgName",
     {IDC_CL_BKG_NAME, IDC_CL_BKG_PICK}, Emit::None},
    {D::kImage,      IDC_CL_IMAGE_CHK,  IDC_CL_IMAGE,        &D::m_strImage,     "background-image:url(",  "SylClr_%dImage",
     {IDC_CL_IMAGE_BROWSE}, Emit::Decl, "", &kUrlEnd},
    {D::kRepeat,     IDC_CL_REPEAT_CHK, IDC_CL_REPEAT,       &D::m_strRepeat,    "background-repeat:",     "SylClr_%dRepeat",
     {IDC_CL_REPEAT_LIST}, Emit::Decl, "repeat"},
    {D::kAttachment, IDC_CL_ATTACH_CHK, IDC_CL_ATTACH,       &D::m_strAttachment, "background-attachment:", "SylClr_%dAttachment",
     {IDC_CL_ATTACH_LIST}, Emit::Decl, "scroll"},
    {D::kPosKW,      IDC_CL_POSKW_CHK,  IDC_CL_POSKW,        &D::m_strPosKW,     "background-position:",   "SylClr_%dPosKW",
     {IDC_CL_POSKW_LIST}, Emit::Decl, "", nullptr, D::kPosition},
    {D::kPosition,   IDC_CL_POS_CHK,    IDC_CL_POSL,         &D::m_strPosL,      nullptr,                  "SylClr_%dPosL",
     {IDC_CL_POSL_LABEL, IDC_CL_POSL_SPIN}, Emit::None, "0", &kPosLUnit, 0, D::kPosKW, true},
    {D::kPosition,   IDC_CL_POS_CHK,    IDC_CL_POSV,         &D::m_strPosV,      nullptr,                  "SylClr_%dPosV",
     {IDC_CL_POSV_LABEL, IDC_CL_POSV_SPIN}, Emit::None, "0", &kPosVUnit, 0, D::kPosKW, true},
};
// clang-format on
constexpr const char* kFlagValue = "SylClr_%dFlag";

// A colour keyword wins over the value.
std::string ColorDecl(const char* prop, const std::string& name, uint32_t value) {
  return prop + (name.empty() ? ColorHex(value) : name) + ";";
}

}  // namespace

CStyleColorDlg::CStyleColorDlg(plat::WindowHandle parent) : CAttrDialog(IDD_STYLE_COLOR, parent) {
  Access a = Fields();
  GovernFields(a, kFields);
}

void CStyleColorDlg::DoDataExchange(plat::DataExchange& dx) {
  // The swatches show the colour names; an empty name shows the colour.
  ExchangeFields(dx, *this, kFields);
}

// The swatch paints its colour while it is enabled and shows no name.
void CStyleColorDlg::Repaint() {
  impl().SetSwatch(IDC_CL_COLOR_SWATCH, m_clrColor);
  impl().SetSwatch(IDC_CL_BKG_SWATCH, m_clrBkg);
  impl().Invalidate(IDC_CL_COLOR_SWATCH);
  impl().Invalidate(IDC_CL_BKG_SWATCH);
}

bool CStyleColorDlg::OnInitDialog() {
  impl().SetUpDownRange(IDC_CL_POSL_SPIN, 0, 32767);
  impl().SetUpDownRange(IDC_CL_POSV_SPIN, 0, 32767);
  SetTitle(plat::J(" STYLE : 画像・背景の設定 ") + ElementLabel(m_nTagId));

  m_clrColor = static_cast<uint32_t>(GetSettingInt(Name("SylClr_%dClr"), 0));
  m_clrBkg = static_cast<uint32_t>(GetSettingInt(Name("SylClr_%dBkg"), 0xFFFFFF));
  Access a = Fields();
  LoadFields(a, *this, kFields, kFlagValue);
  // Text-level elements have no background position.
  if (m_nTagId >= cmd::kInlineFirst) Withdraw(IDC_CL_POS_CHK);

  ApplyDependents();
  Repaint();
  UpdateData(false);
  return true;
}

std::string CStyleColorDlg::Build(int flags) const {
  std::string r;
  if (flags & kColor) r = ColorDecl("color:", m_strColorName, m_clrColor);
  if (flags & kBkg) r += (r.empty() ? "" : "\r\n") + ColorDecl("background-color:", m_strBkgName, m_clrBkg);
  BuildFields(*this, kFields, flags, r, "\r\n");
  if ((flags & kPosition) && !(flags & kPosKW)) {
    if (!r.empty()) r += "\r\n";
    r += "background-position:" + m_strPosL + kPosLUnit.words[kPosLUnit.Index(flags)] + m_strPosV +
         kPosVUnit.words[kPosVUnit.Index(flags)] + ";";
  }
  return r;
}

void CStyleColorDlg::OnOK() {
  UpdateData(true);
  Access a = Fields();
  const int flags = CheckedFields(a, kFields);
  m_strResult = Build(flags);
  // A colour's value is remembered only while no name stands for it.
  if ((flags & kColor) && m_strColorName.empty()) PutSettingInt(Name("SylClr_%dClr"), static_cast<int>(m_clrColor));
  if ((flags & kBkg) && m_strBkgName.empty()) PutSettingInt(Name("SylClr_%dBkg"), static_cast<int>(m_clrBkg));
  SaveFields(a, *this, kFields, flags, kFlagValue, FieldBits(kFields, flags));
  EndDialog(plat::IDOK);
}

void CStyleColorDlg::ChooseName(std::string& name, int list) {
  if (ChooseInto(name, list)) Repaint();
}

// A colour from the colour dialog replaces the name, so the value shows.
void CStyleColorDlg::ChooseValue(std::string& name, uint32_t& value) {
  UpdateData(true);
  auto chosen = plat::CurrentBackend().ChooseColor(handle(), value);
  if (!chosen) return;
  value = *chosen;
  name.clear();
  UpdateData(false);
  Repaint();
}

bool CStyleColorDlg::OnCommand(int id, int code) {
  if (CAttrDialog::OnCommand(id, code)) {
    Repaint();
    return true;
  }
  if (code != plat::kClicked) return false;
  switch (id) {
    case IDC_CL_COLOR_NAME: ChooseName(m_strColorName, list::kColor); return true;
    case IDC_CL_COLOR_PICK: ChooseValue(m_strColorName, m_clrColor); return true;
    case IDC_CL_BKG_NAME: ChooseName(m_strBkgName, list::kColor); return true;
    case IDC_CL_BKG_PICK: ChooseValue(m_strBkgName, m_clrBkg); return true;
    case IDC_CL_IMAGE_BROWSE: BrowseInto(m_strImage, "StyClr_ImgPath", "背景画像の指定"); return true;
    case IDC_CL_REPEAT_LIST: ChooseInto(m_strRepeat, list::kBackgroundRepeat); return true;
    case IDC_CL_ATTACH_LIST: ChooseInto(m_strAttachment, list::kBackgroundAttachment); return true;
    case IDC_CL_POSKW_LIST: ChooseInto(m_strPosKW, list::kBackgroundPosition); return true;
  }
  return false;
}

}  // namespace tq
