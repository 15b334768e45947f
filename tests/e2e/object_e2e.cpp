// The OBJECT and APPLET commands through the DLL's real dialog: the MIME
// list of the value-list chooser, the unit buttons, the up-down controls
// and the applet's relabelled boxes.
#include "dialogs/common/value_list_dlg.h"
#include "dialogs/form/object_dlg.h"
#include "tests/e2e/e2e.h"

namespace e2e {
namespace {

using ObjectDialog = HostTest;

TEST_F(ObjectDialog, DeclaredDataWithMimeTypeAndPercentWidth) {
  DialogDriver driver;
  driver
      .Then([](HWND d) {
        EXPECT_EQ(WindowTextA(d), "<OBJECT>の設定");
        EXPECT_EQ(SpinRange(d, tq::IDC_OB_TABINDEX_SPIN), std::make_pair(1, 32767));
        EXPECT_EQ(ItemText(d, tq::IDC_OB_TABINDEX), "1");
        Click(d, tq::IDC_OB_DECLARE_CHK);
        Click(d, tq::IDC_OB_DATA_CHK);
        Click(d, tq::IDC_OB_TYPE_CHK);
        Click(d, tq::IDC_OB_WIDTH_CHK);
      })
      .Then([](HWND d) {
        Type(d, tq::IDC_OB_DATA, "a.swf");
        Type(d, tq::IDC_OB_WIDTH, "50");
        Click(d, tq::IDC_OB_WIDTH_PCT);
        Click(d, tq::IDC_OB_TYPE_LIST);
      })
      .Then([](HWND list) {  // the value-list chooser, list 104
        EXPECT_EQ(WindowTextA(list), "MIME");
        SelectListEntry(list, tq::IDC_VL_LIST, 9);  // "application/octet-stream"
        Click(list, plat::IDOK);
      })
      .Then([](HWND d) {
        EXPECT_EQ(ItemText(d, tq::IDC_OB_TYPE), "application/octet-stream");
        Click(d, plat::IDOK);
      });
  host_->RunTagCommand(29456);
  EXPECT_EQ(host_->Text(),
            "<OBJECT DECLARE DATA=\"a.swf\" TYPE=\"application/octet-stream\" WIDTH=\"50%\">abc</OBJECT>");
  EXPECT_EQ(SettingInt("OBJ_456Flag"), 0x319);
}

TEST_F(ObjectDialog, AppletCodeAndSpacingFromTheUpDownControl) {
  DialogDriver driver;
  driver
      .Then([](HWND d) {
        EXPECT_EQ(WindowTextA(d), "<APPLET>の設定");
        EXPECT_EQ(ItemText(d, tq::IDC_OB_DATA_CHK), "CODE");
        EXPECT_EQ(ItemText(d, tq::IDC_OB_STANDBY_CHK), "OBJECT");
        EXPECT_EQ(ItemText(d, tq::IDC_OB_USEMAP_CHK), "ALT");
        EXPECT_FALSE(Enabled(d, tq::IDC_OB_DECLARE_CHK) || Enabled(d, tq::IDC_OB_BORDER_CHK));
        Click(d, tq::IDC_OB_DATA_CHK);
        Click(d, tq::IDC_OB_HSPACE_CHK);
      })
      .Then([](HWND d) {
        Type(d, tq::IDC_OB_DATA, "A.class");
        Type(d, tq::IDC_OB_HSPACE, "7");
        SpinUp(d, tq::IDC_OB_HSPACE_SPIN);
      })
      .Then([](HWND d) { Click(d, plat::IDOK); });
  host_->RunTagCommand(29458);
  EXPECT_EQ(host_->Text(), "<APPLET CODE=\"A.class\" HSPACE=\"8\">abc</APPLET>");
  EXPECT_EQ(Setting("OBJ_458Data"), "A.class");
}

}  // namespace
}  // namespace e2e
