// An open headless dialog as the dialog code sees it: the control model
// behind the DialogImpl calls.
#include <stdexcept>

#include "plat/headless.h"
#include "plat/text.h"

namespace plat {

HeadlessDialog::HeadlessDialog(Dialog& d, const DialogTemplate& t, WindowHandle h)
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

HeadlessDialog::Control& HeadlessDialog::At(int id) {
  auto it = controls_.find(id);
  if (it == controls_.end())
    throw std::logic_error("dialog " + std::to_string(tmpl_.id) + " has no control " + std::to_string(id));
  return it->second;
}

const HeadlessDialog::Control* HeadlessDialog::Find(int id) const {
  auto it = controls_.find(id);
  return it == controls_.end() ? nullptr : &it->second;
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
  if (c.sel == index)
    c.sel = -1;
  else if (c.sel > index)
    --c.sel;
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
  if (index >= 0 && index < static_cast<int>(made_.size()) && made_[static_cast<size_t>(index)].alive) focused_ = index;
}

void HeadlessDialog::End(int result) {
  if (ended_) return;
  ended_ = true;
  result_ = result;
}

}  // namespace plat
