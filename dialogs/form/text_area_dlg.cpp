#include "dialogs/form/text_area_dlg.h"

#include "dialogs/common/fields.h"
#include "plat/text.h"

namespace tq {

namespace {

using D = CTextAreaDlg;
// clang-format off
constexpr Field<D> kFields[] = {
    // bit          check box             edit box          member             attribute    value
    {D::kName,      IDC_TA_NAME_CHK,      IDC_TA_NAME,      &D::m_strName,      "NAME",      "TXTAR_%dName"},
    {D::kColsRows,  0,                    IDC_TA_COLS,      &D::m_strCols,      "COLS",      "TXTAR_%dCols"},
    {D::kColsRows,  0,                    IDC_TA_ROWS,      &D::m_strRows,      "ROWS",      "TXTAR_%dRows"},
    {D::kSize,      IDC_TA_SIZE_CHK,      IDC_TA_SIZE,      &D::m_strSize,      "SIZE",      "TXTAR_%dSize",
     {IDC_TA_SIZE_SPIN}},
    {D::kDisabled,  IDC_TA_DISABLED_CHK,  0,                nullptr,            "DISABLED",  nullptr,
     {}, Emit::Word},
    {D::kReadOnly,  IDC_TA_READONLY_CHK,  0,                nullptr,            "READONLY",  nullptr,
     {}, Emit::Word},
    {D::kMultiple,  IDC_TA_MULTIPLE_CHK,  0,                nullptr,            "MULTIPLE",  nullptr,
     {}, Emit::Word},
    {D::kTabIndex,  IDC_TA_TABINDEX_CHK,  IDC_TA_TABINDEX,  &D::m_strTabIndex,  "TABINDEX",  "TXTAR_%dTabIndex",
     {IDC_TA_TABINDEX_SPIN}, Emit::Attr, "1"},
    {D::kAccessKey, IDC_TA_ACCESSKEY_CHK, IDC_TA_ACCESSKEY, &D::m_strAccessKey, "ACCESSKEY", "TXTAR_%dAccessKey"},
    {D::kOnFocus,   IDC_TA_FOCUS_CHK,     IDC_TA_FOCUS,     &D::m_strOnFocus,   "onFocus",   "TXTAR_%dOnFocus",
     {IDC_TA_FOCUS_BROWSE}},
    {D::kOnBlur,    IDC_TA_BLUR_CHK,      IDC_TA_BLUR,      &D::m_strOnBlur,    "onBlur",    "TXTAR_%dOnBlur",
     {IDC_TA_BLUR_BROWSE}},
    {D::kOnSelect,  IDC_TA_SELECT_CHK,    IDC_TA_SELECT,    &D::m_strOnSelect,  "onSelect",  "TXTAR_%dOnSelect",
     {IDC_TA_SELECT_BROWSE}},
    {D::kOnChange,  IDC_TA_CHANGE_CHK,    IDC_TA_CHANGE,    &D::m_strOnChange,  "onChange",  "TXTAR_%dOnChange",
     {IDC_TA_CHANGE_BROWSE}},
    {D::kAttr,      IDC_TA_ATTR_CHK,      IDC_TA_ATTR,      &D::m_strAttr,      nullptr,     "TXTAR_%dAttr",
     {IDC_TA_ATTR_EDIT}, Emit::Other},
};
// clang-format on
constexpr const char* kFlagValue = "TXTAR_%dFlag";

}  // namespace

CTextAreaDlg::CTextAreaDlg(plat::WindowHandle parent) : CAttrDialog(IDD_TEXTAREA, parent) {
  Access a = Fields();
  GovernFields(a, kFields);
}

void CTextAreaDlg::DoDataExchange(plat::DataExchange& dx) { ExchangeFields(dx, *this, kFields); }

bool CTextAreaDlg::OnInitDialog() {
  for (int spin : {IDC_TA_COLS_SPIN, IDC_TA_ROWS_SPIN, IDC_TA_SIZE_SPIN, IDC_TA_TABINDEX_SPIN})
    impl().SetUpDownRange(spin, 0, 32767);
  SetTitle(ElementLabel(m_nTagId) + plat::J("の設定"));

  Access a = Fields();
  LoadFields(a, *this, kFields, kFlagValue);

  if (IsSelect()) {
    for (int c : {IDC_TA_COLS_LABEL, IDC_TA_COLS, IDC_TA_COLS_SPIN, IDC_TA_ROWS_LABEL, IDC_TA_ROWS, IDC_TA_ROWS_SPIN})
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

std::string CTextAreaDlg::Build(int flags) const {
  std::string r = IsSelect() ? "<SELECT" : "<TEXTAREA";
  BuildFields(*this, kFields, flags, r);
  r += ">" + m_strText;
  r += IsSelect() ? "</SELECT>" : "</TEXTAREA>";
  return r;
}

void CTextAreaDlg::OnOK() {
  UpdateData(true);
  Access a = Fields();
  int flags = CheckedFields(a, kFields) & ~kColsRows;
  // A text area cannot do without its size: both are written every time.
  if (!IsSelect()) flags |= kColsRows;
  m_strResult = Build(flags);
  SaveFields(a, *this, kFields, flags, kFlagValue, flags & ~kColsRows);
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
