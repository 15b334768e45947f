#include "testhost/host.h"

namespace tqhost {

namespace {

const char kClassName[] = "TagquillTestHost";
enum : int { kEditId = 1 };

template <class Fn>
bool Find(HMODULE m, const char* name, Fn& fn, std::string* missing) {
  FARPROC p = GetProcAddress(m, name);
  fn = reinterpret_cast<Fn>(reinterpret_cast<void*>(p));
  if (!p && missing) *missing += std::string(missing->empty() ? "" : ", ") + name;
  return p != nullptr;
}

}  // namespace

bool Plugin::Load(const std::string& path, std::string* error) {
  module = LoadLibraryA(path.c_str());
  if (!module) {
    if (error) *error = path + ": cannot load (error " + std::to_string(GetLastError()) + ")";
    return false;
  }
  std::string missing;
  bool ok = Find(module, "GetHtmlVer", GetHtmlVer, &missing);
  ok &= Find(module, "SetAppInfo", SetAppInfo, &missing);
  ok &= Find(module, "SetStringToTagquill", SetStringToTagquill, &missing);
  ok &= Find(module, "MakeHtmlMenu", MakeHtmlMenu, &missing);
  ok &= Find(module, "GetHtmlTagString", GetHtmlTagString, &missing);
  ok &= Find(module, "OnToolBox", OnToolBox, &missing);
  ok &= Find(module, "MainGetFocus", MainGetFocus, &missing);
  ok &= Find(module, "OnChangeToolBoxSetting", OnChangeToolBoxSetting, &missing);
  if (!ok) {
    if (error) *error = path + ": missing exports: " + missing;
    Unload();
  }
  return ok;
}

void Plugin::Unload() {
  if (module) FreeLibrary(module);
  *this = Plugin();
}

std::string ProgramDir() {
  std::string path(MAX_PATH, '\0');
  for (;;) {
    DWORD n = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (n == 0) return std::string();
    if (n < path.size()) {
      path.resize(n);
      break;
    }
    path.resize(path.size() * 2);
  }
  // The file name follows the last backslash; CharPrevA knows double-byte
  // characters whose second byte looks like one.
  const char* start = path.c_str();
  const char* p = start + path.size();
  while (p > start) {
    p = CharPrevA(start, p);
    if (*p == '\\') return path.substr(0, static_cast<size_t>(p - start) + 1);
  }
  return std::string();
}

std::string KeyText(int id) { return "\tK" + std::to_string(id); }

std::wstring FromCp932(const std::string& s) {
  if (s.empty()) return {};
  int n = MultiByteToWideChar(932, 0, s.data(), static_cast<int>(s.size()), nullptr, 0);
  std::wstring w(static_cast<size_t>(n), L'\0');
  MultiByteToWideChar(932, 0, s.data(), static_cast<int>(s.size()), w.data(), n);
  return w;
}

std::string ToCp932(const std::wstring& w) {
  if (w.empty()) return {};
  int n = WideCharToMultiByte(932, 0, w.data(), static_cast<int>(w.size()), nullptr, 0, nullptr, nullptr);
  std::string s(static_cast<size_t>(n), '\0');
  WideCharToMultiByte(932, 0, w.data(), static_cast<int>(w.size()), s.data(), n, nullptr, nullptr);
  return s;
}

HostWindow* HostWindow::Create(Plugin& plugin, const HostOptions& options) {
  HINSTANCE inst = GetModuleHandleA(nullptr);
  static bool registered = false;
  if (!registered) {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = Proc;
    wc.hInstance = inst;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = kClassName;
    if (!RegisterClassA(&wc)) return nullptr;
    registered = true;
  }
  auto* host = new HostWindow(plugin, options);
  host->bar_ = CreateMenu();
  HMENU file = CreatePopupMenu();
  AppendMenuA(file, MF_STRING, kCmdToolBoxFront, "&Bring toolbox to front");
  AppendMenuA(file, MF_SEPARATOR, 0, nullptr);
  AppendMenuA(file, MF_STRING, kCmdExit, "E&xit");
  host->html_ = CreatePopupMenu();
  AppendMenuA(host->bar_, MF_POPUP, reinterpret_cast<UINT_PTR>(file), "&File");
  AppendMenuA(host->bar_, MF_POPUP, reinterpret_cast<UINT_PTR>(host->html_), "&HTML");
  HWND h = CreateWindowExA(0, kClassName, "Tagquill test host", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                           CW_USEDEFAULT, CW_USEDEFAULT, 640, 480, nullptr, host->bar_, inst, host);
  if (!h) {
    DestroyMenu(host->bar_);
    delete host;
    return nullptr;
  }
  // The order a host keeps: who we are first, then the menu.
  plugin.SetAppInfo(options.appNumber, h, options.toolBoxFlags);
  HostMenu menu(host->html_);
  plugin.MakeHtmlMenu(&menu);
  DrawMenuBar(h);
  return host;
}

HostWindow::~HostWindow() {
  if (hwnd_) {
    SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
    DestroyWindow(hwnd_);
  }
}

void HostWindow::SetText(const std::string& cp932) { SetWindowTextW(edit_, FromCp932(cp932).c_str()); }

std::string HostWindow::Text() const {
  int n = GetWindowTextLengthW(edit_);
  std::wstring w(static_cast<size_t>(n) + 1, L'\0');
  int got = GetWindowTextW(edit_, w.data(), n + 1);
  w.resize(got < 0 ? 0 : static_cast<size_t>(got));
  return ToCp932(w);
}

void HostWindow::Select(int first, int last) { SendMessageW(edit_, EM_SETSEL, first, last); }

std::string HostWindow::Selection() const {
  DWORD first = 0, last = 0;
  SendMessageW(edit_, EM_GETSEL, reinterpret_cast<WPARAM>(&first), reinterpret_cast<LPARAM>(&last));
  int n = GetWindowTextLengthW(edit_);
  std::wstring w(static_cast<size_t>(n) + 1, L'\0');
  int got = GetWindowTextW(edit_, w.data(), n + 1);
  w.resize(got < 0 ? 0 : static_cast<size_t>(got));
  if (first > w.size()) first = static_cast<DWORD>(w.size());
  if (last > w.size()) last = static_cast<DWORD>(w.size());
  if (last < first) return std::string();
  return ToCp932(w.substr(first, last - first));
}

void HostWindow::RunTagCommand(int id) {
  std::string sel = Selection();
  const char* result = plugin_.GetHtmlTagString(hwnd_, id, sel.c_str());
  std::wstring replacement = FromCp932(result ? result : "");
  SendMessageW(edit_, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(replacement.c_str()));
}

LRESULT CALLBACK HostWindow::Proc(HWND h, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_NCCREATE) {
    auto* host = static_cast<HostWindow*>(reinterpret_cast<CREATESTRUCTA*>(lp)->lpCreateParams);
    host->hwnd_ = h;
    SetWindowLongPtrA(h, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(host));
  }
  auto* host = reinterpret_cast<HostWindow*>(GetWindowLongPtrA(h, GWLP_USERDATA));
  return host ? host->Handle(h, msg, wp, lp) : DefWindowProcA(h, msg, wp, lp);
}

