#include "plat/headless.h"

#include <algorithm>
#include <stdexcept>

#include "plat/app.h"
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
  scripts_.clear();
  files_.clear();
  colors_.clear();
  fonts_.clear();
  answers_.clear();
  opened.clear();
  fileRequests.clear();
  colorRequests.clear();
  fontRequests = 0;
  onOpen = nullptr;
  onMessage = nullptr;
  messages.clear();
  posted.clear();
  sent.clear();
  menus.clear();
  menuAlive.clear();
  foreground.clear();
  default_ = Default::Ok;
  sheetScripts_.clear();
  sheets.clear();
  baseUnits = BaseUnits();
  desktop = Rect{0, 0, 1024, 768};
  fonts.clear();
  fontsAlive = 0;
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

int HeadlessBackend::MessageBox(WindowHandle, const std::string& text, const std::string& caption,
                                unsigned flags) {
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

bool HeadlessBackend::AppendMenu(MenuHandle m, unsigned flags, uintptr_t idOrPopup,
                                 const std::string& text) {
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

// ---------------------------------------------------------------------------

HeadlessDialog::HeadlessDialog(Dialog& d, const DialogTemplate& t, WindowHandle h)
    : dlg_(d), tmpl_(t), handle_(h), title_(J(t.title)) {
  int order = 0;
  for (const auto& c : t.controls) {
    if (c.id == -1) continue;
    Control& ctl = controls_[c.id];
    ctl.kind = c.kind;
    ctl.groupStart = c.group;
    ctl.order = order++;
    if (c.kind != Ctl::Edit && c.kind != Ctl::EditMulti && c.kind != Ctl::EditNumber && c.text)
      ctl.text = J(c.text);
  }
}

HeadlessDialog::Control& HeadlessDialog::At(int id) {
  auto it = controls_.find(id);
  if (it == controls_.end())
    throw std::logic_error("dialog " + std::to_string(tmpl_.id) + " has no control " +
                           std::to_string(id));
  return it->second;
}
const HeadlessDialog::Control* HeadlessDialog::Find(int id) const {
  auto it = controls_.find(id);
  return it == controls_.end() ? nullptr : &it->second;
}

void HeadlessDialog::Type(int id, const std::string& s) {
  Control& c = At(id);
  if (!c.enabled || ended_) return;
  c.text = s;
  dlg_.HandleCommand(id, kEditChange);
}

// Radio buttons of one group: from the group's first control up to the
// next control that starts a group, in template order.
void HeadlessDialog::ClearRadioGroup(int id) {
  const auto& cs = tmpl_.controls;
  size_t pos = 0;
  while (pos < cs.size() && cs[pos].id != id) ++pos;
  size_t b = pos;
  while (b > 0 && !cs[b].group && cs[b - 1].kind == Ctl::Radio) --b;
  for (size_t i = b; i < cs.size(); ++i) {
    if (i > b && (cs[i].group || cs[i].kind != Ctl::Radio)) break;
    controls_[cs[i].id].check = 0;
  }
}

void HeadlessDialog::Click(int id) {
  if (ended_) return;
  if (id != IDOK && id != IDCANCEL && !Find(id)) {
    for (size_t i = 0; i < made_.size(); ++i)
      if (made_[i].alive && made_[i].id == id) return ClickButton(static_cast<int>(i));
  }
  if (id != IDOK && id != IDCANCEL) {
    Control& c = At(id);
    if (!c.enabled || !c.visible) return;
    if (c.kind == Ctl::Check) c.check = c.check ? 0 : 1;
    if (c.kind == Ctl::Radio) {
      ClearRadioGroup(id);
      c.check = 1;
    }
  } else if (const Control* c = Find(id); c && !c->enabled) {
    return;
  }
  dlg_.HandleCommand(id, kClicked);
}

void HeadlessDialog::Select(int id, int index) {
  Control& c = At(id);
  if (!c.enabled || ended_) return;
  c.sel = (index >= 0 && index < static_cast<int>(c.items.size())) ? index : -1;
  dlg_.HandleCommand(id, kSelChange);
}

void HeadlessDialog::SelectText(int id, const std::string& prefix) {
  Control& c = At(id);
  for (size_t i = 0; i < c.items.size(); ++i)
    if (c.items[i].compare(0, prefix.size(), prefix) == 0) return Select(id, static_cast<int>(i));
  throw std::logic_error("no entry starting with " + prefix);
}

void HeadlessDialog::DoubleClick(int id, int index) {
  Select(id, index);
  if (!ended_) dlg_.HandleCommand(id, kDblClk);
}

std::vector<std::string> HeadlessDialog::ListItems(int id) const {
  const Control* c = Find(id);
  return c ? c->items : std::vector<std::string>{};
}

namespace {
std::string Lower(std::string s) {
  for (char& c : s)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return s;
}
bool IsEditKind(Ctl k) { return k == Ctl::Edit || k == Ctl::EditMulti || k == Ctl::EditNumber; }
}  // namespace

// A caption matches without its '&', ignoring ASCII case, whole or by the
// word in its brackets ("文書情報(&PROFILE)" answers to PROFILE).
static bool LabelMatches(const ControlDesc& c, const std::string& want) {
  if (!c.text || IsEditKind(c.kind)) return false;
  std::string cap = J(c.text);
  cap.erase(std::remove(cap.begin(), cap.end(), '&'), cap.end());
  std::string low = Lower(cap);
  if (low == want) return true;
  size_t open = low.find('('), close = low.rfind(')');
  return open != std::string::npos && close != std::string::npos && close > open &&
         low.substr(open + 1, close - open - 1) == want;
}

int HeadlessDialog::FindByLabel(const std::string& label) const {
  const std::string want = Lower(label);
  for (const ControlDesc& c : tmpl_.controls)
    if (LabelMatches(c, want)) return c.id;
  return 0;
}

int HeadlessDialog::EditFor(const std::string& label) const {
  const std::string want = Lower(label);
  const auto& cs = tmpl_.controls;
  for (size_t i = 0; i < cs.size(); ++i) {
    if (!LabelMatches(cs[i], want)) continue;
    for (size_t j = i + 1; j < cs.size(); ++j)
      if (IsEditKind(cs[j].kind)) return cs[j].id;
    return 0;
  }
  return 0;
}

std::vector<int> HeadlessDialog::ControlIds() const {
  std::vector<int> ids;
  for (const ControlDesc& c : tmpl_.controls)
    if (c.id != -1) ids.push_back(c.id);
  return ids;
}

Ctl HeadlessDialog::KindOf(int id) const {
  const ControlDesc* c = FindControl(tmpl_, id);
  return c ? c->kind : Ctl::Static;
}

std::string HeadlessDialog::Describe() const {
  std::string out;
  for (const ControlDesc& c : tmpl_.controls) {
    const Control* ctl = Find(c.id);
    if (!ctl || c.kind == Ctl::Group || c.kind == Ctl::UpDown || c.id == IDOK || c.id == IDCANCEL)
      continue;
    std::string line;
    switch (c.kind) {
      case Ctl::Check: line = std::string(ctl->check ? "[x] " : "[ ] ") + ctl->text; break;
      case Ctl::Radio: line = std::string(ctl->check ? "(*) " : "( ) ") + ctl->text; break;
      case Ctl::Edit: case Ctl::EditMulti: case Ctl::EditNumber: line = "    \"" + ctl->text + "\""; break;
      case Ctl::List: case Ctl::ListSorted: case Ctl::Combo:
        line = "    list of " + std::to_string(ctl->items.size());
        break;
      case Ctl::Static: line = ctl->text; break;
      default: line = "<" + ctl->text + ">"; break;
    }
    if (!ctl->enabled) line += "  (disabled)";
    out += line + "\n";
  }
  return out;
}

std::string HeadlessDialog::GetText(int id) const {
  const Control* c = Find(id);
  return c ? c->text : std::string();
}
void HeadlessDialog::SetText(int id, const std::string& s) { At(id).text = s; }
int HeadlessDialog::GetCheck(int id) const {
  const Control* c = Find(id);
  return c ? c->check : 0;
}
void HeadlessDialog::SetCheck(int id, int state) { At(id).check = state; }
bool HeadlessDialog::IsEnabled(int id) const {
  const Control* c = Find(id);
  return c && c->enabled;
}
void HeadlessDialog::Enable(int id, bool on) { At(id).enabled = on; }
void HeadlessDialog::Show(int id, bool on) { At(id).visible = on; }
void HeadlessDialog::ListReset(int id) {
  Control& c = At(id);
  c.items.clear();
  c.sel = -1;
}
int HeadlessDialog::ListAdd(int id, const std::string& s) {
  Control& c = At(id);
  if (c.kind == Ctl::ListSorted) {
    auto it = c.items.begin();
    while (it != c.items.end() && *it <= s) ++it;
    return static_cast<int>(c.items.insert(it, s) - c.items.begin());
  }
  c.items.push_back(s);
  return static_cast<int>(c.items.size()) - 1;
}
int HeadlessDialog::ListInsert(int id, int index, const std::string& s) {
  Control& c = At(id);
  if (index < 0 || index > static_cast<int>(c.items.size())) index = static_cast<int>(c.items.size());
  c.items.insert(c.items.begin() + index, s);
  if (c.sel >= index) ++c.sel;
  return index;
}
void HeadlessDialog::ListDelete(int id, int index) {
  Control& c = At(id);
  if (index < 0 || index >= static_cast<int>(c.items.size())) return;
  c.items.erase(c.items.begin() + index);
  if (c.sel == index) c.sel = -1;
  else if (c.sel > index) --c.sel;
}
int HeadlessDialog::ListCount(int id) const {
  const Control* c = Find(id);
  return c ? static_cast<int>(c->items.size()) : 0;
}
std::string HeadlessDialog::ListText(int id, int index) const {
  const Control* c = Find(id);
  if (!c || index < 0 || index >= static_cast<int>(c->items.size())) return {};
  return c->items[index];
}
int HeadlessDialog::ListCurSel(int id) const {
  const Control* c = Find(id);
  return c ? c->sel : -1;
}
void HeadlessDialog::ListSetCurSel(int id, int index) {
  Control& c = At(id);
  c.sel = (index >= 0 && index < static_cast<int>(c.items.size())) ? index : -1;
}
void HeadlessDialog::SetUpDownRange(int, int, int) {}
int HeadlessDialog::AddButton(int id, const std::string& text, const Rect& r, FontHandle font) {
  made_.push_back({id, text, r, font, true});
  return static_cast<int>(made_.size()) - 1;
}
void HeadlessDialog::RemoveButton(int index) {
  if (index < 0 || index >= static_cast<int>(made_.size())) return;
  made_[static_cast<size_t>(index)].alive = false;
  if (focused_ == index) focused_ = -1;
}
void HeadlessDialog::FocusButton(int index) {
  if (index >= 0 && index < static_cast<int>(made_.size()) && made_[static_cast<size_t>(index)].alive)
    focused_ = index;
}
std::vector<HeadlessDialog::MadeButton> HeadlessDialog::LiveButtons() const {
  std::vector<MadeButton> out;
  for (const MadeButton& b : made_)
    if (b.alive) out.push_back(b);
  return out;
}
void HeadlessDialog::ClickButton(int index) {
  if (index < 0 || index >= static_cast<int>(made_.size()) || !made_[static_cast<size_t>(index)].alive)
    throw std::logic_error("no button made at " + std::to_string(index));
  focused_ = index;
  dlg_.HandleCommand(made_[static_cast<size_t>(index)].id, kClicked);
}
void HeadlessDialog::KeyDown(int index, unsigned vk) { dlg_.HandleButtonKey(index, vk); }

void HeadlessDialog::End(int result) {
  if (ended_) return;
  ended_ = true;
  result_ = result;
}

}  // namespace plat

namespace plat {

// ---------------------------------------------------------------------------
// Fonts and property sheets.

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
    if (default_ == Default::Ok) view.Ok();
    else view.Cancel();
  }
  return view.result();
}

