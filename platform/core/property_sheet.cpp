#include "plat/property_sheet.h"

#include "plat/backend.h"

namespace plat {

PropertySheet::PropertySheet(std::string caption, WindowHandle parent)
    : caption_(std::move(caption)), parent_(parent) {}
PropertySheet::~PropertySheet() = default;

void PropertySheet::AddPage(PropertyPage* page) {
  if (page) pages_.push_back(page);
}

int PropertySheet::DoModal() { return CurrentBackend().RunModalSheet(*this); }

bool PropertySheet::Create() { return CurrentBackend().CreateModelessSheet(*this); }

void PropertySheet::HandleClose() {
  OnClose();
  if (impl_) impl_->Destroy();
}

void PropertySheet::HandleDestroyed() {
  impl_ = nullptr;
  OnDestroyed();  // last: the owner may delete this sheet here
}

Button::~Button() { DestroyWindow(); }

bool Button::Create(Dialog& owner, const std::string& text, const Rect& r, int id, FontHandle font) {
  if (owner_ || !owner.IsOpen()) return false;
  int h = owner.impl().AddButton(id, text, r, font);
  if (h < 0) return false;
  owner_ = &owner;
  id_ = id;
  handle_ = h;
  return true;
}

void Button::DestroyWindow() {
  if (owner_ && owner_->IsOpen()) owner_->impl().RemoveButton(handle_);
  owner_ = nullptr;
  handle_ = -1;
}

void Button::SetFocus() {
  if (owner_ && owner_->IsOpen()) owner_->impl().FocusButton(handle_);
}

}  // namespace plat
