#include "dialogs/document/col_group_dlg.h"

#include "dialogs/common/text_rules.h"
#include "dialogs/document/table_parts.h"
#include "plat/text.h"
#include "res/commands.h"

namespace tq {

namespace {

// Check boxes in flag-bit order.
constexpr FlagBox kBoxes[] = {
    {IDC_CG_SPAN_CHK, CColGroupDlg::kSpan},     {IDC_CG_WIDTH_CHK, CColGroupDlg::kWidth},
    {IDC_CG_ALIGN_CHK, CColGroupDlg::kAlign},   {IDC_CG_VALIGN_CHK, CColGroupDlg::kVAlign},
    {IDC_CG_ATTR_CHK, CColGroupDlg::kOtherAttr},
};

// Offered only while ALIGN is checked and says "char". The CHAROFF unit
// buttons stay enabled throughout.
constexpr int kCharControls[] = {
    IDC_CG_CHAR_LABEL, IDC_CG_CHAR, IDC_CG_CHAROFF_LABEL, IDC_CG_CHAROFF, IDC_CG_CHAROFF_SPIN,
};

struct Element {
  int id;
  const char* start;
  const char* end;
};
constexpr Element kElements[] = {
    {cmd::kColGroupDetail, "<COLGROUP", "</COLGROUP>"}, {cmd::kColDetail, "<COL", "</COL>"}, {cmd::kTheadDetail, "<THEAD", ""},
    {cmd::kTbodyDetail, "<TBODY", ""},               {cmd::kTfootDetail, "<TFOOT", ""},     {cmd::kTRDetail, "<TR", "</TR>"},
};

const Element& ElementOf(int id) {
  for (const Element& e : kElements)
    if (e.id == id) return e;
  return kElements[0];  // only the six commands are dispatched here
}

}  // namespace

CColGroupDlg::CColGroupDlg(plat::WindowHandle parent) : CAttrDialog(IDD_COL_GROUP, parent) {
  Governs(IDC_CG_SPAN_CHK, {IDC_CG_SPAN, IDC_CG_SPAN_SPIN});
  Governs(IDC_CG_WIDTH_CHK, {IDC_CG_WIDTH, IDC_CG_WIDTH_SPIN, IDC_CG_WIDTH_PX, IDC_CG_WIDTH_PCT});
  Governs(IDC_CG_ALIGN_CHK, {IDC_CG_ALIGN, IDC_CG_ALIGN_LIST});
  Governs(IDC_CG_VALIGN_CHK, {IDC_CG_VALIGN, IDC_CG_VALIGN_LIST});
  Governs(IDC_CG_ATTR_CHK, {IDC_CG_ATTR, IDC_CG_ATTR_EDIT});
}

void CColGroupDlg::DoDataExchange(plat::DataExchange& dx) {
  dx.Text(IDC_CG_SPAN, m_strSpan);
  dx.Text(IDC_CG_WIDTH, m_strWidth);
  dx.Text(IDC_CG_ALIGN, m_strAlign);
  dx.Text(IDC_CG_CHAR, m_strChar);
  dx.Text(IDC_CG_CHAROFF, m_strCharOff);
  dx.Text(IDC_CG_VALIGN, m_strVAlign);
  dx.Text(IDC_CG_ATTR, m_strOtherAttr);
}

bool CColGroupDlg::OnInitDialog() {
  SetTitle(plat::J("作表に関する設定 ") + ElementLabel(m_nTagId));
  for (const char* e : kCellAlignEntries) impl().ListAdd(IDC_CG_ALIGN_LIST, plat::J(e));
  for (const char* e : kCellVAlignEntries) impl().ListAdd(IDC_CG_VALIGN_LIST, plat::J(e));
  impl().SetUpDownRange(IDC_CG_SPAN_SPIN, 0, 32767);
  impl().SetUpDownRange(IDC_CG_WIDTH_SPIN, 0, 32767);
  impl().SetUpDownRange(IDC_CG_CHAROFF_SPIN, -32767, 32767);

  Load(m_strSpan, "Clg_%dSpan", "1");
  Load(m_strWidth, "Clg_%dWidth");
  Load(m_strAlign, "Clg_%dAlign", "center");
  Load(m_strChar, "Clg_%dAlignChar", ".");
  Load(m_strCharOff, "Clg_%dAlignCharOff", "0");
  Load(m_strVAlign, "Clg_%dVAlign", "baseline");
  Load(m_strOtherAttr, "Clg_%dOtherAttr");
  const int flags = GetSettingInt(Name("Clg_%dFlag"));

  CheckBoxes(kBoxes, flags);
  CheckRadio(IDC_CG_WIDTH_PX, IDC_CG_WIDTH_PCT, (flags & kWidthPct) ? IDC_CG_WIDTH_PCT : IDC_CG_WIDTH_PX);
  CheckRadio(IDC_CG_CHAROFF_PX, IDC_CG_CHAROFF_PCT,
             (flags & kCharOffPct) ? IDC_CG_CHAROFF_PCT : IDC_CG_CHAROFF_PX);
  if (IsRowGroup()) {
    Withdraw(IDC_CG_SPAN_CHK);
    Withdraw(IDC_CG_WIDTH_CHK);
  }

  UpdateData(false);
  ApplyDependents();
  ApplyAlignRule();
  return true;
}

void CColGroupDlg::ApplyCharRule() {
  UpdateData(true);
  const bool on = IsCharAlign(m_strAlign);
  for (int c : kCharControls) EnableItem(c, on);
}

void CColGroupDlg::ApplyAlignRule() {
  if (IsChecked(IDC_CG_ALIGN_CHK)) {
    ApplyCharRule();
  } else {
    for (int c : kCharControls) EnableItem(c, false);
  }
}

std::string CColGroupDlg::Build(int flags, bool charOffPct) {
  const Element& e = ElementOf(m_nTagId);
  std::string r = e.start;
  PutAttr(r, flags & kSpan, "SPAN", m_strSpan, "Clg_%dSpan");
  PutAttr(r, flags & kWidth, "WIDTH", m_strWidth, (flags & kWidthPct) ? "%" : "px", "Clg_%dWidth");
  flags &= ~kCharOffPct;
  if (flags & kAlign) {
    PutAttr(r, true, "ALIGN", m_strAlign, "Clg_%dAlign");
    if (IsCharAlign(m_strAlign)) {
      PutAttr(r, !m_strChar.empty(), "CHAR", m_strChar, "Clg_%dAlignChar");
      if (!m_strCharOff.empty()) {
        PutAttr(r, true, "CHAROFF", m_strCharOff, charOffPct ? "%" : "px", "Clg_%dAlignCharOff");
        if (charOffPct) flags |= kCharOffPct;
      }
    }
  }
  PutAttr(r, flags & kVAlign, "VALIGN", m_strVAlign, "Clg_%dVAlign");
  PutOtherAttr(r, flags & kOtherAttr, m_strOtherAttr, "Clg_%dOtherAttr");
  PutSettingInt(Name("Clg_%dFlag"), flags);

  r += ">" + m_strText + e.end;
  return r;
}

void CColGroupDlg::OnOK() {
  UpdateData(true);
  int flags = CheckedBits(kBoxes);
  // The WIDTH unit is kept only with its box.
  if ((flags & kWidth) && IsChecked(IDC_CG_WIDTH_PCT)) flags |= kWidthPct;
  m_strResult = Build(flags, IsChecked(IDC_CG_CHAROFF_PCT) != 0);
  EndDialog(plat::IDOK);
}

bool CColGroupDlg::OnCommand(int id, int code) {
  if (code == plat::kSelChange) {
    if (id != IDC_CG_ALIGN_LIST && id != IDC_CG_VALIGN_LIST) return false;
    if (id == IDC_CG_VALIGN_LIST) TakeListValue(id, m_strVAlign);
    else if (TakeListValue(id, m_strAlign)) ApplyCharRule();
    return true;
  }
  if (CAttrDialog::OnCommand(id, code)) {
    if (id == IDC_CG_ALIGN_CHK) ApplyAlignRule();
    return true;
  }
  if (code != plat::kClicked || id != IDC_CG_ATTR_EDIT) return false;
  EditOtherAttributes(m_strOtherAttr);
  return true;
}

}  // namespace tq
