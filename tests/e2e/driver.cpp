#include "tests/e2e/driver.h"

#include <gtest/gtest.h>

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
    if (lstrcmpiA(ClassName(c).c_str(), "Static") == 0 && !WindowTextA(c).empty()) return WindowTextA(c);
  return std::string();
}

std::string ItemText(HWND dialog, int id) { return WindowTextA(GetDlgItem(dialog, id)); }

std::string ClassName(HWND w) {
  char name[256] = {};
  GetClassNameA(w, name, sizeof name);
  return name;
}

}  // namespace e2e
