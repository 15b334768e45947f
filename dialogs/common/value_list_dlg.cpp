#include "dialogs/common/value_list_dlg.h"

#include "dialogs/common/value_lists.h"
#include "plat/text.h"

namespace tq {

std::string CValueListDlg::ValueOf(int listNumber, const std::string& entry) {
  // Two-word positions ("left top (左上隅)") keep both words.
  size_t blank = listNumber == list::kBackgroundPosition ? entry.rfind(' ') : entry.find(' ');
  return blank == std::string::npos ? entry : entry.substr(0, blank);
}

bool CValueListDlg::OnInitDialog() {
  if (const ValueList* l = FindValueList(m_nList)) {
    SetTitle(plat::J(l->title));
    for (int i = 0; i < l->count; ++i) impl().ListAdd(IDC_VL_LIST, plat::J(l->entries[i]));
  }
  return true;
}

void CValueListDlg::OnOK() {
  int sel = impl().ListCurSel(IDC_VL_LIST);
  m_strResult = sel < 0 ? std::string() : ValueOf(m_nList, impl().ListText(IDC_VL_LIST, sel));
  EndDialog(plat::IDOK);
}

bool CValueListDlg::OnCommand(int id, int code) {
  if (id == IDC_VL_LIST && code == plat::kDblClk) {
    OnOK();
    return true;
  }
  return false;
}

}  // namespace tq
