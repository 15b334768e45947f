// Property sheets on the window system's property sheet control. Pages are
// the portable dialogs on child templates; the sheet window is subclassed
// so that the portable sheet hears of tab changes, its own posted messages,
// closing and the end of the window. A modeless sheet shows no OK, Cancel
// or Apply buttons and, like the framework's, closes by destroying itself.
#include <set>
#include <string>
#include <vector>

#include "plat/property_sheet.h"
#include "plat/text.h"
#include "platform/win32/win32_backend.h"
#include "platform/win32/win32_api.h"
#include "platform/win32/win32_dialog.h"
#include "platform/win32/subclass.h"

namespace plat {

namespace {

class Win32Sheet;

struct PageSlot {
  Win32Sheet* sheet = nullptr;
  int index = 0;
  std::unique_ptr<DialogImpl> view;
  HWND hwnd = nullptr;
};

const char kPageProp[] = "TagquillPage";
Win32Sheet* g_creating = nullptr;  // between PropertySheetA and its callback

class Win32Sheet : public SheetImpl {
 public:
  Win32Sheet(PropertySheet& s, bool modal) : sheet_(s), modal_(modal) {
    slots_.resize(static_cast<size_t>(s.pageCount()));
    for (int i = 0; i < s.pageCount(); ++i) {
      PageSlot& slot = slots_[static_cast<size_t>(i)];
      slot.sheet = this;
      slot.index = i;
      slot.view = win32::NewDialogView(s.page(i));
    }
  }

  // Runs (modal) or creates (modeless) the sheet; the modal result, or
  // whether the modeless window exists.
  INT_PTR Start() {
    std::vector<PROPSHEETPAGEA> pages;
    for (PageSlot& slot : slots_) {
      if (!slot.view) return -1;
      PROPSHEETPAGEA p = {};
      p.dwSize = sizeof p;
      p.dwFlags = PSP_DEFAULT;
      p.hInstance = static_cast<HINSTANCE>(win32::ThisModule());
      p.pszTemplate = MAKEINTRESOURCEA(sheet_.page(slot.index).templateId());
      p.pfnDlgProc = PageProc;
      p.lParam = reinterpret_cast<LPARAM>(&slot);
      const std::string& title = sheet_.page(slot.index).tabTitle();
      if (!title.empty()) {
        p.dwFlags |= PSP_USETITLE;
        p.pszTitle = title.c_str();
      }
      pages.push_back(p);
    }
    PROPSHEETHEADERA h = {};
    h.dwSize = sizeof h;
    h.dwFlags = PSH_PROPSHEETPAGE | PSH_USECALLBACK | PSH_NOAPPLYNOW | (modal_ ? 0 : PSH_MODELESS);
    HWND parent = static_cast<HWND>(sheet_.parent());
    h.hwndParent = parent && IsWindow(parent) ? parent : nullptr;
    h.hInstance = static_cast<HINSTANCE>(win32::ThisModule());
    h.pszCaption = sheet_.caption().c_str();
    h.nPages = static_cast<UINT>(pages.size());
    h.nStartPage = 0;
    h.ppsp = pages.data();
    h.pfnCallback = Callback;
    g_creating = this;
    INT_PTR r = PropertySheetA(&h);
    g_creating = nullptr;
    return r;
  }

  bool applied() const { return applied_; }
  void HideStandardButtons();