bool HeadlessBackend::CreateModelessSheet(PropertySheet& sheet) {
  sheets.push_back(std::make_unique<HeadlessSheet>(*this, sheet, false));
  return true;
}

// A page of cx x cy dialog units shows in base-unit pixels; the tab
// control frames it, the window frames the tab control.
HeadlessSheet::HeadlessSheet(HeadlessBackend& b, PropertySheet& s, bool modal)
    : backend_(b), sheet_(&s), modal_(modal), handle_(b.NewHandle()), caption_(s.caption()) {
  int cx = 0, cy = 0;
  for (int i = 0; i < s.pageCount(); ++i) {
    const DialogTemplate* t = FindTemplate(s.page(i).templateId());
    std::string title = s.page(i).tabTitle();
    if (title.empty() && t) title = J(t->title);
    titles_.push_back(title);
    if (t) {
      cx = std::max(cx, t->cx * b.baseUnits.x / 4);
      cy = std::max(cy, t->cy * b.baseUnits.y / 8);
    }
  }
  views_.resize(static_cast<size_t>(s.pageCount()));
  pageRects_.assign(static_cast<size_t>(s.pageCount()), Rect{11, 31, 11 + cx, 31 + cy});
  tab_ = Rect{7, 7, 7 + cx + 8, 7 + cy + 28};
  int buttons = modal ? 30 : 0;
  window_ = Rect{100, 100, 100 + cx + 28, 100 + cy + 64 + buttons};
  s.Attach(this);
  if (s.pageCount() > 0) SetActivePage(0);
  s.HandleInit();
}

