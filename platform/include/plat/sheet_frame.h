// What an open property sheet keeps on a backend without real windows
// (headless, terminal): pages made when first shown, the tab titles, the
// window, tab control and page rectangles the sheet's calls change, the
// messages it posts to itself, and its ends. View is the backend's model
// of a page; View::dialog() names the page's Dialog.
#pragma once
#include <algorithm>
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "plat/dialog.h"
#include "plat/dialog_template.h"
#include "plat/property_sheet.h"
#include "plat/text.h"

namespace plat {

template <class View>
class SheetFrame : public SheetImpl {
 public:
  bool open() const { return open_; }
  int result() const { return result_; }
  bool modal() const { return modal_; }
  bool PageMade(int index) const {
    return index >= 0 && index < static_cast<int>(views_.size()) && views_[static_cast<size_t>(index)];
  }

  // The ends: OK (every made page applies first) and Cancel.
  void Ok() {
    if (!open_) return;
    for (size_t i = 0; i < views_.size(); ++i)
      if (views_[i]) sheet_->page(static_cast<int>(i)).OnApply();
    End(IDOK);
  }
  void Cancel() {
    if (open_) End(IDCANCEL);
  }
  // A user's click on a tab: switches, notifies, then delivers posted messages.
  void ClickTab(int index) {
    if (!open_ || index == active_) return;
    SetActivePage(index);
    sheet_->HandleTabChanged();
    DeliverPosted();
  }
  void DeliverPosted() {
    while (open_ && !queue_.empty()) {
      unsigned m = queue_.front();
      queue_.pop_front();
      sheet_->HandleUserMessage(m);
    }
  }

  // SheetImpl
  WindowHandle handle() const override { return handle_; }
  int ActiveIndex() const override { return active_; }
  void SetActivePage(int index) override {
    if (!open_ || index < 0 || index >= static_cast<int>(views_.size())) return;
    if (!PageMade(index)) MakePage(index);
    active_ = index;
  }
  Rect WindowRect() const override { return window_; }
  Rect PageRect() const override { return pageRects_.at(static_cast<size_t>(std::max(0, active_))); }
  void SetPageRect(int index, const Rect& r) override {
    if (PageMade(index)) pageRects_[static_cast<size_t>(index)] = r;
  }
  Rect TabRect() const override { return tab_; }
  void SetTabRect(const Rect& r) override { tab_ = r; }
  void Resize(int cx, int cy) override {
    window_.right = window_.left + cx;
    window_.bottom = window_.top + cy;
  }
  void Center() override {
    const Rect d = DesktopRect();
    Move(d.left + (d.width() - window_.width()) / 2, d.top + (d.height() - window_.height()) / 2);
  }
  void Move(int x, int y) override {
    int cx = window_.width(), cy = window_.height();
    window_ = Rect{x, y, x + cx, y + cy};
  }
  void MoveTopmost(int x, int y) override { Move(x, y); }
  void PostToSelf(unsigned msg) override { queue_.push_back(msg); }
  void Destroy() override {
    if (!open_) return;
    open_ = false;
    for (auto& v : views_)
      if (Dialog* d = v ? DialogOf(v->dialog()) : nullptr) {
        d->HandleDestroy();
        d->Detach();
      }
    PropertySheet* s = sheet_;
    sheet_ = nullptr;
    s->HandleDestroyed();  // may delete the sheet and its pages
  }
  // The close box (WM_CLOSE).
  void Close() override {
    if (!open_) return;
    if (modal_) return Cancel();
    sheet_->HandleClose();
  }

 protected:
  // A page of cx x cy dialog units shows in pixels of the base units
  // (unitX per 4 dialog units across, unitY per 8 down); the tab control
  // frames it, the window frames the tab control.
  SheetFrame(PropertySheet& s, bool modal, WindowHandle handle, int unitX, int unitY)
      : sheet_(&s), modal_(modal), handle_(handle), caption_(s.caption()) {
    int cx = 0, cy = 0;
    for (int i = 0; i < s.pageCount(); ++i) {
      const DialogTemplate* t = FindTemplate(s.page(i).templateId());
      std::string title = s.page(i).tabTitle();
      if (title.empty() && t) title = J(t->title);
      titles_.push_back(title);
      if (t) {
        cx = std::max(cx, t->cx * unitX / 4);
        cy = std::max(cy, t->cy * unitY / 8);
      }
    }
    views_.resize(static_cast<size_t>(s.pageCount()));
    pageRects_.assign(static_cast<size_t>(s.pageCount()), Rect{11, 31, 11 + cx, 31 + cy});
    tab_ = Rect{7, 7, 7 + cx + 8, 7 + cy + 28};
    window_ = Rect{100, 100, 100 + cx + 28, 100 + cy + 64 + (modal ? 30 : 0)};
  }
  ~SheetFrame() override {
    if (!open_) return;
    for (auto& v : views_)
      if (Dialog* d = v ? DialogOf(v->dialog()) : nullptr) d->Detach();
    sheet_->Detach();
  }
  // The sheet meets its window and shows its first page: called by the
  // backend's constructor, once its MakePage can run.
  void Open() {
    sheet_->Attach(this);
    if (sheet_->pageCount() > 0) SetActivePage(0);
    sheet_->HandleInit();
  }
  virtual void MakePage(int index) = 0;
  void End(int result) {
    result_ = result;
    Destroy();
  }

  PropertySheet* sheet_;
  bool modal_;
  WindowHandle handle_;
  std::string caption_;
  std::vector<std::string> titles_;
  std::vector<std::unique_ptr<View>> views_;
  std::vector<Rect> pageRects_;
  Rect window_, tab_;
  int active_ = -1;
  bool open_ = true;
  int result_ = IDCANCEL;
  std::deque<unsigned> queue_;

 private:
  static Dialog* DialogOf(Dialog& d) { return &d; }
  static Dialog* DialogOf(Dialog* d) { return d; }
};

}  // namespace plat
