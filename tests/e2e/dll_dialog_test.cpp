// A detail command of the real DLL opens its dialog on the host window.
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "tests/e2e/driver.h"
#include "tests/e2e/e2e.h"

namespace e2e {
namespace {

int ValueCount(const char* key) {
  HKEY k = nullptr;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, key, 0, KEY_QUERY_VALUE, &k) != ERROR_SUCCESS) return 0;
  DWORD n = 0;
  RegQueryInfoKeyA(k, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &n, nullptr, nullptr, nullptr,
                   nullptr);
  RegCloseKey(k);
  return static_cast<int>(n);
}

TEST(DllDialog, CancelledDetailCommandKeepsTheSelectionAndWritesNothing) {
  const char kKey[] = "Software\\Brambleware\\Tagquill\\HTML";
  RegDeleteKeyA(HKEY_CURRENT_USER, kKey);
  tqhost::HostOptions o;
  std::unique_ptr<tqhost::HostWindow> host(tqhost::HostWindow::Create(Dll(), o));
  ASSERT_TRUE(host);
  host->SetText("見出し");
  host->Select(0, -1);

  HWND owner = nullptr;
  std::string cls;
  bool hostEnabled = true;
  DialogDriver drive;
  drive.Then([&](HWND dlg) {
    owner = GetWindow(dlg, GW_OWNER);
    cls = ClassName(dlg);
    hostEnabled = IsWindowEnabled(host->hwnd()) != FALSE;
    Click(dlg, IDCANCEL);
  });
  SendMessageA(host->hwnd(), WM_COMMAND, 29110, 0);

  EXPECT_EQ(owner, host->hwnd());
  EXPECT_EQ(cls, "#32770");
  EXPECT_FALSE(hostEnabled);
  EXPECT_TRUE(IsWindowEnabled(host->hwnd()));
  EXPECT_EQ(host->Text(), "見出し");
  EXPECT_EQ(ValueCount(kKey), 0);
}

}  // namespace
}  // namespace e2e