HeadlessSheet::~HeadlessSheet() {
  for (size_t i = 0; i < views_.size(); ++i)
    if (views_[i] && open_) views_[i]->dialog().Detach();
  if (open_ && sheet_) sheet_->Detach();
}

bool HeadlessSheet::PageMade(int index) const {
  return index >= 0 && index < static_cast<int>(views_.size()) && views_[static_cast<size_t>(index)];
}

HeadlessDialog& HeadlessSheet::Page(int index) {
  if (!PageMade(index)) throw std::logic_error("page " + std::to_string(index) + " was not made");
  return *views_[static_cast<size_t>(index)];
}

void HeadlessSheet::MakePage(int index) {
  PropertyPage& p = sheet_->page(index);
  const DialogTemplate* t = FindTemplate(p.templateId());
  if (!t) throw std::logic_error("no template " + std::to_string(p.templateId()));
  views_[static_cast<size_t>(index)] = std::make_unique<HeadlessDialog>(p, *t, backend_.NewHandle());
  p.Attach(views_[static_cast<size_t>(index)].get());
  p.HandleInit();
}

void HeadlessSheet::SetActivePage(int index) {
  if (!open_ || index < 0 || index >= static_cast<int>(views_.size())) return;
  if (!PageMade(index)) MakePage(index);
  active_ = index;
}

