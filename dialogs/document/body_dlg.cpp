#include "dialogs/document/body_dlg.h"

#include "dialogs/common/text_rules.h"
#include "plat/backend.h"

namespace tq {

namespace {

// Check boxes in flag-bit order.
constexpr FlagBox kBoxes[] = {
    {IDC_BD_ONLOAD_CHK, CBodyDlg::kOnLoad},   {IDC_BD_ONUNLOAD_CHK, CBodyDlg::kOnUnload},
    {IDC_BD_ATTR_CHK, CBodyDlg::kAttr},       {IDC_BD_BKG_CHK, CBodyDlg::kBackGround},
    {IDC_BD_BGCOLOR_CHK, CBodyDlg::kBGColor}, {IDC_BD_TEXT_CHK, CBodyDlg::kText},
    {IDC_BD_LINK_CHK, CBodyDlg::kLink},       {IDC_BD_ALINK_CHK, CBodyDlg::kALink},
    {IDC_BD_VLINK_CHK, CBodyDlg::kVLink},
};

}  // namespace

CBodyDlg::CBodyDlg(plat::WindowHandle parent) : CAttrDialog(IDD_BODY, parent) {
  Governs(IDC_BD_ONLOAD_CHK, {IDC_BD_ONLOAD, IDC_BD_ONLOAD_BROWSE});
  Governs(IDC_BD_ONUNLOAD_CHK, {IDC_BD_ONUNLOAD, IDC_BD_ONUNLOAD_BROWSE});
  Governs(IDC_BD_ATTR_CHK, {IDC_BD_ATTR, IDC_BD_ATTR_EDIT});
  Governs(IDC_BD_BKG_CHK, {IDC_BD_BKG, IDC_BD_BKG_BROWSE});
  Governs(IDC_BD_BGCOLOR_CHK, {IDC_BD_BGCOLOR, IDC_BD_BGCOLOR_PICK});
  Governs(IDC_BD_TEXT_CHK, {IDC_BD_TEXT, IDC_BD_TEXT_PICK});
  Governs(IDC_BD_LINK_CHK, {IDC_BD_LINK, IDC_BD_LINK_PICK});
  Governs(IDC_BD_ALINK_CHK, {IDC_BD_ALINK, IDC_BD_ALINK_PICK});
  Governs(IDC_BD_VLINK_CHK, {IDC_BD_VLINK, IDC_BD_VLINK_PICK});
}

void CBodyDlg::DoDataExchange(plat::DataExchange& dx) {
  dx.Text(IDC_BD_ALINK, m_strALink);
  dx.Text(IDC_BD_BKG, m_strBackGround);
  dx.Text(IDC_BD_BGCOLOR, m_strBGColor);
  dx.Text(IDC_BD_LINK, m_strLink);
  dx.Text(IDC_BD_ONLOAD, m_strOnLoad);
  dx.Text(IDC_BD_ONUNLOAD, m_strOnUnload);
  dx.Text(IDC_BD_ATTR, m_strAttr);
  dx.Text(IDC_BD_TEXT, m_strTextColor);
  dx.Text(IDC_BD_VLINK, m_strVLink);
}

bool CBodyDlg::OnInitDialog() {
  Load(m_strOnLoad, "BODY_%dOnLoad");
  Load(m_strOnUnload, "BODY_%dOnUnload");
  Load(m_strAttr, "BODY_%dAttr");
  Load(m_strBackGround, "BODY_%dBackGround");
  Load(m_strBGColor, "BODY_%dBGColor");
  Load(m_strTextColor, "BODY_%dText");
  Load(m_strLink, "BODY_%dLink");
  Load(m_strALink, "BODY_%dALink");
  Load(m_strVLink, "BODY_%dVLink");
  CheckBoxes(kBoxes, GetSettingInt(Name("BODY_%dFlag")));
  UpdateData(false);
  ApplyDependents();
  return true;
}

std::string CBodyDlg::Build(int flags) {
  std::string r = "<BODY";
  PutAttr(r, flags & kOnLoad, "onLoad", m_strOnLoad, "BODY_%dOnLoad");
  PutAttr(r, flags & kOnUnload, "onUnload", m_strOnUnload, "BODY_%dOnUnload");
  PutOtherAttr(r, flags & kAttr, m_strAttr, "BODY_%dAttr");
  PutAttr(r, flags & kBackGround, "BACKGROUND", m_strBackGround, "BODY_%dBackGround");
  PutAttr(r, flags & kBGColor, "BGCOLOR", m_strBGColor, "BODY_%dBGColor");
  PutAttr(r, flags & kText, "TEXT", m_strTextColor, "BODY_%dText");
  PutAttr(r, flags & kLink, "LINK", m_strLink, "BODY_%dLink");
  PutAttr(r, flags & kALink, "ALINK", m_strALink, "BODY_%dALink");
  PutAttr(r, flags & kVLink, "VLINK", m_strVLink, "BODY_%dVLink");
  PutSettingInt(Name("BODY_%dFlag"), flags);
  r += ">\r\n" + m_strText + "\r\n</BODY>";
  return r;
}

void CBodyDlg::OnOK() {
  UpdateData(true);
  m_strResult = Build(CheckedBits(kBoxes));
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

void RunBodyDlg(plat::WindowHandle parent, std::string& buffer, int id) {
  RunDialog<CBodyDlg>(parent, buffer, id);
}

}  // namespace tq
