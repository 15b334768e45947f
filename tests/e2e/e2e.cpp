#include "tests/e2e/e2e.h"

#include "app/html_app.h"

namespace e2e {

std::string Setting(const char* name) { return HtmlApp().GetProfileString("HTML", name, "<absent>"); }

int SettingInt(const char* name) { return HtmlApp().GetProfileInt("HTML", name, -1); }

void Plant(const char* name, DWORD type, const void* data, DWORD size) {
  HKEY k = nullptr;
  ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, kKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &k, nullptr),
            ERROR_SUCCESS);
  EXPECT_EQ(RegSetValueExA(k, name, 0, type, static_cast<const BYTE*>(data), size), ERROR_SUCCESS);
  RegCloseKey(k);
}

void PlantString(const char* name, const std::string& value) {
  Plant(name, REG_SZ, value.c_str(), static_cast<DWORD>(value.size() + 1));
}

bool ReadValue(const char* name, DWORD* type, std::string* data) {
  HKEY k = nullptr;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, kKey, 0, KEY_QUERY_VALUE, &k) != ERROR_SUCCESS) return false;
  DWORD size = 0;
  bool ok = RegQueryValueExA(k, name, nullptr, type, nullptr, &size) == ERROR_SUCCESS;
  data->assign(size, '\0');
  ok = ok && RegQueryValueExA(k, name, nullptr, type, reinterpret_cast<BYTE*>(data->data()), &size) ==
                 ERROR_SUCCESS;
  data->resize(size);
  RegCloseKey(k);
  return ok;
}

int ValueCount() {
  HKEY k = nullptr;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, kKey, 0, KEY_QUERY_VALUE, &k) != ERROR_SUCCESS) return 0;
  DWORD n = 0;
  RegQueryInfoKeyA(k, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &n, nullptr, nullptr, nullptr,
                   nullptr);
  RegCloseKey(k);
  return static_cast<int>(n);
}

void SettingsTest::SetUp() { RegDeleteKeyA(HKEY_CURRENT_USER, kKey); }

void SettingsTest::TearDown() { RegDeleteKeyA(HKEY_CURRENT_USER, kKey); }

void HostTest::SetUp() {
  SettingsTest::SetUp();
  Open();
}

void HostTest::TearDown() {
  host_.reset();
  Pump();
  SettingsTest::TearDown();
}

void HostTest::Open(const tqhost::HostOptions& options) {
  host_.reset();
  host_.reset(tqhost::HostWindow::Create(Dll(), options));
  ASSERT_NE(host_, nullptr);
  Select("abc");
}

void HostTest::Select(const std::string& text) {
  host_->SetText(text);
  host_->Select(0, -1);
}

void HostTest::PickFromMenu(int id) {
  ASSERT_EQ(GetMenuState(host_->menuBar(), id, MF_BYCOMMAND) & MF_DISABLED, 0u) << id;
  SendMessageA(host_->hwnd(), WM_COMMAND, MAKEWPARAM(id, 0), 0);
  Pump();
}

}  // namespace e2e
