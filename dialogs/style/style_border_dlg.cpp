#include "dialogs/style/style_border_dlg.h"

#include "dialogs/common/fields.h"
#include "dialogs/common/text_rules.h"
#include "dialogs/common/value_lists.h"
#include "plat/backend.h"
#include "plat/text.h"

namespace tq {

namespace {

// ---- edge dialog ----

using E = CBorderEdgeDlg;
// "medium" has no bit; the others' bits are tested thin, thick, length.
constexpr const char* kWidthWords[] = {"thin", "medium", "thick", nullptr};
constexpr int kByLength = 3;
constexpr RadioBits kWidths = {IDC_EB_THIN, 4, E::kThin | E::kThick | E::kLength, kWidthWords, 1};
constexpr const char* kUnitWords[] = {"px", "em", "mm", "pt"};
constexpr RadioBits kUnits = {IDC_EB_PX, 4, E::kEm | E::kMm | E::kPt, kUnitWords, 0};
// The edge value is one width, style and colour joined by blanks, built by
// the dialog; the number is remembered only while given as a length.
// clang-format off
constexpr Field<E> kEdgeFields[] = {
    // bit     check box         edit box        member              attribute  value
    {E::kWidth, IDC_EB_WIDTH_CHK, 0,              nullptr,            nullptr,   nullptr,
     {}, Emit::None, "", &kWidths},
    {E::kWidth, IDC_EB_WIDTH_CHK, IDC_EB_LENGTH,  &E::m_strLength,    nullptr,   "EBD_%dLength",
     {IDC_EB_LENGTH_SPIN}, Emit::None, "1", &kUnits, E::kLength},
    {E::kStyle, IDC_EB_STYLE_CHK, IDC_EB_STYLE,   &E::m_strStyle,     nullptr,   "EBD_%dStyle",
     {IDC_EB_STYLE_LIST}, Emit::None, "none"},
    {E::kColor, IDC_EB_COLOR_CHK, IDC_EB_SWATCH,  &E::m_strColorName, nullptr,   "EBD_%dColorName",
     {IDC_EB_COLOR_NAME, IDC_EB_COLOR_PICK}, Emit::None},
};
// clang-format on
constexpr const char* kEdgeFlagValue = "EBD_%dFlag";

// clang-format off
const char* const kLineStyles[] = {
    "none (なし)", "dotted (点線)", "dashed (ダッシュ)", "solid (固線)", "double (二重線)",
    "groove",      "ridge",         "inset",            "outset",
};
// clang-format on

// ---- border dialog ----

using B = CStyleBorderDlg;
// The shorthand and the edges exclude each other (the dialog's rule).
// clang-format off
constexpr Field<B> kBorderFields[] = {
    // bit      check box          edit box        member           property          value
    {B::kAll,    IDC_BD_ALL_CHK,    IDC_BD_ALL,     &B::m_strBorder, "border:",        "BDR_%dAll",
     {IDC_BD_ALL_CHANGE}, Emit::Decl},
    {B::kTop,    IDC_BD_TOP_CHK,    IDC_BD_TOP,     &B::m_strTop,    "border-top:",    "BDR_%dTop",
     {IDC_BD_TOP_CHANGE}, Emit::Decl},
    {B::kRight,  IDC_BD_RIGHT_CHK,  IDC_BD_RIGHT,   &B::m_strRight,  "border-right:",  "BDR_%dRight",
     {IDC_BD_RIGHT_CHANGE}, Emit::Decl},
    {B::kBottom, IDC_BD_BOTTOM_CHK, IDC_BD_BOTTOM,  &B::m_strBottom, "border-bottom:", "BDR_%dBottom",
     {IDC_BD_BOTTOM_CHANGE}, Emit::Decl},
    {B::kLeft,   IDC_BD_LEFT_CHK,   IDC_BD_LEFT,    &B::m_strLeft,   "border-left:",   "BDR_%dLeft",
     {IDC_BD_LEFT_CHANGE}, Emit::Decl},
};
// clang-format on
constexpr int kRows = 5;
constexpr const char* kBorderFlagValue = "BDR_%dFlag";

}  // namespace

CBorderEdgeDlg::CBorderEdgeDlg(plat::WindowHandle parent) : CAttrDialog(IDD_BORDER_EDGE, parent) {
  Access a = Fields();
  GovernFields(a, kEdgeFields);
}

void CBorderEdgeDlg::Init(int tagId) { CAttrDialog::Init(tagId, ""); }

void CBorderEdgeDlg::DoDataExchange(plat::DataExchange& dx) {
  // The swatch shows the colour name; an empty name shows the colour.
  ExchangeFields(dx, *this, kEdgeFields);
}

void CBorderEdgeDlg::Repaint() {
  impl().SetSwatch(IDC_EB_SWATCH, m_clrColor);
  impl().Invalidate(IDC_EB_SWATCH);
}

// The length and its units count only while the width is on and given
// as a length.
void CBorderEdgeDlg::ApplyRules() {
  ApplyDependents();
  const bool length = IsChecked(IDC_EB_WIDTH_CHK) && IsChecked(IDC_EB_BY_LENGTH);
  for (int c = IDC_EB_LENGTH; c <= IDC_EB_PT; ++c) EnableItem(c, length);
  Repaint();
}

bool CBorderEdgeDlg::OnInitDialog() {
  impl().SetUpDownRange(IDC_EB_LENGTH_SPIN, 1, 32767);
  SetTitle(plat::J("枠(Border)の設定 ") + ElementLabel(m_nTagId));
  for (const char* s : kLineStyles) impl().ListAdd(IDC_EB_STYLE_LIST, plat::J(s));

  m_clrColor = static_cast<uint32_t>(GetSettingInt(Name("EBD_%dColor")));
  Access a = Fields();
  LoadFields(a, *this, kEdgeFields, kEdgeFlagValue);

  ApplyRules();
  UpdateData(false);
  return true;
}

std::string CBorderEdgeDlg::Build(int flags) const {
  std::string r;
  auto add = [&r](const std::string& part) {
    if (!r.empty()) r += " ";
    r += part;
  };
  if (flags & kWidth) {
    const int w = kWidths.Index(flags);
    add(w == kByLength ? m_strLength + kUnitWords[kUnits.Index(flags)] : kWidthWords[w]);
  }
  if (flags & kStyle) add(m_strStyle);
  if (flags & kColor) add(m_strColorName.empty() ? ColorHex(m_clrColor) : m_strColorName);
  return r;
}

void CBorderEdgeDlg::OnOK() {
  UpdateData(true);
  Access a = Fields();
  const int flags = CheckedFields(a, kEdgeFields);
  m_strResult = Build(flags);
  if (flags & kColor) PutSettingInt(Name("EBD_%dColor"), static_cast<int>(m_clrColor));
  SaveFields(a, *this, kEdgeFields, flags, kEdgeFlagValue, FieldBits(kEdgeFields, flags));
  EndDialog(plat::IDOK);
}

// A colour from the colour dialog replaces the name, so the value shows.
void CBorderEdgeDlg::PickColor() {
  UpdateData(true);
  auto chosen = plat::CurrentBackend().ChooseColor(handle(), m_clrColor);
  if (!chosen) return;
  m_clrColor = *chosen;
  m_strColorName.clear();
  UpdateData(false);
  Repaint();
}

bool CBorderEdgeDlg::OnCommand(int id, int code) {
  if (CAttrDialog::OnCommand(id, code)) {
    ApplyRules();
    return true;
  }
  if (id == IDC_EB_STYLE_LIST && code == plat::kSelChange) {
    const int sel = impl().ListCurSel(id);
    if (sel < 0) return true;
    // Only the style changes; the other boxes keep what they show.
    m_strStyle = EntryValue(impl().ListText(id, sel));
    SetItemText(IDC_EB_STYLE, m_strStyle);
    return true;
  }
  if (code != plat::kClicked) return false;
  switch (id) {
    case IDC_EB_THIN:
    case IDC_EB_MEDIUM:
    case IDC_EB_THICK:
    case IDC_EB_BY_LENGTH: ApplyRules(); return true;
    case IDC_EB_COLOR_NAME:
      if (ChooseInto(m_strColorName, list::kColor)) Repaint();
      return true;
    case IDC_EB_COLOR_PICK: PickColor(); return true;
  }
  return false;
}

// ---- border ----

CStyleBorderDlg::CStyleBorderDlg(plat::WindowHandle parent) : CAttrDialog(IDD_STYLE_BORDER, parent) {
  Access a = Fields();
  GovernFields(a, kBorderFields);
}

void CStyleBorderDlg::DoDataExchange(plat::DataExchange& dx) { ExchangeFields(dx, *this, kBorderFields); }

// The shorthand and the edges exclude each other: a checked row clears
// the other kind.
void CStyleBorderDlg::Exclude(int row) {
  if (!IsChecked(kBorderFields[row].check)) return;
  if (row == 0)
    for (int edge = 1; edge < kRows; ++edge) Check(kBorderFields[edge].check, 0);
  else
    Check(kBorderFields[0].check, 0);
}

bool CStyleBorderDlg::OnInitDialog() {
  SetTitle(plat::J(" STYLE : 枠(Border)の設定 ") + ElementLabel(m_nTagId));
  Access a = Fields();
  LoadFields(a, *this, kBorderFields, kBorderFlagValue);
  // Edges first, so that they win over a shorthand stored with them.
  for (int row : {1, 2, 3, 4, 0}) Exclude(row);
  ApplyDependents();
  UpdateData(false);
  return true;
}

std::string CStyleBorderDlg::Build(int flags) const {
  std::string r;
  BuildFields(*this, kBorderFields, flags, r, "\r\n");
  return r;
}

void CStyleBorderDlg::OnOK() {
  UpdateData(true);
  Access a = Fields();
  const int flags = CheckedFields(a, kBorderFields);
  m_strResult = Build(flags);
  SaveFields(a, *this, kBorderFields, flags, kBorderFlagValue);
  EndDialog(plat::IDOK);
}

// All five values share the edge dialog's remembered choices.
void CStyleBorderDlg::ChangeEdge(int row) {
  CBorderEdgeDlg dlg(handle());
  dlg.Init(m_nTagId);
  if (dlg.DoModal() != plat::IDOK) return;
  UpdateData(true);
  this->*kBorderFields[row].member = dlg.m_strResult;
  UpdateData(false);
}

bool CStyleBorderDlg::OnCommand(int id, int code) {
  if (code != plat::kClicked) return false;
  for (int row = 0; row < kRows; ++row) {
    if (id == kBorderFields[row].check) {
      Exclude(row);
      ApplyDependents();
      return true;
    }
    if (id == kBorderFields[row].buttons.first) {
      ChangeEdge(row);
      return true;
    }
  }
  return false;
}

}  // namespace tq
