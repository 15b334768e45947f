#include "dialogs/form/input_dlg.h"

#include "dialogs/common/text_rules.h"
#include "plat/text.h"
#include "dialogs/common/value_lists.h"

namespace tq {

namespace {

// Check boxes in flag-bit order.
constexpr FlagBox kBoxes[] = {
    {IDC_IN_TYPE_CHK, CInputDlg::kType},           {IDC_IN_NAME_CHK, CInputDlg::kName},
    {IDC_IN_VALUE_CHK, CInputDlg::kValue},         {IDC_IN_CHECKED_CHK, CInputDlg::kChecked},
    {IDC_IN_DISABLED_CHK, CInputDlg::kDisabled},   {IDC_IN_READONLY_CHK, CInputDlg::kReadOnly},
    {IDC_IN_SIZE_CHK, CInputDlg::kSize},           {IDC_IN_MAXLEN_CHK, CInputDlg::kMaxLength},
    {IDC_IN_SRC_CHK, CInputDlg::kSrc},             {IDC_IN_ALT_CHK, CInputDlg::kAlt},
    {IDC_IN_USEMAP_CHK, CInputDlg::kUsemap},       {IDC_IN_TABINDEX_CHK, CInputDlg::kTabIndex},
    {IDC_IN_ACCESSKEY_CHK, CInputDlg::kAccessKey}, {IDC_IN_ACCEPT_CHK, CInputDlg::kAccept},
    {IDC_IN_FOCUS_CHK, CInputDlg::kOnFocus},       {IDC_IN_BLUR_CHK, CInputDlg::kOnBlur},
    {IDC_IN_SELECT_CHK, CInputDlg::kOnSelect},     {IDC_IN_CHANGE_CHK, CInputDlg::kOnChange},
    {IDC_IN_ALIGN_CHK, CInputDlg::kAlign},         {IDC_IN_ATTR_CHK, CInputDlg::kAttr},
};

}  // namespace

CInputDlg::CInputDlg(plat::WindowHandle parent) : CAttrDialog(IDD_INPUT, parent) {
  Governs(IDC_IN_TYPE_CHK, {IDC_IN_TYPE, IDC_IN_TYPE_LIST});
  Governs(IDC_IN_NAME_CHK, {IDC_IN_NAME});
  Governs(IDC_IN_VALUE_CHK, {IDC_IN_VALUE});
  Governs(IDC_IN_SIZE_CHK, {IDC_IN_SIZE, IDC_IN_SIZE_SPIN});
  Governs(IDC_IN_MAXLEN_CHK, {IDC_IN_MAXLEN, IDC_IN_MAXLEN_SPIN});
  Governs(IDC_IN_SRC_CHK, {IDC_IN_SRC, IDC_IN_SRC_BROWSE});
  Governs(IDC_IN_ALT_CHK, {IDC_IN_ALT});
  Governs(IDC_IN_USEMAP_CHK, {IDC_IN_USEMAP, IDC_IN_USEMAP_BROWSE});
  Governs(IDC_IN_TABINDEX_CHK, {IDC_IN_TABINDEX, IDC_IN_TABINDEX_SPIN});
  Governs(IDC_IN_ACCESSKEY_CHK, {IDC_IN_ACCESSKEY});
  Governs(IDC_IN_ACCEPT_CHK, {IDC_IN_ACCEPT, IDC_IN_ACCEPT_LIST});
  Governs(IDC_IN_FOCUS_CHK, {IDC_IN_FOCUS, IDC_IN_FOCUS_BROWSE});
  Governs(IDC_IN_BLUR_CHK, {IDC_IN_BLUR, IDC_IN_BLUR_BROWSE});
  Governs(IDC_IN_SELECT_CHK, {IDC_IN_SELECT, IDC_IN_SELECT_BROWSE});
  Governs(IDC_IN_CHANGE_CHK, {IDC_IN_CHANGE, IDC_IN_CHANGE_BROWSE});
  Governs(IDC_IN_ALIGN_CHK, {IDC_IN_ALIGN, IDC_IN_ALIGN_LIST});
  Governs(IDC_IN_ATTR_CHK, {IDC_IN_ATTR, IDC_IN_ATTR_EDIT});
}

void CInputDlg::DoDataExchange(plat::DataExchange& dx) {
  dx.Text(IDC_IN_TYPE, m_strType);
  dx.Text(IDC_IN_NAME, m_strName);
  dx.Text(IDC_IN_VALUE, m_strValue);
  dx.Text(IDC_IN_SIZE, m_strSize);
  dx.Text(IDC_IN_MAXLEN, m_strMaxLength);
  dx.Text(IDC_IN_SRC, m_strSrc);
  dx.Text(IDC_IN_ALT, m_strAlt);
  dx.Text(IDC_IN_USEMAP, m_strUsemap);
  dx.Text(IDC_IN_TABINDEX, m_strTabIndex);
  dx.Text(IDC_IN_ACCESSKEY, m_strAccessKey);
  dx.Text(IDC_IN_ACCEPT, m_strAccept);
  dx.Text(IDC_IN_FOCUS, m_strOnFocus);
  dx.Text(IDC_IN_BLUR, m_strOnBlur);
  dx.Text(IDC_IN_SELECT, m_strOnSelect);
  dx.Text(IDC_IN_CHANGE, m_strOnChange);
  dx.Text(IDC_IN_ALIGN, m_strAlign);
  dx.Text(IDC_IN_ATTR, m_strAttr);
}

bool CInputDlg::OnInitDialog() {
  for (int spin : {IDC_IN_SIZE_SPIN, IDC_IN_MAXLEN_SPIN, IDC_IN_TABINDEX_SPIN})
    impl().SetUpDownRange(spin, 0, 32767);
  SetTitle(ElementLabel(m_nTagId) + plat::J("の設定"));

  m_strType = GetSetting(Name("INPUT_%dType"), IsButton() ? "submit" : "text");
  Load(m_strName, "INPUT_%dName");
  Load(m_strValue, "INPUT_%dValue");
  Load(m_strSize, "INPUT_%dSize", "0");
  Load(m_strMaxLength, "INPUT_%dMaxLength");
  Load(m_strSrc, "INPUT_%dSrc");
  Load(m_strAlt, "INPUT_%dAlt");
  Load(m_strUsemap, "INPUT_%dUsemap");
  Load(m_strTabIndex, "INPUT_%dTabIndex", "1");
  Load(m_strAccessKey, "INPUT_%dAccessKey");
  Load(m_strAccept, "INPUT_%dAccept");
  Load(m_strOnFocus, "INPUT_%dOnFocus");
  Load(m_strOnBlur, "INPUT_%dOnBlur");
  Load(m_strOnSelect, "INPUT_%dOnSelect");
  Load(m_strOnChange, "INPUT_%dOnChange");
  Load(m_strAlign, "INPUT_%dAlign");
  Load(m_strAttr, "INPUT_%dAttr");
  UpdateData(false);

  const int flags = GetSettingInt(Name("INPUT_%dFlag"), kType);
  CheckBoxes(kBoxes, flags);
  if (flags & kType) ApplyTypeRules();

  if (IsButton()) {
    // What a BUTTON element does not have stays off for the whole run.
    for (int c : {IDC_IN_READONLY_CHK, IDC_IN_CHECKED_CHK, IDC_IN_SIZE_CHK, IDC_IN_MAXLEN_CHK,
                  IDC_IN_SRC_CHK, IDC_IN_ALT_CHK, IDC_IN_USEMAP_CHK, IDC_IN_ACCEPT_CHK,
                  IDC_IN_SELECT_CHK, IDC_IN_CHANGE_CHK, IDC_IN_ALIGN_CHK})
      Withdraw(c);
  }
  ApplyDependents();
  return true;
}

void CInputDlg::ApplyTypeRules() {
  if (IsButton()) return;
  UpdateData(true);
  const std::string& t = m_strType;
  // The rules only add or remove checks; none undoes an earlier one.
  if (!SameWordNoCase(t, "submit") && !SameWordNoCase(t, "reset")) {
    Check(IDC_IN_NAME_CHK, 1);
    EnableItem(IDC_IN_NAME, true);
  }
  if (SameWordNoCase(t, "radio") || SameWordNoCase(t, "checkbox")) {
    Check(IDC_IN_VALUE_CHK, 1);
    EnableItem(IDC_IN_VALUE, true);
  } else {
    Check(IDC_IN_CHECKED_CHK, 0);
  }
  if (!SameWordNoCase(t, "text") && !SameWordNoCase(t, "password")) {
    Check(IDC_IN_MAXLEN_CHK, 0);
    EnableItem(IDC_IN_MAXLEN, false);
    EnableItem(IDC_IN_MAXLEN_SPIN, false);
  }
  if (SameWordNoCase(t, "image")) {
    Check(IDC_IN_SRC_CHK, 1);
    EnableItem(IDC_IN_SRC, true);
    EnableItem(IDC_IN_SRC_BROWSE, true);
  }
}

std::string CInputDlg::Build(int flags) {
  std::string r = IsButton() ? "<BUTTON" : "<INPUT";
  PutAttr(r, flags & kType, "TYPE", m_strType, "INPUT_%dType");
  PutAttr(r, flags & kName, "NAME", m_strName, "INPUT_%dName");
  PutAttr(r, flags & kValue, "VALUE", m_strValue, "INPUT_%dValue");
  if (flags & kChecked) r += " CHECKED";
  if (flags & kDisabled) r += " DISABLED";
  if (flags & kReadOnly) r += " READONLY";
  // A size counts characters for text boxes and pixels for the rest; the
  // type counts even when its box is off. A password box is a text box.
  const bool chars = m_strType.empty() || SameWordNoCase(m_strType, "text") ||
                     SameWordNoCase(m_strType, "password");
  PutAttr(r, flags & kSize, "SIZE", m_strSize, chars ? "" : "px", "INPUT_%dSize");
  PutAttr(r, flags & kMaxLength, "MAXLENGTH", m_strMaxLength, "INPUT_%dMaxLength");
  PutAttr(r, flags & kSrc, "SRC", m_strSrc, "INPUT_%dSrc");
  PutAttr(r, flags & kAlt, "ALT", m_strAlt, "INPUT_%dAlt");
  PutAttr(r, flags & kUsemap, "USEMAP", m_strUsemap, "INPUT_%dUsemap");
  PutAttr(r, flags & kTabIndex, "TABINDEX", m_strTabIndex, "INPUT_%dTabIndex");
  PutAttr(r, flags & kAccessKey, "ACCESSKEY", m_strAccessKey, "INPUT_%dAccessKey");
  PutAttr(r, flags & kAccept, "ACCEPT", m_strAccept, "INPUT_%dAccept");
  PutAttr(r, flags & kOnFocus, "onFocus", m_strOnFocus, "INPUT_%dOnFocus");
  PutAttr(r, flags & kOnBlur, "onBlur", m_strOnBlur, "INPUT_%dOnBlur");
  PutAttr(r, flags & kOnSelect, "onSelect", m_strOnSelect, "INPUT_%dOnSelect");
  PutAttr(r, flags & kOnChange, "onChange", m_strOnChange, "INPUT_%dOnChange");
  PutAttr(r, flags & kAlign, "ALIGN", m_strAlign, "INPUT_%dAlign");
  PutOtherAttr(r, flags & kAttr, m_strAttr, "INPUT_%dAttr");
  PutSettingInt(Name("INPUT_%dFlag"), flags);

  r += ">" + m_strText;
  if (IsButton()) r += "</BUTTON>";
  return r;
}

void CInputDlg::OnOK() {
  UpdateData(true);
  m_strResult = Build(CheckedBits(kBoxes));
  EndDialog(plat::IDOK);
}

bool CInputDlg::OnCommand(int id, int code) {
  if (CAttrDialog::OnCommand(id, code)) return true;
  if (code != plat::kClicked) return false;
  switch (id) {
    case IDC_IN_TYPE_LIST:
      if (ChooseInto(m_strType, IsButton() ? list::kButtonType : list::kInputType)) {
        ApplyTypeRules();
        ApplyDependents();
      }
      return true;
    case IDC_IN_ACCEPT_LIST: {
      std::string mime;
      if (ChooseInto(mime, list::kMime)) {
        // Several types make a comma-separated list.
        m_strAccept = m_strAccept.empty() ? mime : m_strAccept + ", " + mime;
        UpdateData(false);
      }
      return true;
    }
    case IDC_IN_ALIGN_LIST: ChooseInto(m_strAlign, list::kImageAlign); return true;
    case IDC_IN_SRC_BROWSE:
      BrowseInto(m_strSrc, "INPUT_SrcPath", "画像ボタンのためのURI(SRC)");
      return true;
    case IDC_IN_USEMAP_BROWSE:
      BrowseInto(m_strUsemap, "INPUT_UsemapPath", "イメージマップの指定(USEMAP)");
      return true;
    case IDC_IN_FOCUS_BROWSE:
      BrowseInto(m_strOnFocus, "INPUT_OnFocusPath", "フォーカス時のスクリプト指定(onFocus)");
      return true;
    case IDC_IN_BLUR_BROWSE:
      BrowseInto(m_strOnBlur, "INPUT_OnBlurPath", "フォーカス喪失時のスクリプト指定(onBlur)");
      return true;
    case IDC_IN_SELECT_BROWSE:
      BrowseInto(m_strOnSelect, "INPUT_OnSelectPath", "要素が選択された時のスクリプト指定(onSelect)");
      return true;
    case IDC_IN_CHANGE_BROWSE:
      BrowseInto(m_strOnChange, "INPUT_OnChangePath", "内容が変更された時のスクリプト指定(onChange)");
      return true;
    case IDC_IN_ATTR_EDIT: EditOtherAttributes(m_strAttr); return true;
  }
  return false;
}

}  // namespace tq
