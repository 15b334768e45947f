#include "dialogs/form/frame_set_dlg.h"

#include "dialogs/common/text_rules.h"

namespace tq {

namespace {

constexpr FlagBox kBoxes[] = {
    {IDC_FS_ROWS_CHK, CFrameSetDlg::kRows},         {IDC_FS_COLS_CHK, CFrameSetDlg::kCols},
    {IDC_FS_ONLOAD_CHK, CFrameSetDlg::kOnLoad},     {IDC_FS_ONUNLOAD_CHK, CFrameSetDlg::kOnUnload},
    {IDC_FS_ATTR_CHK, CFrameSetDlg::kAttr},
};

}  // namespace

CFrameSetDlg::CFrameSetDlg(plat::WindowHandle parent) : CAttrDialog(IDD_FRAMESET, parent) {
  Governs(IDC_FS_ROWS_CHK, {IDC_FS_ROWS});
  Governs(IDC_FS_COLS_CHK, {IDC_FS_COLS});
  Governs(IDC_FS_ONLOAD_CHK, {IDC_FS_ONLOAD, IDC_FS_ONLOAD_BROWSE});
  Governs(IDC_FS_ONUNLOAD_CHK, {IDC_FS_ONUNLOAD, IDC_FS_ONUNLOAD_BROWSE});
  Governs(IDC_FS_ATTR_CHK, {IDC_FS_ATTR, IDC_FS_ATTR_EDIT});
}

void CFrameSetDlg::DoDataExchange(plat::DataExchange& dx) {
  dx.Text(IDC_FS_COLS, m_strCols);
  dx.Text(IDC_FS_ATTR, m_strAttr);
  dx.Text(IDC_FS_ONLOAD, m_strOnLoad);
  dx.Text(IDC_FS_ONUNLOAD, m_strOnUnload);
  dx.Text(IDC_FS_ROWS, m_strRows);
}

bool CFrameSetDlg::OnInitDialog() {
  Load(m_strRows, "FRSET_%dRows");
  Load(m_strCols, "FRSET_%dCols");
  Load(m_strOnLoad, "FRSET_%dOnLoad");
  Load(m_strOnUnload, "FRSET_%dOnUnload");
  Load(m_strAttr, "FRSET_%dAttr");
  const int flags = GetSettingInt(Name("FRSET_%dFlag"));
  CheckBoxes(kBoxes, flags);
  UpdateData(false);
  ApplyDependents();
  return true;
}

std::string CFrameSetDlg::Build(int flags) {
  std::string r = "<FRAMESET";
  PutAttr(r, flags & kRows, "ROWS", m_strRows, "FRSET_%dRows");
  PutAttr(r, flags & kCols, "COLS", m_strCols, "FRSET_%dCols");
  PutAttr(r, flags & kOnLoad, "onLoad", m_strOnLoad, "FRSET_%dOnLoad");
  PutAttr(r, flags & kOnUnload, "onUnload", m_strOnUnload, "FRSET_%dOnUnload");
  PutOtherAttr(r, flags & kAttr, m_strAttr, "FRSET_%dAttr");
  r += ">\r\n" + m_strText + "\r\n</FRAMESET>";
  PutSettingInt(Name("FRSET_%dFlag"), flags);
  return r;
}

void CFrameSetDlg::OnOK() {
  UpdateData(true);
  int flags = CheckedBits(kBoxes);
  m_strResult = Build(flags);
  EndDialog(plat::IDOK);
}

bool CFrameSetDlg::OnCommand(int id, int code) {
  if (CAttrDialog::OnCommand(id, code)) return true;
  if (code != plat::kClicked) return false;
  switch (id) {
    case IDC_FS_ONLOAD_BROWSE:
      BrowseInto(m_strOnLoad, "FRSET_OnLoadPath", "OnLoadスクリプトの設定");
      return true;
    case IDC_FS_ONUNLOAD_BROWSE:
      BrowseInto(m_strOnUnload, "FRSET_OnUnloadPath", "OnUnloadスクリプトの設定");
      return true;
    case IDC_FS_ATTR_EDIT: EditOtherAttributes(m_strAttr); return true;
  }
  return false;
}

void RunFrameSetDlg(plat::WindowHandle parent, std::string& buffer, int id) {
  RunDialog<CFrameSetDlg>(parent, buffer, id);
}

}  // namespace tq
