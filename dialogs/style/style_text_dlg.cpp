#include "dialogs/style/style_text_dlg.h"

#include "dialogs/common/text_rules.h"
#include "plat/text.h"
#include "res/commands.h"
#include "dialogs/common/value_lists.h"

namespace tq {

namespace {

using D = CStyleTextDlg;

constexpr FlagBox kBoxes[] = {
    {IDC_TX_WS_CHK, D::kWordSpacing},   {IDC_TX_WS_NORMAL, D::kWsNormal},
    {IDC_TX_LS_CHK, D::kLetterSpacing}, {IDC_TX_LS_NORMAL, D::kLsNormal},
    {IDC_TX_DECO_CHK, D::kDecoration},  {IDC_TX_TALIGN_CHK, D::kTextAlign},
    {IDC_TX_VA_CHK, D::kVerticalAlign}, {IDC_TX_VAKW_CHK, D::kVAKeyword},
    {IDC_TX_TRANS_CHK, D::kTransform},  {IDC_TX_IND_CHK, D::kIndent},
    {IDC_TX_LH_CHK, D::kLineHeight},    {IDC_TX_LH_NORMAL, D::kLhNormal},
};

// One group of unit buttons: "px" (no bit) first, then the buttons whose
// bits are listed, in the order the bits are tested when loading.
struct Units {
  int px;
  int count;  // buttons after "px"
  int bits[5];
};
constexpr Units kWsUnits = {IDC_TX_WS_PX, 3, {0x4, 0x8, 0x10}};
constexpr Units kLsUnits = {IDC_TX_LS_PX, 3, {0x100, 0x200, 0x400}};
constexpr Units kIndUnits = {IDC_TX_IND_PX, 4, {0x100000, 0x200000, 0x400000, 0x800000}};
constexpr Units kLhUnits = {IDC_TX_LH_PX, 5, {0x4000000, 0x8000000, 0x10000000, 0x20000000, 0x40000000}};
constexpr const Units* kAllUnits[] = {&kWsUnits, &kLsUnits, &kIndUnits, &kLhUnits};
// "倍率" is a bare multiplier: no unit text.
constexpr const char* kUnitText[] = {"px;", "em;", "mm;", "pt;", "%;", ";"};

// Index of the group's unit in flags: 0 for px, i + 1 for bits[i].
int UnitIndex(const Units& u, int flags) {
  for (int i = 0; i < u.count; ++i)
    if (flags & u.bits[i]) return i + 1;
  return 0;
}
int UnitBit(const Units& u, int flags) {
  int i = UnitIndex(u, flags);
  return i ? u.bits[i - 1] : 0;
}

}  // namespace

CStyleTextDlg::CStyleTextDlg(plat::WindowHandle parent) : CAttrDialog(IDD_STYLE_TEXT, parent) {
  // A box inside a group comes after the group's box: it only counts while
  // the group's box is on.
  Governs(IDC_TX_WS_CHK, {IDC_TX_WS_NORMAL});
  Governs(IDC_TX_LS_CHK, {IDC_TX_LS_NORMAL});
  Governs(IDC_TX_DECO_CHK, {IDC_TX_DECO, IDC_TX_DECO_LIST});
  Governs(IDC_TX_TALIGN_CHK, {IDC_TX_TALIGN, IDC_TX_TALIGN_LIST});
  Governs(IDC_TX_VA_CHK, {IDC_TX_VAKW_CHK});
  Governs(IDC_TX_VAKW_CHK, {IDC_TX_VAKW, IDC_TX_VAKW_LIST});
  Governs(IDC_TX_TRANS_CHK, {IDC_TX_TRANS, IDC_TX_TRANS_LIST});
  Governs(IDC_TX_IND_CHK, {IDC_TX_IND, IDC_TX_IND_SPIN, IDC_TX_IND_PX, IDC_TX_IND_EM, IDC_TX_IND_MM,
                           IDC_TX_IND_PT, IDC_TX_IND_PERCENT});
  Governs(IDC_TX_LH_CHK, {IDC_TX_LH_NORMAL});
}

void CStyleTextDlg::DoDataExchange(plat::DataExchange& dx) {
  dx.Text(IDC_TX_WS, m_strWordSpacing);
  dx.Text(IDC_TX_LS, m_strLetterSpacing);
  dx.Text(IDC_TX_DECO, m_strDecoration);
  dx.Text(IDC_TX_TALIGN, m_strTextAlign);
  dx.Text(IDC_TX_VAPER, m_strVAPercent);
  dx.Text(IDC_TX_VAKW, m_strVAKeyword);
  dx.Text(IDC_TX_TRANS, m_strTransform);
  dx.Text(IDC_TX_IND, m_strIndent);
  dx.Text(IDC_TX_LH, m_strLineHeight);
}

// Numbers apply while their group is on and its "normal" or keyword box
// is off.
void CStyleTextDlg::ApplyRules() {
  ApplyDependents();
  auto unless = [&](int group, int option, int first, int last) {
    const bool on = IsChecked(group) && IsItemEnabled(group) && !IsChecked(option);
    for (int c = first; c <= last; ++c) EnableItem(c, on);
  };
  unless(IDC_TX_WS_CHK, IDC_TX_WS_NORMAL, IDC_TX_WS, IDC_TX_WS_PT);
  unless(IDC_TX_LS_CHK, IDC_TX_LS_NORMAL, IDC_TX_LS, IDC_TX_LS_PT);
  unless(IDC_TX_VA_CHK, IDC_TX_VAKW_CHK, IDC_TX_VAPER, IDC_TX_VAPER_LABEL);
  unless(IDC_TX_LH_CHK, IDC_TX_LH_NORMAL, IDC_TX_LH, IDC_TX_LH_RATIO);
}

bool CStyleTextDlg::OnInitDialog() {
  impl().SetUpDownRange(IDC_TX_WS_SPIN, -32767, 32767);
  impl().SetUpDownRange(IDC_TX_LS_SPIN, -32767, 32767);
  impl().SetUpDownRange(IDC_TX_IND_SPIN, -32767, 32767);
  impl().SetUpDownRange(IDC_TX_VAPER_SPIN, 0, 32767);
  impl().SetUpDownRange(IDC_TX_LH_SPIN, 0, 32767);
  SetTitle(plat::J(" STYLE : テキストの設定 ") + ElementLabel(m_nTagId));

  Load(m_strWordSpacing, "SylTxt_%dWS", "0");
  Load(m_strLetterSpacing, "SylTxt_%dLS", "0");
  Load(m_strDecoration, "SylTxt_%dDecrtn", "none");
  Load(m_strTextAlign, "SylTxt_%dTAlign", "left");
  Load(m_strVAPercent, "SylTxt_%dVAPER", "0");
  Load(m_strVAKeyword, "SylTxt_%dVAKWD", "baseline");
  Load(m_strTransform, "SylTxt_%dTransform", "none");
  Load(m_strIndent, "SylTxt_%dIndent", "0");
  Load(m_strLineHeight, "SylTxt_%dHeight", "1");
  const int flags = GetSettingInt(Name("SylTxt_%dFlag"), kDefaultFlags);

  CheckBoxes(kBoxes, flags);
  for (const Units* u : kAllUnits) CheckRadio(u->px, u->px + u->count, u->px + UnitIndex(*u, flags));
  // Block-level elements align their text, text-level ones themselves.
  Withdraw(m_nTagId < cmd::kInlineFirst ? IDC_TX_VA_CHK : IDC_TX_TALIGN_CHK);

  ApplyRules();
  UpdateData(false);
  return true;
}

std::string CStyleTextDlg::Build(int flags) {
  std::string r;
  int stored = 0;
  auto decl = [&](int bits, const std::string& text) {
    if (!r.empty()) r += "\r\n";
    r += text;
    stored |= bits;
  };
  // A number with its unit, or the bare keyword normal.
  auto spacing = [&](int bit, int normalBit, const Units& u, const char* prop, const std::string& number,
                     const char* setting) {
    if (!(flags & bit)) return;
    if (flags & normalBit) {
      decl(bit | normalBit, std::string(prop) + "normal;");
    } else {
      decl(bit | UnitBit(u, flags), prop + number + kUnitText[UnitIndex(u, flags)]);
      PutSetting(Name(setting), number);
    }
  };
  auto text = [&](int bit, const char* prop, const std::string& value, const char* setting) {
    if (!(flags & bit)) return;
    decl(bit, prop + value + ";");
    PutSetting(Name(setting), value);
  };

  spacing(kWordSpacing, kWsNormal, kWsUnits, "word-spacing:", m_strWordSpacing, "SylTxt_%dWS");
  spacing(kLetterSpacing, kLsNormal, kLsUnits, "letter-spacing:", m_strLetterSpacing, "SylTxt_%dLS");
  text(kDecoration, "text-decoration:", m_strDecoration, "SylTxt_%dDecrtn");
  text(kTextAlign, "text-align:", m_strTextAlign, "SylTxt_%dTAlign");
  if (flags & kVerticalAlign) {
    if (flags & kVAKeyword) {
      decl(kVerticalAlign | kVAKeyword, "vertical-align:" + m_strVAKeyword + ";");
      PutSetting(Name("SylTxt_%dVAKWD"), m_strVAKeyword);
    } else {
      decl(kVerticalAlign, "vertical-align:" + m_strVAPercent + "%;");
      PutSetting(Name("SylTxt_%dVAPER"), m_strVAPercent);
    }
  }
  text(kTransform, "text-transform:", m_strTransform, "SylTxt_%dTransform");
  if (flags & kIndent) {
    decl(kIndent | UnitBit(kIndUnits, flags),
         "text-indent:" + m_strIndent + kUnitText[UnitIndex(kIndUnits, flags)]);
    PutSetting(Name("SylTxt_%dIndent"), m_strIndent);
  }
  spacing(kLineHeight, kLhNormal, kLhUnits, "line-height:", m_strLineHeight, "SylTxt_%dHeight");
  PutSettingInt(Name("SylTxt_%dFlag"), stored);
  return r;
}

void CStyleTextDlg::OnOK() {
  UpdateData(true);
  int flags = CheckedBits(kBoxes);
  for (const Units* u : kAllUnits)
    for (int i = 0; i < u->count; ++i)
      if (IsChecked(u->px + 1 + i)) flags |= u->bits[i];
  m_strResult = Build(flags);
  EndDialog(plat::IDOK);
}

bool CStyleTextDlg::OnCommand(int id, int code) {
  if (CAttrDialog::OnCommand(id, code)) {
    ApplyRules();
    return true;
  }
  if (code != plat::kClicked) return false;
  switch (id) {
    case IDC_TX_WS_NORMAL: case IDC_TX_LS_NORMAL: case IDC_TX_LH_NORMAL: case IDC_TX_VAKW_CHK:
      ApplyRules();
      return true;
    case IDC_TX_DECO_LIST: ChooseInto(m_strDecoration, list::kTextDecoration); return true;
    case IDC_TX_TALIGN_LIST: ChooseInto(m_strTextAlign, list::kTextAlign); return true;
    case IDC_TX_VAKW_LIST: ChooseInto(m_strVAKeyword, list::kVerticalAlign); return true;
    case IDC_TX_TRANS_LIST: ChooseInto(m_strTransform, list::kTextTransform); return true;
  }
  return false;
}

}  // namespace tq
