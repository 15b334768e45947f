// What the end-to-end tests share: the real Tagquill.dll, loaded once by
// main() with LoadLibrary, and what it answered before anyone set it up;
// the registry section the plug-in keeps its settings in, the fixtures
// that give each test that section empty and a test host around the DLL,
// and the dialog driver.
#pragma once
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "plat/dialog.h"
#include "platform/win32/win32_api.h"
#include "testhost/host.h"
#include "tests/e2e/driver.h"

namespace e2e {

tqhost::Plugin& Dll();
// GetHtmlVer as answered right after loading, before SetAppInfo.
int VersionAtLoad();

inline constexpr char kKey[] = "Software\\Brambleware\\Tagquill\\HTML";

// A setting as the application object reads it: "<absent>" or -1 when
// there is none.
std::string Setting(const char* name);
int SettingInt(const char* name);
// A value planted in the section as another program might leave it.
void Plant(const char* name, DWORD type, const void* data, DWORD size);
void PlantString(const char* name, const std::string& value);
// A value as the registry holds it: its type and bytes; false when missing.
bool ReadValue(const char* name, DWORD* type, std::string* data);
// How many values the section holds (0 when it does not exist).
int ValueCount();

// Each test starts and ends with no settings at all.
class SettingsTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
};

// ... and with a test host around the DLL (not shown) whose whole text,
// "abc", is selected.
class HostTest : public SettingsTest {
 protected:
  void SetUp() override;
  void TearDown() override;
  // Makes a new host with these options, holding "abc" selected.
  void Open(const tqhost::HostOptions& options = tqhost::HostOptions());
  // The host's text becomes text, all of it selected.
  void Select(const std::string& text);
  // A pick of an enabled item of the host's menu, as the user makes it,
  // and everything it posted delivered.
  void PickFromMenu(int id);

  std::unique_ptr<tqhost::HostWindow> host_;
};

}  // namespace e2e
