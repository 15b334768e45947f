// The headless backend itself: modal runs, the common dialogs and message
// boxes answered as an absent user would, messages, menus and fonts
// recorded.
#include <algorithm>

#include "plat/app.h"
#include "plat/headless.h"
#include "plat/text.h"

namespace plat {

std::unique_ptr<Profile> MakeDefaultProfile(const std::string&, const std::string&) {
  return std::make_unique<MemoryProfile>();
}

HeadlessBackend::HeadlessBackend() = default;

HeadlessBackend::~HeadlessBackend() {
  // Nothing may reach a backend that is gone (the app object outlives it).
  if (CurrentBackendOrNull() == this) InstallBackend(nullptr);
}

void HeadlessBackend::Reset() {
  opened.clear();
  fileRequests.clear();
  colorRequests.clear();
  fontRequests = 0;
  messages.clear();
  posted.clear();
  sent.clear();
  menus.clear();
  menuAlive.clear();
  foreground.clear();
  sheets.clear();
  baseUnits = BaseUnits();
  desktop = Rect{0, 0, 1024, 768};
  fonts.clear();
  fontsAlive = 0;
}

std::unique_ptr<HeadlessView> HeadlessBackend::MakeView(Dialog& d, const DialogTemplate& t) {
  return std::make_unique<HeadlessView>(d, t, NewHandle());
}

std::unique_ptr<HeadlessSheetView> HeadlessBackend::MakeSheet(PropertySheet& s, bool modal) {
  return std::make_unique<HeadlessSheetView>(*this, s, modal);
}

int HeadlessBackend::RunModal(Dialog& dlg) {
  const DialogTemplate* t = FindTemplate(dlg.templateId());
  if (!t) return IDCANCEL;
  std::unique_ptr<HeadlessView> view = MakeView(dlg, *t);
  dlg.Attach(view.get());
  dlg.HandleInit();
  opened.push_back(view->GetTitle());
  Drive(*view);
  dlg.Detach();
  return view->result();
}

// Unattended, a dialog is confirmed; a handler that refuses OK (a message
// box) leaves it to Cancel.
void HeadlessBackend::Drive(HeadlessView& view) {
  view.Press(IDOK);
  view.Press(IDCANCEL);
}

int HeadlessBackend::MessageBox(WindowHandle, const std::string& text, const std::string& caption, unsigned flags) {
  messages.push_back({text, caption, flags});
  return AnswerBox(messages.back());
}

int HeadlessBackend::AnswerBox(const MessageRecord& m) {
  unsigned kind = m.flags & 0xF;
  return kind == MB_YESNO_ ? static_cast<int>(IDYES_) : static_cast<int>(IDOK);
}

std::optional<std::string> HeadlessBackend::OpenFile(WindowHandle, const FileDialogRequest& req) {
  fileRequests.push_back(req);
  return PickFile(req);
}

std::optional<std::string> HeadlessBackend::PickFile(const FileDialogRequest&) { return std::nullopt; }

std::optional<uint32_t> HeadlessBackend::ChooseColor(WindowHandle, uint32_t initial) {
  colorRequests.push_back(initial);
  return PickColor(initial);
}

std::optional<uint32_t> HeadlessBackend::PickColor(uint32_t) { return std::nullopt; }

std::optional<FontChoice> HeadlessBackend::ChooseFont(WindowHandle) {
  ++fontRequests;
  return PickFont();
}

std::optional<FontChoice> HeadlessBackend::PickFont() { return std::nullopt; }

long HeadlessBackend::SendMessage(WindowHandle w, unsigned msg, uintptr_t wp, intptr_t lp) {
  sent.push_back({w, msg, wp, lp});
  return onSend ? onSend(sent.back()) : 0;
}

bool HeadlessBackend::PostMessage(WindowHandle w, unsigned msg, uintptr_t wp, intptr_t lp) {
  posted.push_back({w, msg, wp, lp});
  return true;
}

MenuHandle HeadlessBackend::CreatePopupMenu() {
  menus.emplace_back();
  menuAlive.push_back(true);
  return reinterpret_cast<MenuHandle>(static_cast<uintptr_t>(menus.size()));
}

bool HeadlessBackend::AppendMenu(MenuHandle m, unsigned flags, uintptr_t idOrPopup, const std::string& text) {
  uintptr_t h = reinterpret_cast<uintptr_t>(m);
  if (h == 0 || h > menus.size() || !menuAlive[h - 1]) return false;
  menus[h - 1].push_back({flags, idOrPopup, text});
  return true;
}

void HeadlessBackend::DestroyMenu(MenuHandle m) {
  uintptr_t h = reinterpret_cast<uintptr_t>(m);
  if (h == 0 || h > menus.size() || !menuAlive[h - 1]) return;
  menuAlive[h - 1] = false;
  // A popup destroys its submenus with it.
  for (const MenuItem& it : menus[h - 1])
    if (it.flags & MF_POPUP_) DestroyMenu(reinterpret_cast<MenuHandle>(it.idOrPopup));
  menus[h - 1].clear();
}

FontHandle HeadlessBackend::CreateFont(const FontDesc& desc) {
  fonts.push_back(desc);
  ++fontsAlive;
  return reinterpret_cast<FontHandle>(static_cast<uintptr_t>(fonts.size()));
}

void HeadlessBackend::DeleteFont(FontHandle f) {
  if (f) --fontsAlive;
}

int HeadlessBackend::RunModalSheet(PropertySheet& sheet) {
  sheets.push_back(MakeSheet(sheet, true));
  HeadlessSheetView& view = *sheets.back();
  opened.push_back(sheet.caption());
  if (view.open()) DriveSheet(view);
  return view.result();
}

void HeadlessBackend::DriveSheet(HeadlessSheetView& sheet) { sheet.Ok(); }

bool HeadlessBackend::CreateModelessSheet(PropertySheet& sheet) {
  sheets.push_back(MakeSheet(sheet, false));
  return true;
}

}  // namespace plat
