// Modal dialogs on real windows: the dialog comes from the module's own
// dialog resource (generated from the declarative template), the dialog
// procedure hands initialisation and control notifications to the portable
// dialog, and the control access goes to the child windows. What kind a
// control is, the window says (its class and style): the DLL carries the
// resources, not the descriptions they were made from.
#include <exception>
#include <map>
#include <memory>
#include <vector>
#include <string>

#include "plat/dialog.h"
#include "platform/win32/win32_backend.h"
#include "platform/win32/win32_api.h"
#include "platform/win32/win32_dialog.h"
#include "platform/win32/subclass.h"

namespace plat {

namespace {

bool ClassIs(HWND h, const char* name) {
  char cls[32] = {};
  return h && GetClassNameA(h, cls, sizeof cls) > 0 && lstrcmpiA(cls, name) == 0;
}

class Win32Dialog : public DialogImpl {
 public:
  explicit Win32Dialog(Dialog& d) : dlg_(d) {}

  Dialog& dialog() { return dlg_; }
  void SetWindow(HWND h) { hwnd_ = h; }
  bool ended() const { return ended_; }
  int result() const { return result_; }
  int muted() const { return muted_; }
  // A handler that threw: the dialog closes as cancelled and the exception
  // goes on to the caller of DoModal.
  void Fail(std::exception_ptr e) {
    if (!error_) error_ = e;
    End(IDCANCEL_);
  }
  std::exception_ptr error() const { return error_; }

  WindowHandle handle() const override { return hwnd_; }

  std::string GetText(int id) const override { return WindowText(Item(id)); }
  void SetText(int id, const std::string& s) override {
    // The edit box's own change notification is not passed on: programme
    // changes are not user input.
    int saved = muted_;
    muted_ = id;
    SetDlgItemTextA(hwnd_, id, s.c_str());
    muted_ = saved;
  }
  int GetCheck(int id) const override { return static_cast<int>(IsDlgButtonChecked(hwnd_, id)); }
  void SetCheck(int id, int state) override { CheckDlgButton(hwnd_, id, static_cast<UINT>(state)); }
  bool IsEnabled(int id) const override {
    HWND h = Item(id);
    return h && IsWindowEnabled(h);
  }
  void Enable(int id, bool on) override {
    if (HWND h = Item(id)) EnableWindow(h, on ? TRUE : FALSE);
  }
  void Show(int id, bool on) override {
    if (HWND h = Item(id)) ShowWindow(h, on ? SW_SHOW : SW_HIDE);
  }
  std::string GetTitle() const override { return WindowText(hwnd_); }
  void SetTitle(const std::string& s) override { SetWindowTextA(hwnd_, s.c_str()); }

