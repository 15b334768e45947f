// The FRAMESET command through the DLL's real dialog, around two frames
// selected in the host, driven on its controls as a user would.
#include "dialogs/form/frame_set_dlg.h"
#include "tests/e2e/e2e.h"

namespace e2e {
namespace {

using FrameSetDialog = HostTest;

TEST_F(FrameSetDialog, RowsColumnsAndCoreAttributesAroundTheSelection) {
  Select("<FRAME SRC=\"a.htm\">\r\n<FRAME SRC=\"b.htm\">");
  DialogDriver driver;
  driver
      .Then([](HWND d) {
        EXPECT_EQ(WindowTextA(d), "<FRAMESET>の設定");
        EXPECT_FALSE(Enabled(d, tq::IDC_FS_ROWS));
        Click(d, tq::IDC_FS_ROWS_CHK);
        Click(d, tq::IDC_FS_COLS_CHK);
        Click(d, tq::IDC_FS_ATTR_CHK);
      })
      .Then([](HWND d) {
        EXPECT_TRUE(Enabled(d, tq::IDC_FS_ROWS));
        EXPECT_FALSE(Enabled(d, tq::IDC_FS_ONLOAD_BROWSE));
        Type(d, tq::IDC_FS_ROWS, "50%,*");
        Type(d, tq::IDC_FS_COLS, "*,*");
        Type(d, tq::IDC_FS_ATTR, "ID=\"f\"\r\n\r\nCLASS=\"c\"\r\n");
        Click(d, plat::IDOK);
      });
  host_->RunTagCommand(29165);
  EXPECT_EQ(host_->Text(),
            "<FRAMESET ROWS=\"50%,*\" COLS=\"*,*\" ID=\"f\" CLASS=\"c\">\r\n"
            "<FRAME SRC=\"a.htm\">\r\n<FRAME SRC=\"b.htm\">\r\n</FRAMESET>");
  EXPECT_EQ(SettingInt("FRSET_165Flag"), 0x13);
  EXPECT_EQ(Setting("FRSET_165Attr"), "ID=\"f\"\r\n\r\nCLASS=\"c\"\r\n");
}

}  // namespace
}  // namespace e2e
