#include "tests/e2e/driver.h"

#include <gtest/gtest.h>

#include <commctrl.h>
#include <commdlg.h>
#include <dlgs.h>

#include <cstdio>

namespace e2e {

namespace {
DialogDriver* g_driver = nullptr;
}

DialogDriver::DialogDriver() {
  g_driver = this;
  hook_ = SetWindowsHookExA(WH_CALLWNDPROC, Hook, nullptr, GetCurrentThreadId());
  cbt_ = SetWindowsHookExA(WH_CBT, CbtHook, nullptr, GetCurrentThreadId());
  EXPECT_NE(hook_, nullptr) << "no WH_CALLWNDPROC hook";
  EXPECT_NE(cbt_, nullptr) << "no WH_CBT hook";
}

DialogDriver::~DialogDriver() {
  if (hook_) UnhookWindowsHookEx(hook_);
  if (cbt_) UnhookWindowsHookEx(cbt_);
  g_driver = nullptr;
  EXPECT_EQ(steps_.size(), 0u) << "dialog steps left unused";
  EXPECT_EQ(strays_, 0) << "a dialog waited with no step left";
}

LRESULT CALLBACK DialogDriver::Hook(int code, WPARAM wp, LPARAM lp) {
  if (code == HC_ACTION && g_driver) {
    auto* m = reinterpret_cast<const CWPSTRUCT*>(lp);
    if (m->message == WM_ENTERIDLE && m->wParam == MSGF_DIALOGBOX && m->lParam)
      g_driver->OnIdle(reinterpret_cast<HWND>(m->lParam));
  }
  return CallNextHookEx(nullptr, code, wp, lp);
}

LRESULT CALLBACK DialogDriver::CbtHook(int code, WPARAM wp, LPARAM lp) {
  if (code == HCBT_ACTIVATE && g_driver) {
    HWND w = reinterpret_cast<HWND>(wp);
    if (ClassName(w) == "#32770" && (GetWindowLongPtrA(w, GWL_STYLE) & DS_NOIDLEMSG))
      g_driver->OnIdle(w);
  }
  return CallNextHookEx(nullptr, code, wp, lp);
}

void DialogDriver::OnIdle(HWND dialog) {
  if (running_) return;  // a step that sends messages may idle a nested loop
  if (steps_.empty()) {
    // Nothing planned for this dialog: get it out of the way so that the
    // test ends instead of waiting.
    ++strays_;
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(2, BN_CLICKED), 0);
    return;
  }
  Step s = std::move(steps_.front());
  steps_.pop_front();
  running_ = true;
  s(dialog);
  running_ = false;
  // Wake the loop even when the step only looked.
  PostMessageA(dialog, WM_NULL, 0, 0);
}

namespace {
const char kQueueClass[] = "TagquillQueueDriver";
enum : UINT { kTurn = WM_APP + 7 };
}  // namespace

QueueDriver::QueueDriver() {
  static bool registered = false;
  if (!registered) {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = Proc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = kQueueClass;
    registered = RegisterClassA(&wc) != 0;
  }
  wnd_ = CreateWindowExA(0, kQueueClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, GetModuleHandleA(nullptr),
                         nullptr);
  EXPECT_NE(wnd_, nullptr);
  SetWindowLongPtrA(wnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

QueueDriver::~QueueDriver() {
  EXPECT_EQ(steps_.size(), 0u) << "queued steps left unused";
  if (wnd_) DestroyWindow(wnd_);
}

void QueueDriver::Start() { PostMessageA(wnd_, kTurn, 0, 0); }

LRESULT CALLBACK QueueDriver::Proc(HWND h, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == kTurn) {
    if (auto* self = reinterpret_cast<QueueDriver*>(GetWindowLongPtrA(h, GWLP_USERDATA))) self->Turn();
    return 0;
  }
  return DefWindowProcA(h, msg, wp, lp);
}

void QueueDriver::Turn() {
  if (steps_.empty()) return;
  Step s = steps_.front();
  if (s()) {
    steps_.pop_front();
    tries_ = 0;
  } else if (++tries_ > 2000) {
    ADD_FAILURE() << "a queued step never found what it waited for";
    steps_.clear();
  }
  if (!steps_.empty()) PostMessageA(wnd_, kTurn, 0, 0);
}

void Pump() {
  MSG m;
  while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&m);
    DispatchMessageA(&m);
  }
}

