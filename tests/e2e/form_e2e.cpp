// The FORM command through the DLL's real dialog: post chosen with METHOD,
// the encoding type from the chooser and a second accepted character set
// appended to the first.
#include "dialogs/common/value_list_dlg.h"
#include "dialogs/form/form_dlg.h"
#include "tests/e2e/e2e.h"

namespace e2e {
namespace {

using FormDialog = HostTest;

TEST_F(FormDialog, PostWithEncodingTypeAndTwoCharacterSets) {
  DialogDriver driver;
  driver
      .Then([](HWND d) {
        EXPECT_EQ(WindowTextA(d), "<FORM>の設定");
        EXPECT_TRUE(Checked(d, tq::IDC_FM_GET));
        EXPECT_FALSE(Enabled(d, tq::IDC_FM_POST));
        Type(d, tq::IDC_FM_ACTION, "/cgi-bin/find");
        Click(d, tq::IDC_FM_METHOD_CHK);
        Click(d, tq::IDC_FM_ENCTYPE_CHK);
        Click(d, tq::IDC_FM_CHARSET_CHK);
      })
      .Then([](HWND d) {
        Click(d, tq::IDC_FM_POST);
        Click(d, tq::IDC_FM_ENCTYPE_LIST);
      })
      .Then([](HWND list) {  // list 104
        EXPECT_EQ(WindowTextA(list), "MIME");
        SelectListEntry(list, tq::IDC_VL_LIST, "text/plain");
        Click(list, plat::IDOK);
      })
      .Then([](HWND d) { Click(d, tq::IDC_FM_CHARSET_ADD); })
      .Then([](HWND list) {  // list 129
        EXPECT_EQ(WindowTextA(list), "文字コードセット");
        SelectListEntry(list, tq::IDC_VL_LIST, "iso-2022-jp");
        Click(list, plat::IDOK);
      })
      .Then([](HWND d) {
        Screenshot(d, "form-dialog.bmp");
        Click(d, plat::IDOK);
      });
  host_->RunTagCommand(29172);
  EXPECT_EQ(host_->Text(), "<FORM ACTION=\"/cgi-bin/find\" METHOD=\"post\" ENCTYPE=\"text/plain\" "
                           "ACCEPT-CHARSET=\"shift-jis, iso-2022-jp\">abc</FORM>");
  EXPECT_EQ(SettingInt("FORM_172Flag"), 0x2 | 0x4 | 0x10 | 0x20);
}

}  // namespace
}  // namespace e2e
