#include "dialogs/style/list_style_dlg.h"

#include "dialogs/common/text_rules.h"
#include "dialogs/style/style_dlg.h"
#include "plat/text.h"
#include "dialogs/common/value_lists.h"

namespace tq {

namespace {

constexpr FlagBox kBoxes[] = {
    {IDC_LS_TYPE_CHK, CListStyleDlg::kType},
    {IDC_LS_IMAGE_CHK, CListStyleDlg::kImage},
    {IDC_LS_POS_CHK, CListStyleDlg::kPosition},
    {IDC_LS_OTHER_CHK, CListStyleDlg::kOther},
};

}  // namespace

CListStyleDlg::CListStyleDlg(plat::WindowHandle parent) : CAttrDialog(IDD_LIST_STYLE, parent) {
  Governs(IDC_LS_TYPE_CHK, {IDC_LS_TYPE, IDC_LS_TYPE_LIST});
  Governs(IDC_LS_IMAGE_CHK, {IDC_LS_IMAGE, IDC_LS_IMAGE_BROWSE});
  Governs(IDC_LS_POS_CHK, {IDC_LS_OUTSIDE, IDC_LS_INSIDE});
  Governs(IDC_LS_OTHER_CHK, {IDC_LS_OTHER, IDC_LS_OTHER_CHANGE});
}

void CListStyleDlg::DoDataExchange(plat::DataExchange& dx) {
  dx.Text(IDC_LS_TYPE, m_strType);
  dx.Text(IDC_LS_IMAGE, m_strImage);
  dx.Text(IDC_LS_OTHER, m_strOther);
}

bool CListStyleDlg::OnInitDialog() {
  SetTitle(plat::J("リストに関する属性の設定 ") + ElementLabel(m_nTagId));
  Load(m_strType, "LtSyl_%dType", "disc");
  Load(m_strImage, "LtSyl_%dImage");
  Load(m_strOther, "LtSyl_%dOther");
  const int flags = GetSettingInt(Name("LtSyl_%dFlag"));
  CheckBoxes(kBoxes, flags);
  CheckRadio(IDC_LS_OUTSIDE, IDC_LS_INSIDE, (flags & kInside) ? IDC_LS_INSIDE : IDC_LS_OUTSIDE);
  ApplyDependents();
  UpdateData(false);
  return true;
}

std::string CListStyleDlg::Build(int flags) {
  std::string r;
  int stored = 0;
  if (flags & kType) {
    stored |= kType;
    r += "list-style-type:" + m_strType + ";";
    PutSetting(Name("LtSyl_%dType"), m_strType);
  }
  if (flags & kImage) {
    stored |= kImage;
    if (!r.empty()) r += " ";
    r += "list-style-image: url(" + m_strImage + ");";
    PutSetting(Name("LtSyl_%dImage"), m_strImage);
  }
  if (flags & kPosition) {
    // The side is remembered only together with the position box.
    stored |= kPosition | (flags & kInside);
    if (!r.empty()) r += " ";
    r += (flags & kInside) ? "list-style-position:inside;" : "list-style-position:outside;";
  }
  if (flags & kOther) {
    stored |= kOther;
    if (!r.empty()) r += "\r\n";
    r += m_strOther;  // the composer's lines stay as they are
    PutSetting(Name("LtSyl_%dOther"), m_strOther);
  }
  PutSettingInt(Name("LtSyl_%dFlag"), stored);
  return r;
}

void CListStyleDlg::OnOK() {
  UpdateData(true);
  int flags = CheckedBits(kBoxes);
  if (IsChecked(IDC_LS_INSIDE)) flags |= kInside;
  m_strResult = Build(flags);
  EndDialog(plat::IDOK);
}

void CListStyleDlg::Compose() {
  CStyleDlg dlg(handle());
  dlg.Init(m_nTagId, m_strText);
  if (dlg.DoModal() != plat::IDOK) return;
  UpdateData(true);
  m_strOther = dlg.m_strResult;
  UpdateData(false);
}

bool CListStyleDlg::OnCommand(int id, int code) {
  if (CAttrDialog::OnCommand(id, code)) return true;
  if (code != plat::kClicked) return false;
  switch (id) {
    case IDC_LS_TYPE_LIST: ChooseInto(m_strType, list::kListStyleType); return true;
    case IDC_LS_IMAGE_BROWSE:
      BrowseInto(m_strImage, "List_Path", "リストの先頭記号にする画像ファイル");
      return true;
    case IDC_LS_OTHER_CHANGE: Compose(); return true;
  }
  return false;
}

}  // namespace tq
