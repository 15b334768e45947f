#include "dialogs/form/text_area_dlg.h"

#include "dialogs/common/text_rules.h"
#include "plat/text.h"

namespace tq {

namespace {

// Check boxes in flag-bit order.
constexpr FlagBox kBoxes[] = {
    {IDC_TA_NAME_CHK, CTextAreaDlg::kName},           {IDC_TA_SIZE_CHK, CTextAreaDlg::kSize},
    {IDC_TA_DISABLED_CHK, CTextAreaDlg::kDisabled},   {IDC_TA_READONLY_CHK, CTextAreaDlg::kReadOnly},
    {IDC_TA_MULTIPLE_CHK, CTextAreaDlg::kMultiple},   {IDC_TA_TABINDEX_CHK, CTextAreaDlg::kTabIndex},
    {IDC_TA_ACCESSKEY_CHK, CTextAreaDlg::kAccessKey}, {IDC_TA_FOCUS_CHK, CTextAreaDlg::kOnFocus},
    {IDC_TA_BLUR_CHK, CTextAreaDlg::kOnBlur},         {IDC_TA_SELECT_CHK, CTextAreaDlg::kOnSelect},
    {IDC_TA_CHANGE_CHK, CTextAreaDlg::kOnChange},     {IDC_TA_ATTR_CHK, CTextAreaDlg::kAttr},
};

}  // namespace

CTextAreaDlg::CTextAreaDlg(plat::WindowHandle parent) : CAttrDialog(IDD_TEXTAREA, parent) {
  Governs(IDC_TA_NAME_CHK, {IDC_TA_NAME});
  Governs(IDC_TA_SIZE_CHK, {IDC_TA_SIZE, IDC_TA_SIZE_SPIN});
  Governs(IDC_TA_TABINDEX_CHK, {IDC_TA_TABINDEX, IDC_TA_TABINDEX_SPIN});
  Governs(IDC_TA_ACCESSKEY_CHK, {IDC_TA_ACCESSKEY});
  Governs(IDC_TA_FOCUS_CHK, {IDC_TA_FOCUS, IDC_TA_FOCUS_BROWSE});
  Governs(IDC_TA_BLUR_CHK, {IDC_TA_BLUR, IDC_TA_BLUR_BROWSE});
  Governs(IDC_TA_SELECT_CHK, {IDC_TA_SELECT, IDC_TA_SELECT_BROWSE});
  Governs(IDC_TA_CHANGE_CHK, {IDC_TA_CHANGE, IDC_TA_CHANGE_BROWSE});
  Governs(IDC_TA_ATTR_CHK, {IDC_TA_ATTR, IDC_TA_ATTR_EDIT});
}

void CTextAreaDlg::DoDataExchange(plat::DataExchange& dx) {
  dx.Text(IDC_TA_NAME, m_strName);
  dx.Text(IDC_TA_COLS, m_strCols);
  dx.Text(IDC_TA_ROWS, m_strRows);
  dx.Text(IDC_TA_SIZE, m_strSize);
  dx.Text(IDC_TA_TABINDEX, m_strTabIndex);
  dx.Text(IDC_TA_ACCESSKEY, m_strAccessKey);
  dx.Text(IDC_TA_FOCUS, m_strOnFocus);
  dx.Text(IDC_TA_BLUR, m_strOnBlur);
  dx.Text(IDC_TA_SELECT, m_strOnSelect);
  dx.Text(IDC_TA_CHANGE, m_strOnChange);
  dx.Text(IDC_TA_ATTR, m_strAttr);
}

bool CTextAreaDlg::OnInitDialog() {
  for (int spin : {IDC_TA_COLS_SPIN, IDC_TA_ROWS_SPIN, IDC_TA_SIZE_SPIN, IDC_TA_TABINDEX_SPIN})
    impl().SetUpDownRange(spin, 0, 32767);
  SetTitle(ElementLabel(m_nTagId) + plat::J("の設定"));

  Load(m_strName, "TXTAR_%dName");
  Load(m_strCols, "TXTAR_%dCols");
  Load(m_strRows, "TXTAR_%dRows");
  Load(m_strSize, "TXTAR_%dSize");
  Load(m_strTabIndex, "TXTAR_%dTabIndex", "1");
  Load(m_strAccessKey, "TXTAR_%dAccessKey");
  Load(m_strOnFocus, "TXTAR_%dOnFocus");
  Load(m_strOnBlur, "TXTAR_%dOnBlur");
  Load(m_strOnSelect, "TXTAR_%dOnSelect");
  Load(m_strOnChange, "TXTAR_%dOnChange");
  Load(m_strAttr, "TXTAR_%dAttr");
  CheckBoxes(kBoxes, GetSettingInt(Name("TXTAR_%dFlag")));

  if (IsSelect()) {
    for (int c : {IDC_TA_COLS_LABEL, IDC_TA_COLS, IDC_TA_COLS_SPIN, IDC_TA_ROWS_LABEL, IDC_TA_ROWS,
                  IDC_TA_ROWS_SPIN})
      EnableItem(c, false);
    Withdraw(IDC_TA_READONLY_CHK);
    Withdraw(IDC_TA_SELECT_CHK);
  } else {
    Withdraw(IDC_TA_SIZE_CHK);
    Withdraw(IDC_TA_MULTIPLE_CHK);
  }

  UpdateData(false);
  ApplyDependents();
  return true;
}

std::string CTextAreaDlg::Build(int flags) {
  std::string r = IsSelect() ? "<SELECT" : "<TEXTAREA";
  PutAttr(r, flags & kName, "NAME", m_strName, "TXTAR_%dName");
  // A text area cannot do without its size: both are written every time.
  if (!IsSelect()) {
    PutAttr(r, true, "COLS", m_strCols, "TXTAR_%dCols");
    PutAttr(r, true, "ROWS", m_strRows, "TXTAR_%dRows");
  }
  PutAttr(r, flags & kSize, "SIZE", m_strSize, "TXTAR_%dSize");
  if (flags & kDisabled) r += " DISABLED";
  if (flags & kReadOnly) r += " READONLY";
  if (flags & kMultiple) r += " MULTIPLE";
  PutAttr(r, flags & kTabIndex, "TABINDEX", m_strTabIndex, "TXTAR_%dTabIndex");
  PutAttr(r, flags & kAccessKey, "ACCESSKEY", m_strAccessKey, "TXTAR_%dAccessKey");
  PutAttr(r, flags & kOnFocus, "onFocus", m_strOnFocus, "TXTAR_%dOnFocus");
  PutAttr(r, flags & kOnBlur, "onBlur", m_strOnBlur, "TXTAR_%dOnBlur");
  PutAttr(r, flags & kOnSelect, "onSelect", m_strOnSelect, "TXTAR_%dOnSelect");
  PutAttr(r, flags & kOnChange, "onChange", m_strOnChange, "TXTAR_%dOnChange");
  PutOtherAttr(r, flags & kAttr, m_strAttr, "TXTAR_%dAttr");
  PutSettingInt(Name("TXTAR_%dFlag"), flags);

  r += ">" + m_strText;
  r += IsSelect() ? "</SELECT>" : "</TEXTAREA>";
  return r;
}

void CTextAreaDlg::OnOK() {
  UpdateData(true);
  m_strResult = Build(CheckedBits(kBoxes));
  EndDialog(plat::IDOK);
}

bool CTextAreaDlg::OnCommand(int id, int code) {
  if (CAttrDialog::OnCommand(id, code)) return true;
  if (code != plat::kClicked) return false;
  switch (id) {
    case IDC_TA_FOCUS_BROWSE:
      BrowseInto(m_strOnFocus, "TXTAR_OnFocusPath", "フォーカス時のスクリプト指定(onFocus)");
      return true;
    case IDC_TA_BLUR_BROWSE:
      BrowseInto(m_strOnBlur, "TXTAR_OnBlurPath", "フォーカス喪失時のスクリプト指定(onBlur)");
      return true;
    case IDC_TA_SELECT_BROWSE:
      BrowseInto(m_strOnSelect, "TXTAR_OnSelectPath", "要素が選択された時のスクリプト指定(onSelect)");
      return true;
    case IDC_TA_CHANGE_BROWSE:
      BrowseInto(m_strOnChange, "TXTAR_OnChangePath", "内容が変更された時のスクリプト指定(onChange)");
      return true;
    case IDC_TA_ATTR_EDIT: EditOtherAttributes(m_strAttr); return true;
  }
  return false;
}

}  // namespace tq
