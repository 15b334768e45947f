// What drives headless dialogs from outside (tests, the command line's
// field actions): scripts and queued answers, the user's actions on
// controls and tabs, finding a control by its label, describing a dialog,
// and starting afresh.
#include "plat/headless_driver.h"

#include <algorithm>
#include <stdexcept>

#include "plat/text.h"

namespace plat {

void HeadlessDriver::Reset() {
  scripts_.clear();
  files_.clear();
  colors_.clear();
  fonts_.clear();
  answers_.clear();
  onOpen = nullptr;
  onMessage = nullptr;
  default_ = Default::Ok;
  sheetScripts_.clear();
  HeadlessBackend::Reset();
}

std::unique_ptr<HeadlessView> HeadlessDriver::MakeView(Dialog& d, const DialogTemplate& t) {
  return std::make_unique<HeadlessDialog>(d, t, NewHandle());
}

std::unique_ptr<HeadlessSheetView> HeadlessDriver::MakeSheet(PropertySheet& s, bool modal) {
  return std::make_unique<HeadlessSheet>(*this, s, modal);
}

void HeadlessDriver::Drive(HeadlessView& v) {
  auto& view = static_cast<HeadlessDialog&>(v);  // made by MakeView
  if (view.ended()) return;
  if (onOpen) {
    onOpen(view);
    view.Press(IDCANCEL);
    return;
  }
  if (!scripts_.empty()) {
    DialogScript s = std::move(scripts_.front());
    scripts_.pop_front();
    s(view);
  }
  // A script that leaves the dialog open ends in the default action; a
  // handler that refuses OK (a message box) leaves it to Cancel.
  view.Press(default_ == Default::Ok ? IDOK : IDCANCEL);
  view.Press(IDCANCEL);
}

void HeadlessDriver::DriveSheet(HeadlessSheetView& v) {
  auto& sheet = static_cast<HeadlessSheet&>(v);  // made by MakeSheet
  if (!sheetScripts_.empty()) {
    SheetScript s = std::move(sheetScripts_.front());
    sheetScripts_.pop_front();
    s(sheet);
  }
  if (!sheet.open()) return;
  if (default_ == Default::Ok)
    sheet.Ok();
  else
    sheet.Cancel();
}

int HeadlessDriver::AnswerBox(const MessageRecord& m) {
  if (onMessage) return onMessage(m);
  if (answers_.empty()) return HeadlessBackend::AnswerBox(m);
  const int a = answers_.front();
  answers_.pop_front();
  return a;
}

// Pops the next queued answer; none left = cancelled.
template <class T>
static std::optional<T> Next(std::deque<std::optional<T>>& q) {
  if (q.empty()) return std::nullopt;
  std::optional<T> r = std::move(q.front());
  q.pop_front();
  return r;
}

std::optional<std::string> HeadlessDriver::PickFile(const FileDialogRequest&) { return Next(files_); }
std::optional<uint32_t> HeadlessDriver::PickColor(uint32_t) { return Next(colors_); }
std::optional<FontChoice> HeadlessDriver::PickFont() { return Next(fonts_); }

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
  if (id == IDOK || id == IDCANCEL) return Press(id);
  if (ended_) return;
  if (!Find(id)) {
    for (size_t i = 0; i < made_.size(); ++i)
      if (made_[i].alive && made_[i].id == id) return ClickButton(static_cast<int>(i));
  }
  Control& c = At(id);
  if (!c.enabled || !c.visible) return;
  if (c.kind == Ctl::Check) c.check = c.check ? 0 : 1;
  if (c.kind == Ctl::Radio) {
    ClearRadioGroup(id);
    c.check = 1;
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
    if (!ctl || c.kind == Ctl::Group || c.kind == Ctl::UpDown || c.id == IDOK || c.id == IDCANCEL) continue;
    std::string line;
    switch (c.kind) {
      case Ctl::Check: line = std::string(ctl->check ? "[x] " : "[ ] ") + ctl->text; break;
      case Ctl::Radio: line = std::string(ctl->check ? "(*) " : "( ) ") + ctl->text; break;
      case Ctl::Edit:
      case Ctl::EditMulti:
      case Ctl::EditNumber: line = "    \"" + ctl->text + "\""; break;
      case Ctl::List:
      case Ctl::ListSorted:
      case Ctl::Combo: line = "    list of " + std::to_string(ctl->items.size()); break;
      case Ctl::Static: line = ctl->text; break;
      default: line = "<" + ctl->text + ">"; break;
    }
    if (!ctl->enabled) line += "  (disabled)";
    out += line + "\n";
  }
  return out;
}

void HeadlessDialog::ClickButton(int index) {
  if (index < 0 || index >= static_cast<int>(made_.size()) || !made_[static_cast<size_t>(index)].alive)
    throw std::logic_error("no button made at " + std::to_string(index));
  focused_ = index;
  dlg_.HandleCommand(made_[static_cast<size_t>(index)].id, kClicked);
}

void HeadlessDialog::KeyDown(int index, unsigned vk) { dlg_.HandleButtonKey(index, vk); }

}  // namespace plat
