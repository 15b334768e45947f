#include "dialogs/document/table_cell_dlg.h"

#include "dialogs/common/text_rules.h"
#include "dialogs/document/table_parts.h"
#include "plat/text.h"

namespace tq {

namespace {

// Check boxes in flag-bit order.
constexpr FlagBox kBoxes[] = {
    {IDC_TC_ABBR_CHK, CTableCellDlg::kAbbr},       {IDC_TC_AXIS_CHK, CTableCellDlg::kAxis},
    {IDC_TC_HEADERS_CHK, CTableCellDlg::kHeaders}, {IDC_TC_SCOPE_CHK, CTableCellDlg::kScope},
    {IDC_TC_COLSPAN_CHK, CTableCellDlg::kColSpan}, {IDC_TC_ROWSPAN_CHK, CTableCellDlg::kRowSpan},
    {IDC_TC_ALIGN_CHK, CTableCellDlg::kAlign},     {IDC_TC_VALIGN_CHK, CTableCellDlg::kVAlign},
    {IDC_TC_ATTR_CHK, CTableCellDlg::kOtherAttr},
};

const char* const kScopeEntries[] = {"row", "col", "colgroup", "rowgroup"};

// Offered only while ALIGN is checked and says "char".
constexpr int kCharControls[] = {
    IDC_TC_CHAR_LABEL,   IDC_TC_CHAR,      IDC_TC_CHAROFF_LABEL,
    IDC_TC_CHAROFF,      IDC_TC_CHAROFF_SPIN, IDC_TC_CHAROFF_PX, IDC_TC_CHAROFF_PCT,
};

}  // namespace

CTableCellDlg::CTableCellDlg(plat::WindowHandle parent) : CAttrDialog(IDD_TABLE_CELL, parent) {
  Governs(IDC_TC_ABBR_CHK, {IDC_TC_ABBR});
  Governs(IDC_TC_AXIS_CHK, {IDC_TC_AXIS});
  Governs(IDC_TC_HEADERS_CHK, {IDC_TC_HEADERS});
  Governs(IDC_TC_SCOPE_CHK, {IDC_TC_SCOPE, IDC_TC_SCOPE_LIST});
  Governs(IDC_TC_COLSPAN_CHK, {IDC_TC_COLSPAN, IDC_TC_COLSPAN_SPIN});
  Governs(IDC_TC_ROWSPAN_CHK, {IDC_TC_ROWSPAN, IDC_TC_ROWSPAN_SPIN});
  Governs(IDC_TC_ALIGN_CHK, {IDC_TC_ALIGN, IDC_TC_ALIGN_LIST});
  Governs(IDC_TC_VALIGN_CHK, {IDC_TC_VALIGN, IDC_TC_VALIGN_LIST});
  Governs(IDC_TC_ATTR_CHK, {IDC_TC_ATTR, IDC_TC_ATTR_EDIT});
}

void CTableCellDlg::DoDataExchange(plat::DataExchange& dx) {
  dx.Text(IDC_TC_ABBR, m_strAbbr);
  dx.Text(IDC_TC_AXIS, m_strAxis);
  dx.Text(IDC_TC_HEADERS, m_strHeaders);
  dx.Text(IDC_TC_SCOPE, m_strScope);
  dx.Text(IDC_TC_COLSPAN, m_strColSpan);
  dx.Text(IDC_TC_ROWSPAN, m_strRowSpan);
  dx.Text(IDC_TC_ALIGN, m_strAlign);
  dx.Text(IDC_TC_CHAR, m_strChar);
  dx.Text(IDC_TC_CHAROFF, m_strCharOff);
  dx.Text(IDC_TC_ATTR, m_strOtherAttr);
  dx.Text(IDC_TC_VALIGN, m_strVAlign);
}

bool CTableCellDlg::OnInitDialog() {
  SetTitle(plat::J("作表に関する設定 ") + ElementLabel(m_nTagId));
  for (const char* e : kScopeEntries) impl().ListAdd(IDC_TC_SCOPE_LIST, e);
  for (const char* e : kCellAlignEntries) impl().ListAdd(IDC_TC_ALIGN_LIST, plat::J(e));
  for (const char* e : kCellVAlignEntries) impl().ListAdd(IDC_TC_VALIGN_LIST, plat::J(e));
  impl().SetUpDownRange(IDC_TC_COLSPAN_SPIN, 0, 32767);
  impl().SetUpDownRange(IDC_TC_ROWSPAN_SPIN, 0, 32767);
  impl().SetUpDownRange(IDC_TC_CHAROFF_SPIN, -32767, 32767);

  Load(m_strAbbr, "Tcl_%dAbbr");
  Load(m_strAxis, "Tcl_%dAxis");
  Load(m_strHeaders, "Tcl_%dHeaders");
  Load(m_strScope, "Tcl_%dScope");
  Load(m_strColSpan, "Tcl_%dColSpan", "1");
  Load(m_strRowSpan, "Tcl_%dRowSpan", "1");
  Load(m_strAlign, "Tcl_%dAlign", "center");
  Load(m_strChar, "Tcl_%dChar", ".");
  Load(m_strCharOff, "Tcl_%dOffset", "0");
  Load(m_strVAlign, "Tcl_%dVAlign", "baseline");
  Load(m_strOtherAttr, "Tcl_%dOtherAttr");
  const int flags = GetSettingInt(Name("Tcl_%dFlag"));

  CheckBoxes(kBoxes, flags);
  CheckRadio(IDC_TC_CHAROFF_PX, IDC_TC_CHAROFF_PCT,
             (flags & kCharOffPct) ? IDC_TC_CHAROFF_PCT : IDC_TC_CHAROFF_PX);

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

std::string CTableCellDlg::Build(int flags, bool charOffPct) {
  std::string r = IsHeader() ? "<TH" : "<TD";
  PutAttr(r, flags & kAbbr, "ABBR", m_strAbbr, "Tcl_%dAbbr");
  PutAttr(r, flags & kAxis, "AXIS", m_strAxis, "Tcl_%dAxis");
  PutAttr(r, flags & kHeaders, "HEADERS", m_strHeaders, "Tcl_%dHeaders");
  PutAttr(r, flags & kScope, "SCOPE", m_strScope, "Tcl_%dScope");
  PutAttr(r, flags & kColSpan, "COLSPAN", m_strColSpan, "Tcl_%dColSpan");
  PutAttr(r, flags & kRowSpan, "ROWSPAN", m_strRowSpan, "Tcl_%dRowSpan");
  flags &= ~kCharOffPct;
  if (flags & kAlign) {
    PutAttr(r, true, "ALIGN", m_strAlign, "Tcl_%dAlign");
    if (IsCharAlign(m_strAlign)) {
      PutAttr(r, !m_strChar.empty(), "CHAR", m_strChar, "Tcl_%dChar");
      if (!m_strCharOff.empty()) {
        PutAttr(r, true, "CHAROFF", m_strCharOff, charOffPct ? "%" : "px", "Tcl_%dOffset");
        if (charOffPct) flags |= kCharOffPct;
      }
    }
  }
  PutAttr(r, flags & kVAlign, "VALIGN", m_strVAlign, "Tcl_%dVAlign");
  PutOtherAttr(r, flags & kOtherAttr, m_strOtherAttr, "Tcl_%dOtherAttr");
  PutSettingInt(Name("Tcl_%dFlag"), flags);

  r += ">" + m_strText + (IsHeader() ? "</TH>" : "</TD>");
  return r;
}

void CTableCellDlg::OnOK() {
  UpdateData(true);
  m_strResult = Build(CheckedBits(kBoxes), IsChecked(IDC_TC_CHAROFF_PCT) != 0);
  EndDialog(plat::IDOK);
}

bool CTableCellDlg::OnCommand(int id, int code) {
  if (code == plat::kSelChange) {
    if (id != IDC_TC_SCOPE_LIST && id != IDC_TC_ALIGN_LIST && id != IDC_TC_VALIGN_LIST) return false;
    if (id == IDC_TC_SCOPE_LIST) TakeListValue(id, m_strScope, true);
    else if (id == IDC_TC_VALIGN_LIST) TakeListValue(id, m_strVAlign);
    else if (TakeListValue(id, m_strAlign)) ApplyCharRule();
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
