#include "dialogs/form/form_dlg.h"

#include "dialogs/common/fields.h"
#include "dialogs/common/value_lists.h"
#include "plat/text.h"

namespace tq {

namespace {

constexpr const char* kMethods[] = {"get", "post"};
// "post" counts only with METHOD.
constexpr RadioBits kMethod = {IDC_FM_GET, 2, CFormDlg::kPost, kMethods};

using D = CFormDlg;
// clang-format off
constexpr Field<D> kFields[] = {
    // bit          check box           edit box          member             attribute         value
    {0,             0,                  IDC_FM_ACTION,    &D::m_strAction,   "ACTION",         "FORM_%dAction"},
    {D::kMethod,    IDC_FM_METHOD_CHK,  0,                nullptr,           "METHOD",         nullptr,
     {}, Emit::Choice, "", &kMethod},
    {D::kEncType,   IDC_FM_ENCTYPE_CHK, IDC_FM_ENCTYPE,   &D::m_strEncType,  "ENCTYPE",        "FORM_%dEncType",
     {IDC_FM_ENCTYPE_LIST}, Emit::Attr, "application/x-www-form-urlencoded"},
    {D::kCharset,   IDC_FM_CHARSET_CHK, IDC_FM_CHARSET,   &D::m_strCharset,  "ACCEPT-CHARSET", "FORM_%dCharSet",
     {IDC_FM_CHARSET_LIST, IDC_FM_CHARSET_ADD}, Emit::Attr, "shift-jis"},
    {D::kTarget,    IDC_FM_TARGET_CHK,  IDC_FM_TARGET,    &D::m_strTarget,   "TARGET",         "FORM_%dTarget"},
    {D::kOnSubmit,  IDC_FM_SUBMIT_CHK,  IDC_FM_SUBMIT,    &D::m_strOnSubmit, "onSubmit",       "FORM_%dOnSubmit",
     {IDC_FM_SUBMIT_BROWSE}},
    {D::kOnReset,   IDC_FM_RESET_CHK,   IDC_FM_RESET,     &D::m_strOnReset,  "onReset",        "FORM_%dOnReset",
     {IDC_FM_RESET_BROWSE}},
    {D::kAttr,      IDC_FM_ATTR_CHK,    IDC_FM_ATTR,      &D::m_strAttr,     nullptr,          "FORM_%dAttr",
     {IDC_FM_ATTR_EDIT}, Emit::Other},
};
// clang-format on
constexpr const char* kFlagValue = "FORM_%dFlag";

}  // namespace

CFormDlg::CFormDlg(plat::WindowHandle parent) : CAttrDialog(IDD_FORM, parent) {
  Access a = Fields();
  GovernFields(a, kFields);
}

void CFormDlg::DoDataExchange(plat::DataExchange& dx) { ExchangeFields(dx, *this, kFields); }

bool CFormDlg::OnInitDialog() {
  Access a = Fields();
  LoadFields(a, *this, kFields, kFlagValue);
  UpdateData(false);
  ApplyDependents();
  return true;
}

std::string CFormDlg::Build(int flags) const {
  std::string r = "<FORM";
  BuildFields(*this, kFields, flags, r);
  return r + ">" + m_strText + "</FORM>";
}

void CFormDlg::OnOK() {
  UpdateData(true);
  Access a = Fields();
  const int flags = CheckedFields(a, kFields);
  m_strResult = Build(flags);
  SaveFields(a, *this, kFields, flags, kFlagValue);
  EndDialog(plat::IDOK);
}

bool CFormDlg::OnCommand(int id, int code) {
  if (CAttrDialog::OnCommand(id, code)) return true;
  if (code != plat::kClicked) return false;
  switch (id) {
    case IDC_FM_ACTION_BROWSE:
      BrowseInto(m_strAction, "FORM_ActionPath", "フォームを処理するURI(ACTION)");
      return true;
    case IDC_FM_SUBMIT_BROWSE:
      BrowseInto(m_strOnSubmit, "FORM_OnSubmitPath", "OK時に実行するスクリプト(onSubmit)");
      return true;
    case IDC_FM_RESET_BROWSE:
      BrowseInto(m_strOnReset, "FORM_OnResetPath", "リセット時に実行するスクリプト(onReset)");
      return true;
    case IDC_FM_ENCTYPE_LIST: ChooseInto(m_strEncType, list::kMime); return true;
    case IDC_FM_CHARSET_LIST: ChooseInto(m_strCharset, list::kCharset); return true;
    case IDC_FM_CHARSET_ADD: {
      // Several character sets make a comma-separated list; the box is
      // appended to as it stands, empty or not.
      std::string chosen;
      if (ChooseInto(chosen, list::kCharset)) {
        m_strCharset += ", " + chosen;
        UpdateData(false);
      }
      return true;
    }
    case IDC_FM_ATTR_EDIT: EditOtherAttributes(m_strAttr); return true;
  }
  return false;
}

}  // namespace tq
