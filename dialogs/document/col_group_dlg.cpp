#include "dialogs/document/col_group_dlg.h"

#include "dialogs/common/fields.h"
#include "dialogs/document/table_parts.h"
#include "plat/text.h"
#include "res/commands.h"

namespace tq {

namespace {

using D = CColGroupDlg;
constexpr const char* kUnitWords[] = {"px", "%"};
constexpr RadioBits kWidthUnit = {IDC_CG_WIDTH_PX, 2, D::kWidthPct, kUnitWords};
constexpr RadioBits kCharOffUnit = {IDC_CG_CHAROFF_PX, 2, D::kCharOffPct, kUnitWords};
// clang-format off
constexpr Field<D> kFields[] = {
    // bit           check box           edit box         member             attribute  value
    {D::kSpan,       IDC_CG_SPAN_CHK,    IDC_CG_SPAN,     &D::m_strSpan,      "SPAN",    "Clg_%dSpan",
     {IDC_CG_SPAN_SPIN}, Emit::Attr, "1"},
    {D::kWidth,      IDC_CG_WIDTH_CHK,   IDC_CG_WIDTH,    &D::m_strWidth,     "WIDTH",   "Clg_%dWidth",
     {IDC_CG_WIDTH_SPIN}, Emit::Unit, "", &kWidthUnit},
    {D::kAlign,      IDC_CG_ALIGN_CHK,   IDC_CG_ALIGN,    &D::m_strAlign,     "ALIGN",   "Clg_%dAlign",
     {IDC_CG_ALIGN_LIST}, Emit::Attr, "center"},
    {D::kCharOn,     0,                  IDC_CG_CHAR,     &D::m_strChar,      "CHAR",    "Clg_%dAlignChar",
     {}, Emit::Attr, "."},
    {D::kCharOffOn,  0,                  IDC_CG_CHAROFF,  &D::m_strCharOff,   "CHAROFF", "Clg_%dAlignCharOff",
     {}, Emit::Unit, "0", &kCharOffUnit},
    {D::kVAlign,     IDC_CG_VALIGN_CHK,  IDC_CG_VALIGN,   &D::m_strVAlign,    "VALIGN",  "Clg_%dVAlign",
     {IDC_CG_VALIGN_LIST}, Emit::Attr, "baseline"},
    {D::kOtherAttr,  IDC_CG_ATTR_CHK,    IDC_CG_ATTR,     &D::m_strOtherAttr, nullptr,   "Clg_%dOtherAttr",
     {IDC_CG_ATTR_EDIT}, Emit::Other},
};
// clang-format on
constexpr const char* kFlagValue = "Clg_%dFlag";
// Set from ALIGN's text, not by a box: never remembered. The CHAROFF unit
// is remembered only when CHAROFF is built.
constexpr int kCharBits = D::kCharOn | D::kCharOffOn;

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
    {cmd::kColGroupDetail, "<COLGROUP", "</COLGROUP>"},
    {cmd::kColDetail, "<COL", "</COL>"},
    {cmd::kTheadDetail, "<THEAD", ""},
    {cmd::kTbodyDetail, "<TBODY", ""},
    {cmd::kTfootDetail, "<TFOOT", ""},
    {cmd::kTRDetail, "<TR", "</TR>"},
};

const Element& ElementOf(int id) {
  for (const Element& e : kElements)
    if (e.id == id) return e;
  return kElements[0];  // only the six commands are dispatched here
}

}  // namespace

CColGroupDlg::CColGroupDlg(plat::WindowHandle parent) : CAttrDialog(IDD_COL_GROUP, parent) {
  Access a = Fields();
  GovernFields(a, kFields);
}

void CColGroupDlg::DoDataExchange(plat::DataExchange& dx) { ExchangeFields(dx, *this, kFields); }

bool CColGroupDlg::OnInitDialog() {
  SetTitle(plat::J("作表に関する設定 ") + ElementLabel(m_nTagId));
  for (const char* e : kCellAlignEntries) impl().ListAdd(IDC_CG_ALIGN_LIST, plat::J(e));
  for (const char* e : kCellVAlignEntries) impl().ListAdd(IDC_CG_VALIGN_LIST, plat::J(e));
  impl().SetUpDownRange(IDC_CG_SPAN_SPIN, 0, 32767);
  impl().SetUpDownRange(IDC_CG_WIDTH_SPIN, 0, 32767);
  impl().SetUpDownRange(IDC_CG_CHAROFF_SPIN, -32767, 32767);

  Access a = Fields();
  LoadFields(a, *this, kFields, kFlagValue);
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

int CColGroupDlg::CharBits(int flags, bool charOffPct) const {
  if (!(flags & kAlign) || !IsCharAlign(m_strAlign)) return 0;
  int bits = m_strChar.empty() ? 0 : kCharOn;
  if (!m_strCharOff.empty()) bits |= kCharOffOn | (charOffPct ? kCharOffPct : 0);
  return bits;
}

std::string CColGroupDlg::Build(int flags) const {
  const Element& e = ElementOf(m_nTagId);
  std::string r = e.start;
  BuildFields(*this, kFields, flags, r);
  return r + ">" + m_strText + e.end;
}

void CColGroupDlg::OnOK() {
  UpdateData(true);
  Access a = Fields();
  int flags = CheckedFields(a, kFields) & ~(kCharBits | kCharOffPct);
  flags |= CharBits(flags, IsChecked(IDC_CG_CHAROFF_PCT) != 0);
  m_strResult = Build(flags);
  SaveFields(a, *this, kFields, flags, kFlagValue, flags & ~kCharBits);
  EndDialog(plat::IDOK);
}

bool CColGroupDlg::OnCommand(int id, int code) {
  if (code == plat::kSelChange) {
    if (id != IDC_CG_ALIGN_LIST && id != IDC_CG_VALIGN_LIST) return false;
    if (id == IDC_CG_VALIGN_LIST)
      TakeListValue(id, m_strVAlign);
    else if (TakeListValue(id, m_strAlign))
      ApplyCharRule();
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
