// The headless backend itself: modal runs, the common dialogs and message
// boxes answered from the queues, messages, menus and fonts recorded.
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

int HeadlessBackend::RunModal(Dialog& dlg) {
  const DialogTemplate* t = FindTemplate(dlg.templateId());
  if (!t) return IDCANCEL;
  HeadlessDialog view(dlg, *t, reinterpret_cast<WindowHandle>(static_cast<uintptr_t>(nextHandle_++)));
  dlg.Attach(&view);
  dlg.HandleInit();
  opened.push_back(view.GetTitle());
  if (!view.ended() && onOpen) {
    onOpen(view);
    if (!view.ended()) view.Click(IDCANCEL);
  } else if (!view.ended()) {
    if (!scripts_.empty()) {
      DialogScript s = std::move(scripts_.front());
      scripts_.pop_front();
      s(view);
    }
    // A script that leaves the dialog open ends in the default action; a
    // handler that refuses OK (a message box) leaves it to Cancel.
    if (!view.ended()) view.Click(default_ == Default::Ok ? IDOK : IDCANCEL);
    if (!view.ended()) view.Click(IDCANCEL);
  }
  dlg.Detach();
  return view.result();
}

int HeadlessBackend::MessageBox(WindowHandle, const std::string& text, const std::string& caption, unsigned flags) {
  messages.push_back({text, caption, flags});
  if (onMessage) return onMessage(messages.back());
  if (!answers_.empty()) {
    int a = answers_.front();
    answers_.pop_front();
    return a;
  }
  unsigned kind = flags & 0xF;
  return kind == MB_YESNO_ ? static_cast<int>(IDYES_) : static_cast<int>(IDOK);
}

std::optional<std::string> HeadlessBackend::OpenFile(WindowHandle, const FileDialogRequest& req) {
  fileRequests.push_back(req);
  if (files_.empty()) return std::nullopt;
  auto r = files_.front();
  files_.pop_front();
  return r;
}

std::optional<uint32_t> HeadlessBackend::ChooseColor(WindowHandle, uint32_t initial) {
  colorRequests.push_back(initial);
  if (colors_.empty()) return std::nullopt;
  auto r = colors_.front();
  colors_.pop_front();
  return r;
}

std::optional<FontChoice> HeadlessBackend::ChooseFont(WindowHandle) {
  ++fontRequests;
  if (fonts_.empty()) return std::nullopt;
  auto r = fonts_.front();
  fonts_.pop_front();
  return r;
}

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
  sheets.push_back(std::make_unique<HeadlessSheet>(*this, sheet, true));
  HeadlessSheet& view = *sheets.back();
  opened.push_back(sheet.caption());
  if (view.open() && !sheetScripts_.empty()) {
    SheetScript s = std::move(sheetScripts_.front());
    sheetScripts_.pop_front();
    s(view);
  }
  if (view.open()) {
    if (default_ == Default::Ok)
      view.Ok();
    else
      view.Cancel();
  }
  return view.result();
}

bool HeadlessBackend::CreateModelessSheet(PropertySheet& sheet) {
  sheets.push_back(std::make_unique<HeadlessSheet>(*this, sheet, false));
  return true;
}

}  // namespace plat
