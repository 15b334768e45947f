#include "dialogs/style/style_border_dlg.h"

#include "dialogs/common/text_rules.h"
#include "plat/backend.h"
#include "plat/text.h"
#include "dialogs/common/value_lists.h"

namespace tq {

namespace {

// ---- edge dialog ----

constexpr FlagBox kEdgeBoxes[] = {
    {IDC_EB_WIDTH_CHK, CBorderEdgeDlg::kWidth},
    {IDC_EB_STYLE_CHK, CBorderEdgeDlg::kStyle},
    {IDC_EB_COLOR_CHK, CBorderEdgeDlg::kColor},
};

// Radio choices after the first (the fallback without a bit), in the order
// they are tested when loading.
struct Choice {
  int id;
  int bit;
  const char* text;
};
constexpr Choice kWidths[] = {
    {IDC_EB_THIN, CBorderEdgeDlg::kThin, "thin"},
    {IDC_EB_THICK, CBorderEdgeDlg::kThick, "thick"},
    {IDC_EB_BY_LENGTH, CBorderEdgeDlg::kLength, nullptr},
};
constexpr Choice kUnits[] = {
    {IDC_EB_EM, CBorderEdgeDlg::kEm, "em"},
    {IDC_EB_MM, CBorderEdgeDlg::kMm, "mm"},
    {IDC_EB_PT, CBorderEdgeDlg::kPt, "pt"},
};

template <size_t N>
const Choice* Chosen(const Choice (&choices)[N], int flags) {
  for (const Choice& c : choices)
    if (flags & c.bit) return &c;
  return nullptr;
}

const char* const kLineStyles[] = {
    "none (なし)", "dotted (点線)", "dashed (ダッシュ)", "solid (固線)", "double (二重線)",
    "groove",      "ridge",         "inset",            "outset",
};

// ---- border dialog ----

struct Decl {
  const char* prop;
  const char* setting;
};
// Rows in the order of the flag bits, which is the order of the declarations.
constexpr Decl kDecls[] = {
    {"border:", "BDR_%dAll"},         {"border-top:", "BDR_%dTop"},   {"border-right:", "BDR_%dRight"},
    {"border-bottom:", "BDR_%dBottom"}, {"border-left:", "BDR_%dLeft"},
};
constexpr int kRows = 5;
constexpr int RowCheck(int row) { return IDC_BD_ALL_CHK + row * kBorderRowStep; }

constexpr FlagBox kBorderBoxes[] = {
    {RowCheck(0), CStyleBorderDlg::kAll},    {RowCheck(1), CStyleBorderDlg::kTop},
    {RowCheck(2), CStyleBorderDlg::kRight},  {RowCheck(3), CStyleBorderDlg::kBottom},
    {RowCheck(4), CStyleBorderDlg::kLeft},
};

}  // namespace

CBorderEdgeDlg::CBorderEdgeDlg(plat::WindowHandle parent) : CAttrDialog(IDD_BORDER_EDGE, parent) {
  Governs(IDC_EB_WIDTH_CHK, {IDC_EB_THIN, IDC_EB_MEDIUM, IDC_EB_THICK, IDC_EB_BY_LENGTH});
  Governs(IDC_EB_COLOR_CHK, {IDC_EB_SWATCH, IDC_EB_COLOR_NAME, IDC_EB_COLOR_PICK});
  Governs(IDC_EB_STYLE_CHK, {IDC_EB_STYLE, IDC_EB_STYLE_LIST});
}

void CBorderEdgeDlg::Init(int tagId) { CAttrDialog::Init(tagId, ""); }

void CBorderEdgeDlg::DoDataExchange(plat::DataExchange& dx) {
  dx.Text(IDC_EB_LENGTH, m_strLength);
  dx.Text(IDC_EB_STYLE, m_strStyle);
  // The swatch shows the colour name; an empty name shows the colour.
  dx.Text(IDC_EB_SWATCH, m_strColorName);
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

  const int flags = GetSettingInt(Name("EBD_%dFlag"));
  Load(m_strLength, "EBD_%dLength", "1");
  Load(m_strStyle, "EBD_%dStyle", "none");
  m_clrColor = static_cast<uint32_t>(GetSettingInt(Name("EBD_%dColor")));
  Load(m_strColorName, "EBD_%dColorName");

  CheckBoxes(kEdgeBoxes, flags);
  const Choice* w = Chosen(kWidths, flags);
  CheckRadio(IDC_EB_THIN, IDC_EB_BY_LENGTH, w ? w->id : IDC_EB_MEDIUM);
  const Choice* u = Chosen(kUnits, flags);
  CheckRadio(IDC_EB_PX, IDC_EB_PT, u ? u->id : IDC_EB_PX);

  ApplyRules();
  UpdateData(false);
  return true;
}

std::string CBorderEdgeDlg::Build(int flags) {
  std::string r;
  int stored = 0;
  if (flags & kWidth) {
    stored |= kWidth;
    const Choice* w = Chosen(kWidths, flags);
    if (!w) {
      r = "medium";
    } else if (w->bit != kLength) {
      stored |= w->bit;
      r = w->text;
    } else {
      // The number is remembered without its unit.
      const Choice* u = Chosen(kUnits, flags);
      stored |= kLength | (u ? u->bit : 0);
      r = m_strLength + (u ? u->text : "px");
      PutSetting(Name("EBD_%dLength"), m_strLength);
    }
  }
  if (flags & kStyle) {
    stored |= kStyle;
    if (!r.empty()) r += " ";
    r += m_strStyle;
    PutSetting(Name("EBD_%dStyle"), m_strStyle);
  }
  if (flags & kColor) {
    stored |= kColor;
    if (!r.empty()) r += " ";
    r += m_strColorName.empty() ? ColorHex(m_clrColor) : m_strColorName;
    PutSettingInt(Name("EBD_%dColor"), static_cast<int>(m_clrColor));
    PutSetting(Name("EBD_%dColorName"), m_strColorName);
  }
  PutSettingInt(Name("EBD_%dFlag"), stored);
  return r;
}

void CBorderEdgeDlg::OnOK() {
  UpdateData(true);
  int flags = CheckedBits(kEdgeBoxes);
  for (const Choice& c : kWidths)
    if (IsChecked(c.id)) flags |= c.bit;
  for (const Choice& c : kUnits)
    if (IsChecked(c.id)) flags |= c.bit;
  m_strResult = Build(flags);
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
    case IDC_EB_THIN: case IDC_EB_MEDIUM: case IDC_EB_THICK: case IDC_EB_BY_LENGTH:
      ApplyRules();
      return true;
    case IDC_EB_COLOR_NAME:
      if (ChooseInto(m_strColorName, list::kColor)) Repaint();
      return true;
    case IDC_EB_COLOR_PICK:
      PickColor();
      return true;
  }
  return false;
}