LRESULT HostWindow::Handle(HWND h, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_CREATE:
      edit_ = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"",
                              WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL | ES_MULTILINE |
                                  ES_AUTOVSCROLL | ES_AUTOHSCROLL | ES_NOHIDESEL,
                              0, 0, 0, 0, h, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kEditId)),
                              GetModuleHandleA(nullptr), nullptr);
      if (!edit_) return -1;
      SendMessageW(edit_, EM_SETLIMITTEXT, 0, 0);
      return 0;
    case WM_SIZE:
      MoveWindow(edit_, 0, 0, LOWORD(lp), HIWORD(lp), TRUE);
      return 0;
    case WM_SETFOCUS:
      SetFocus(edit_);
      return 0;
    case TAGQUILL_MSG_ASK_KEY_TEXT:
      asked_.push_back(static_cast<int>(wp));
      askedLp_.push_back(lp);
      if (options_.answerKeyText) plugin_.SetStringToTagquill(KeyText(static_cast<int>(wp)).c_str());
      return 0;
    case WM_COMMAND: {
      if (lp && reinterpret_cast<HWND>(lp) == edit_) break;  // edit box notifications
      int id = LOWORD(wp);
      if (id == TAGQUILL_CMD_TOOLBOX_CHANGED) plugin_.OnChangeToolBoxSetting(h);
      else if (id == 29001) plugin_.OnToolBox(h);
      else if (id >= 29000 && id <= 29999) RunTagCommand(id);
      else if (id == kCmdToolBoxFront) plugin_.MainGetFocus();
      else if (id == kCmdExit) DestroyWindow(h);
      return 0;
    }
    case WM_DESTROY:
      hwnd_ = nullptr;
      if (options_.quitOnDestroy) PostQuitMessage(0);
      return 0;
  }
  return DefWindowProcA(h, msg, wp, lp);
}

}  // namespace tqhost
