#include "dialogs/document/body_dlg.h"

#include "dialogs/common/fields.h"
#include "dialogs/common/text_rules.h"
#include "plat/backend.h"

namespace tq {

namespace {

using D = CBodyDlg;
// clang-format off
constexpr Field<D> kFields[] = {
    // bit           check box             edit box          member              attribute     value
    {D::kOnLoad,     IDC_BD_ONLOAD_CHK,    IDC_BD_ONLOAD,    &D::m_strOnLoad,     "onLoad",     "BODY_%dOnLoad",
     {IDC_BD_ONLOAD_BROWSE}},
    {D::kOnUnload,   IDC_BD_ONUNLOAD_CHK,  IDC_BD_ONUNLOAD,  &D::m_strOnUnload,   "onUnload",   "BODY_%dOnUnload",
     {IDC_BD_ONUNLOAD_BROWSE}},
    {D::kAttr,       IDC_BD_ATTR_CHK,      IDC_BD_ATTR,      &D::m_strAttr,       nullptr,      "BODY_%dAttr",
     {IDC_BD_ATTR_EDIT}, Emit::Other},
    {D::kBackGround, IDC_BD_BKG_CHK,       IDC_BD_BKG,       &D::m_strBackGround, "BACKGROUND", "BODY_%dBackGround",
     {IDC_BD_BKG_BROWSE}},
    {D::kBGColor,    IDC_BD_BGCOLOR_CHK,   IDC_BD_BGCOLOR,   &D::m_strBGColor,    "BGCOLOR",    "BODY_%dBGColor",
     {IDC_BD_BGCOLOR_PICK}},
    {D::kText,       IDC_BD_TEXT_CHK,      IDC_BD_TEXT,      &D::m_strTextColor,  "TEXT",       "BODY_%dText",
     {IDC_BD_TEXT_PICK}},
    {D::kLink,       IDC_BD_LINK_CHK,      IDC_BD_LINK,      &D::m_strLink,       "LINK",       "BODY_%dLink",
     {IDC_BD_LINK_PICK}},
    {D::kALink,      IDC_BD_ALINK_CHK,     IDC_BD_ALINK,     &D::m_strALink,      "ALINK",      "BODY_%dALink",
     {IDC_BD_ALINK_PICK}},
    {D::kVLink,      IDC_BD_VLINK_CHK,     IDC_BD_VLINK,     &D::m_strVLink,      "VLINK",      "BODY_%dVLink",
     {IDC_BD_VLINK_PICK}},
};
// clang-format on
constexpr const char* kFlagValue = "BODY_%dFlag";

}  // namespace

CBodyDlg::CBodyDlg(plat::WindowHandle parent) : CAttrDialog(IDD_BODY, parent) {
  Access a = Fields();
  GovernFields(a, kFields);
}

void CBodyDlg::DoDataExchange(plat::DataExchange& dx) { ExchangeFields(dx, *this, kFields); }

bool CBodyDlg::OnInitDialog() {
  Access a = Fields();
  LoadFields(a, *this, kFields, kFlagValue);
  UpdateData(false);
  ApplyDependents();
  return true;
}

std::string CBodyDlg::Build(int flags) const {
  std::string r = "<BODY";
  BuildFields(*this, kFields, flags, r);
  return r + ">\r\n" + m_strText + "\r\n</BODY>";
}

void CBodyDlg::OnOK() {
  UpdateData(true);
  Access a = Fields();
  const int flags = CheckedFields(a, kFields);
  m_strResult = Build(flags);
  SaveFields(a, *this, kFields, flags, kFlagValue);
  EndDialog(plat::IDOK);
}

void CBodyDlg::PickColor(std::string& field, uint32_t& colour) {
  auto chosen = plat::CurrentBackend().ChooseColor(handle(), colour);
  if (!chosen) return;
  UpdateData(true);
  colour = *chosen;  // the next press in this run starts here
  field = ColorHex(colour);
  UpdateData(false);
}

bool CBodyDlg::OnCommand(int id, int code) {
  if (CAttrDialog::OnCommand(id, code)) return true;
  if (code != plat::kClicked) return false;
  switch (id) {
    case IDC_BD_ONLOAD_BROWSE:
      BrowseInto(m_strOnLoad, "BODY_OnLoadPath", "ロード時のスクリプト指定(onLoad)");
      return true;
    case IDC_BD_ONUNLOAD_BROWSE:
      BrowseInto(m_strOnUnload, "BODY_OnUnloadPath", "アンロード時のスクリプト指定(onUnload)");
      return true;
    // Its own directory value: sharing the field's value would let a
    // browse overwrite the remembered image path with a directory.
    case IDC_BD_BKG_BROWSE:
      BrowseInto(m_strBackGround, "BODY_BackGroundPath", "背景画像の指定(BACKGROUND)");
      return true;
    case IDC_BD_BGCOLOR_PICK: PickColor(m_strBGColor, m_clrBGColor); return true;
    case IDC_BD_TEXT_PICK: PickColor(m_strTextColor, m_clrText); return true;
    case IDC_BD_LINK_PICK: PickColor(m_strLink, m_clrLink); return true;
    case IDC_BD_ALINK_PICK: PickColor(m_strALink, m_clrALink); return true;
    case IDC_BD_VLINK_PICK: PickColor(m_strVLink, m_clrVLink); return true;
    // The edit boxes are taken only once the basic dialog has been confirmed.
    case IDC_BD_ATTR_EDIT: EditOtherAttributes(m_strAttr, false); return true;
  }
  return false;
}

}  // namespace tq
