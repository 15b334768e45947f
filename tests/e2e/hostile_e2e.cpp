// Odd values left in the real registry by hand or by another program: the
// real dialog still opens, the host keeps its selection, and OK leaves the
// values in their proper types.
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "dialogs/document/head_dlg.h"
#include "tests/e2e/driver.h"
#include "tests/e2e/e2e.h"
#include "platform/win32/win32_api.h"

namespace e2e {
namespace {

const char kKey[] = "Software\\Brambleware\\Tagquill\\HTML";

void Plant(const char* name, DWORD type, const void* data, DWORD size) {
  HKEY k = nullptr;
  ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, kKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &k, nullptr),
            ERROR_SUCCESS);
  EXPECT_EQ(RegSetValueExA(k, name, 0, type, static_cast<const BYTE*>(data), size), ERROR_SUCCESS);
  RegCloseKey(k);
}
void PlantString(const char* name, const std::string& s) {
  Plant(name, REG_SZ, s.c_str(), static_cast<DWORD>(s.size() + 1));
}
DWORD TypeOf(const char* name) {
  DWORD type = REG_NONE;
  if (RegGetValueA(HKEY_CURRENT_USER, kKey, name, RRF_RT_ANY, &type, nullptr, nullptr) != ERROR_SUCCESS)
    return REG_NONE;
  return type;
}

class HostileRegistry : public ::testing::Test {
 protected:
  void SetUp() override {
    RegDeleteKeyA(HKEY_CURRENT_USER, kKey);
    host_.reset(tqhost::HostWindow::Create(Dll(), tqhost::HostOptions()));
    ASSERT_NE(host_, nullptr);
    host_->SetText("表題");
    host_->Select(0, -1);
  }
  void TearDown() override {
    host_.reset();
    RegDeleteKeyA(HKEY_CURRENT_USER, kKey);
  }
  std::unique_ptr<tqhost::HostWindow> host_;
};

TEST_F(HostileRegistry, ValuesOfTheWrongTypeOpenAsDefaultsAndAreRewrittenProperly) {
  PlantString("HEAD_111Flag", "garbage");
  const unsigned char bytes[] = {0x81, 0x00, 0xFF, 0x5C};
  Plant("HEAD_111Lang", REG_BINARY, bytes, sizeof bytes);
  const DWORD n = 7;
  Plant("HEAD_111Title", REG_DWORD, &n, sizeof n);
  std::string lang = "?";
  DialogDriver driver;
  driver.Then([&](HWND d) {
    lang = WindowTextA(GetDlgItem(d, tq::IDC_HD_LANG));
    EXPECT_EQ(IsDlgButtonChecked(d, tq::IDC_HD_LANG_CHK), static_cast<UINT>(BST_UNCHECKED));
    Click(d, tq::IDC_HD_LANG_CHK);
    SetDlgItemTextA(d, tq::IDC_HD_LANG, "ja");
    Click(d, plat::IDOK);
  });
  host_->RunTagCommand(29111);
  EXPECT_EQ(driver.pending(), 0u);
  EXPECT_EQ(lang, "");
  EXPECT_EQ(host_->Text(), "<TITLE LANG=\"ja\">表題</TITLE>");
  EXPECT_EQ(TypeOf("HEAD_111Flag"), static_cast<DWORD>(REG_DWORD));
  EXPECT_EQ(TypeOf("HEAD_111Lang"), static_cast<DWORD>(REG_SZ));
}

TEST_F(HostileRegistry, AHugeValueWithEveryBitSetIsShownAndBuiltWhole) {
  const std::string huge = std::string(1 << 20, 'x') + "\"<>";
  PlantString("HEAD_111Lang", huge);
  const DWORD all = 0xFFFFFFFF;
  Plant("HEAD_111Flag", REG_DWORD, &all, sizeof all);
  size_t shown = 0;
  DialogDriver driver;
  driver.Then([&](HWND d) {
    shown = static_cast<size_t>(GetWindowTextLengthA(GetDlgItem(d, tq::IDC_HD_LANG)));
    Click(d, plat::IDOK);
  });
  host_->RunTagCommand(29111);
  EXPECT_EQ(driver.pending(), 0u);
  EXPECT_EQ(shown, huge.size());
  const std::string text = host_->Text();
  EXPECT_EQ(text.rfind("<TITLE", 0), 0u);
  EXPECT_NE(text.find("LANG=\"" + huge + "\""), std::string::npos);
  const std::string tail = ">表題</TITLE>";
  ASSERT_GE(text.size(), tail.size());
  EXPECT_EQ(text.substr(text.size() - tail.size()), tail);
}

}  // namespace
}  // namespace e2e
