#include "dialogs/document/table_dlg.h"

#include "dialogs/common/fields.h"
#include "plat/text.h"

namespace tq {

namespace {

using D = CTableDlg;
constexpr const char* kUnitWords[] = {"px", "%"};
constexpr RadioBits kWidthUnit = {IDC_TB_WIDTH_PX, 2, D::kWidthPct, kUnitWords};
constexpr RadioBits kSpacingUnit = {IDC_TB_SPACING_PX, 2, D::kSpacingPct, kUnitWords};
constexpr RadioBits kPaddingUnit = {IDC_TB_PADDING_PX, 2, D::kPaddingPct, kUnitWords};
// clang-format off
constexpr Field<D> kFields[] = {
    // bit          check box           edit box         member               attribute      value
    {D::kBorder,    IDC_TB_BORDER_CHK,  IDC_TB_BORDER,   &D::m_strBorder,      "BORDER",      "Tbl_%dBorder",
     {IDC_TB_BORDER_SPIN}, Emit::Attr, "1"},
    {D::kWidth,     IDC_TB_WIDTH_CHK,   IDC_TB_WIDTH,    &D::m_strWidth,       "WIDTH",       "Tbl_%dWidth",
     {IDC_TB_WIDTH_SPIN}, Emit::Unit, "1", &kWidthUnit},
    {D::kSummary,   IDC_TB_SUMMARY_CHK, IDC_TB_SUMMARY,  &D::m_strSummary,     "SUMMARY",     "Tbl_%dSummary"},
    {D::kFrame,     IDC_TB_FRAME_CHK,   IDC_TB_FRAME,    &D::m_strFrame,       "FRAME",       "Tbl_%dFrame",
     {IDC_TB_FRAME_LIST}, Emit::Attr, "border"},
    {D::kRules,     IDC_TB_RULES_CHK,   IDC_TB_RULES,    &D::m_strRules,       "RULES",       "Tbl_%dRules",
     {IDC_TB_RULES_LIST}, Emit::Attr, "all"},
    {D::kSpacing,   IDC_TB_SPACING_CHK, IDC_TB_SPACING,  &D::m_strCellSpacing, "CELLSPACING", "Tbl_%dCellSpacing",
     {IDC_TB_SPACING_SPIN}, Emit::Unit, "1", &kSpacingUnit},
    {D::kPadding,   IDC_TB_PADDING_CHK, IDC_TB_PADDING,  &D::m_strCellPadding, "CELLPADDING", "Tbl_%dCellPadding",
     {IDC_TB_PADDING_SPIN}, Emit::Unit, "1", &kPaddingUnit},
    {D::kOtherAttr, IDC_TB_ATTR_CHK,    IDC_TB_ATTR,     &D::m_strOtherAttr,   nullptr,       "Tbl_%dOtherAttr",
     {IDC_TB_ATTR_EDIT}, Emit::Other},
};
// clang-format on
constexpr const char* kFlagValue = "Tbl_%dFlag";

// Added in this order; the sorted list boxes show them alphabetically.
const char* const kFrameEntries[] = {
    "void (外枠なし)", "above (上辺だけ)",    "below (下辺だけ)", "hsides (上下辺だけ)", "lhs (左辺だけ)",
    "rhs (右辺だけ)",  "vsides (左右辺だけ)", "box (四辺すべて)", "border (四辺すべて)",
};
const char* const kRulesEntries[] = {
    "none (罫線なし)", "groups (ｸﾞﾙｰﾌﾟ化された部分だけ)", "rows (行間のみ)", "cols (列間のみ)", "all (全行・列間)",
};

}  // namespace

CTableDlg::CTableDlg(plat::WindowHandle parent) : CAttrDialog(IDD_TABLE, parent) {
  Access a = Fields();
  GovernFields(a, kFields);
}

void CTableDlg::DoDataExchange(plat::DataExchange& dx) { ExchangeFields(dx, *this, kFields); }

bool CTableDlg::OnInitDialog() {
  for (const char* e : kFrameEntries) impl().ListAdd(IDC_TB_FRAME_LIST, plat::J(e));
  for (const char* e : kRulesEntries) impl().ListAdd(IDC_TB_RULES_LIST, plat::J(e));
  impl().SetUpDownRange(IDC_TB_BORDER_SPIN, 1, 32767);
  impl().SetUpDownRange(IDC_TB_WIDTH_SPIN, 1, 32767);
  impl().SetUpDownRange(IDC_TB_SPACING_SPIN, -32767, 32767);
  impl().SetUpDownRange(IDC_TB_PADDING_SPIN, -32767, 32767);
  SetTitle(plat::J("作表に関する属性の設定 ") + ElementLabel(m_nTagId));

  Access a = Fields();
  LoadFields(a, *this, kFields, kFlagValue);

  ApplyDependents();
  UpdateData(false);
  return true;
}

std::string CTableDlg::Build(int flags) const {
  std::string r = "<TABLE";
  BuildFields(*this, kFields, flags, r);
  return r + ">\r\n" + m_strText + "\r\n</TABLE>";
}

void CTableDlg::OnOK() {
  UpdateData(true);
  Access a = Fields();
  const int flags = CheckedFields(a, kFields);
  m_strResult = Build(flags);
  SaveFields(a, *this, kFields, flags, kFlagValue);
  EndDialog(plat::IDOK);
}

bool CTableDlg::OnCommand(int id, int code) {
  if (code == plat::kSelChange) {
    if (id == IDC_TB_FRAME_LIST)
      TakeListValue(id, m_strFrame);
    else if (id == IDC_TB_RULES_LIST)
      TakeListValue(id, m_strRules);
    else
      return false;
    return true;
  }
  if (CAttrDialog::OnCommand(id, code)) return true;
  if (code != plat::kClicked || id != IDC_TB_ATTR_EDIT) return false;
  // The edit boxes are taken only once the basic dialog has been confirmed.
  EditOtherAttributes(m_strOtherAttr, false);
  return true;
}

}  // namespace tq
