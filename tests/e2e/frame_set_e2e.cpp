// The FRAMESET command through the DLL's real dialog, around two frames
// selected in the host, driven on its controls as a user would.
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "app/html_app.h"
#include "dialogs/form/frame_set_dlg.h"
#include "tests/e2e/driver.h"
#include "tests/e2e/e2e.h"
#include "platform/win32/win32_api.h"

namespace e2e {
namespace {

const char kKey[] = "Software\\Brambleware\\Tagquill\\HTML";

class FrameSetDialog : public ::testing::Test {
 protected:
  void SetUp() override {
    RegDeleteKeyA(HKEY_CURRENT_USER, kKey);
    host_.reset(tqhost::HostWindow::Create(Dll(), tqhost::HostOptions()));
    ASSERT_NE(host_, nullptr);
  }
  void TearDown() override {
    host_.reset();
    RegDeleteKeyA(HKEY_CURRENT_USER, kKey);
  }
  std::unique_ptr<tqhost::HostWindow> host_;
};

TEST_F(FrameSetDialog, RowsColumnsAndCoreAttributesAroundTheSelection) {
  host_->SetText("<FRAME SRC=\"a.htm\">\r\n<FRAME SRC=\"b.htm\">");
  host_->Select(0, -1);
  bool rowsBefore = true, rowsAfter = false, browseOff = false;
  DialogDriver driver;
  driver
      .Then([&](HWND d) {
        EXPECT_EQ(WindowTextA(d), "<FRAMESET>の設定");
        rowsBefore = IsWindowEnabled(GetDlgItem(d, tq::IDC_FS_ROWS)) != FALSE;
        Click(d, tq::IDC_FS_ROWS_CHK);
        Click(d, tq::IDC_FS_COLS_CHK);
        Click(d, tq::IDC_FS_ATTR_CHK);
      })
      .Then([&](HWND d) {
        rowsAfter = IsWindowEnabled(GetDlgItem(d, tq::IDC_FS_ROWS)) != FALSE;
        browseOff = IsWindowEnabled(GetDlgItem(d, tq::IDC_FS_ONLOAD_BROWSE)) == FALSE;
        SetDlgItemTextA(d, tq::IDC_FS_ROWS, "50%,*");
        SetDlgItemTextA(d, tq::IDC_FS_COLS, "*,*");
        SetDlgItemTextA(d, tq::IDC_FS_ATTR, "ID=\"f\"\r\n\r\nCLASS=\"c\"\r\n");
        Click(d, plat::IDOK);
      });
  host_->RunTagCommand(29165);
  EXPECT_EQ(driver.pending(), 0u);
  EXPECT_FALSE(rowsBefore);
  EXPECT_TRUE(rowsAfter);
  EXPECT_TRUE(browseOff);
  EXPECT_EQ(host_->Text(),
            "<FRAMESET ROWS=\"50%,*\" COLS=\"*,*\" ID=\"f\" CLASS=\"c\">\r\n"
            "<FRAME SRC=\"a.htm\">\r\n<FRAME SRC=\"b.htm\">\r\n</FRAMESET>");
  EXPECT_EQ(HtmlApp().GetProfileInt("HTML", "FRSET_165Flag", -1), 0x13);
  EXPECT_EQ(HtmlApp().GetProfileString("HTML", "FRSET_165Attr", "<absent>"), "ID=\"f\"\r\n\r\nCLASS=\"c\"\r\n");
}

}  // namespace
}  // namespace e2e
