// The OBJECT and APPLET commands through the DLL's real dialog: the MIME
// list of the value-list chooser, the unit buttons, the up-down controls
// and the applet's relabelled boxes.
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "app/html_app.h"
#include "dialogs/common/value_list_dlg.h"
#include "dialogs/form/object_dlg.h"
#include "tests/e2e/driver.h"
#include "tests/e2e/e2e.h"
#include "platform/win32/win32_api.h"

namespace e2e {
namespace {

const char kKey[] = "Software\\Brambleware\\Tagquill\\HTML";

void SelectEntry(HWND dialog, int id, int index) {
  HWND list = GetDlgItem(dialog, id);
  ASSERT_NE(list, nullptr);
  SendMessageA(list, LB_SETCURSEL, index, 0);
  SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, LBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
}

class ObjectDialog : public ::testing::Test {
 protected:
  void SetUp() override {
    RegDeleteKeyA(HKEY_CURRENT_USER, kKey);
    host_.reset(tqhost::HostWindow::Create(Dll(), tqhost::HostOptions()));
    ASSERT_NE(host_, nullptr);
    host_->SetText("abc");
    host_->Select(0, -1);
  }
  void TearDown() override {
    host_.reset();
    RegDeleteKeyA(HKEY_CURRENT_USER, kKey);
  }
  std::unique_ptr<tqhost::HostWindow> host_;
};

TEST_F(ObjectDialog, DeclaredDataWithMimeTypeAndPercentWidth) {
  int lo = 0, hi = 0;
  std::string tabindex, type;
  DialogDriver driver;
  driver
      .Then([&](HWND d) {
        EXPECT_EQ(WindowTextA(d), "<OBJECT>の設定");
        SendDlgItemMessageA(d, tq::IDC_OB_TABINDEX_SPIN, UDM_GETRANGE32, reinterpret_cast<WPARAM>(&lo),
                            reinterpret_cast<LPARAM>(&hi));
        tabindex = ItemText(d, tq::IDC_OB_TABINDEX);
        Click(d, tq::IDC_OB_DECLARE_CHK);
        Click(d, tq::IDC_OB_DATA_CHK);
        Click(d, tq::IDC_OB_TYPE_CHK);
        Click(d, tq::IDC_OB_WIDTH_CHK);
      })
      .Then([](HWND d) {
        SetDlgItemTextA(d, tq::IDC_OB_DATA, "a.swf");
        SetDlgItemTextA(d, tq::IDC_OB_WIDTH, "50");
        Click(d, tq::IDC_OB_WIDTH_PCT);
        Click(d, tq::IDC_OB_TYPE_LIST);
      })
      .Then([](HWND list) {  // the value-list chooser, list 104
        EXPECT_EQ(WindowTextA(list), "MIME");
        SelectEntry(list, tq::IDC_VL_LIST, 9);  // "application/octet-stream"
        Click(list, plat::IDOK);
      })
      .Then([&](HWND d) {
        type = ItemText(d, tq::IDC_OB_TYPE);
        Click(d, plat::IDOK);
      });
  host_->RunTagCommand(29456);
  EXPECT_EQ(driver.pending(), 0u);
  EXPECT_EQ(lo, 1);
  EXPECT_EQ(hi, 32767);
  EXPECT_EQ(tabindex, "1");
  EXPECT_EQ(type, "application/octet-stream");
  EXPECT_EQ(host_->Text(),
            "<OBJECT DECLARE DATA=\"a.swf\" TYPE=\"application/octet-stream\" WIDTH=\"50%\">abc</OBJECT>");
  EXPECT_EQ(HtmlApp().GetProfileInt("HTML", "OBJ_456Flag", -1), 0x319);
}

TEST_F(ObjectDialog, AppletCodeAndSpacingFromTheUpDownControl) {
  std::string labels[3];
  bool declareOff = false;
  DialogDriver driver;
  driver
      .Then([&](HWND d) {
        EXPECT_EQ(WindowTextA(d), "<APPLET>の設定");
        labels[0] = ItemText(d, tq::IDC_OB_DATA_CHK);
        labels[1] = ItemText(d, tq::IDC_OB_STANDBY_CHK);
        labels[2] = ItemText(d, tq::IDC_OB_USEMAP_CHK);
        declareOff = IsWindowEnabled(GetDlgItem(d, tq::IDC_OB_DECLARE_CHK)) == FALSE &&
                     IsWindowEnabled(GetDlgItem(d, tq::IDC_OB_BORDER_CHK)) == FALSE;
        Click(d, tq::IDC_OB_DATA_CHK);
        Click(d, tq::IDC_OB_HSPACE_CHK);
      })
      .Then([](HWND d) {
        SetDlgItemTextA(d, tq::IDC_OB_DATA, "A.class");
        SetDlgItemTextA(d, tq::IDC_OB_HSPACE, "7");
        // One step up, as the arrow of the up-down control does.
        SendDlgItemMessageA(d, tq::IDC_OB_HSPACE_SPIN, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 1));
        SendDlgItemMessageA(d, tq::IDC_OB_HSPACE_SPIN, WM_LBUTTONUP, 0, MAKELPARAM(2, 1));
      })
      .Then([](HWND d) { Click(d, plat::IDOK); });
  host_->RunTagCommand(29458);
  EXPECT_EQ(driver.pending(), 0u);
  EXPECT_EQ(labels[0], "CODE");
  EXPECT_EQ(labels[1], "OBJECT");
  EXPECT_EQ(labels[2], "ALT");
  EXPECT_TRUE(declareOff);
  EXPECT_EQ(host_->Text(), "<APPLET CODE=\"A.class\" HSPACE=\"8\">abc</APPLET>");
  EXPECT_EQ(HtmlApp().GetProfileString("HTML", "OBJ_458Data", "<absent>"), "A.class");
}

}  // namespace
}  // namespace e2e
