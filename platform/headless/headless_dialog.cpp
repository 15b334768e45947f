// An open headless dialog as the dialog code sees it: the control model
// behind the DialogImpl calls.
#include <stdexcept>

#include "plat/headless.h"
#include "plat/text.h"

namespace plat {

HeadlessView::HeadlessView(Dialog& d, const DialogTemplate& t, WindowHandle h)
    : dlg_(d), tmpl_(t), handle_(h), title_(J(t.title)) {
  int order = 0;
  for (const auto& c : t.controls) {
    if (c.id == -1) continue;
    Control& ctl = controls_[c.id];
    ctl.kind = c.kind;
    ctl.groupStart = c.group;
    ctl.order = order++;
    if (c.kind != Ctl::Edit && c.kind != Ctl::EditMulti && c.kind != Ctl::EditNumber && c.text) ctl.text = J(c.text);
  }
}

HeadlessView::Control& HeadlessView::At(int id) {
  auto it = controls_.find(id);
  if (it == controls_.end())
    throw std::logic_error("dialog " + std::to_string(tmpl_.id) + " has no control " + std::to_string(id));
  return it->second;
}

const HeadlessView::Control* HeadlessView::Find(int id) const {
  auto it = controls_.find(id);
  return it == controls_.end() ? nullptr : &it->second;
}

std::string HeadlessView::GetText(int id) const {
  const Control* c = Find(id);
  return c ? c->text : std::string();
}

void HeadlessView::SetText(int id, const std::string& s) { At(id).text = s; }

int HeadlessView::GetCheck(int id) const {
  const Control* c = Find(id);
  return c ? c->check : 0;
}

void HeadlessView::SetCheck(int id, int state) { At(id).check = state; }

bool HeadlessView::IsEnabled(int id) const {
  const Control* c = Find(id);
  return c && c->enabled;
}

void HeadlessView::Enable(int id, bool on) { At(id).enabled = on; }

void HeadlessView::Show(int id, bool on) { At(id).visible = on; }

void HeadlessView::ListReset(int id) {
  Control& c = At(id);
  c.items.clear();
  c.sel = -1;
}

int HeadlessView::ListAdd(int id, const std::string& s) {
  Control& c = At(id);
  if (c.kind == Ctl::ListSorted) {
    auto it = c.items.begin();
    while (it != c.items.end() && *it <= s) ++it;
    return static_cast<int>(c.items.insert(it, s) - c.items.begin());
  }
  c.items.push_back(s);
  return static_cast<int>(c.items.size()) - 1;
}

int HeadlessView::ListInsert(int id, int index, const std::string& s) {
  Control& c = At(id);
  if (index < 0 || index > static_cast<int>(c.items.size())) index = static_cast<int>(c.items.size());
  c.items.insert(c.items.begin() + index, s);
  if (c.sel >= index) ++c.sel;
  return index;
}

void HeadlessView::ListDelete(int id, int index) {
  Control& c = At(id);
  if (index < 0 || index >= static_cast<int>(c.items.size())) return;
  c.items.erase(c.items.begin() + index);
  if (c.sel == index)
    c.sel = -1;
  else if (c.sel > index)
    --c.sel;
}

int HeadlessView::ListCount(int id) const {
  const Control* c = Find(id);
  return c ? static_cast<int>(c->items.size()) : 0;
}

std::string HeadlessView::ListText(int id, int index) const {
  const Control* c = Find(id);
  if (!c || index < 0 || index >= static_cast<int>(c->items.size())) return {};
  return c->items[index];
}

int HeadlessView::ListCurSel(int id) const {
  const Control* c = Find(id);
  return c ? c->sel : -1;
}

void HeadlessView::ListSetCurSel(int id, int index) {
  Control& c = At(id);
  c.sel = (index >= 0 && index < static_cast<int>(c.items.size())) ? index : -1;
}

void HeadlessView::SetUpDownRange(int, int, int) {}

int HeadlessView::AddButton(int id, const std::string& text, const Rect& r, FontHandle font) {
  made_.push_back({id, text, r, font, true});
  return static_cast<int>(made_.size()) - 1;
}

void HeadlessView::RemoveButton(int index) {
  if (index < 0 || index >= static_cast<int>(made_.size())) return;
  made_[static_cast<size_t>(index)].alive = false;
  if (focused_ == index) focused_ = -1;
}

void HeadlessView::FocusButton(int index) {
  if (index >= 0 && index < static_cast<int>(made_.size()) && made_[static_cast<size_t>(index)].alive) focused_ = index;
}

std::vector<std::string> HeadlessView::ListItems(int id) const {
  const Control* c = Find(id);
  return c ? c->items : std::vector<std::string>{};
}

std::vector<HeadlessView::MadeButton> HeadlessView::LiveButtons() const {
  std::vector<MadeButton> out;
  for (const MadeButton& b : made_)
    if (b.alive) out.push_back(b);
  return out;
}

void HeadlessView::Press(int endId) {
  if (ended_) return;
  if (const Control* c = Find(endId); c && !c->enabled) return;
  dlg_.HandleCommand(endId, kClicked);
}

void HeadlessView::End(int result) {
  if (ended_) return;
  ended_ = true;
  result_ = result;
}

}  // namespace plat
