#include "dialogs/form/frame_set_dlg.h"

#include "dialogs/common/fields.h"
#include "dialogs/common/text_rules.h"

namespace tq {

namespace {

using D = CFrameSetDlg;
// clang-format off
constexpr Field<D> kFields[] = {
    // bit         check box             edit box          member             attribute   value
    {D::kRows,     IDC_FS_ROWS_CHK,      IDC_FS_ROWS,      &D::m_strRows,     "ROWS",     "FRSET_%dRows"},
    {D::kCols,     IDC_FS_COLS_CHK,      IDC_FS_COLS,      &D::m_strCols,     "COLS",     "FRSET_%dCols"},
    {D::kOnLoad,   IDC_FS_ONLOAD_CHK,    IDC_FS_ONLOAD,    &D::m_strOnLoad,   "onLoad",   "FRSET_%dOnLoad",
     {IDC_FS_ONLOAD_BROWSE}},
    {D::kOnUnload, IDC_FS_ONUNLOAD_CHK,  IDC_FS_ONUNLOAD,  &D::m_strOnUnload, "onUnload", "FRSET_%dOnUnload",
     {IDC_FS_ONUNLOAD_BROWSE}},
    {D::kAttr,     IDC_FS_ATTR_CHK,      IDC_FS_ATTR,      &D::m_strAttr,     nullptr,    "FRSET_%dAttr",
     {IDC_FS_ATTR_EDIT}, Emit::Other},
};
// clang-format on
constexpr const char* kFlagValue = "FRSET_%dFlag";

}  // namespace

CFrameSetDlg::CFrameSetDlg(plat::WindowHandle parent) : CAttrDialog(IDD_FRAMESET, parent) {
  Access a = Fields();
  GovernFields(a, kFields);
}

void CFrameSetDlg::DoDataExchange(plat::DataExchange& dx) { ExchangeFields(dx, *this, kFields); }

bool CFrameSetDlg::OnInitDialog() {
  Access a = Fields();
  LoadFields(a, *this, kFields, kFlagValue);
  UpdateData(false);
  ApplyDependents();
  return true;
}

std::string CFrameSetDlg::Build(int flags) const {
  std::string r = "<FRAMESET";
  BuildFields(*this, kFields, flags, r);
  return r + ">\r\n" + m_strText + "\r\n</FRAMESET>";
}

void CFrameSetDlg::OnOK() {
  UpdateData(true);
  Access a = Fields();
  const int flags = CheckedFields(a, kFields);
  m_strResult = Build(flags);
  SaveFields(a, *this, kFields, flags, kFlagValue);
  EndDialog(plat::IDOK);
}

bool CFrameSetDlg::OnCommand(int id, int code) {
  if (CAttrDialog::OnCommand(id, code)) return true;
  if (code != plat::kClicked) return false;
  switch (id) {
    case IDC_FS_ONLOAD_BROWSE: BrowseInto(m_strOnLoad, "FRSET_OnLoadPath", "OnLoadスクリプトの設定"); return true;
    case IDC_FS_ONUNLOAD_BROWSE:
      BrowseInto(m_strOnUnload, "FRSET_OnUnloadPath", "OnUnloadスクリプトの設定");
      return true;
    case IDC_FS_ATTR_EDIT: EditOtherAttributes(m_strAttr); return true;
  }
  return false;
}

}  // namespace tq