  void ListReset(int id) override { Send(id, LB_RESETCONTENT, CB_RESETCONTENT, 0, 0); }
  int ListAdd(int id, const std::string& s) override {
    return Index(Send(id, LB_ADDSTRING, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(s.c_str())));
  }
  int ListInsert(int id, int index, const std::string& s) override {
    if (index < 0 || index > ListCount(id)) index = -1;  // append
    return Index(Send(id, LB_INSERTSTRING, CB_INSERTSTRING, static_cast<WPARAM>(index),
                      reinterpret_cast<LPARAM>(s.c_str())));
  }
  void ListDelete(int id, int index) override {
    if (index >= 0 && index < ListCount(id))
      Send(id, LB_DELETESTRING, CB_DELETESTRING, static_cast<WPARAM>(index), 0);
  }
  int ListCount(int id) const override {
    LRESULT n = Send(id, LB_GETCOUNT, CB_GETCOUNT, 0, 0);
    return n < 0 ? 0 : static_cast<int>(n);
  }
  std::string ListText(int id, int index) const override {
    if (index < 0 || index >= ListCount(id)) return {};
    LRESULT n = Send(id, LB_GETTEXTLEN, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
    if (n <= 0) return {};
    std::string s(static_cast<size_t>(n) + 1, '\0');
    LRESULT got = Send(id, LB_GETTEXT, CB_GETLBTEXT, static_cast<WPARAM>(index),
                       reinterpret_cast<LPARAM>(s.data()));
    s.resize(got < 0 ? 0 : static_cast<size_t>(got));
    return s;
  }
  int ListCurSel(int id) const override { return Index(Send(id, LB_GETCURSEL, CB_GETCURSEL, 0, 0)); }
  void ListSetCurSel(int id, int index) override {
    if (index < 0 || index >= ListCount(id)) index = -1;
    Send(id, LB_SETCURSEL, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
  }
  void SetUpDownRange(int id, int lo, int hi) override {
    if (HWND h = Item(id)) SendMessageA(h, UDM_SETRANGE32, static_cast<WPARAM>(lo), static_cast<LPARAM>(hi));
  }
  void Invalidate(int id) override {
    if (HWND h = Item(id)) InvalidateRect(h, nullptr, TRUE);
  }
  void SetSwatch(int id, uint32_t rgb) override {
    swatches_[id] = rgb & 0xFFFFFF;
    Invalidate(id);
  }
  uint32_t GetSwatch(int id) const override {
    auto it = swatches_.find(id);
    return it == swatches_.end() ? 0 : it->second;
  }
  // A swatch: a rectangle in its colour, framed in black, while it is
  // enabled and names no colour; otherwise the colour's name on the face.
  void DrawSwatch(const DRAWITEMSTRUCT& di) const {
    char name[256] = {};
    GetWindowTextA(di.hwndItem, name, sizeof name);
    if (!IsWindowEnabled(di.hwndItem) || name[0] != '\0') {
      RECT r = di.rcItem;
      FillRect(di.hDC, &r, GetSysColorBrush(COLOR_BTNFACE));
      SetBkMode(di.hDC, TRANSPARENT);
      SetTextColor(di.hDC, GetSysColor(IsWindowEnabled(di.hwndItem) ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
      DrawTextA(di.hDC, name, -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
      return;
    }
    HBRUSH brush = CreateSolidBrush(GetSwatch(static_cast<int>(di.CtlID)));
    HGDIOBJ oldBrush = SelectObject(di.hDC, brush);
    HGDIOBJ oldPen = SelectObject(di.hDC, GetStockObject(BLACK_PEN));
    Rectangle(di.hDC, di.rcItem.left, di.rcItem.top, di.rcItem.right, di.rcItem.bottom);
    SelectObject(di.hDC, oldPen);
    SelectObject(di.hDC, oldBrush);
    DeleteObject(brush);
  }
  int AddButton(int id, const std::string& text, const Rect& r, FontHandle font) override;
  void RemoveButton(int index) override {
    if (index < 0 || index >= static_cast<int>(made_.size()) || !made_[static_cast<size_t>(index)]) return;
    HWND b = made_[static_cast<size_t>(index)];
    made_[static_cast<size_t>(index)] = nullptr;
    DestroyWindow(b);
  }
  void FocusButton(int index) override {
    if (index >= 0 && index < static_cast<int>(made_.size()) && made_[static_cast<size_t>(index)])
      SetFocus(made_[static_cast<size_t>(index)]);
  }
  void ForgetButtons() { made_.clear(); }
  void End(int result) override {
    // The first end counts, as for the headless dialog.
    if (ended_) return;
    ended_ = true;
    result_ = result;
    if (hwnd_) EndDialog(hwnd_, result);
  }

 private:
  HWND Item(int id) const { return hwnd_ ? GetDlgItem(hwnd_, id) : nullptr; }
  static std::string WindowText(HWND h) {
    if (!h) return {};
    int n = GetWindowTextLengthA(h);  // may overstate for double-byte text
    if (n <= 0) return {};
    std::string s(static_cast<size_t>(n) + 1, '\0');
    int got = GetWindowTextA(h, s.data(), n + 1);
    s.resize(got < 0 ? 0 : static_cast<size_t>(got));
    return s;
  }
  bool IsCombo(int id) const { return ClassIs(Item(id), "ComboBox"); }
  // The list-box message, or the combo-box one for a drop-down list.
  LRESULT Send(int id, UINT lbMsg, UINT cbMsg, WPARAM wp, LPARAM lp) const {
    HWND h = Item(id);
    if (!h) return -1;
    return SendMessageA(h, IsCombo(id) ? cbMsg : lbMsg, wp, lp);
  }
  static int Index(LRESULT r) { return r < 0 ? -1 : static_cast<int>(r); }

  Dialog& dlg_;
  HWND hwnd_ = nullptr;
  bool ended_ = false;
  int result_ = IDCANCEL_;
  int muted_ = 0;
  std::map<int, uint32_t> swatches_;
  std::exception_ptr error_;
  std::vector<HWND> made_;
};

// A made button tells its dialog about key presses (the toolbox's Tab),
// then goes on as a button. Its index is kept in its user data.
LRESULT CALLBACK MadeButtonProc(HWND h, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_KEYDOWN) {
    auto* view = static_cast<Win32Dialog*>(win32::SubclassRef(h));
    int index = static_cast<int>(GetWindowLongPtrA(h, GWLP_USERDATA));
    if (view && view->dialog().IsOpen()) {
      try {
        view->dialog().HandleButtonKey(index, static_cast<unsigned>(wp));
      } catch (...) {
      }
    }
  } else if (msg == WM_NCDESTROY) {
    LRESULT r = win32::CallPrevious(h, msg, wp, lp);
    win32::Unsubclass(h);
    return r;
  }
  return win32::CallPrevious(h, msg, wp, lp);
}

int Win32Dialog::AddButton(int id, const std::string& text, const Rect& r, FontHandle font) {
  if (!hwnd_) return -1;
  HWND b = CreateWindowExA(0, "BUTTON", text.c_str(), WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON,
                           r.left, r.top, r.width(), r.height(), hwnd_,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                           static_cast<HINSTANCE>(win32::ThisModule()), nullptr);
  if (!b) return -1;
  if (font) SendMessageA(b, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  made_.push_back(b);
  int index = static_cast<int>(made_.size()) - 1;
  SetWindowLongPtrA(b, GWLP_USERDATA, index);
  win32::Subclass(b, MadeButtonProc, this);
  return index;
}

// The window system's notification for a control, as one of the dialog's
// notifications; -1 for those the dialogs do not take (focus changes, edit
// updates, double clicks on buttons ...).
int Translate(HWND dlg, int id, int code) {
  HWND c = GetDlgItem(dlg, id);
  if (!c) return code == BN_CLICKED ? kClicked : -1;  // OK/Cancel by key, menu
  if (ClassIs(c, "Button")) {
    bool frame = (GetWindowLongPtrA(c, GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX;
    return !frame && code == BN_CLICKED ? kClicked : -1;
  }
  if (ClassIs(c, "Edit")) return code == EN_CHANGE ? kEditChange : -1;
  if (ClassIs(c, "ListBox")) return code == LBN_SELCHANGE ? kSelChange : code == LBN_DBLCLK ? kDblClk : -1;
  if (ClassIs(c, "ComboBox")) return code == CBN_SELCHANGE ? kSelChange : code == CBN_DBLCLK ? kDblClk : -1;
  if (ClassIs(c, "Static")) return code == STN_CLICKED ? kClicked : code == STN_DBLCLK ? kDblClk : -1;
  return -1;  // up-down controls
}

// Edit boxes take text of any length from the user, not only the default
// 32 K characters; settings may be long.
void LiftEditLimits(HWND dlg) {
  for (HWND c = GetWindow(dlg, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
    char cls[16] = {};
    GetClassNameA(c, cls, sizeof cls);
    if (lstrcmpiA(cls, "Edit") == 0) SendMessageA(c, EM_SETLIMITTEXT, 0, 0);
  }
}

}  // namespace

namespace win32 {

std::unique_ptr<DialogImpl> NewDialogView(Dialog& d) { return std::make_unique<Win32Dialog>(d); }

INT_PTR CALLBACK DialogProc(HWND h, UINT msg, WPARAM wp, LPARAM lp) {
  auto* view = reinterpret_cast<Win32Dialog*>(GetWindowLongPtrA(h, DWLP_USER));
  switch (msg) {
    case WM_INITDIALOG: {
      view = reinterpret_cast<Win32Dialog*>(lp);
      SetWindowLongPtrA(h, DWLP_USER, lp);
      view->SetWindow(h);
      LiftEditLimits(h);
      view->dialog().Attach(view);
      try {
        return view->dialog().HandleInit() ? TRUE : FALSE;
      } catch (...) {
        view->Fail(std::current_exception());
        return FALSE;
      }
    }
    case WM_COMMAND: {
      if (!view || view->ended()) return FALSE;
      int id = LOWORD(wp), code = HIWORD(wp);
      if (code == EN_CHANGE && id == view->muted()) return TRUE;
      int notify = Translate(h, id, code);
      if (notify < 0) return FALSE;
      try {
        view->dialog().HandleCommand(id, notify);
      } catch (...) {
        view->Fail(std::current_exception());
      }
      return TRUE;
    }
    case WM_DRAWITEM: {
      // The only owner-drawn statics are colour swatches.
      auto* di = reinterpret_cast<const DRAWITEMSTRUCT*>(lp);
      if (!view || di->CtlType != ODT_STATIC) return FALSE;
      view->DrawSwatch(*di);
      return TRUE;
    }
    case WM_DESTROY:
      if (view) {
        try {
          if (view->dialog().IsOpen()) view->dialog().HandleDestroy();
        } catch (...) {
        }
        view->ForgetButtons();
        view->dialog().Detach();
        view->SetWindow(nullptr);
        SetWindowLongPtrA(h, DWLP_USER, 0);
      }
      return FALSE;
  }
  return FALSE;
}

}  // namespace win32

namespace {

void InitControlClasses() {
  static bool done = false;
  if (done) return;
  INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_WIN95_CLASSES};
  InitCommonControlsEx(&icc);
  done = true;
}

}  // namespace

int Win32Backend::RunModal(Dialog& dlg) {
  InitControlClasses();
  // A parent that is gone gives the dialog no parent rather than no dialog.
  HWND parent = static_cast<HWND>(dlg.parent());
  if (parent && !IsWindow(parent)) parent = nullptr;
  Win32Dialog view(dlg);
  INT_PTR r = DialogBoxParamA(static_cast<HINSTANCE>(win32::ThisModule()), MAKEINTRESOURCEA(dlg.templateId()),
                              parent, win32::DialogProc, reinterpret_cast<LPARAM>(&view));
  dlg.Detach();
  if (view.error()) std::rethrow_exception(view.error());
  // -1: no such dialog resource, or no window could be made.
  return r != -1 && view.ended() ? view.result() : IDCANCEL_;
}

}  // namespace plat
