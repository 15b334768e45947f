#include "dialogs/form/form_item_dlg.h"

#include "dialogs/common/text_rules.h"
#include "plat/text.h"
#include "res/commands.h"
#include "dialogs/common/value_lists.h"

namespace tq {

namespace {

using D = CFormItemDlg;

// Check boxes in flag-bit order.
constexpr FlagBox kBoxes[] = {
    {IDC_FI_LABEL_CHK, D::kLabel},       {IDC_FI_FOR_CHK, D::kFor},
    {IDC_FI_VALUE_CHK, D::kValue},       {IDC_FI_ACCESSKEY_CHK, D::kAccessKey},
    {IDC_FI_DISABLED_CHK, D::kDisabled}, {IDC_FI_SELECTED_CHK, D::kSelected},
    {IDC_FI_ALIGN_CHK, D::kAlign},       {IDC_FI_FOCUS_CHK, D::kOnFocus},
    {IDC_FI_BLUR_CHK, D::kOnBlur},       {IDC_FI_ATTR_CHK, D::kAttr},
};

}  // namespace

CFormItemDlg::CFormItemDlg(plat::WindowHandle parent) : CAttrDialog(IDD_FORMITEM, parent) {
  Governs(IDC_FI_LABEL_CHK, {IDC_FI_LABEL});
  Governs(IDC_FI_FOR_CHK, {IDC_FI_FOR});
  Governs(IDC_FI_VALUE_CHK, {IDC_FI_VALUE});
  Governs(IDC_FI_ACCESSKEY_CHK, {IDC_FI_ACCESSKEY});
  Governs(IDC_FI_ALIGN_CHK, {IDC_FI_ALIGN, IDC_FI_ALIGN_LIST});
  Governs(IDC_FI_FOCUS_CHK, {IDC_FI_FOCUS, IDC_FI_FOCUS_BROWSE});
  Governs(IDC_FI_BLUR_CHK, {IDC_FI_BLUR, IDC_FI_BLUR_BROWSE});
  Governs(IDC_FI_ATTR_CHK, {IDC_FI_ATTR, IDC_FI_ATTR_EDIT});
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

void CFormItemDlg::DoDataExchange(plat::DataExchange& dx) {
  dx.Text(IDC_FI_LABEL, m_strLabel);
  dx.Text(IDC_FI_FOR, m_strFor);
  dx.Text(IDC_FI_VALUE, m_strValue);
  dx.Text(IDC_FI_ACCESSKEY, m_strAccessKey);
  dx.Text(IDC_FI_ALIGN, m_strAlign);
  dx.Text(IDC_FI_FOCUS, m_strOnFocus);
  dx.Text(IDC_FI_BLUR, m_strOnBlur);
  dx.Text(IDC_FI_ATTR, m_strAttr);
}

bool CFormItemDlg::OnInitDialog() {
  SetTitle(ElementLabel(m_nTagId) + plat::J("の設定"));

  Load(m_strLabel, "FMM_%dLabel");
  Load(m_strFor, "FMM_%dFor");
  Load(m_strValue, "FMM_%dValue");
  Load(m_strAccessKey, "FMM_%dAccessKey");
  Load(m_strAlign, "FMM_%dAlign");
  Load(m_strOnFocus, "FMM_%dOnFocus");
  Load(m_strOnBlur, "FMM_%dOnBlur");
  Load(m_strAttr, "FMM_%dAttr");
  CheckBoxes(kBoxes, GetSettingInt(Name("FMM_%dFlag")));

  const int offered = Offered();
  for (const FlagBox& b : kBoxes)
    if (!(offered & b.bit)) Withdraw(b.id);

  UpdateData(false);
  ApplyDependents();
  return true;
}

std::string CFormItemDlg::Build(int flags) {
  std::string r = std::string("<") + Element();
  PutAttr(r, flags & kLabel, "LABEL", m_strLabel, "FMM_%dLabel");
  PutAttr(r, flags & kFor, "FOR", m_strFor, "FMM_%dFor");
  PutAttr(r, flags & kValue, "VALUE", m_strValue, "FMM_%dValue");
  PutAttr(r, flags & kAccessKey, "ACCESSKEY", m_strAccessKey, "FMM_%dAccessKey");
  if (flags & kDisabled) r += " DISABLED";
  if (flags & kSelected) r += " SELECTED";
  PutAttr(r, flags & kAlign, "ALIGN", m_strAlign, "FMM_%dAlign");
  PutAttr(r, flags & kOnFocus, "onFocus", m_strOnFocus, "FMM_%dOnFocus");
  PutAttr(r, flags & kOnBlur, "onBlur", m_strOnBlur, "FMM_%dOnBlur");
  PutOtherAttr(r, flags & kAttr, m_strAttr, "FMM_%dAttr");
  PutSettingInt(Name("FMM_%dFlag"), flags);

  r += ">" + m_strText + "</" + Element() + ">";
  return r;
}

void CFormItemDlg::OnOK() {
  UpdateData(true);
  m_strResult = Build(CheckedBits(kBoxes));
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
