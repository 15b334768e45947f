// Property sheets and their pages, modal or modeless, written once and run
// by either backend. A page is a dialog on a child template; the sheet
// holds the tab control and the pages and tells its owner about tab
// changes, its private messages, closing and destruction. The geometry
// calls let a sheet fit itself to what its pages show.
#pragma once
#include <memory>
#include <string>
#include <vector>

#include "plat/dialog.h"

namespace plat {

enum : unsigned { WM_USER_ = 0x400, VK_TAB_ = 9 };

class PropertyPage : public Dialog {
 public:
  explicit PropertyPage(int templateId) : Dialog(templateId, nullptr) {}
  // The tab's text; without one the template's caption shows.
  void SetTabTitle(const std::string& s) { tabTitle_ = s; }
  const std::string& tabTitle() const { return tabTitle_; }
  // The sheet's OK, for every page that was created: controls to members.
  virtual void OnApply() { UpdateData(true); }
  // A page never ends itself; OK and Cancel belong to the sheet.
  void OnOK() override {}
  void OnCancel() override {}

 private:
  std::string tabTitle_;
};

// What a backend provides for an open sheet.
class SheetImpl {
 public:
  virtual ~SheetImpl() = default;
  virtual WindowHandle handle() const = 0;
  virtual int ActiveIndex() const = 0;
  virtual void SetActivePage(int index) = 0;  // creates the page on first use
  virtual Rect WindowRect() const = 0;        // screen coordinates
  virtual Rect PageRect() const = 0;          // active page, client coordinates
  virtual void SetPageRect(int index, const Rect& r) = 0;  // a created page
  virtual Rect TabRect() const = 0;                         // client coordinates
  virtual void SetTabRect(const Rect& r) = 0;
  virtual void Resize(int cx, int cy) = 0;  // window size, position kept
  virtual void Center() = 0;
  virtual Rect DesktopRect() const = 0;
  virtual void Move(int x, int y) = 0;          // size kept, repainted
  virtual void MoveTopmost(int x, int y) = 0;   // topmost, shown, size kept
  virtual void PostToSelf(unsigned msg) = 0;
  virtual void Destroy() = 0;  // a modeless sheet's window goes
  virtual void Close() = 0;    // WM_CLOSE to the sheet, handled before returning
};

class PropertySheet {
 public:
  PropertySheet(std::string caption, WindowHandle parent);
  virtual ~PropertySheet();
  PropertySheet(const PropertySheet&) = delete;
  PropertySheet& operator=(const PropertySheet&) = delete;

  void AddPage(PropertyPage* page);  // not owned
  int pageCount() const { return static_cast<int>(pages_.size()); }
  PropertyPage& page(int i) const { return *pages_.at(static_cast<size_t>(i)); }
  const std::string& caption() const { return caption_; }
  WindowHandle parent() const { return parent_; }

  // Modal: IDOK when the user confirmed (every created page applied first).
  int DoModal();
  // Modeless, shown; false when the window could not be made.
  bool Create();
  bool IsOpen() const { return impl_ != nullptr; }
  WindowHandle handle() const { return impl_ ? impl_->handle() : nullptr; }
  SheetImpl& impl() const { return *impl_; }

  // Called by backends.
  void Attach(SheetImpl* impl) { impl_ = impl; }
  void Detach() { impl_ = nullptr; }
  void HandleInit() { OnInitSheet(); }
  void HandleTabChanged() { OnTabChanged(); }
  void HandleUserMessage(unsigned msg) { OnUserMessage(msg); }
  // WM_CLOSE of a modeless sheet: the owner's handling, then the window goes.
  void HandleClose();
  // The window is gone (pages first); the object may be deleted here.
  void HandleDestroyed();

 protected:
  virtual void OnInitSheet() {}
  virtual void OnTabChanged() {}
  virtual void OnUserMessage(unsigned) {}
  virtual void OnClose() {}
  virtual void OnDestroyed() {}

 private:
  std::string caption_;
  WindowHandle parent_;
  std::vector<PropertyPage*> pages_;
  SheetImpl* impl_ = nullptr;
};

// A push button made at run time on an open dialog or page.
class Button {
 public:
  Button() = default;
  virtual ~Button();
  Button(const Button&) = delete;
  Button& operator=(const Button&) = delete;
  // Visible child tab-stop push button; rect in the dialog's pixels.
  bool Create(Dialog& owner, const std::string& text, const Rect& r, int id, FontHandle font);
  void DestroyWindow();
  int id() const { return id_; }
  bool created() const { return owner_ != nullptr; }
  int index() const { return handle_; }  // as the owner's key notifications name it
  void SetFocus();

 private:
  Dialog* owner_ = nullptr;
  int id_ = 0;
  int handle_ = -1;  // the owner's index for it
};

}  // namespace plat
