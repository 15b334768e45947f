#include "dialogs/style/style_margin_dlg.h"

#include "dialogs/common/fields.h"
#include "dialogs/common/text_rules.h"
#include "plat/text.h"

namespace tq {

namespace {

// Check box of a kind (0 margin, 1 padding) and position (0..3 the sides
// top, right, bottom, left; 4 the shorthand); its edit box follows it.
constexpr int MarginCheck(int kind, int pos) { return IDC_MG_MTOP_CHK + kind * kMarginKindStep + 2 * pos; }

using M = CStyleMarginDlg;
// In the order of the flag bits, which is the order of the declarations:
// row kind * 5 + pos. The dialog's exclusion rules enable the edit boxes.
// clang-format off
constexpr Field<M> kFields[] = {
    // bit       check box           edit box         member             property          value
    {M::kMTop,    IDC_MG_MTOP_CHK,    IDC_MG_MTOP,     &M::m_strMTop,     "margin-top:",     "SylMgn_%dMTop",     {}, Emit::Decl},
    {M::kMRight,  IDC_MG_MRIGHT_CHK,  IDC_MG_MRIGHT,   &M::m_strMRight,   "margin-right:",   "SylMgn_%dMRight",   {}, Emit::Decl},
    {M::kMBottom, IDC_MG_MBOTTOM_CHK, IDC_MG_MBOTTOM,  &M::m_strMBottom,  "margin-bottom:",  "SylMgn_%dMBottom",  {}, Emit::Decl},
    {M::kMLeft,   IDC_MG_MLEFT_CHK,   IDC_MG_MLEFT,    &M::m_strMLeft,    "margin-left:",    "SylMgn_%dMLeft",    {}, Emit::Decl},
    {M::kMargin,  IDC_MG_MARGIN_CHK,  IDC_MG_MARGIN,   &M::m_strMargin,   "margin:",         "SylMgn_%dMargin",   {}, Emit::Decl},
    {M::kPTop,    IDC_MG_PTOP_CHK,    IDC_MG_PTOP,     &M::m_strPTop,     "padding-top:",    "SylMgn_%dPTop",     {}, Emit::Decl},
    {M::kPRight,  IDC_MG_PRIGHT_CHK,  IDC_MG_PRIGHT,   &M::m_strPRight,   "padding-right:",  "SylMgn_%dPRight",   {}, Emit::Decl},
    {M::kPBottom, IDC_MG_PBOTTOM_CHK, IDC_MG_PBOTTOM,  &M::m_strPBottom,  "padding-bottom:", "SylMgn_%dPBottom",  {}, Emit::Decl},
    {M::kPLeft,   IDC_MG_PLEFT_CHK,   IDC_MG_PLEFT,    &M::m_strPLeft,    "padding-left:",   "SylMgn_%dPLeft",    {}, Emit::Decl},
    {M::kPadding, IDC_MG_PADDING_CHK, IDC_MG_PADDING,  &M::m_strPadding,  "padding:",        "SylMgn_%dPadding",  {}, Emit::Decl},
};
// clang-format on
constexpr const char* kFlagValue = "SylMgn_%dFlag";

// Side row controls.
constexpr int Row(int side) { return IDC_BV_TOP_LABEL + side * kBoxRowStep; }
constexpr int kRowAuto = 1, kRowNumber = 2, kRowSpin = 3, kRowPx = 4, kRowUnits = 5;
// Each side's "px" has no bit; em, mm, pt and % have the four bits after
// its "auto" bit, tested in that order.
constexpr const char* kUnitWords[] = {"px", "em", "mm", "pt", "%"};
constexpr RadioBits SideUnits(int side) {
  return {Row(side) + kRowPx, kRowUnits, CBoxValueDlg::AutoBit(side) * 0x1E, kUnitWords, 0};
}
constexpr RadioBits kSideUnits[] = {SideUnits(0), SideUnits(1), SideUnits(2), SideUnits(3)};

}  // namespace

// ---- per-side values ----

CBoxValueDlg::CBoxValueDlg(plat::WindowHandle parent) : CAttrDialog(IDD_BOX_VALUE, parent) {}

void CBoxValueDlg::Init(int tagId, int mode) {
  CAttrDialog::Init(tagId, "");
  m_nMode = mode;
}

std::string& CBoxValueDlg::Side(int side) {
  switch (side) {
    case 0: return m_strTop;
    case 1: return m_strRight;
    case 2: return m_strBottom;
    default: return m_strLeft;
  }
}

// The row's registry value, the same for reading and writing.
const char* CBoxValueDlg::Names(int side) const {
  static constexpr const char* kNames[2][4] = {
      {"MV_%dMTop", "MV_%dMRight", "MV_%dMBottom", "MV_%dMLeft"},
      {"MV_%dPTop", "MV_%dPRight", "MV_%dPBottom", "MV_%dPLeft"},
  };
  return kNames[(m_nMode & kPadding) ? 1 : 0][side];
}

void CBoxValueDlg::DoDataExchange(plat::DataExchange& dx) {
  for (int s = 0; s < 4; ++s) dx.Text(Row(s) + kRowNumber, Side(s));
}

// "auto" takes the number and its units out of play.
void CBoxValueDlg::RowRule(int side) {
  const bool number = !IsChecked(Row(side) + kRowAuto);
  for (int c = Row(side) + kRowNumber; c < Row(side) + kRowPx + kRowUnits; ++c) EnableItem(c, number);
}

bool CBoxValueDlg::OnInitDialog() {
  for (int s = 0; s < 4; ++s) impl().SetUpDownRange(Row(s) + kRowSpin, -32767, 32767);
  const bool padding = m_nMode & kPadding;
  const int flags = GetSettingInt(Name(padding ? "MV_%dPFlag" : "MV_%dMFlag"));
  SetTitle(plat::J(padding ? "paddingの設定" : "marginの設定"));
  for (int s = 0; s < 4; ++s) Side(s) = GetSetting(Name(Names(s)), "0");

  for (int s = 0; s < 4; ++s) {
    Check(Row(s) + kRowAuto, (flags & AutoBit(s)) ? 1 : 0);
    const RadioBits& u = kSideUnits[s];
    CheckRadio(u.first, u.first + u.count - 1, u.first + u.Index(flags));
  }
  for (int s = 0; s < 4; ++s) {
    if (m_nMode & (kTop << s)) {
      RowRule(s);
      continue;
    }
    // A side not offered shows "auto" unchecked with everything disabled.
    Check(Row(s) + kRowAuto, 1);
    RowRule(s);
    Check(Row(s) + kRowAuto, 0);
    EnableItem(Row(s) + kRowAuto, false);
    EnableItem(Row(s), false);
  }
  UpdateData(false);
  return true;
}

void CBoxValueDlg::Build(int flags) {
  for (int s = 0; s < 4; ++s) {
    if (!(m_nMode & (kTop << s))) continue;
    if (flags & AutoBit(s))
      Side(s) = "auto";
    else
      Side(s) += kUnitWords[kSideUnits[s].Index(flags)];
  }
  if (m_nMode & kShorthand) m_strShorthand = m_strTop + " " + m_strRight + " " + m_strBottom + " " + m_strLeft;
}

// The numbers of the offered sides not "auto", then the choices made for
// them.
void CBoxValueDlg::Save(int flags) {
  int stored = 0;
  for (int s = 0; s < 4; ++s) {
    if (!(m_nMode & (kTop << s))) continue;
    if (flags & AutoBit(s)) {
      stored |= AutoBit(s);
      continue;
    }
    PutSetting(Name(Names(s)), Side(s));
    stored |= kSideUnits[s].Bits(kSideUnits[s].Index(flags));
  }
  PutSettingInt(Name((m_nMode & kPadding) ? "MV_%dPFlag" : "MV_%dMFlag"), stored);
}

void CBoxValueDlg::OnOK() {
  UpdateData(true);
  int flags = 0;
  for (int s = 0; s < 4; ++s) {
    if (IsChecked(Row(s) + kRowAuto)) flags |= AutoBit(s);
    for (int u = 0; u < kRowUnits; ++u)
      if (IsChecked(kSideUnits[s].first + u)) flags |= kSideUnits[s].Bits(u);
  }
  Save(flags);  // the numbers as typed, before they become values
  Build(flags);
  EndDialog(plat::IDOK);
}

bool CBoxValueDlg::OnCommand(int id, int code) {
  if (code != plat::kClicked) return false;
  for (int s = 0; s < 4; ++s)
    if (id == Row(s) + kRowAuto) {
      RowRule(s);
      return true;
    }
  return false;
}

// ---- margin and padding ----

CStyleMarginDlg::CStyleMarginDlg(plat::WindowHandle parent) : CAttrDialog(IDD_STYLE_MARGIN, parent) {}

std::string& CStyleMarginDlg::Field(int kind, int pos) { return this->*kFields[kind * 5 + pos].member; }

void CStyleMarginDlg::DoDataExchange(plat::DataExchange& dx) { ExchangeFields(dx, *this, kFields); }

// A side and the shorthand of the same kind exclude each other.
void CStyleMarginDlg::SideRule(int kind, int side) {
  const bool on = IsChecked(MarginCheck(kind, side));
  EnableItem(MarginCheck(kind, side) + 1, on);
  if (!on) return;
  Check(MarginCheck(kind, 4), 0);
  EnableItem(MarginCheck(kind, 4) + 1, false);
}

void CStyleMarginDlg::ShorthandRule(int kind) {
  const bool on = IsChecked(MarginCheck(kind, 4));
  EnableItem(MarginCheck(kind, 4) + 1, on);
  if (!on) return;
  for (int s = 0; s < 4; ++s) {
    Check(MarginCheck(kind, s), 0);
    EnableItem(MarginCheck(kind, s) + 1, false);
  }
}

bool CStyleMarginDlg::OnInitDialog() {
  SetTitle(plat::J(" STYLE : Margin/Paddingの設定 ") + ElementLabel(m_nTagId));
  Access a = Fields();
  LoadFields(a, *this, kFields, kFlagValue);
  // Sides first, so that they win over a shorthand stored with them.
  for (int k = 0; k < 2; ++k) {
    for (int s : {0, 2, 1, 3}) SideRule(k, s);
    ShorthandRule(k);
  }
  UpdateData(false);
  return true;
}

std::string CStyleMarginDlg::Build(int flags) const {
  std::string r;
  BuildFields(*this, kFields, flags, r, "\r\n");
  return r;
}

void CStyleMarginDlg::OnOK() {
  UpdateData(true);
  Access a = Fields();
  const int flags = CheckedFields(a, kFields);
  m_strResult = Build(flags);
  SaveFields(a, *this, kFields, flags, kFlagValue);
  EndDialog(plat::IDOK);
}

// The per-side dialog offers the checked sides, or all four for the
// shorthand, and fills what it offered.
void CStyleMarginDlg::ChangeValues(int kind) {
  UpdateData(true);
  int mode = kind ? CBoxValueDlg::kPadding : 0;
  if (IsChecked(MarginCheck(kind, 4))) mode |= CBoxValueDlg::kShorthand | CBoxValueDlg::kAllSides;
  for (int s = 0; s < 4; ++s)
    if (IsChecked(MarginCheck(kind, s))) mode |= CBoxValueDlg::kTop << s;
  CBoxValueDlg dlg(handle());
  dlg.Init(m_nTagId, mode);
  if (dlg.DoModal() != plat::IDOK) return;
  if (mode & CBoxValueDlg::kShorthand) {
    Field(kind, 4) = dlg.m_strShorthand;
  } else {
    const std::string* sides[] = {&dlg.m_strTop, &dlg.m_strRight, &dlg.m_strBottom, &dlg.m_strLeft};
    for (int s = 0; s < 4; ++s)
      if (mode & (CBoxValueDlg::kTop << s)) Field(kind, s) = *sides[s];
  }
  UpdateData(false);
}

bool CStyleMarginDlg::OnCommand(int id, int code) {
  if (code != plat::kClicked) return false;
  if (id == IDC_MG_MCHANGE || id == IDC_MG_PCHANGE) {
    ChangeValues(id == IDC_MG_PCHANGE ? 1 : 0);
    return true;
  }
  for (int k = 0; k < 2; ++k)
    for (int p = 0; p < 5; ++p)
      if (id == MarginCheck(k, p)) {
        if (p == 4)
          ShorthandRule(k);
        else
          SideRule(k, p);
        return true;
      }
  return false;
}

}  // namespace tq