  // SheetImpl
  WindowHandle handle() const override { return hwnd_; }
  int ActiveIndex() const override {
    HWND tab = Tab();
    return tab ? static_cast<int>(SendMessageA(tab, TCM_GETCURSEL, 0, 0)) : -1;
  }
  void SetActivePage(int index) override {
    if (hwnd_ && index >= 0 && index < static_cast<int>(slots_.size()))
      SendMessageA(hwnd_, PSM_SETCURSEL, static_cast<WPARAM>(index), 0);

  }
  Rect WindowRect() const override {
    RECT r = {};
    if (hwnd_) GetWindowRect(hwnd_, &r);
    return Rect{r.left, r.top, r.right, r.bottom};
  }
  Rect PageRect() const override {
    return ClientRectOf(reinterpret_cast<HWND>(SendMessageA(hwnd_, PSM_GETCURRENTPAGEHWND, 0, 0)));
  }
  void SetPageRect(int index, const Rect& r) override {
    if (index < 0 || index >= static_cast<int>(slots_.size())) return;
    if (HWND p = slots_[static_cast<size_t>(index)].hwnd) MoveWindow(p, r.left, r.top, r.width(), r.height(), TRUE);

  }
  Rect TabRect() const override { return ClientRectOf(Tab()); }
  void SetTabRect(const Rect& r) override {
    if (HWND t = Tab()) MoveWindow(t, r.left, r.top, r.width(), r.height(), TRUE);
  }
  void Resize(int cx, int cy) override {
    SetWindowPos(hwnd_, nullptr, 0, 0, cx, cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  void Center() override {
    Rect d = DesktopRect(), w = WindowRect();
    Move(d.left + (d.width() - w.width()) / 2, d.top + (d.height() - w.height()) / 2);
  }
  Rect DesktopRect() const override {
    RECT r = {};
    GetWindowRect(GetDesktopWindow(), &r);
    return Rect{r.left, r.top, r.right, r.bottom};
  }
  void Move(int x, int y) override {
    Rect w = WindowRect();
    MoveWindow(hwnd_, x, y, w.width(), w.height(), TRUE);
  }
  void MoveTopmost(int x, int y) override {
    SetWindowPos(hwnd_, HWND_TOPMOST, x, y, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
  }
  void PostToSelf(unsigned msg) override {
    own_.insert(msg);
    PostMessageA(hwnd_, msg, 0, 0);
  }
  void Destroy() override {
    if (hwnd_) DestroyWindow(hwnd_);
  }
  void Close() override {
    if (hwnd_) SendMessageA(hwnd_, WM_CLOSE, 0, 0);
  }

 private:
  HWND Tab() const { return hwnd_ ? reinterpret_cast<HWND>(SendMessageA(hwnd_, PSM_GETTABCONTROL, 0, 0)) : nullptr; }
  Rect ClientRectOf(HWND child) const {
    RECT r = {};
    if (!child) return Rect{};
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, hwnd_, reinterpret_cast<POINT*>(&r), 2);
    return Rect{r.left, r.top, r.right, r.bottom};
  }

  static int CALLBACK Callback(HWND h, UINT msg, LPARAM) {
    if (msg == PSCB_INITIALIZED && g_creating) {
      Win32Sheet* self = g_creating;
      self->hwnd_ = h;
      win32::Subclass(h, SheetProc, self);
      self->sheet_.Attach(self);
      // A modal sheet starts its own loop: its owner's start-up runs from it.
      if (self->modal_) PostMessageA(h, kStartMessage, 0, 0);
    }
    return 0;
  }

  enum : UINT { kStartMessage = WM_APP + 0x3A1 };

  static LRESULT CALLBACK SheetProc(HWND h, UINT msg, WPARAM wp, LPARAM lp) {
    auto* self = static_cast<Win32Sheet*>(win32::SubclassRef(h));
    if (!self) return win32::CallPrevious(h, msg, wp, lp);
    PropertySheet& sheet = self->sheet_;
    try {
      if (msg == kStartMessage) {
        sheet.HandleInit();
        return 0;
      }
      if (self->own_.count(msg)) {
        sheet.HandleUserMessage(msg);
        return 0;
      }
      switch (msg) {
        case WM_NOTIFY: {
          LRESULT r = win32::CallPrevious(h, msg, wp, lp);
          auto* hdr = reinterpret_cast<const NMHDR*>(lp);
          if (hdr && hdr->code == static_cast<UINT>(TCN_SELCHANGE) && hdr->hwndFrom == self->Tab())
            sheet.HandleTabChanged();
          return r;
        }
        case WM_SYSCOMMAND:
          if (!self->modal_ && (wp & 0xFFF0) == SC_CLOSE) {
            SendMessageA(h, WM_CLOSE, 0, 0);
            return 0;
          }
          break;
        case WM_CLOSE:
          if (!self->modal_) {
            sheet.HandleClose();
            return 0;
          }
          break;
        case WM_NCDESTROY: {
          LRESULT r = win32::CallPrevious(h, msg, wp, lp);
          win32::Unsubclass(h);
          self->hwnd_ = nullptr;
          bool modeless = !self->modal_;
          sheet.HandleDestroyed();  // may delete the portable sheet
          if (modeless) delete self;
          return r;
        }
      }
    } catch (...) {
      // Nothing may unwind through the window system.
    }
    return win32::CallPrevious(h, msg, wp, lp);
  }

  static INT_PTR CALLBACK PageProc(HWND h, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_INITDIALOG) {
      auto* slot = reinterpret_cast<PageSlot*>(reinterpret_cast<const PROPSHEETPAGEA*>(lp)->lParam);
      slot->hwnd = h;
      SetPropA(h, kPageProp, slot);
      return win32::DialogProc(h, msg, wp, reinterpret_cast<LPARAM>(slot->view.get()));
    }
    auto* slot = static_cast<PageSlot*>(GetPropA(h, kPageProp));
    if (msg == WM_NOTIFY && slot) {
      auto* hdr = reinterpret_cast<const NMHDR*>(lp);
      if (hdr->code == static_cast<UINT>(PSN_APPLY)) {
        try {
          slot->sheet->sheet_.page(slot->index).OnApply();
        } catch (...) {
        }
        slot->sheet->applied_ = true;
        SetWindowLongPtrA(h, DWLP_MSGRESULT, PSNRET_NOERROR);
        return TRUE;
      }
      return FALSE;
    }
    if (msg == WM_NCDESTROY) {
      RemovePropA(h, kPageProp);
      if (slot) slot->hwnd = nullptr;
    }
    return win32::DialogProc(h, msg, wp, lp);
  }

  PropertySheet& sheet_;
  bool modal_;
  HWND hwnd_ = nullptr;
  std::vector<PageSlot> slots_;
  std::set<unsigned> own_;
  bool applied_ = false;
};

// The button row goes, and the window shrinks to leave the same margin
// under the tab control as above it.
void Win32Sheet::HideStandardButtons() {
  for (int id : {1 /* OK */, 2 /* Cancel */, 0x3021 /* Apply */, 9 /* Help */})
    if (HWND b = GetDlgItem(hwnd_, id)) ShowWindow(b, SW_HIDE);
  RECT client = {};
  GetClientRect(hwnd_, &client);
  Rect tab = TabRect();
  int dy = tab.bottom + tab.top - client.bottom;
  if (dy >= 0) return;
  Rect w = WindowRect();
  Resize(w.width(), w.height() + dy);
}

}  // namespace

int Win32Backend::RunModalSheet(PropertySheet& sheet) {
  INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_WIN95_CLASSES};
  InitCommonControlsEx(&icc);
  Win32Sheet view(sheet, true);
  INT_PTR r = view.Start();
  sheet.Detach();
  return view.applied() || r > 0 ? IDOK_ : IDCANCEL_;
}

bool Win32Backend::CreateModelessSheet(PropertySheet& sheet) {
  INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_WIN95_CLASSES};
  InitCommonControlsEx(&icc);
  auto* view = new Win32Sheet(sheet, false);
  INT_PTR r = view->Start();
  HWND h = reinterpret_cast<HWND>(r);
  if (r <= 0 || !IsWindow(h) || !sheet.IsOpen()) {
    // No window: nothing will ever free the view but this.
    if (h && IsWindow(h)) DestroyWindow(h);
    else {
      sheet.Detach();
      delete view;
    }
    return false;
  }
  view->HideStandardButtons();
  sheet.HandleInit();
  if (sheet.IsOpen() && !IsWindowVisible(h)) ShowWindow(h, SW_SHOW);
  return true;
}

BaseUnits Win32Backend::DialogBaseUnits() {
  LONG u = GetDialogBaseUnits();
  return BaseUnits{LOWORD(u), HIWORD(u)};
}

FontHandle Win32Backend::CreateFont(const FontDesc& d) {
  LOGFONTA lf = {};
  lf.lfHeight = d.height;
  lf.lfItalic = d.italic ? TRUE : FALSE;
  lf.lfCharSet = static_cast<BYTE>(d.charset);
  lstrcpynA(lf.lfFaceName, d.face.c_str(), LF_FACESIZE);
  return CreateFontIndirectA(&lf);
}

void Win32Backend::DeleteFont(FontHandle f) {
  if (f) DeleteObject(static_cast<HGDIOBJ>(f));
}

}  // namespace plat
