// An open headless property sheet: its pages are headless dialog models
// laid out in the backend's base units.
#include <stdexcept>

#include "plat/headless.h"

namespace plat {

HeadlessSheetView::HeadlessSheetView(HeadlessBackend& b, PropertySheet& s, bool modal)
    : SheetFrame(s, modal, b.NewHandle(), b.baseUnits.x, b.baseUnits.y), backend_(b) {
  Open();
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

}  // namespace plat
