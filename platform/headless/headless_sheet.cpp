// An open headless property sheet: pages made when first shown, the
// window, tab control and page rectangles the sheet's calls change.
#include <algorithm>
#include <stdexcept>

#include "plat/headless.h"
#include "plat/text.h"

namespace plat {

// A page of cx x cy dialog units shows in base-unit pixels; the tab
// control frames it, the window frames the tab control.
HeadlessSheetView::HeadlessSheetView(HeadlessBackend& b, PropertySheet& s, bool modal)
    : sheet_(&s), backend_(b), modal_(modal), handle_(b.NewHandle()), caption_(s.caption()) {
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

HeadlessSheetView::~HeadlessSheetView() {
  for (size_t i = 0; i < views_.size(); ++i)
    if (views_[i] && open_) views_[i]->dialog().Detach();
  if (open_ && sheet_) sheet_->Detach();
}

bool HeadlessSheetView::PageMade(int index) const {
  return index >= 0 && index < static_cast<int>(views_.size()) && views_[static_cast<size_t>(index)];
}

HeadlessView& HeadlessSheetView::View(int index) {
  if (!PageMade(index)) throw std::logic_error("page " + std::to_string(index) + " was not made");
  return *views_[static_cast<size_t>(index)];
}

void HeadlessSheetView::MakePage(int index) {
  PropertyPage& p = sheet_->page(index);
  const DialogTemplate* t = FindTemplate(p.templateId());
  if (!t) throw std::logic_error("no template " + std::to_string(p.templateId()));
  views_[static_cast<size_t>(index)] = backend_.MakeView(p, *t);
  p.Attach(views_[static_cast<size_t>(index)].get());
  p.HandleInit();
}

void HeadlessSheetView::SetActivePage(int index) {
  if (!open_ || index < 0 || index >= static_cast<int>(views_.size())) return;
  if (!PageMade(index)) MakePage(index);
  active_ = index;
}

void HeadlessSheetView::SetPageRect(int index, const Rect& r) {
  if (PageMade(index)) pageRects_.at(static_cast<size_t>(index)) = r;
}

void HeadlessSheetView::Resize(int cx, int cy) {
  window_.right = window_.left + cx;
  window_.bottom = window_.top + cy;
}

void HeadlessSheetView::Center() {
  const Rect& d = backend_.desktop;
  Move(d.left + (d.width() - window_.width()) / 2, d.top + (d.height() - window_.height()) / 2);
}

void HeadlessSheetView::Move(int x, int y) {
  int cx = window_.width(), cy = window_.height();
  window_ = Rect{x, y, x + cx, y + cy};
}

void HeadlessSheetView::MoveTopmost(int x, int y) {
  Move(x, y);
  topmost_ = true;
}

void HeadlessSheetView::DeliverPosted() {
  while (open_ && !queue_.empty()) {
    unsigned m = queue_.front();
    queue_.pop_front();
    sheet_->HandleUserMessage(m);
  }
}

void HeadlessSheetView::End(int result) {
  result_ = result;
  Destroy();
}

void HeadlessSheetView::Destroy() {
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

void HeadlessSheetView::Ok() {
  if (!open_) return;
  for (size_t i = 0; i < views_.size(); ++i)
    if (views_[i]) sheet_->page(static_cast<int>(i)).OnApply();
  End(IDOK);
}

void HeadlessSheetView::Cancel() {
  if (open_) End(IDCANCEL);
}

void HeadlessSheetView::Close() {
  if (!open_) return;
  if (modal_) return Cancel();
  sheet_->HandleClose();
}

}  // namespace plat