void HeadlessSheet::SetPageRect(int index, const Rect& r) {
  if (PageMade(index)) pageRects_.at(static_cast<size_t>(index)) = r;
}

void HeadlessSheet::Resize(int cx, int cy) {
  window_.right = window_.left + cx;
  window_.bottom = window_.top + cy;
}

void HeadlessSheet::Center() {
  const Rect& d = backend_.desktop;
  Move(d.left + (d.width() - window_.width()) / 2, d.top + (d.height() - window_.height()) / 2);
}

void HeadlessSheet::Move(int x, int y) {
  int cx = window_.width(), cy = window_.height();
  window_ = Rect{x, y, x + cx, y + cy};
}

void HeadlessSheet::MoveTopmost(int x, int y) {
  Move(x, y);
  topmost_ = true;
}

void HeadlessSheet::ClickTab(int index) {
  if (!open_ || index == active_) return;
  SetActivePage(index);
  sheet_->HandleTabChanged();
  DeliverPosted();
}

void HeadlessSheet::DeliverPosted() {
  while (open_ && !queue_.empty()) {
    unsigned m = queue_.front();
    queue_.pop_front();
    sheet_->HandleUserMessage(m);
  }
}

void HeadlessSheet::Ok() {
  if (!open_) return;
  for (size_t i = 0; i < views_.size(); ++i)
    if (views_[i]) sheet_->page(static_cast<int>(i)).OnApply();
  End(IDOK);
}

void HeadlessSheet::Cancel() {
  if (open_) End(IDCANCEL);
}

void HeadlessSheet::Close() {
  if (!open_) return;
  if (modal_) return Cancel();
  sheet_->HandleClose();
}

void HeadlessSheet::End(int result) {
  result_ = result;
  Destroy();
}

void HeadlessSheet::Destroy() {
  if (!open_) return;
  open_ = false;
  for (size_t i = 0; i < views_.size(); ++i) {
    if (!views_[i]) continue;
    Dialog& d = views_[i]->dialog();
    d.HandleDestroy();
    d.Detach();
  }
  PropertySheet* s = sheet_;
  sheet_ = nullptr;
  s->HandleDestroyed();  // may delete the sheet and its pages
}

}  // namespace plat
