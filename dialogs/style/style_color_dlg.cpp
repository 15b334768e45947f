#include "dialogs/style/style_color_dlg.h"

#include <cstdio>

#include "dialogs/common/text_rules.h"
#include "plat/backend.h"
#include "plat/text.h"
#include "res/commands.h"
#include "dialogs/common/value_lists.h"

namespace tq {

namespace {

constexpr FlagBox kBoxes[] = {
    {IDC_CL_COLOR_CHK, CStyleColorDlg::kColor},     {IDC_CL_BKG_CHK, CStyleColorDlg::kBkg},
    {IDC_CL_IMAGE_CHK, CStyleColorDlg::kImage},     {IDC_CL_REPEAT_CHK, CStyleColorDlg::kRepeat},
    {IDC_CL_ATTACH_CHK, CStyleColorDlg::kAttachment}, {IDC_CL_POS_CHK, CStyleColorDlg::kPosition},
    {IDC_CL_POSKW_CHK, CStyleColorDlg::kPosKW},
};

}  // namespace

CStyleColorDlg::CStyleColorDlg(plat::WindowHandle parent) : CAttrDialog(IDD_STYLE_COLOR, parent) {
  Governs(IDC_CL_COLOR_CHK, {IDC_CL_COLOR_SWATCH, IDC_CL_COLOR_NAME, IDC_CL_COLOR_PICK});
  Governs(IDC_CL_BKG_CHK, {IDC_CL_BKG_SWATCH, IDC_CL_BKG_NAME, IDC_CL_BKG_PICK});
  Governs(IDC_CL_IMAGE_CHK, {IDC_CL_IMAGE, IDC_CL_IMAGE_BROWSE});
  Governs(IDC_CL_REPEAT_CHK, {IDC_CL_REPEAT, IDC_CL_REPEAT_LIST});
  Governs(IDC_CL_ATTACH_CHK, {IDC_CL_ATTACH, IDC_CL_ATTACH_LIST});
  // The keyword box only counts while the position box is on, so it comes first.
  Governs(IDC_CL_POS_CHK, {IDC_CL_POSKW_CHK});
  Governs(IDC_CL_POSKW_CHK, {IDC_CL_POSKW, IDC_CL_POSKW_LIST});
}

void CStyleColorDlg::DoDataExchange(plat::DataExchange& dx) {
  dx.Text(IDC_CL_IMAGE, m_strImage);
  dx.Text(IDC_CL_REPEAT, m_strRepeat);
  dx.Text(IDC_CL_ATTACH, m_strAttachment);
  dx.Text(IDC_CL_POSKW, m_strPosKW);
  dx.Text(IDC_CL_POSL, m_strPosL);
  dx.Text(IDC_CL_POSV, m_strPosV);
  // The swatches show the colour names; an empty name shows the colour.
  dx.Text(IDC_CL_COLOR_SWATCH, m_strColorName);
  dx.Text(IDC_CL_BKG_SWATCH, m_strBkgName);
}

// The swatch paints its colour while it is enabled and shows no name.
void CStyleColorDlg::Repaint() {
  impl().SetSwatch(IDC_CL_COLOR_SWATCH, m_clrColor);
  impl().SetSwatch(IDC_CL_BKG_SWATCH, m_clrBkg);
  impl().Invalidate(IDC_CL_COLOR_SWATCH);
  impl().Invalidate(IDC_CL_BKG_SWATCH);
}

// The numbers and their units apply while the position is on and not a
// keyword.
void CStyleColorDlg::ApplyRules() {
  ApplyDependents();
  const bool numbers = IsChecked(IDC_CL_POS_CHK) && IsItemEnabled(IDC_CL_POS_CHK) &&
                       !IsChecked(IDC_CL_POSKW_CHK);
  for (int c = IDC_CL_POSL_LABEL; c <= IDC_CL_POSV_CM; ++c) EnableItem(c, numbers);
  Repaint();
}

bool CStyleColorDlg::OnInitDialog() {
  impl().SetUpDownRange(IDC_CL_POSL_SPIN, 0, 32767);
  impl().SetUpDownRange(IDC_CL_POSV_SPIN, 0, 32767);
  SetTitle(plat::J(" STYLE : 画像・背景の設定 ") + ElementLabel(m_nTagId));

  m_clrColor = static_cast<uint32_t>(GetSettingInt(Name("SylClr_%dClr"), 0));
  Load(m_strColorName, "SylClr_%dClrName");
  m_clrBkg = static_cast<uint32_t>(GetSettingInt(Name("SylClr_%dBkg"), 0xFFFFFF));
  Load(m_strBkgName, "SylClr_%dBkgName");
  Load(m_strImage, "SylClr_%dImage");
  Load(m_strRepeat, "SylClr_%dRepeat", "repeat");
  Load(m_strAttachment, "SylClr_%dAttachment", "scroll");
  Load(m_strPosKW, "SylClr_%dPosKW");
  Load(m_strPosL, "SylClr_%dPosL", "0");
  Load(m_strPosV, "SylClr_%dPosV", "0");
  const int flags = GetSettingInt(Name("SylClr_%dFlag"));

  CheckBoxes(kBoxes, flags);
  CheckRadio(IDC_CL_POSL_PERCENT, IDC_CL_POSL_CM, (flags & kPosLCm) ? IDC_CL_POSL_CM : IDC_CL_POSL_PERCENT);
  CheckRadio(IDC_CL_POSV_PERCENT, IDC_CL_POSV_CM, (flags & kPosVCm) ? IDC_CL_POSV_CM : IDC_CL_POSV_PERCENT);
  // Text-level elements have no background position.
  if (m_nTagId >= cmd::kInlineFirst) Withdraw(IDC_CL_POS_CHK);

  ApplyRules();
  UpdateData(false);
  return true;
}

std::string CStyleColorDlg::Build(int flags) {
  std::string r;
  int stored = 0;
  auto decl = [&](int bits, const std::string& text) {
    if (!r.empty()) r += "\r\n";
    r += text;
    stored |= bits;
  };
  auto color = [&](int bit, const char* prop, const std::string& name, uint32_t value,
                   const char* nameSetting, const char* valueSetting) {
    if (!(flags & bit)) return;
    if (!name.empty()) {
      decl(bit, prop + name + ";");
    } else {
      decl(bit, prop + ColorHex(value) + ";");
      PutSettingInt(Name(valueSetting), static_cast<int>(value));
    }
    PutSetting(Name(nameSetting), name);
  };
  auto text = [&](int bit, const std::string& decla, const char* setting, const std::string& value) {
    if (!(flags & bit)) return;
    decl(bit, decla);
    PutSetting(Name(setting), value);
  };
  color(kColor, "color:", m_strColorName, m_clrColor, "SylClr_%dClrName", "SylClr_%dClr");
  color(kBkg, "background-color:", m_strBkgName, m_clrBkg, "SylClr_%dBkgName", "SylClr_%dBkg");
  text(kImage, "background-image:url(" + m_strImage + ");", "SylClr_%dImage", m_strImage);
  text(kRepeat, "background-repeat:" + m_strRepeat + ";", "SylClr_%dRepeat", m_strRepeat);
  text(kAttachment, "background-attachment:" + m_strAttachment + ";", "SylClr_%dAttachment",
       m_strAttachment);
  if (flags & kPosition) {
    if (flags & kPosKW) {
      decl(kPosition | kPosKW, "background-position:" + m_strPosKW + ";");
      PutSetting(Name("SylClr_%dPosKW"), m_strPosKW);
    } else {
      // The units are remembered only with the numbers they belong to.
      decl(kPosition | (flags & (kPosLCm | kPosVCm)),
           "background-position:" + m_strPosL + ((flags & kPosLCm) ? "cm " : "% ") + m_strPosV +
               ((flags & kPosVCm) ? "cm " : "% ") + ";");
    }
    PutSetting(Name("SylClr_%dPosL"), m_strPosL);
    PutSetting(Name("SylClr_%dPosV"), m_strPosV);
  }
  PutSettingInt(Name("SylClr_%dFlag"), stored);
  return r;
}

void CStyleColorDlg::OnOK() {
  UpdateData(true);
  int flags = CheckedBits(kBoxes);
  if (IsChecked(IDC_CL_POSL_CM)) flags |= kPosLCm;
  if (IsChecked(IDC_CL_POSV_CM)) flags |= kPosVCm;
  m_strResult = Build(flags);
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
    ApplyRules();
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
