#include "dialogs/form/object_dlg.h"

#include "dialogs/common/fields.h"
#include "dialogs/common/value_lists.h"
#include "plat/text.h"

namespace tq {

namespace {

using D = CObjectDlg;
// A pixel length carries no unit; only a percentage is marked.
constexpr const char* kUnitWords[] = {"", "%"};
constexpr RadioBits kWidthUnit = {IDC_OB_WIDTH_PIX, 2, D::kWidthPct, kUnitWords};
constexpr RadioBits kHeightUnit = {IDC_OB_HEIGHT_PIX, 2, D::kHeightPct, kUnitWords};
constexpr RadioBits kBorderUnit = {IDC_OB_BORDER_PIX, 2, D::kBorderPct, kUnitWords};
// An APPLET builds CODE, OBJECT and ALT from the boxes OBJECT calls DATA,
// STANDBY and USEMAP: rows of their own, turned on in their place.
// clang-format off
constexpr Field<D> kFields[] = {
    // bit          check box            edit box          member             attribute   value
    {D::kDeclare,   IDC_OB_DECLARE_CHK,  0,                nullptr,            "DECLARE",  nullptr,
     {}, Emit::Word},
    {D::kClassId,   IDC_OB_CLASSID_CHK,  IDC_OB_CLASSID,   &D::m_strClassId,   "CLASSID",  "OBJ_%dCID",
     {IDC_OB_CLASSID_BROWSE}},
    {D::kCodeBase,  IDC_OB_CODEBASE_CHK, IDC_OB_CODEBASE,  &D::m_strCodeBase,  "CODEBASE", "OBJ_%dCBASE",
     {IDC_OB_CODEBASE_BROWSE}},
    {D::kData,      IDC_OB_DATA_CHK,     IDC_OB_DATA,      &D::m_strData,      "DATA",     "OBJ_%dData",
     {IDC_OB_DATA_BROWSE}},
    {D::kCodeOn,    0,                   0,                &D::m_strData,      "CODE",     "OBJ_%dData"},
    {D::kType,      IDC_OB_TYPE_CHK,     IDC_OB_TYPE,      &D::m_strType,      "TYPE",     "OBJ_%dType",
     {IDC_OB_TYPE_LIST}},
    {D::kCodeType,  IDC_OB_CODETYPE_CHK, IDC_OB_CODETYPE,  &D::m_strCodeType,  "CODETYPE", "OBJ_%dCType",
     {IDC_OB_CODETYPE_LIST}},
    {D::kArchive,   IDC_OB_ARCHIVE_CHK,  IDC_OB_ARCHIVE,   &D::m_strArchive,   "ARCHIVE",  "OBJ_%dArc",
     {IDC_OB_ARCHIVE_ADD}},
    {D::kStandby,   IDC_OB_STANDBY_CHK,  IDC_OB_STANDBY,   &D::m_strStandby,   "STANDBY",  "OBJ_%dStdby"},
    {D::kObjectOn,  0,                   0,                &D::m_strStandby,   "OBJECT",   "OBJ_%dStdby"},
    {D::kWidth,     IDC_OB_WIDTH_CHK,    IDC_OB_WIDTH,     &D::m_strWidth,     "WIDTH",    "OBJ_%dWidth",
     {IDC_OB_WIDTH_SPIN}, Emit::Unit, "", &kWidthUnit},
    {D::kHeight,    IDC_OB_HEIGHT_CHK,   IDC_OB_HEIGHT,    &D::m_strHeight,    "HEIGHT",   "OBJ_%dHeight",
     {IDC_OB_HEIGHT_SPIN}, Emit::Unit, "", &kHeightUnit},
    {D::kUseMap,    IDC_OB_USEMAP_CHK,   IDC_OB_USEMAP,    &D::m_strUseMap,    "USEMAP",   "OBJ_%dUsemap"},
    {D::kAltOn,     0,                   0,                &D::m_strUseMap,    "ALT",      "OBJ_%dUsemap"},
    {D::kName,      IDC_OB_NAME_CHK,     IDC_OB_NAME,      &D::m_strName,      "NAME",     "OBJ_%dName"},
    {D::kTabIndex,  IDC_OB_TABINDEX_CHK, IDC_OB_TABINDEX,  &D::m_strTabIndex,  "TABINDEX", "OBJ_%dTbIdx",
     {IDC_OB_TABINDEX_SPIN}, Emit::Attr, "1"},
    {D::kAlign,     IDC_OB_ALIGN_CHK,    IDC_OB_ALIGN,     &D::m_strAlign,     "ALIGN",    "OBJ_%dAlign",
     {IDC_OB_ALIGN_LIST}},
    {D::kBorder,    IDC_OB_BORDER_CHK,   IDC_OB_BORDER,    &D::m_strBorder,    "BORDER",   "OBJ_%dBorder",
     {IDC_OB_BORDER_SPIN}, Emit::Unit, "", &kBorderUnit},
    {D::kHSpace,    IDC_OB_HSPACE_CHK,   IDC_OB_HSPACE,    &D::m_strHSpace,    "HSPACE",   "OBJ_%dHSpace",
     {IDC_OB_HSPACE_SPIN}},
    {D::kVSpace,    IDC_OB_VSPACE_CHK,   IDC_OB_VSPACE,    &D::m_strVSpace,    "VSPACE",   "OBJ_%dVSpace",
     {IDC_OB_VSPACE_SPIN}},
    {D::kAttr,      IDC_OB_ATTR_CHK,     IDC_OB_ATTR,      &D::m_strAttr,      nullptr,    "OBJ_%dAttr",
     {IDC_OB_ATTR_EDIT}, Emit::Other},
};
// clang-format on
constexpr const char* kFlagValue = "OBJ_%dFlag";
// Each APPLET row's bit with the OBJECT box it stands in for.
constexpr int kAppletRows[][2] = {{D::kData, D::kCodeOn}, {D::kStandby, D::kObjectOn}, {D::kUseMap, D::kAltOn}};
constexpr int kAppletBits = D::kCodeOn | D::kObjectOn | D::kAltOn;

}  // namespace

CObjectDlg::CObjectDlg(plat::WindowHandle parent) : CAttrDialog(IDD_OBJECT, parent) {
  Access a = Fields();
  GovernFields(a, kFields);
}

void CObjectDlg::DoDataExchange(plat::DataExchange& dx) { ExchangeFields(dx, *this, kFields); }

bool CObjectDlg::OnInitDialog() {
  for (int spin : {IDC_OB_WIDTH_SPIN, IDC_OB_HEIGHT_SPIN, IDC_OB_BORDER_SPIN, IDC_OB_HSPACE_SPIN, IDC_OB_VSPACE_SPIN})
    impl().SetUpDownRange(spin, 0, 32767);
  impl().SetUpDownRange(IDC_OB_TABINDEX_SPIN, 1, 32767);
  SetTitle(ElementLabel(m_nTagId) + plat::J("の設定"));

  Access a = Fields();
  LoadFields(a, *this, kFields, kFlagValue);

  if (IsApplet()) {
    for (int c : {IDC_OB_DECLARE_CHK, IDC_OB_CLASSID_CHK, IDC_OB_TYPE_CHK, IDC_OB_CODETYPE_CHK, IDC_OB_TABINDEX_CHK,
                  IDC_OB_BORDER_CHK})
      Withdraw(c);
    SetItemText(IDC_OB_DATA_CHK, "CODE");
    SetItemText(IDC_OB_STANDBY_CHK, "OBJECT");
    SetItemText(IDC_OB_USEMAP_CHK, "ALT");
  }

  UpdateData(false);
  ApplyDependents();
  return true;
}

std::string CObjectDlg::Build(int flags) const {
  const bool applet = IsApplet();
  std::string r = applet ? "<APPLET" : "<OBJECT";
  BuildFields(*this, kFields, flags, r);
  return r + ">" + m_strText + (applet ? "</APPLET>" : "</OBJECT>");
}

void CObjectDlg::OnOK() {
  UpdateData(true);
  Access a = Fields();
  const int word = CheckedFields(a, kFields) & ~kAppletBits;
  int flags = word;
  if (IsApplet())
    for (const auto& row : kAppletRows)
      if (flags & row[0]) flags = (flags & ~row[0]) | row[1];
  m_strResult = Build(flags);
  SaveFields(a, *this, kFields, flags, kFlagValue, word);
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
    case IDC_OB_CODEBASE_BROWSE: BrowseInto(m_strCodeBase, "Obj_CodebasePath", "CODEBASEの設定"); return true;
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