// ---- border ----

CStyleBorderDlg::CStyleBorderDlg(plat::WindowHandle parent) : CAttrDialog(IDD_STYLE_BORDER, parent) {
  for (int row = 0; row < kRows; ++row) Governs(RowCheck(row), {RowCheck(row) + 1, RowCheck(row) + 2});
}

std::string& CStyleBorderDlg::Field(int row) {
  std::string* const fields[kRows] = {&m_strBorder, &m_strTop, &m_strRight, &m_strBottom, &m_strLeft};
  return *fields[row];
}

void CStyleBorderDlg::DoDataExchange(plat::DataExchange& dx) {
  for (int row = 0; row < kRows; ++row) dx.Text(RowCheck(row) + 1, Field(row));
}

// The shorthand and the edges exclude each other: a checked row clears
// the other kind.
void CStyleBorderDlg::Exclude(int row) {
  if (!IsChecked(RowCheck(row))) return;
  if (row == 0)
    for (int edge = 1; edge < kRows; ++edge) Check(RowCheck(edge), 0);
  else
    Check(RowCheck(0), 0);
}

bool CStyleBorderDlg::OnInitDialog() {
  SetTitle(plat::J(" STYLE : 枠(Border)の設定 ") + ElementLabel(m_nTagId));
  for (int row = 0; row < kRows; ++row) Field(row) = GetSetting(Name(kDecls[row].setting));
  CheckBoxes(kBorderBoxes, GetSettingInt(Name("BDR_%dFlag")));
  // Edges first, so that they win over a shorthand stored with them.
  for (int row : {1, 2, 3, 4, 0}) Exclude(row);
  ApplyDependents();
  UpdateData(false);
  return true;
}

std::string CStyleBorderDlg::Build(int flags) {
  std::string r;
  int stored = 0;
  for (int row = 0; row < kRows; ++row) {
    if (!(flags & kBorderBoxes[row].bit)) continue;
    if (stored) r += "\r\n";
    stored |= kBorderBoxes[row].bit;
    r += kDecls[row].prop + Field(row) + ";";
    PutSetting(Name(kDecls[row].setting), Field(row));
  }
  PutSettingInt(Name("BDR_%dFlag"), stored);
  return r;
}

void CStyleBorderDlg::OnOK() {
  UpdateData(true);
  m_strResult = Build(CheckedBits(kBorderBoxes));
  EndDialog(plat::IDOK);
}

// All five values share the edge dialog's remembered choices.
void CStyleBorderDlg::ChangeEdge(int row) {
  CBorderEdgeDlg dlg(handle());
  dlg.Init(m_nTagId);
  if (dlg.DoModal() != plat::IDOK) return;
  UpdateData(true);
  Field(row) = dlg.m_strResult;
  UpdateData(false);
}

bool CStyleBorderDlg::OnCommand(int id, int code) {
  if (code != plat::kClicked) return false;
  for (int row = 0; row < kRows; ++row) {
    if (id == RowCheck(row)) {
      Exclude(row);
      ApplyDependents();
      return true;
    }
    if (id == RowCheck(row) + 2) {
      ChangeEdge(row);
      return true;
    }
  }
  return false;
}

}  // namespace tq
