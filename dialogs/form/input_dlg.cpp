#include "dialogs/form/input_dlg.h"

#include "dialogs/common/fields.h"
#include "dialogs/common/value_lists.h"
#include "plat/text.h"

namespace tq {

namespace {

using D = CInputDlg;
// A size counts characters for text boxes and pixels for the rest.
constexpr const char* kSizeWords[] = {"", "px"};
constexpr RadioBits kSizeUnit = {0, 0, D::kSizePx, kSizeWords};
// clang-format off
constexpr Field<D> kFields[] = {
    // bit          check box             edit box          member             attribute    value
    {D::kType,      IDC_IN_TYPE_CHK,      IDC_IN_TYPE,      &D::m_strType,      "TYPE",      "INPUT_%dType",
     {IDC_IN_TYPE_LIST}, Emit::Attr, "text"},
    {D::kName,      IDC_IN_NAME_CHK,      IDC_IN_NAME,      &D::m_strName,      "NAME",      "INPUT_%dName"},
    {D::kValue,     IDC_IN_VALUE_CHK,     IDC_IN_VALUE,     &D::m_strValue,     "VALUE",     "INPUT_%dValue"},
    {D::kChecked,   IDC_IN_CHECKED_CHK,   0,                nullptr,            "CHECKED",   nullptr,
     {}, Emit::Word},
    {D::kDisabled,  IDC_IN_DISABLED_CHK,  0,                nullptr,            "DISABLED",  nullptr,
     {}, Emit::Word},
    {D::kReadOnly,  IDC_IN_READONLY_CHK,  0,                nullptr,            "READONLY",  nullptr,
     {}, Emit::Word},
    {D::kSize,      IDC_IN_SIZE_CHK,      IDC_IN_SIZE,      &D::m_strSize,      "SIZE",      "INPUT_%dSize",
     {IDC_IN_SIZE_SPIN}, Emit::Unit, "0", &kSizeUnit},
    {D::kMaxLength, IDC_IN_MAXLEN_CHK,    IDC_IN_MAXLEN,    &D::m_strMaxLength, "MAXLENGTH", "INPUT_%dMaxLength",
     {IDC_IN_MAXLEN_SPIN}},
    {D::kSrc,       IDC_IN_SRC_CHK,       IDC_IN_SRC,       &D::m_strSrc,       "SRC",       "INPUT_%dSrc",
     {IDC_IN_SRC_BROWSE}},
    {D::kAlt,       IDC_IN_ALT_CHK,       IDC_IN_ALT,       &D::m_strAlt,       "ALT",       "INPUT_%dAlt"},
    {D::kUsemap,    IDC_IN_USEMAP_CHK,    IDC_IN_USEMAP,    &D::m_strUsemap,    "USEMAP",    "INPUT_%dUsemap",
     {IDC_IN_USEMAP_BROWSE}},
    {D::kTabIndex,  IDC_IN_TABINDEX_CHK,  IDC_IN_TABINDEX,  &D::m_strTabIndex,  "TABINDEX",  "INPUT_%dTabIndex",
     {IDC_IN_TABINDEX_SPIN}, Emit::Attr, "1"},
    {D::kAccessKey, IDC_IN_ACCESSKEY_CHK, IDC_IN_ACCESSKEY, &D::m_strAccessKey, "ACCESSKEY", "INPUT_%dAccessKey"},
    {D::kAccept,    IDC_IN_ACCEPT_CHK,    IDC_IN_ACCEPT,    &D::m_strAccept,    "ACCEPT",    "INPUT_%dAccept",
     {IDC_IN_ACCEPT_LIST}},
    {D::kOnFocus,   IDC_IN_FOCUS_CHK,     IDC_IN_FOCUS,     &D::m_strOnFocus,   "onFocus",   "INPUT_%dOnFocus",
     {IDC_IN_FOCUS_BROWSE}},
    {D::kOnBlur,    IDC_IN_BLUR_CHK,      IDC_IN_BLUR,      &D::m_strOnBlur,    "onBlur",    "INPUT_%dOnBlur",
     {IDC_IN_BLUR_BROWSE}},
    {D::kOnSelect,  IDC_IN_SELECT_CHK,    IDC_IN_SELECT,    &D::m_strOnSelect,  "onSelect",  "INPUT_%dOnSelect",
     {IDC_IN_SELECT_BROWSE}},
    {D::kOnChange,  IDC_IN_CHANGE_CHK,    IDC_IN_CHANGE,    &D::m_strOnChange,  "onChange",  "INPUT_%dOnChange",
     {IDC_IN_CHANGE_BROWSE}},
    {D::kAlign,     IDC_IN_ALIGN_CHK,     IDC_IN_ALIGN,     &D::m_strAlign,     "ALIGN",     "INPUT_%dAlign",
     {IDC_IN_ALIGN_LIST}},
    {D::kAttr,      IDC_IN_ATTR_CHK,      IDC_IN_ATTR,      &D::m_strAttr,      nullptr,     "INPUT_%dAttr",
     {IDC_IN_ATTR_EDIT}, Emit::Other},
};
// clang-format on
constexpr const char* kFlagValue = "INPUT_%dFlag";

}  // namespace

CInputDlg::CInputDlg(plat::WindowHandle parent) : CAttrDialog(IDD_INPUT, parent) {
  Access a = Fields();
  GovernFields(a, kFields);
}

void CInputDlg::DoDataExchange(plat::DataExchange& dx) { ExchangeFields(dx, *this, kFields); }

bool CInputDlg::OnInitDialog() {
  for (int spin : {IDC_IN_SIZE_SPIN, IDC_IN_MAXLEN_SPIN, IDC_IN_TABINDEX_SPIN}) impl().SetUpDownRange(spin, 0, 32767);
  SetTitle(ElementLabel(m_nTagId) + plat::J("の設定"));

  Access a = Fields();
  const int flags = LoadFields(a, *this, kFields, kFlagValue, kType);
  if (IsButton()) m_strType = GetSetting(Name("INPUT_%dType"), "submit");  // a BUTTON's own default
  UpdateData(false);

  if (flags & kType) ApplyTypeRules();

  if (IsButton()) {
    // What a BUTTON element does not have stays off for the whole run.
    for (int c :
         {IDC_IN_READONLY_CHK, IDC_IN_CHECKED_CHK, IDC_IN_SIZE_CHK, IDC_IN_MAXLEN_CHK, IDC_IN_SRC_CHK, IDC_IN_ALT_CHK,
          IDC_IN_USEMAP_CHK, IDC_IN_ACCEPT_CHK, IDC_IN_SELECT_CHK, IDC_IN_CHANGE_CHK, IDC_IN_ALIGN_CHK})
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

std::string CInputDlg::Build(int flags) const {
  std::string r = IsButton() ? "<BUTTON" : "<INPUT";
  BuildFields(*this, kFields, flags, r);
  r += ">" + m_strText;
  if (IsButton()) r += "</BUTTON>";
  return r;
}

void CInputDlg::OnOK() {
  UpdateData(true);
  Access a = Fields();
  const int word = CheckedFields(a, kFields);
  // The type counts even when its box is off. A password box is a text box.
  const bool chars = m_strType.empty() || SameWordNoCase(m_strType, "text") || SameWordNoCase(m_strType, "password");
  const int flags = chars ? word : word | kSizePx;
  m_strResult = Build(flags);
  SaveFields(a, *this, kFields, flags, kFlagValue, word);
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
    case IDC_IN_SRC_BROWSE: BrowseInto(m_strSrc, "INPUT_SrcPath", "画像ボタンのためのURI(SRC)"); return true;
    case IDC_IN_USEMAP_BROWSE: BrowseInto(m_strUsemap, "INPUT_UsemapPath", "イメージマップの指定(USEMAP)"); return true;
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
