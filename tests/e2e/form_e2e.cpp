// The FORM command through the DLL's real dialog: post chosen with METHOD,
// the encoding type from the chooser and a second accepted character set
// appended to the first.
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "app/html_app.h"
#include "dialogs/common/value_list_dlg.h"
#include "dialogs/form/form_dlg.h"
#include "tests/e2e/driver.h"
#include "tests/e2e/e2e.h"
#include "platform/win32/win32_api.h"

namespace e2e {
namespace {

const char kKey[] = "Software\\Brambleware\\Tagquill\\HTML";

TEST(FormDialog, PostWithEncodingTypeAndTwoCharacterSets) {
  RegDeleteKeyA(HKEY_CURRENT_USER, kKey);
  std::unique_ptr<tqhost::HostWindow> host(tqhost::HostWindow::Create(Dll(), tqhost::HostOptions()));
  ASSERT_NE(host, nullptr);
  host->SetText("abc");
  host->Select(0, -1);
  std::string title, titles;
  bool getFirst = false, postOff = false;
  DialogDriver driver;
  driver
      .Then([&](HWND d) {
        title = WindowTextA(d);
        getFirst = IsDlgButtonChecked(d, tq::IDC_FM_GET) == BST_CHECKED;
        postOff = !IsWindowEnabled(GetDlgItem(d, tq::IDC_FM_POST));
        SetDlgItemTextA(d, tq::IDC_FM_ACTION, "/cgi-bin/find");
        Click(d, tq::IDC_FM_METHOD_CHK);
        Click(d, tq::IDC_FM_ENCTYPE_CHK);
        Click(d, tq::IDC_FM_CHARSET_CHK);
      })
      .Then([](HWND d) {
        Click(d, tq::IDC_FM_POST);
        Click(d, tq::IDC_FM_ENCTYPE_LIST);
      })
      .Then([&](HWND list) {  // list 104
        titles = WindowTextA(list);
        SelectListEntry(list, tq::IDC_VL_LIST, "text/plain");
        Click(list, plat::IDOK);
      })
      .Then([](HWND d) { Click(d, tq::IDC_FM_CHARSET_ADD); })
      .Then([&](HWND list) {  // list 129
        titles += " " + WindowTextA(list);
        SelectListEntry(list, tq::IDC_VL_LIST, "iso-2022-jp");
        Click(list, plat::IDOK);
      })
      .Then([](HWND d) {
        Screenshot(d, "form-dialog.bmp");
        Click(d, plat::IDOK);
      });
  host->RunTagCommand(29172);
  EXPECT_EQ(driver.pending(), 0u);
  EXPECT_EQ(title, "<FORM>の設定");
  EXPECT_TRUE(getFirst);
  EXPECT_TRUE(postOff);
  EXPECT_EQ(titles, "MIME 文字コードセット");
  EXPECT_EQ(host->Text(), "<FORM ACTION=\"/cgi-bin/find\" METHOD=\"post\" ENCTYPE=\"text/plain\" "
                          "ACCEPT-CHARSET=\"shift-jis, iso-2022-jp\">abc</FORM>");
  EXPECT_EQ(HtmlApp().GetProfileInt("HTML", "FORM_172Flag", -1), 0x2 | 0x4 | 0x10 | 0x20);
  host.reset();
  RegDeleteKeyA(HKEY_CURRENT_USER, kKey);
}

}  // namespace
}  // namespace e2e