void Screenshot(HWND w, const char* file) {
  const RECT r = Rect(w);
  const int cx = r.right - r.left, cy = r.bottom - r.top;
  const DWORD size = ((static_cast<DWORD>(cx) * 3 + 3) & ~3u) * cy,
              head = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
  BITMAPINFOHEADER bh = {sizeof bh, cx, cy, 1, 24, BI_RGB, size, 0, 0, 0, 0};
  BITMAPFILEHEADER fh = {0x4D42, head + size, 0, 0, head};
  HDC screen = GetDC(nullptr), mem = CreateCompatibleDC(screen);
  void* bits = nullptr;
  HBITMAP bmp = CreateDIBSection(screen, reinterpret_cast<BITMAPINFO*>(&bh), DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(mem, bmp);
  BitBlt(mem, 0, 0, cx, cy, screen, r.left, r.top, SRCCOPY);
  GdiFlush();
  if (FILE* f = std::fopen(file, "wb")) {
    std::fwrite(&fh, sizeof fh, 1, f);
    std::fwrite(&bh, sizeof bh, 1, f);
    std::fwrite(bits, 1, size, f);
    std::fclose(f);
  }
  SelectObject(mem, old);
  DeleteObject(bmp);
  DeleteDC(mem);
  ReleaseDC(nullptr, screen);
}

void Click(HWND dialog, int id) {
  HWND b = GetDlgItem(dialog, id);
  EXPECT_NE(b, nullptr) << "no button " << id;
  if (b) PostMessageA(b, BM_CLICK, 0, 0);
}

std::string WindowTextA(HWND w) {
  int n = GetWindowTextLengthA(w);
  std::string s(static_cast<size_t>(n) + 1, '\0');
  int got = GetWindowTextA(w, s.data(), n + 1);
  s.resize(got < 0 ? 0 : static_cast<size_t>(got));
  return s;
}

std::string MessageBoxText(HWND box) {
  for (HWND c = GetWindow(box, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
    if (IsClass(c, "Static") && !WindowTextA(c).empty()) return WindowTextA(c);
  return std::string();
}

std::string ItemText(HWND dialog, int id) { return WindowTextA(GetDlgItem(dialog, id)); }

void Type(HWND dialog, int id, const char* text) { SetDlgItemTextA(dialog, id, text); }

bool Enabled(HWND dialog, int id) { return IsWindowEnabled(GetDlgItem(dialog, id)) != FALSE; }

bool Checked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }

void SelectListEntry(HWND dialog, int id, int index) {
  HWND list = GetDlgItem(dialog, id);
  EXPECT_NE(list, nullptr) << "no list " << id;
  if (!list) return;
  EXPECT_NE(SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(index), 0), LB_ERR) << index;
  SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, LBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
}

void SelectListEntry(HWND dialog, int id, const char* prefix) {
  LRESULT i = SendDlgItemMessageA(dialog, id, LB_FINDSTRING, static_cast<WPARAM>(-1),
                                  reinterpret_cast<LPARAM>(prefix));
  EXPECT_NE(i, LB_ERR) << prefix;
  if (i != LB_ERR) SelectListEntry(dialog, id, static_cast<int>(i));
}

int ListCount(HWND dialog, int id) { return static_cast<int>(SendDlgItemMessageA(dialog, id, LB_GETCOUNT, 0, 0)); }

std::string SelectFirstComboEntry(HWND dialog, int id) {
  HWND combo = GetDlgItem(dialog, id);
  if (!combo || SendMessageA(combo, CB_GETCOUNT, 0, 0) <= 0) return std::string();
  SendMessageA(combo, CB_SETCURSEL, 0, 0);
  SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
  char text[256] = {};
  SendMessageA(combo, CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(text));
  return text;
}

void SpinUp(HWND dialog, int id) {
  // Near the top left corner: on the up arrow.
  SendDlgItemMessageA(dialog, id, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 1));
  SendDlgItemMessageA(dialog, id, WM_LBUTTONUP, 0, MAKELPARAM(2, 1));
}

int FileNameBox(HWND dialog) { return GetDlgItem(dialog, cmb13) ? cmb13 : edt1; }

Owner::Owner()
    : h_(CreateWindowExA(0, "STATIC", "owner", WS_OVERLAPPED, 0, 0, 200, 100, nullptr, nullptr,
                         GetModuleHandleA(nullptr), nullptr)) {}

Owner::~Owner() { DestroyWindow(h_); }

namespace {
std::string TempDir(const std::string& name) {
  char tmp[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, tmp);
  return tmp + name + std::to_string(GetCurrentProcessId());
}
}  // namespace

TempFile::TempFile(const std::string& dirName, const std::string& fileName)
    : dir(TempDir(dirName)), path(dir + "\\" + fileName) {
  EXPECT_TRUE(CreateDirectoryA(dir.c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS) << dir;
  HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  EXPECT_NE(h, INVALID_HANDLE_VALUE) << path;
  if (h != INVALID_HANDLE_VALUE) CloseHandle(h);
}

TempFile::~TempFile() {
  DeleteFileA(path.c_str());
  RemoveDirectoryA(dir.c_str());
}

std::string ClassName(HWND w) {
  char name[256] = {};
  GetClassNameA(w, name, sizeof name);
  return name;
}

bool IsClass(HWND w, const char* cls) { return lstrcmpiA(ClassName(w).c_str(), cls) == 0; }

RECT Rect(HWND w) {
  RECT r = {};
  GetWindowRect(w, &r);
  return r;
}

}  // namespace e2e
