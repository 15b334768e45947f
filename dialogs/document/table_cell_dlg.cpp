#include "dialogs/document/table_cell_dlg.h"

#include "dialogs/common/fields.h"
#include "dialogs/document/table_parts.h"
#include "plat/text.h"

namespace tq {

namespace {

using D = CTableCellDlg;
constexpr const char* kUnitWords[] = {"px", "%"};
constexpr RadioBits kCharOffUnit = {IDC_TC_CHAROFF_PX, 2, D::kCharOffPct, kUnitWords};
// clang-format off
constexpr Field<D> kFields[] = {
    // bit           check box            edit box         member             attribute  value
    {D::kAbbr,       IDC_TC_ABBR_CHK,     IDC_TC_ABBR,     &D::m_strAbbr,      "ABBR",    "Tcl_%dAbbr"},
    {D::kAxis,       IDC_TC_AXIS_CHK,     IDC_TC_AXIS,     &D::m_strAxis,      "AXIS",    "Tcl_%dAxis"},
    {D::kHeaders,    IDC_TC_HEADERS_CHK,  IDC_TC_HEADERS,  &D::m_strHeaders,   "HEADERS", "Tcl_%dHeaders"},
    {D::kScope,      IDC_TC_SCOPE_CHK,    IDC_TC_SCOPE,    &D::m_strScope,     "SCOPE",   "Tcl_%dScope",
     {IDC_TC_SCOPE_LIST}},
    {D::kColSpan,    IDC_TC_COLSPAN_CHK,  IDC_TC_COLSPAN,  &D::m_strColSpan,   "COLSPAN", "Tcl_%dColSpan",
     {IDC_TC_COLSPAN_SPIN}, Emit::Attr, "1"},
    {D::kRowSpan,    IDC_TC_ROWSPAN_CHK,  IDC_TC_ROWSPAN,  &D::m_strRowSpan,   "ROWSPAN", "Tcl_%dRowSpan",
     {IDC_TC_ROWSPAN_SPIN}, Emit::Attr, "1"},
    {D::kAlign,      IDC_TC_ALIGN_CHK,    IDC_TC_ALIGN,    &D::m_strAlign,     "ALIGN",   "Tcl_%dAlign",
     {IDC_TC_ALIGN_LIST}, Emit::Attr, "center"},
    {D::kCharOn,     0,                   IDC_TC_CHAR,     &D::m_strChar,      "CHAR",    "Tcl_%dChar",
     {}, Emit::Attr, "."},
    {D::kCharOffOn,  0,                   IDC_TC_CHAROFF,  &D::m_strCharOff,   "CHAROFF", "Tcl_%dOffset",
     {}, Emit::Unit, "0", &kCharOffUnit},
    {D::kVAlign,     IDC_TC_VALIGN_CHK,   IDC_TC_VALIGN,   &D::m_strVAlign,    "VALIGN",  "Tcl_%dVAlign",
     {IDC_TC_VALIGN_LIST}, Emit::Attr, "baseline"},
    {D::kOtherAttr,  IDC_TC_ATTR_CHK,     IDC_TC_ATTR,     &D::m_strOtherAttr, nullptr,   "Tcl_%dOtherAttr",
     {IDC_TC_ATTR_EDIT}, Emit::Other},
};
// clang-format on
constexpr const char* kFlagValue = "Tcl_%dFlag";
// Set from ALIGN's text, not by a box: never remembered. The CHAROFF unit
// is remembered only when CHAROFF is built.
constexpr int kCharBits = D::kCharOn | D::kCharOffOn;

const char* const kScopeEntries[] = {"row", "col", "colgroup", "rowgroup"};

// Offered only while ALIGN is checked and says "char".
constexpr int kCharControls[] = {
    IDC_TC_CHAR_LABEL,   IDC_TC_CHAR,       IDC_TC_CHAROFF_LABEL, IDC_TC_CHAROFF,
    IDC_TC_CHAROFF_SPIN, IDC_TC_CHAROFF_PX, IDC_TC_CHAROFF_PCT,
};

}  // namespace

CTableCellDlg::CTableCellDlg(plat::WindowHandle parent) : CAttrDialog(IDD_TABLE_CELL, parent) {
  Access a = Fields();
  GovernFields(a, kFields);
}

void CTableCellDlg::DoDataExchange(plat::DataExchange& dx) { ExchangeFields(dx, *this, kFields); }

bool CTableCellDlg::OnInitDialog() {
  SetTitle(plat::J("作表に関する設定 ") + ElementLabel(m_nTagId));
  for (const char* e : kScopeEntries) impl().ListAdd(IDC_TC_SCOPE_LIST, e);
  for (const char* e : kCellAlignEntries) impl().ListAdd(IDC_TC_ALIGN_LIST, plat::J(e));
  for (const char* e : kCellVAlignEntries) impl().ListAdd(IDC_TC_VALIGN_LIST, plat::J(e));
  impl().SetUpDownRange(IDC_TC_COLSPAN_SPIN, 0, 32767);
  impl().SetUpDownRange(IDC_TC_ROWSPAN_SPIN, 0, 32767);
  impl().SetUpDownRange(IDC_TC_CHAROFF_SPIN, -32767, 32767);

  Access a = Fields();
  LoadFields(a, *this, kFields, kFlagValue);

  UpdateData(false);
  ApplyDependents();
  ApplyAlignRule();
  return true;
}

void CTableCellDlg::ApplyCharRule() {
  UpdateData(true);
  const bool on = IsCharAlign(m_strAlign);
  for (int c : kCharControls) EnableItem(c, on);
}

void CTableCellDlg::ApplyAlignRule() {
  if (IsChecked(IDC_TC_ALIGN_CHK)) {
    ApplyCharRule();
  } else {
    for (int c : kCharControls) EnableItem(c, false);
  }
}

int CTableCellDlg::CharBits(int flags, bool charOffPct) const {
  if (!(flags & kAlign) || !IsCharAlign(m_strAlign)) return 0;
  int bits = m_strChar.empty() ? 0 : kCharOn;
  if (!m_strCharOff.empty()) bits |= kCharOffOn | (charOffPct ? kCharOffPct : 0);
  return bits;
}

std::string CTableCellDlg::Build(int flags) const {
  std::string r = IsHeader() ? "<TH" : "<TD";
  BuildFields(*this, kFields, flags, r);
  return r + ">" + m_strText + (IsHeader() ? "</TH>" : "</TD>");
}

void CTableCellDlg::OnOK() {
  UpdateData(true);
  Access a = Fields();
  int flags = CheckedFields(a, kFields) & ~(kCharBits | kCharOffPct);
  flags |= CharBits(flags, IsChecked(IDC_TC_CHAROFF_PCT) != 0);
  m_strResult = Build(flags);
  SaveFields(a, *this, kFields, flags, kFlagValue, flags & ~kCharBits);
  EndDialog(plat::IDOK);
}

bool CTableCellDlg::OnCommand(int id, int code) {
  if (code == plat::kSelChange) {
    if (id != IDC_TC_SCOPE_LIST && id != IDC_TC_ALIGN_LIST && id != IDC_TC_VALIGN_LIST) return false;
    if (id == IDC_TC_SCOPE_LIST)
      TakeListValue(id, m_strScope, true);
    else if (id == IDC_TC_VALIGN_LIST)
      TakeListValue(id, m_strVAlign);
    else if (TakeListValue(id, m_strAlign))
      ApplyCharRule();
    return true;
  }
  if (CAttrDialog::OnCommand(id, code)) {
    if (id == IDC_TC_ALIGN_CHK) ApplyAlignRule();
    return true;
  }
  if (code != plat::kClicked || id != IDC_TC_ATTR_EDIT) return false;
  EditOtherAttributes(m_strOtherAttr);
  return true;
}

}  // namespace tq
