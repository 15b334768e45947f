#include "dialogs/document/table_dlg.h"

#include "dialogs/common/text_rules.h"
#include "plat/text.h"

namespace tq {

namespace {

// Check boxes in flag-bit order.
constexpr FlagBox kBoxes[] = {
    {IDC_TB_BORDER_CHK, CTableDlg::kBorder},   {IDC_TB_WIDTH_CHK, CTableDlg::kWidth},
    {IDC_TB_SUMMARY_CHK, CTableDlg::kSummary}, {IDC_TB_FRAME_CHK, CTableDlg::kFrame},
    {IDC_TB_RULES_CHK, CTableDlg::kRules},     {IDC_TB_SPACING_CHK, CTableDlg::kSpacing},
    {IDC_TB_PADDING_CHK, CTableDlg::kPadding}, {IDC_TB_ATTR_CHK, CTableDlg::kOtherAttr},
};

// Added in this order; the sorted list boxes show them alphabetically.
const char* const kFrameEntries[] = {
    "void (外枠なし)",   "above (上辺だけ)", "below (下辺だけ)",   "hsides (上下辺だけ)", "lhs (左辺だけ)",
    "rhs (右辺だけ)",    "vsides (左右辺だけ)", "box (四辺すべて)", "border (四辺すべて)",
};
const char* const kRulesEntries[] = {
    "none (罫線なし)", "groups (ｸﾞﾙｰﾌﾟ化された部分だけ)", "rows (行間のみ)", "cols (列間のみ)",
    "all (全行・列間)",
};

}  // namespace

CTableDlg::CTableDlg(plat::WindowHandle parent) : CAttrDialog(IDD_TABLE, parent) {
  Governs(IDC_TB_BORDER_CHK, {IDC_TB_BORDER, IDC_TB_BORDER_SPIN});
  Governs(IDC_TB_WIDTH_CHK, {IDC_TB_WIDTH, IDC_TB_WIDTH_SPIN, IDC_TB_WIDTH_PX, IDC_TB_WIDTH_PCT});
  Governs(IDC_TB_SUMMARY_CHK, {IDC_TB_SUMMARY});
  Governs(IDC_TB_FRAME_CHK, {IDC_TB_FRAME, IDC_TB_FRAME_LIST});
  Governs(IDC_TB_RULES_CHK, {IDC_TB_RULES, IDC_TB_RULES_LIST});
  Governs(IDC_TB_SPACING_CHK, {IDC_TB_SPACING, IDC_TB_SPACING_SPIN, IDC_TB_SPACING_PX, IDC_TB_SPACING_PCT});
  Governs(IDC_TB_PADDING_CHK, {IDC_TB_PADDING, IDC_TB_PADDING_SPIN, IDC_TB_PADDING_PX, IDC_TB_PADDING_PCT});
  Governs(IDC_TB_ATTR_CHK, {IDC_TB_ATTR, IDC_TB_ATTR_EDIT});
}

void CTableDlg::DoDataExchange(plat::DataExchange& dx) {
  dx.Text(IDC_TB_BORDER, m_strBorder);
  dx.Text(IDC_TB_FRAME, m_strFrame);
  dx.Text(IDC_TB_RULES, m_strRules);
  dx.Text(IDC_TB_SPACING, m_strCellSpacing);
  dx.Text(IDC_TB_PADDING, m_strCellPadding);
  dx.Text(IDC_TB_ATTR, m_strOtherAttr);
  dx.Text(IDC_TB_SUMMARY, m_strSummary);
  dx.Text(IDC_TB_WIDTH, m_strWidth);
}

bool CTableDlg::OnInitDialog() {
  for (const char* e : kFrameEntries) impl().ListAdd(IDC_TB_FRAME_LIST, plat::J(e));
  for (const char* e : kRulesEntries) impl().ListAdd(IDC_TB_RULES_LIST, plat::J(e));
  impl().SetUpDownRange(IDC_TB_BORDER_SPIN, 1, 32767);
  impl().SetUpDownRange(IDC_TB_WIDTH_SPIN, 1, 32767);
  impl().SetUpDownRange(IDC_TB_SPACING_SPIN, -32767, 32767);
  impl().SetUpDownRange(IDC_TB_PADDING_SPIN, -32767, 32767);
  SetTitle(plat::J("作表に関する属性の設定 ") + ElementLabel(m_nTagId));

  Load(m_strBorder, "Tbl_%dBorder", "1");
  Load(m_strWidth, "Tbl_%dWidth", "1");
  Load(m_strSummary, "Tbl_%dSummary");
  Load(m_strFrame, "Tbl_%dFrame", "border");
  Load(m_strRules, "Tbl_%dRules", "all");
  Load(m_strCellSpacing, "Tbl_%dCellSpacing", "1");
  Load(m_strCellPadding, "Tbl_%dCellPadding", "1");
  Load(m_strOtherAttr, "Tbl_%dOtherAttr");
  const int flags = GetSettingInt(Name("Tbl_%dFlag"));

  CheckBoxes(kBoxes, flags);
  CheckRadio(IDC_TB_WIDTH_PX, IDC_TB_WIDTH_PCT, (flags & kWidthPct) ? IDC_TB_WIDTH_PCT : IDC_TB_WIDTH_PX);
  CheckRadio(IDC_TB_SPACING_PX, IDC_TB_SPACING_PCT,
             (flags & kSpacingPct) ? IDC_TB_SPACING_PCT : IDC_TB_SPACING_PX);
  CheckRadio(IDC_TB_PADDING_PX, IDC_TB_PADDING_PCT,
             (flags & kPaddingPct) ? IDC_TB_PADDING_PCT : IDC_TB_PADDING_PX);

  ApplyDependents();
  UpdateData(false);
  return true;
}

int CTableDlg::FlagsFromControls() const {
  int flags = CheckedBits(kBoxes);
  // A unit is kept only with the box that offers it.
  if ((flags & kWidth) && IsChecked(IDC_TB_WIDTH_PCT)) flags |= kWidthPct;
  if ((flags & kSpacing) && IsChecked(IDC_TB_SPACING_PCT)) flags |= kSpacingPct;
  if ((flags & kPadding) && IsChecked(IDC_TB_PADDING_PCT)) flags |= kPaddingPct;
  return flags;
}

std::string CTableDlg::Build(int flags) {
  std::string r = "<TABLE";
  PutAttr(r, flags & kBorder, "BORDER", m_strBorder, "Tbl_%dBorder");
  PutAttr(r, flags & kWidth, "WIDTH", m_strWidth, (flags & kWidthPct) ? "%" : "px", "Tbl_%dWidth");
  PutAttr(r, flags & kSummary, "SUMMARY", m_strSummary, "Tbl_%dSummary");
  PutAttr(r, flags & kFrame, "FRAME", m_strFrame, "Tbl_%dFrame");
  PutAttr(r, flags & kRules, "RULES", m_strRules, "Tbl_%dRules");
  PutAttr(r, flags & kSpacing, "CELLSPACING", m_strCellSpacing, (flags & kSpacingPct) ? "%" : "px",
          "Tbl_%dCellSpacing");
  PutAttr(r, flags & kPadding, "CELLPADDING", m_strCellPadding, (flags & kPaddingPct) ? "%" : "px",
          "Tbl_%dCellPadding");
  PutOtherAttr(r, flags & kOtherAttr, m_strOtherAttr, "Tbl_%dOtherAttr");
  PutSettingInt(Name("Tbl_%dFlag"), flags);

  r += ">\r\n" + m_strText + "\r\n</TABLE>";
  return r;
}

void CTableDlg::OnOK() {
  UpdateData(true);
  m_strResult = Build(FlagsFromControls());
  EndDialog(plat::IDOK);
}

bool CTableDlg::OnCommand(int id, int code) {
  if (code == plat::kSelChange) {
    if (id == IDC_TB_FRAME_LIST) TakeListValue(id, m_strFrame);
    else if (id == IDC_TB_RULES_LIST) TakeListValue(id, m_strRules);
    else return false;
    return true;
  }
  if (CAttrDialog::OnCommand(id, code)) return true;
  if (code != plat::kClicked || id != IDC_TB_ATTR_EDIT) return false;
  // The edit boxes are taken only once the basic dialog has been confirmed.
  EditOtherAttributes(m_strOtherAttr, false);
  return true;
}

}  // namespace tq
