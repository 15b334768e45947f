#include "dialogs/style/style_element_dlg.h"

#include "dialogs/common/text_rules.h"
#include "plat/text.h"
#include "res/commands.h"

namespace tq {

namespace {

using D = CStyleElementDlg;

constexpr FlagBox kBoxes[] = {
    {IDC_EL_W_CHK, D::kWidth},          {IDC_EL_W_AUTO, D::kWidthAuto},
    {IDC_EL_H_CHK, D::kHeight},         {IDC_EL_H_AUTO, D::kHeightAuto},
    {IDC_EL_WS_CHK, D::kWhiteSpace},    {IDC_EL_FLOAT_CHK, D::kFloat},
    {IDC_EL_CLEAR_CHK, D::kClear},      {IDC_EL_DISP_CHK, D::kDisplay},
};

// One radio group: the first button (no bit) is the fallback, the others
// carry the bits listed, in the order they are tested when loading. The
// size groups' units and the keyword groups work alike.
struct Choice {
  int first;
  int count;  // buttons after the first
  int bits[4];
  const char* text[5];
};
constexpr Choice kWidthUnits = {IDC_EL_W_PX, 4, {0x4, 0x8, 0x10, 0x20}, {"px;", "em;", "mm;", "pt;", "%;"}};
constexpr Choice kHeightUnits = {
    IDC_EL_H_PX, 4, {0x200, 0x400, 0x800, 0x1000}, {"px;", "em;", "mm;", "pt;", "%;"}};
constexpr Choice kWsChoice = {IDC_EL_WS_NORMAL, 2, {0x8000, 0x10000}, {"normal;", "pre;", "nowrap;"}};
constexpr Choice kFloatChoice = {IDC_EL_FLOAT_NONE, 2, {0x80000, 0x100000}, {"none;", "left;", "right;"}};
constexpr Choice kClearChoice = {
    IDC_EL_CLEAR_NONE, 3, {0x800000, 0x1000000, 0x2000000}, {"none;", "left;", "right;", "both;"}};
constexpr Choice kDispChoice = {
    IDC_EL_DISP_BLOCK, 3, {0x8000000, 0x10000000, 0x20000000}, {"block;", "inline;", "list-item;", "none;"}};
constexpr const Choice* kAllChoices[] = {&kWidthUnits, &kHeightUnits, &kWsChoice, &kFloatChoice, &kClearChoice, &kDispChoice};

int ChoiceIndex(const Choice& c, int flags) {
  for (int i = 0; i < c.count; ++i)
    if (flags & c.bits[i]) return i + 1;
  return 0;
}
int ChoiceBit(const Choice& c, int flags) {
  int i = ChoiceIndex(c, flags);
  return i ? c.bits[i - 1] : 0;
}

}  // namespace

CStyleElementDlg::CStyleElementDlg(plat::WindowHandle parent) : CAttrDialog(IDD_STYLE_ELEMENT, parent) {
  Governs(IDC_EL_W_CHK, {IDC_EL_W_AUTO});
  Governs(IDC_EL_H_CHK, {IDC_EL_H_AUTO});
  Governs(IDC_EL_WS_CHK, {IDC_EL_WS_NORMAL, IDC_EL_WS_PRE, IDC_EL_WS_NOWRAP});
  Governs(IDC_EL_FLOAT_CHK, {IDC_EL_FLOAT_NONE, IDC_EL_FLOAT_LEFT, IDC_EL_FLOAT_RIGHT});
  Governs(IDC_EL_CLEAR_CHK, {IDC_EL_CLEAR_NONE, IDC_EL_CLEAR_LEFT, IDC_EL_CLEAR_RIGHT, IDC_EL_CLEAR_BOTH});
  Governs(IDC_EL_DISP_CHK, {IDC_EL_DISP_BLOCK, IDC_EL_DISP_INLINE, IDC_EL_DISP_LISTITEM, IDC_EL_DISP_NONE});
}

void CStyleElementDlg::DoDataExchange(plat::DataExchange& dx) {
  dx.Text(IDC_EL_W, m_strWidth);
  dx.Text(IDC_EL_H, m_strHeight);
}

// A size's number and units apply while its group is on and "auto" is off.
void CStyleElementDlg::ApplyRules() {
  ApplyDependents();
  auto unless = [&](int group, int autoBox, int first, int last) {
    const bool on = IsChecked(group) && IsItemEnabled(group) && !IsChecked(autoBox);
    for (int c = first; c <= last; ++c) EnableItem(c, on);
  };
  unless(IDC_EL_W_CHK, IDC_EL_W_AUTO, IDC_EL_W, IDC_EL_W_PERCENT);
  unless(IDC_EL_H_CHK, IDC_EL_H_AUTO, IDC_EL_H, IDC_EL_H_PERCENT);
}

bool CStyleElementDlg::OnInitDialog() {
  impl().SetUpDownRange(IDC_EL_W_SPIN, 0, 32767);
  impl().SetUpDownRange(IDC_EL_H_SPIN, 0, 32767);
  SetTitle(plat::J(" STYLE : 要素の回り込みなどの設定 ") + ElementLabel(m_nTagId));

  Load(m_strWidth, "SylElm_%dWidth", "0");
  Load(m_strHeight, "SylElm_%dHeight", "0");
  const int flags = GetSettingInt(Name("SylElm_%dFlag"), 0);

  CheckBoxes(kBoxes, flags);
  for (const Choice* c : kAllChoices) CheckRadio(c->first, c->first + c->count, c->first + ChoiceIndex(*c, flags));
  // Text-level elements take no box size or white-space handling.
  if (m_nTagId >= cmd::kInlineFirst)
    for (int c : {IDC_EL_W_CHK, IDC_EL_H_CHK, IDC_EL_WS_CHK}) Withdraw(c);

  ApplyRules();
  UpdateData(false);
  return true;
}

std::string CStyleElementDlg::Build(int flags) {
  std::string r;
  int stored = 0;
  auto decl = [&](int bits, const std::string& text) {
    if (!r.empty()) r += "\r\n";
    r += text;
    stored |= bits;
  };
  // The box is remembered even under "auto", so unticking it brings it back.
  auto size = [&](int bit, int autoBit, const Choice& u, const char* prop, const std::string& number,
                  const char* setting) {
    if (!(flags & bit)) return;
    if (flags & autoBit)
      decl(bit | autoBit, std::string(prop) + "auto;");
    else
      decl(bit | ChoiceBit(u, flags), prop + number + u.text[ChoiceIndex(u, flags)]);
    PutSetting(Name(setting), number);
  };
  auto keyword = [&](int bit, const Choice& c, const char* prop) {
    if (flags & bit) decl(bit | ChoiceBit(c, flags), std::string(prop) + c.text[ChoiceIndex(c, flags)]);
  };

  size(kWidth, kWidthAuto, kWidthUnits, "width:", m_strWidth, "SylElm_%dWidth");
  size(kHeight, kHeightAuto, kHeightUnits, "height:", m_strHeight, "SylElm_%dHeight");
  keyword(kWhiteSpace, kWsChoice, "white-space:");
  keyword(kFloat, kFloatChoice, "float:");
  keyword(kClear, kClearChoice, "clear:");
  keyword(kDisplay, kDispChoice, "display:");
  PutSettingInt(Name("SylElm_%dFlag"), stored);
  return r;
}

void CStyleElementDlg::OnOK() {
  UpdateData(true);
  int flags = CheckedBits(kBoxes);
  for (const Choice* c : kAllChoices)
    for (int i = 0; i < c->count; ++i)
      if (IsChecked(c->first + 1 + i)) flags |= c->bits[i];
  m_strResult = Build(flags);
  EndDialog(plat::IDOK);
}

bool CStyleElementDlg::OnCommand(int id, int code) {
  if (CAttrDialog::OnCommand(id, code)) {
    ApplyRules();
    return true;
  }
  if (code == plat::kClicked && (id == IDC_EL_W_AUTO || id == IDC_EL_H_AUTO)) {
    ApplyRules();
    return true;
  }
  return false;
}

}  // namespace tq
