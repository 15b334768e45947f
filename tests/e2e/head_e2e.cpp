// The HEAD family dialog through the real DLL: picked from the host's
// menu, driven on its real controls, with screenshots of the dialog and of
// the value-list chooser for a person to look at.
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "dialogs/common/value_list_dlg.h"
#include "dialogs/document/head_dlg.h"
#include "tests/e2e/driver.h"
#include "tests/e2e/e2e.h"

namespace e2e {
namespace {

const char kKey[] = "Software\\Brambleware\\Tagquill\\HTML";

bool KeyHasValues() {
  HKEY k;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, kKey, 0, KEY_READ, &k) != ERROR_SUCCESS) return false;
  DWORD values = 0;
  RegQueryInfoKeyA(k, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &values, nullptr, nullptr,
                   nullptr, nullptr);
  RegCloseKey(k);
  return values != 0;
}

std::string StoredString(const char* name) {
  char buf[256] = {};
  DWORD size = sizeof buf, type = 0;
  if (RegGetValueA(HKEY_CURRENT_USER, kKey, name, RRF_RT_ANY, &type, buf, &size) != ERROR_SUCCESS)
    return "<absent>";
  return buf;
}

class HeadDialog : public ::testing::Test {
 protected:
  void SetUp() override {
    RegDeleteKeyA(HKEY_CURRENT_USER, kKey);
    host_.reset(tqhost::HostWindow::Create(Dll(), tqhost::HostOptions()));
    ASSERT_NE(host_, nullptr);
    ShowWindow(host_->hwnd(), SW_SHOW);
    host_->SetText("文書の表題");
    host_->Select(0, -1);
  }
  void TearDown() override {
    host_.reset();
    RegDeleteKeyA(HKEY_CURRENT_USER, kKey);
  }
  // A pick of the item from the host's menu, as the user makes it.
  void Pick(int id) {
    ASSERT_EQ(GetMenuState(host_->menuBar(), id, MF_BYCOMMAND) & MF_DISABLED, 0u);
    SendMessageA(host_->hwnd(), WM_COMMAND, MAKEWPARAM(id, 0), 0);
  }
  std::unique_ptr<tqhost::HostWindow> host_;
};

TEST_F(HeadDialog, TitleWithLangPickedFromItsList) {
  DialogDriver driver;
  driver
      .Then([](HWND d) {
        EXPECT_EQ(WindowTextA(d), "<TITLE>の設定");
        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(d, tq::IDC_HD_PROFILE_CHK)));
        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(d, tq::IDC_HD_LANG)));
        Click(d, tq::IDC_HD_LANG_CHK);
      })
      .Then([](HWND d) {
        Screenshot(d, "head-dialog.bmp");
        EXPECT_TRUE(IsWindowEnabled(GetDlgItem(d, tq::IDC_HD_LANG)));
        SetDlgItemTextA(d, tq::IDC_HD_LANG, "en");
        Click(d, tq::IDC_HD_LANG_LIST);
      })
      .Then([](HWND list) {
        EXPECT_EQ(WindowTextA(list), "LANG");
        HWND lb = GetDlgItem(list, tq::IDC_VL_LIST);
        EXPECT_EQ(SendMessageA(lb, LB_GETCOUNT, 0, 0), 25);
        SendMessageA(lb, LB_SETCURSEL, 12, 0);  // "ja (日本語)"
        SendMessageA(list, WM_COMMAND, MAKEWPARAM(tq::IDC_VL_LIST, LBN_SELCHANGE), reinterpret_cast<LPARAM>(lb));
        InvalidateRect(list, nullptr, TRUE);
      })
      .Then([](HWND list) {  // idle again, painted with the selection
        Screenshot(list, "value-list.bmp");
        Click(list, IDOK);
      })
      .Then([](HWND d) {
        EXPECT_EQ(ItemText(d, tq::IDC_HD_LANG), "ja");
        Click(d, tq::IDC_HD_DIR_CHK);
        Click(d, tq::IDC_HD_RTL);
      })
      .Then([](HWND d) { Click(d, IDOK); });
  Pick(29111);
  EXPECT_EQ(driver.pending(), 0u);
  EXPECT_EQ(host_->Text(), "<TITLE LANG=\"ja\" DIR=\"rtl\">文書の表題</TITLE>");
  EXPECT_EQ(StoredString("HEAD_111Lang"), "ja");
}

TEST_F(HeadDialog, CancelGivesTheSelectionBackAndWritesNothing) {
  DialogDriver driver;
  driver
      .Then([](HWND d) {
        Click(d, tq::IDC_HD_LANG_CHK);
      })
      .Then([](HWND d) {
        SetDlgItemTextA(d, tq::IDC_HD_LANG, "fr");
        Click(d, IDCANCEL);
      });
  Pick(29111);
  EXPECT_EQ(host_->Text(), "文書の表題");
  EXPECT_FALSE(KeyHasValues());
}

}  // namespace
}  // namespace e2e
