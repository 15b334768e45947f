#include "toolbox/toolbox.h"

#include <algorithm>

#include "dialogs/common/attr_dialog.h"
#include "plat/backend.h"
#include "toolbox/toolbox_hooks.h"
#include "res/commands.h"

using tq::GetSetting;
using tq::GetSettingInt;
using tq::PutSettingInt;
using tq::ToolBoxName;

bool CTBButton::Create(CTBPage& page, const std::string& label, const plat::Rect& r, int id) {
  m_nCmdId = id;
  plat::FontHandle font = tq::IsToolBoxDetailId(id) ? page.m_fontItalic : page.m_fontUpright;
  return plat::Button::Create(page, label, r, id, font);
}

void DeleteCommands(CCmdList& list) {
  while (CCmdNode* n = list.RemoveFirst()) delete static_cast<CTBCmd*>(n);
}

void LoadPageCommands(CCmdList& list, int app, int page) {
  std::string stored = GetSetting(ToolBoxName(tq::kCmdValue, app, page));
  if (!stored.empty()) {
    for (int id : tq::ParseCommandValue(stored))
      list.Append(new CTBCmd(id, tq::ToolBoxLabel(id, tq::LabelKind::Stored)));
    return;
  }
  for (int id : tq::DefaultToolBoxCommands(page))
    list.Append(new CTBCmd(id, tq::ToolBoxLabel(id, tq::LabelKind::DefaultList)));
}

// ---------------------------------------------------------------------------

CTBPage::~CTBPage() {
  DeleteCommands(m_list);
  if (plat::Backend* b = plat::CurrentBackendOrNull()) {
    if (m_fontUpright) b->DeleteFont(m_fontUpright);
    if (m_fontItalic) b->DeleteFont(m_fontItalic);
  }
}

void CTBPage::Init(int page, plat::WindowHandle target, CTBSheet* sheet, int appNumber) {
  m_nPage = page;
  m_hTarget = target;
  m_pSheet = sheet;
  LoadPageCommands(m_list, appNumber, page);
}

bool CTBPage::OnInitDialog() {
  plat::Backend& b = plat::CurrentBackend();
  plat::BaseUnits units = b.DialogBaseUnits();
  if (!m_fontUpright) m_fontUpright = b.CreateFont(tq::ToolBoxFont(units.y, false));
  if (!m_fontItalic) m_fontItalic = b.CreateFont(tq::ToolBoxFont(units.y, true));
  m_nBtnWidth = tq::ToolBoxButtonWidth(units.x);
  m_nBtnHeight = tq::ToolBoxButtonHeight(units.y);
  int i = 0;
  for (CCmdNode* n = m_list.GetFirst(); n; n = m_list.GetNext(), ++i) {
    auto* cmd = static_cast<CTBCmd*>(n);
    if (cmd->m_pButton) continue;
    cmd->m_pButton = new CTBButton;
    plat::Rect r{0, i * m_nBtnHeight, m_nBtnWidth, i * m_nBtnHeight + m_nBtnHeight};
    cmd->m_pButton->Create(*this, cmd->m_strLabel, r, cmd->m_nId);
  }
  return false;  // the focus stays where it was
}

bool CTBPage::OnCommand(int id, int code) {
  if (code == plat::kClicked && id >= tq::cmd::kSpaceFirst && id <= tq::cmd::kSpaceLast)
    plat::CurrentBackend().PostMessage(m_hTarget, plat::WM_COMMAND_, static_cast<uintptr_t>(id), 0);
  return plat::PropertyPage::OnCommand(id, code);
}

// Tab goes to the next button; from the last one to the other page.
void CTBPage::OnButtonKey(int index, unsigned vk) {
  if (vk != plat::VK_TAB_) return;
  CTBCmd* next = nullptr;
  bool found = false;
  for (CCmdNode* n = m_list.GetFirst(); n; n = m_list.GetNext()) {
    auto* cmd = static_cast<CTBCmd*>(n);
    if (found) {
      next = cmd;
      break;
    }
    found = cmd->m_pButton && cmd->m_pButton->created() && cmd->m_pButton->index() == index;
  }
  if (next && next->m_pButton) {
    next->m_pButton->SetFocus();
    return;
  }
  if (m_pSheet && m_pSheet->IsOpen()) m_pSheet->impl().SetActivePage(m_nPage == 1 ? 1 : 0);
}

void CTBPage::OnDestroy() {
  DeleteCommands(m_list);
}

// ---------------------------------------------------------------------------

CTBSheet::CTBSheet(tq::ToolBoxInputs in) : plat::PropertySheet("FOR HTML", nullptr), m_in(std::move(in)) {}

void CTBSheet::FitPage(int rows, bool allPages) {
  plat::SheetImpl& s = impl();
  auto& page = static_cast<CTBPage&>(this->page(s.ActiveIndex()));
  plat::Rect r = s.PageRect();
  plat::Rect fitted = r;
  fitted.right = r.left + page.m_nBtnWidth;
  fitted.bottom = r.top + page.m_nBtnHeight * rows;
  int dx = fitted.right - r.right, dy = fitted.bottom - r.bottom;
  plat::Rect w = s.WindowRect();
  s.Resize(w.width() + dx, w.height() + dy);
  // Both pages take the rectangle: whichever shows next is whole, and
  // fitting it again changes nothing.
  for (int i = 0; i < pageCount(); ++i)
    if (allPages || i == s.ActiveIndex()) s.SetPageRect(i, fitted);
  plat::Rect t = s.TabRect();
  t.right += dx;
  t.bottom += dy;
  s.SetTabRect(t);
  m_rcPage = fitted;
}

void CTBSheet::OnInitSheet() {
  plat::SheetImpl& s = impl();
  const int app = m_in.appNumber;
  s.SetActivePage(0);
  s.SetActivePage(1);
  m_nMax = 0;
  for (int i = 0; i < pageCount(); ++i)
    m_nMax = std::max(m_nMax, static_cast<CTBPage&>(page(i)).m_list.GetCount());
  FitPage(m_nMax + 1, true);

  s.Center();
  plat::Rect w = s.WindowRect();
  tq::ToolBoxPlace at = tq::PlaceToolBox(m_in.placementFlags, w.width(), s.DesktopRect(),
                                         GetSettingInt(ToolBoxName(tq::kLeftValue, app)),
                                         GetSettingInt(ToolBoxName(tq::kTopValue, app)));
  if (at.topmost) s.MoveTopmost(at.x, at.y);
  else s.Move(at.x, at.y);
  s.SetActivePage(GetSettingInt(ToolBoxName(tq::kPageValue, app)));
}

void CTBSheet::OnTabChanged() { impl().PostToSelf(tq::kRefitMessage); }

void CTBSheet::OnUserMessage(unsigned msg) {
  if (msg == tq::kRefitMessage) FitPage(m_nMax, true);
}

void CTBSheet::OnClose() {
  const int app = m_in.appNumber;
  plat::Rect w = impl().WindowRect();
  PutSettingInt(ToolBoxName(tq::kLeftValue, app), w.left);
  PutSettingInt(ToolBoxName(tq::kTopValue, app), w.top);
  PutSettingInt(ToolBoxName(tq::kPageValue, app), impl().ActiveIndex());
}

void CTBSheet::OnDestroyed() {
  // The owner deletes this sheet and its pages: call a copy.
  const std::function<void()> destroyed = m_in.destroyed;
  if (destroyed) destroyed();
}
