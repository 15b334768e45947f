#include "toolbox/tb_set_page.h"

#include "res/string_table.h"
#include "dialogs/common/attr_dialog.h"
#include "plat/backend.h"
#include "plat/text.h"
#include "toolbox/toolbox.h"
#include "res/commands.h"

using namespace tq;

namespace {

// The all-commands entry of id: its tooltip, or the whole text without one.
void AppendTooltipEntry(CTBSetPage& page, int id, CCmdList& list) {
  const char* text = LoadTagString(id);
  if (!text) return;
  std::string t = text;
  size_t lf = t.find('\n');
  if (lf != std::string::npos) t = t.substr(lf + 1);
  list.Append(new CTBCmd(id, t));
  page.impl().ListAdd(IDC_TBS_ALL, t);
}

}  // namespace

CTBSetPage::~CTBSetPage() {
  DeleteCommands(m_all);
  DeleteCommands(m_list);
}

bool CTBSetPage::OnInitDialog() {
  const int app = m_nApp;
  for (int first : {static_cast<int>(cmd::kNewTransitional), static_cast<int>(cmd::kInlineFirst)}) {
    const int last = first == cmd::kNewTransitional ? cmd::kBlockLast : cmd::kInlineLast;
    for (int id = first; id <= last; ++id) {
      AppendTooltipEntry(*this, id, m_all);
      AppendTooltipEntry(*this, id + cmd::kDetailOffset, m_all);
    }
  }
  LoadPageCommands(m_list, app, m_nPage);
  FillList();
  m_bDefault = GetSetting(ToolBoxName(kCmdValue, app, m_nPage)).empty();
  m_bModified = false;
  m_strTitle = GetSetting(ToolBoxName(kTitleValue, app, m_nPage), DefaultPageTitle(m_nPage));
  m_strTitleRead = m_strTitle;
  UpdateData(false);
  return true;
}

void CTBSetPage::DoDataExchange(plat::DataExchange& dx) { dx.Text(IDC_TBS_TITLE, m_strTitle); }

void CTBSetPage::FillList() {
  impl().ListReset(IDC_TBS_LIST);
  for (CCmdNode* n = m_list.GetFirst(); n; n = m_list.GetNext())
    impl().ListAdd(IDC_TBS_LIST, static_cast<CTBCmd*>(n)->m_strLabel);
}

int CTBSetPage::Ask(const char* text, const char* caption, unsigned flags) {
  return plat::CurrentBackend().MessageBox(handle(), plat::J(text), plat::J(caption), flags);
}

bool CTBSetPage::OnCommand(int id, int code) {
  if (code == plat::kDblClk && id == IDC_TBS_ALL) {
    OnAdd();
    return true;
  }
  if (code != plat::kClicked) return false;
  // The title box is the one edit: keep what was typed across the change.
  switch (id) {
    case IDC_TBS_ADD: UpdateData(true); OnAdd(); break;
    case IDC_TBS_DELETE: UpdateData(true); OnDelete(); break;
    case IDC_TBS_CLEAR: UpdateData(true); OnClear(); break;
    case IDC_TBS_UP: UpdateData(true); OnMove(-1); break;
    case IDC_TBS_DOWN: UpdateData(true); OnMove(+1); break;
    case IDC_TBS_DEFAULT: UpdateData(true); OnDefault(); break;
    default: return false;
  }
  UpdateData(false);
  return true;
}

void CTBSetPage::OnAdd() {
  int sel = impl().ListCurSel(IDC_TBS_ALL);
  CCmdNode* from = sel < 0 ? nullptr : m_all.GetAt(sel + 1, false);
  if (!from) {
    Ask("コマンド一覧で追加するコマンドを選択して実行してください。", "追加", plat::MB_OK_);
    return;
  }
  int cmd = static_cast<CTBCmd*>(from)->m_nId;
  auto* entry = new CTBCmd(cmd, ToolBoxLabel(cmd, LabelKind::Stored));
  m_list.Append(entry);
  int at = impl().ListAdd(IDC_TBS_LIST, entry->m_strLabel);
  impl().ListSetCurSel(IDC_TBS_LIST, at);
  m_bModified = true;
  m_bDefault = false;
}

void CTBSetPage::OnDelete() {
  int sel = impl().ListCurSel(IDC_TBS_LIST);
  CCmdNode* gone = sel < 0 ? nullptr : m_list.Remove(sel + 1);
  if (!gone) {
    Ask("削除する項目を表示するコマンドから選択して実行してください。", "削除", plat::MB_OK_);
    return;
  }
  delete static_cast<CTBCmd*>(gone);
  impl().ListDelete(IDC_TBS_LIST, sel);
  m_bModified = true;
  m_bDefault = false;
}

void CTBSetPage::OnClear() {
  if (Ask("すべてのコマンドを削除し、表示するコマンドリストを空にします。\r\nよろしいですか？", "クリア",
          plat::MB_OKCANCEL_) != plat::IDOK)
    return;
  DeleteCommands(m_list);
  impl().ListReset(IDC_TBS_LIST);
  m_bModified = true;
}

// Up (by = -1) or Down (+1): the selected entry trades places with its
// neighbour and stays selected.
void CTBSetPage::OnMove(int by) {
  int sel = impl().ListCurSel(IDC_TBS_LIST);
  if (sel < 0) {
    Ask("移動する項目を選択して実行してください。", "削除", plat::MB_OK_);
    return;
  }
  int to = sel + by;
  if (to < 0 || to >= m_list.GetCount()) return;
  CCmdNode* n = m_list.Remove(sel + 1);
  if (!n) return;
  m_list.InsertAfter(n, to);
  std::string text = impl().ListText(IDC_TBS_LIST, sel);
  impl().ListDelete(IDC_TBS_LIST, sel);
  impl().ListInsert(IDC_TBS_LIST, to, text);
  impl().ListSetCurSel(IDC_TBS_LIST, to);
  m_bModified = true;
  m_bDefault = false;
}

void CTBSetPage::OnDefault() {
  if (Ask("ツールボックスの内容をすべてデフォルトに戻します。\r\nよろしいですか？", "Default",
          plat::MB_OKCANCEL_) == plat::IDCANCEL)
    return;
  DeleteCommands(m_list);
  for (int id : DefaultToolBoxCommands(m_nPage))
    m_list.Append(new CTBCmd(id, ToolBoxLabel(id, LabelKind::DefaultList)));
  FillList();
  m_strTitle = DefaultPageTitle(m_nPage);
  m_bDefault = true;
  m_bModified = true;
}

int CTBSetPage::Save() {
  const int app = m_nApp;
  int result = 0;
  if (m_bModified) {
    std::string value;
    if (m_bDefault) {
      result |= kSavedDefault;
    } else {
      std::vector<int> ids;
      for (CCmdNode* n = m_list.GetFirst(); n; n = m_list.GetNext())
        ids.push_back(static_cast<CTBCmd*>(n)->m_nId);
      value = FormatCommandValue(ids);
      result |= kSavedList;
    }
    PutSetting(ToolBoxName(kCmdValue, app, m_nPage), value);
  }
  if (m_strTitle != m_strTitleRead) {
    PutSetting(ToolBoxName(kTitleValue, app, m_nPage), m_strTitle);
    result |= kSavedTitle;
  }
  return result;
}
