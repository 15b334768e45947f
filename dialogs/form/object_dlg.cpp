#include "dialogs/form/object_dlg.h"

#include "dialogs/common/text_rules.h"
#include "plat/text.h"
#include "dialogs/common/value_lists.h"

namespace tq {

namespace {

// Check boxes in flag-bit order.
constexpr FlagBox kBoxes[] = {
    {IDC_OB_DECLARE_CHK, CObjectDlg::kDeclare},   {IDC_OB_CLASSID_CHK, CObjectDlg::kClassId},
    {IDC_OB_CODEBASE_CHK, CObjectDlg::kCodeBase}, {IDC_OB_DATA_CHK, CObjectDlg::kData},
    {IDC_OB_TYPE_CHK, CObjectDlg::kType},         {IDC_OB_CODETYPE_CHK, CObjectDlg::kCodeType},
    {IDC_OB_ARCHIVE_CHK, CObjectDlg::kArchive},   {IDC_OB_STANDBY_CHK, CObjectDlg::kStandby},
    {IDC_OB_WIDTH_CHK, CObjectDlg::kWidth},       {IDC_OB_HEIGHT_CHK, CObjectDlg::kHeight},
    {IDC_OB_USEMAP_CHK, CObjectDlg::kUseMap},     {IDC_OB_NAME_CHK, CObjectDlg::kName},
    {IDC_OB_TABINDEX_CHK, CObjectDlg::kTabIndex}, {IDC_OB_ALIGN_CHK, CObjectDlg::kAlign},
    {IDC_OB_BORDER_CHK, CObjectDlg::kBorder},     {IDC_OB_HSPACE_CHK, CObjectDlg::kHSpace},
    {IDC_OB_VSPACE_CHK, CObjectDlg::kVSpace},     {IDC_OB_ATTR_CHK, CObjectDlg::kAttr},
};

}  // namespace

CObjectDlg::CObjectDlg(plat::WindowHandle parent) : CAttrDialog(IDD_OBJECT, parent) {
  Governs(IDC_OB_CLASSID_CHK, {IDC_OB_CLASSID, IDC_OB_CLASSID_BROWSE});
  Governs(IDC_OB_CODEBASE_CHK, {IDC_OB_CODEBASE, IDC_OB_CODEBASE_BROWSE});
  Governs(IDC_OB_DATA_CHK, {IDC_OB_DATA, IDC_OB_DATA_BROWSE});
  Governs(IDC_OB_TYPE_CHK, {IDC_OB_TYPE, IDC_OB_TYPE_LIST});
  Governs(IDC_OB_CODETYPE_CHK, {IDC_OB_CODETYPE, IDC_OB_CODETYPE_LIST});
  Governs(IDC_OB_ARCHIVE_CHK, {IDC_OB_ARCHIVE, IDC_OB_ARCHIVE_ADD});
  Governs(IDC_OB_STANDBY_CHK, {IDC_OB_STANDBY});
  Governs(IDC_OB_WIDTH_CHK, {IDC_OB_WIDTH, IDC_OB_WIDTH_SPIN, IDC_OB_WIDTH_PIX, IDC_OB_WIDTH_PCT});
  Governs(IDC_OB_HEIGHT_CHK, {IDC_OB_HEIGHT, IDC_OB_HEIGHT_SPIN, IDC_OB_HEIGHT_PIX, IDC_OB_HEIGHT_PCT});
  Governs(IDC_OB_USEMAP_CHK, {IDC_OB_USEMAP});
  Governs(IDC_OB_NAME_CHK, {IDC_OB_NAME});
  Governs(IDC_OB_TABINDEX_CHK, {IDC_OB_TABINDEX, IDC_OB_TABINDEX_SPIN});
  Governs(IDC_OB_ALIGN_CHK, {IDC_OB_ALIGN, IDC_OB_ALIGN_LIST});
  Governs(IDC_OB_BORDER_CHK, {IDC_OB_BORDER, IDC_OB_BORDER_SPIN, IDC_OB_BORDER_PIX, IDC_OB_BORDER_PCT});
  Governs(IDC_OB_HSPACE_CHK, {IDC_OB_HSPACE, IDC_OB_HSPACE_SPIN});
  Governs(IDC_OB_VSPACE_CHK, {IDC_OB_VSPACE, IDC_OB_VSPACE_SPIN});
  Governs(IDC_OB_ATTR_CHK, {IDC_OB_ATTR, IDC_OB_ATTR_EDIT});
}

void CObjectDlg::DoDataExchange(plat::DataExchange& dx) {
  dx.Text(IDC_OB_ALIGN, m_strAlign);
  dx.Text(IDC_OB_ARCHIVE, m_strArchive);
  dx.Text(IDC_OB_BORDER, m_strBorder);
  dx.Text(IDC_OB_CLASSID, m_strClassId);
  dx.Text(IDC_OB_CODEBASE, m_strCodeBase);
  dx.Text(IDC_OB_CODETYPE, m_strCodeType);
  dx.Text(IDC_OB_DATA, m_strData);
  dx.Text(IDC_OB_HEIGHT, m_strHeight);
  dx.Text(IDC_OB_HSPACE, m_strHSpace);
  dx.Text(IDC_OB_NAME, m_strName);
  dx.Text(IDC_OB_ATTR, m_strAttr);
  dx.Text(IDC_OB_STANDBY, m_strStandby);
  dx.Text(IDC_OB_TABINDEX, m_strTabIndex);
  dx.Text(IDC_OB_TYPE, m_strType);
  dx.Text(IDC_OB_USEMAP, m_strUseMap);
  dx.Text(IDC_OB_VSPACE, m_strVSpace);
  dx.Text(IDC_OB_WIDTH, m_strWidth);
}

bool CObjectDlg::OnInitDialog() {
  for (int spin : {IDC_OB_WIDTH_SPIN, IDC_OB_HEIGHT_SPIN, IDC_OB_BORDER_SPIN, IDC_OB_HSPACE_SPIN,
                   IDC_OB_VSPACE_SPIN})
    impl().SetUpDownRange(spin, 0, 32767);
  impl().SetUpDownRange(IDC_OB_TABINDEX_SPIN, 1, 32767);
  SetTitle(ElementLabel(m_nTagId) + plat::J("の設定"));

  Load(m_strClassId, "OBJ_%dCID");
  Load(m_strCodeBase, "OBJ_%dCBASE");
  Load(m_strData, "OBJ_%dData");
  Load(m_strType, "OBJ_%dType");
  Load(m_strCodeType, "OBJ_%dCType");
  Load(m_strArchive, "OBJ_%dArc");
  Load(m_strStandby, "OBJ_%dStdby");
  Load(m_strWidth, "OBJ_%dWidth");
  Load(m_strHeight, "OBJ_%dHeight");
  Load(m_strUseMap, "OBJ_%dUsemap");
  Load(m_strName, "OBJ_%dName");
  Load(m_strTabIndex, "OBJ_%dTbIdx", "1");
  Load(m_strAlign, "OBJ_%dAlign");
  Load(m_strBorder, "OBJ_%dBorder");
  Load(m_strHSpace, "OBJ_%dHSpace");
  Load(m_strVSpace, "OBJ_%dVSpace");
  Load(m_strAttr, "OBJ_%dAttr");
  const int flags = GetSettingInt(Name("OBJ_%dFlag"));

  CheckBoxes(kBoxes, flags);
  CheckRadio(IDC_OB_WIDTH_PIX, IDC_OB_WIDTH_PCT, (flags & kWidthPct) ? IDC_OB_WIDTH_PCT : IDC_OB_WIDTH_PIX);
  CheckRadio(IDC_OB_HEIGHT_PIX, IDC_OB_HEIGHT_PCT,
             (flags & kHeightPct) ? IDC_OB_HEIGHT_PCT : IDC_OB_HEIGHT_PIX);
  CheckRadio(IDC_OB_BORDER_PIX, IDC_OB_BORDER_PCT,
             (flags & kBorderPct) ? IDC_OB_BORDER_PCT : IDC_OB_BORDER_PIX);

  if (IsApplet()) {
    for (int c : {IDC_OB_DECLARE_CHK, IDC_OB_CLASSID_CHK, IDC_OB_TYPE_CHK, IDC_OB_CODETYPE_CHK,
                  IDC_OB_TABINDEX_CHK, IDC_OB_BORDER_CHK})
      Withdraw(c);
    SetItemText(IDC_OB_DATA_CHK, "CODE");
    SetItemText(IDC_OB_STANDBY_CHK, "OBJECT");
    SetItemText(IDC_OB_USEMAP_CHK, "ALT");
  }

  UpdateData(false);
  ApplyDependents();
  return true;
}

int CObjectDlg::FlagsFromControls() const {
  int flags = CheckedBits(kBoxes);
  // A unit is kept only with the box that offers it.
  if ((flags & kWidth) && IsChecked(IDC_OB_WIDTH_PCT)) flags |= kWidthPct;
  if ((flags & kHeight) && IsChecked(IDC_OB_HEIGHT_PCT)) flags |= kHeightPct;
  if ((flags & kBorder) && IsChecked(IDC_OB_BORDER_PCT)) flags |= kBorderPct;
  return flags;
}

std::string CObjectDlg::Build(int flags) {
  const bool applet = IsApplet();
  std::string r = applet ? "<APPLET" : "<OBJECT";
  if (flags & kDeclare) r += " DECLARE";
  PutAttr(r, flags & kClassId, "CLASSID", m_strClassId, "OBJ_%dCID");
  PutAttr(r, flags & kCodeBase, "CODEBASE", m_strCodeBase, "OBJ_%dCBASE");
  PutAttr(r, flags & kData, applet ? "CODE" : "DATA", m_strData, "OBJ_%dData");
  PutAttr(r, flags & kType, "TYPE", m_strType, "OBJ_%dType");
  PutAttr(r, flags & kCodeType, "CODETYPE", m_strCodeType, "OBJ_%dCType");
  PutAttr(r, flags & kArchive, "ARCHIVE", m_strArchive, "OBJ_%dArc");
  PutAttr(r, flags & kStandby, applet ? "OBJECT" : "STANDBY", m_strStandby, "OBJ_%dStdby");
  // A pixel length carries no unit; only a percentage is marked.
  PutAttr(r, flags & kWidth, "WIDTH", m_strWidth, (flags & kWidthPct) ? "%" : "", "OBJ_%dWidth");
  PutAttr(r, flags & kHeight, "HEIGHT", m_strHeight, (flags & kHeightPct) ? "%" : "", "OBJ_%dHeight");
  PutAttr(r, flags & kUseMap, applet ? "ALT" : "USEMAP", m_strUseMap, "OBJ_%dUsemap");
  PutAttr(r, flags & kName, "NAME", m_strName, "OBJ_%dName");
  PutAttr(r, flags & kTabIndex, "TABINDEX", m_strTabIndex, "OBJ_%dTbIdx");
  PutAttr(r, flags & kAlign, "ALIGN", m_strAlign, "OBJ_%dAlign");
  PutAttr(r, flags & kBorder, "BORDER", m_strBorder, (flags & kBorderPct) ? "%" : "", "OBJ_%dBorder");
  PutAttr(r, flags & kHSpace, "HSPACE", m_strHSpace, "OBJ_%dHSpace");
  PutAttr(r, flags & kVSpace, "VSPACE", m_strVSpace, "OBJ_%dVSpace");
  PutOtherAttr(r, flags & kAttr, m_strAttr, "OBJ_%dAttr");
  PutSettingInt(Name("OBJ_%dFlag"), flags);
  return r + ">" + m_strText + (applet ? "</APPLET>" : "</OBJECT>");
}

void CObjectDlg::OnOK() {
  UpdateData(true);
  m_strResult = Build(FlagsFromControls());
  EndDialog(plat::IDOK);
}

// An OBJECT's archives are a list of URIs separated by blanks; an APPLET's
// are separated by commas, which the applet loader trims.
void CObjectDlg::AddArchive() {
  std::string chosen;
  if (!BrowseInto(chosen, "Obj_ArchivePath", "Archiveリソースの追加")) return;
  if (!m_strArchive.empty()) m_strArchive += IsApplet() ? ", " : " ";
  m_strArchive += chosen;
  UpdateData(false);
}

bool CObjectDlg::OnCommand(int id, int code) {
  if (CAttrDialog::OnCommand(id, code)) return true;
  if (code != plat::kClicked) return false;
  switch (id) {
    case IDC_OB_CLASSID_BROWSE: BrowseInto(m_strClassId, "Obj_ClassIDPath", "CLASSIDの設定"); return true;
    case IDC_OB_CODEBASE_BROWSE:
      BrowseInto(m_strCodeBase, "Obj_CodebasePath", "CODEBASEの設定");
      return true;
    case IDC_OB_DATA_BROWSE:
      BrowseInto(m_strData, "Obj_DataPath", IsApplet() ? "アプレットCODEの設定" : "オブジェクトDATAの設定");
      return true;
    case IDC_OB_ARCHIVE_ADD: AddArchive(); return true;
    case IDC_OB_TYPE_LIST: ChooseInto(m_strType, list::kMime); return true;
    case IDC_OB_CODETYPE_LIST: ChooseInto(m_strCodeType, list::kMime); return true;
    case IDC_OB_ALIGN_LIST: ChooseInto(m_strAlign, list::kObjectAlign); return true;
    case IDC_OB_ATTR_EDIT: EditOtherAttributes(m_strAttr); return true;
  }
  return false;
}

}  // namespace tq
