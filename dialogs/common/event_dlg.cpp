#include "dialogs/common/event_dlg.h"

#include "dialogs/common/fields.h"
#include "plat/backend.h"
#include "plat/text.h"

namespace tq {

namespace {

const char* const kEvents[] = {
    "onLoad",      "onUnload",   "onClick",    "onDblClick", "onMouseDown", "onMouseUp",
    "onMouseOver", "onMouseMove", "onMouseOut", "onFocus",   "onBlur",      "onKeyPress",
    "onKeyDown",   "onKeyUp",    "onSubmit",   "onReset",    "onSelect",    "onChange",
};

// No check boxes and no flag word: the pairs are the result as they stand
// and the one text remembered.
using D = CEventDlg;
// clang-format off
constexpr Field<D> kFields[] = {
    // bit check box edit box        member           attribute value
    {0,    0,        IDC_EV_EVENT,   &D::m_strEvent,  nullptr,  nullptr,        {}, Emit::None},
    {0,    0,        IDC_EV_SCRIPT,  &D::m_strScript, nullptr,  nullptr,        {}, Emit::None},
    {0,    0,        IDC_EV_PAIRS,   &D::m_strPairs,  nullptr,  "Evnt_%dEvnts", {}, Emit::None},
};
// clang-format on

}  // namespace

void CEventDlg::DoDataExchange(plat::DataExchange& dx) { ExchangeFields(dx, *this, kFields); }

bool CEventDlg::OnInitDialog() {
  for (const char* e : kEvents) impl().ListAdd(IDC_EV_LIST, e);
  Access a = Fields();
  LoadFields(a, *this, kFields, nullptr);
  UpdateData(false);
  return true;
}

void CEventDlg::AddPair() {
  UpdateData(true);
  if (m_strEvent.empty()) {
    Message("イベントが指定されていません。");
    return;
  }
  if (m_strScript.empty()) {
    Message("スクリプトが指定されていません。");
    return;
  }
  if (!m_strPairs.empty()) m_strPairs += "\r\n";
  m_strPairs += m_strEvent + " = \"" + m_strScript + "\"";
  UpdateData(false);
}

// The browse convention, with a title that names the event being set
// ("onClickで起動するスクリプト").
void CEventDlg::BrowseScript() {
  UpdateData(true);
  std::string path = GetSetting("Evnt_Path");
  std::string title = m_strEvent.empty() ? std::string() : m_strEvent + plat::J("で");
  title += plat::J("起動するスクリプト");
  if (!BrowsePath(handle(), path, title)) return;
  m_strScript = path;
  UpdateData(false);
  std::string dir;
  if (plat::DirectoryOf(path, &dir)) PutSetting("Evnt_Path", dir);
}

void CEventDlg::OnOK() {
  UpdateData(true);
  m_strResult = m_strPairs;
  Access a = Fields();
  SaveFields(a, *this, kFields, 0, nullptr);
  EndDialog(plat::IDOK);
}

bool CEventDlg::OnCommand(int id, int code) {
  if (id == IDC_EV_LIST && code == plat::kSelChange) {
    int sel = impl().ListCurSel(IDC_EV_LIST);
    if (sel < 0) return true;
    UpdateData(true);
    m_strEvent = impl().ListText(IDC_EV_LIST, sel);
    UpdateData(false);
    return true;
  }
  if (code != plat::kClicked) return false;
  switch (id) {
    case IDC_EV_BROWSE: BrowseScript(); return true;
    case IDC_EV_ADD: AddPair(); return true;
  }
  return false;
}

}  // namespace tq
