#include "dialogs/form/form_item_dlg.h"

#include "dialogs/common/fields.h"
#include "dialogs/common/value_lists.h"
#include "plat/text.h"
#include "res/commands.h"

namespace tq {

namespace {

using D = CFormItemDlg;

// clang-format off
constexpr Field<D> kFields[] = {
    // bit          check box             edit box          member             attribute    value
    {D::kLabel,     IDC_FI_LABEL_CHK,     IDC_FI_LABEL,     &D::m_strLabel,     "LABEL",     "FMM_%dLabel"},
    {D::kFor,       IDC_FI_FOR_CHK,       IDC_FI_FOR,       &D::m_strFor,       "FOR",       "FMM_%dFor"},
    {D::kValue,     IDC_FI_VALUE_CHK,     IDC_FI_VALUE,     &D::m_strValue,     "VALUE",     "FMM_%dValue"},
    {D::kAccessKey, IDC_FI_ACCESSKEY_CHK, IDC_FI_ACCESSKEY, &D::m_strAccessKey, "ACCESSKEY", "FMM_%dAccessKey"},
    {D::kDisabled,  IDC_FI_DISABLED_CHK,  0,                nullptr,            "DISABLED",  nullptr,
     {}, Emit::Word},
    {D::kSelected,  IDC_FI_SELECTED_CHK,  0,                nullptr,            "SELECTED",  nullptr,
     {}, Emit::Word},
    {D::kAlign,     IDC_FI_ALIGN_CHK,     IDC_FI_ALIGN,     &D::m_strAlign,     "ALIGN",     "FMM_%dAlign",
     {IDC_FI_ALIGN_LIST}},
    {D::kOnFocus,   IDC_FI_FOCUS_CHK,     IDC_FI_FOCUS,     &D::m_strOnFocus,   "onFocus",   "FMM_%dOnFocus",
     {IDC_FI_FOCUS_BROWSE}},
    {D::kOnBlur,    IDC_FI_BLUR_CHK,      IDC_FI_BLUR,      &D::m_strOnBlur,    "onBlur",    "FMM_%dOnBlur",
     {IDC_FI_BLUR_BROWSE}},
    {D::kAttr,      IDC_FI_ATTR_CHK,      IDC_FI_ATTR,      &D::m_strAttr,      nullptr,     "FMM_%dAttr",
     {IDC_FI_ATTR_EDIT}, Emit::Other},
};
// clang-format on
constexpr const char* kFlagValue = "FMM_%dFlag";

}  // namespace

CFormItemDlg::CFormItemDlg(plat::WindowHandle parent) : CAttrDialog(IDD_FORMITEM, parent) {
  Access a = Fields();
  GovernFields(a, kFields);
}

const char* CFormItemDlg::Element() const {
  switch (m_nTagId) {
    case cmd::kLabelDetail: return "LABEL";
    case cmd::kOptGroupDetail: return "OPTGROUP";
    case cmd::kOptionDetail: return "OPTION";
    default: return "LEGEND";
  }
}

int CFormItemDlg::Offered() const {
  switch (m_nTagId) {
    case cmd::kLabelDetail: return kFor | kAccessKey | kOnFocus | kOnBlur | kAttr;
    case cmd::kOptGroupDetail: return kLabel | kDisabled | kAttr;
    case cmd::kOptionDetail: return kLabel | kValue | kDisabled | kSelected | kAttr;
    default: return kAccessKey | kAlign | kAttr;
  }
}

void CFormItemDlg::DoDataExchange(plat::DataExchange& dx) { ExchangeFields(dx, *this, kFields); }

bool CFormItemDlg::OnInitDialog() {
  SetTitle(ElementLabel(m_nTagId) + plat::J("の設定"));

  Access a = Fields();
  LoadFields(a, *this, kFields, kFlagValue);

  const int offered = Offered();
  for (const Field<D>& f : kFields)
    if (!(offered & f.bit)) Withdraw(f.check);

  UpdateData(false);
  ApplyDependents();
  return true;
}

std::string CFormItemDlg::Build(int flags) const {
  std::string r = std::string("<") + Element();
  BuildFields(*this, kFields, flags, r);
  return r + ">" + m_strText + "</" + Element() + ">";
}

void CFormItemDlg::OnOK() {
  UpdateData(true);
  Access a = Fields();
  const int flags = CheckedFields(a, kFields);
  m_strResult = Build(flags);
  SaveFields(a, *this, kFields, flags, kFlagValue);
  EndDialog(plat::IDOK);
}

bool CFormItemDlg::OnCommand(int id, int code) {
  if (CAttrDialog::OnCommand(id, code)) return true;
  if (code != plat::kClicked) return false;
  switch (id) {
    case IDC_FI_ALIGN_LIST: ChooseInto(m_strAlign, list::kLegendAlign); return true;
    case IDC_FI_FOCUS_BROWSE:
      BrowseInto(m_strOnFocus, "FMM_OnFocusPath", "フォーカス時のスクリプト指定(onFocus)");
      return true;
    case IDC_FI_BLUR_BROWSE:
      BrowseInto(m_strOnBlur, "FMM_OnBlurPath", "フォーカス喪失時のスクリプト指定(onBlur)");
      return true;
    case IDC_FI_ATTR_EDIT: EditOtherAttributes(m_strAttr); return true;
  }
  return false;
}

}  // namespace tq
