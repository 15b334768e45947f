// The INPUT and BUTTON commands, and an OPTION, through the DLL's real
// dialogs: the type picked from the value-list chooser drives the type
// rules, the host receives the element.
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "app/html_app.h"
#include "dialogs/common/value_list_dlg.h"
#include "dialogs/form/form_item_dlg.h"
#include "dialogs/form/input_dlg.h"
#include "dialogs/form/text_area_dlg.h"
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

bool Checked(HWND d, int id) { return IsDlgButtonChecked(d, id) == BST_CHECKED; }
bool Enabled(HWND d, int id) { return IsWindowEnabled(GetDlgItem(d, id)) != FALSE; }

class InputDialog : public ::testing::Test {
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

TEST_F(InputDialog, PasswordTypeFromTheListChecksNameAndKeepsMaxLength) {
  std::string title, listTitle, type;
  bool firstName = false, afterImage[2] = {}, afterPassword[2] = {};
  int lo = -1, hi = -1;
  DialogDriver driver;
  driver
      .Then([&](HWND d) {
        title = WindowTextA(d);
        firstName = Checked(d, tq::IDC_IN_NAME_CHK);  // the type rules ran for "text"
        SendDlgItemMessageA(d, tq::IDC_IN_SIZE_SPIN, UDM_GETRANGE32, reinterpret_cast<WPARAM>(&lo),
                            reinterpret_cast<LPARAM>(&hi));
        Click(d, tq::IDC_IN_MAXLEN_CHK);
        Click(d, tq::IDC_IN_TYPE_LIST);
      })
      .Then([&](HWND list) {  // list 130
        listTitle = WindowTextA(list);
        SelectEntry(list, tq::IDC_VL_LIST, 7);  // "image (画像ボタン)"
        Click(list, plat::IDOK);
      })
      .Then([&](HWND d) {
        Screenshot(d, "input-dialog.bmp");
        afterImage[0] = Checked(d, tq::IDC_IN_SRC_CHK) && Enabled(d, tq::IDC_IN_SRC_BROWSE);
        afterImage[1] = Checked(d, tq::IDC_IN_MAXLEN_CHK) || Enabled(d, tq::IDC_IN_MAXLEN);
        Click(d, tq::IDC_IN_SRC_CHK);
        Click(d, tq::IDC_IN_TYPE_LIST);
      })
      .Then([](HWND list) {
        SelectEntry(list, tq::IDC_VL_LIST, 8);  // "password (伏せ字テキストボックス)"
        Click(list, plat::IDOK);
      })
      .Then([&](HWND d) {
        type = ItemText(d, tq::IDC_IN_TYPE);
        Click(d, tq::IDC_IN_MAXLEN_CHK);
        Click(d, tq::IDC_IN_SIZE_CHK);
      })
      .Then([&](HWND d) {
        afterPassword[0] = Enabled(d, tq::IDC_IN_MAXLEN) && Enabled(d, tq::IDC_IN_MAXLEN_SPIN);
        afterPassword[1] = Enabled(d, tq::IDC_IN_SIZE_SPIN);
        SetDlgItemTextA(d, tq::IDC_IN_NAME, "pw");
        SetDlgItemTextA(d, tq::IDC_IN_SIZE, "20");
        SetDlgItemTextA(d, tq::IDC_IN_MAXLEN, "8");
        Click(d, plat::IDOK);
      });
  host_->RunTagCommand(29466);
  EXPECT_EQ(driver.pending(), 0u);
  EXPECT_EQ(title, "<INPUT>の設定");
  EXPECT_TRUE(firstName);
  EXPECT_EQ(lo, 0);
  EXPECT_EQ(hi, 32767);
  EXPECT_EQ(listTitle, "フォームコントロールのタイプ(TYPE)");
  EXPECT_TRUE(afterImage[0]);
  EXPECT_FALSE(afterImage[1]);
  EXPECT_EQ(type, "password");
  EXPECT_TRUE(afterPassword[0]);
  EXPECT_TRUE(afterPassword[1]);
  EXPECT_EQ(host_->Text(), "<INPUT TYPE=\"password\" NAME=\"pw\" SIZE=\"20\" MAXLENGTH=\"8\">abc");
  EXPECT_EQ(HtmlApp().GetProfileInt("HTML", "INPUT_466Flag", -1), 0xC3);
  EXPECT_EQ(HtmlApp().GetProfileString("HTML", "INPUT_466Type", "<absent>"), "password");
}

TEST_F(InputDialog, ButtonTypeFromItsOwnListAndBoxesItLacks) {
  std::string title, listTitle;
  bool lacks = false, has = false;
  DialogDriver driver;
  driver
      .Then([&](HWND d) {
        title = WindowTextA(d);
        lacks = !Enabled(d, tq::IDC_IN_READONLY_CHK) && !Enabled(d, tq::IDC_IN_SRC_CHK) &&
                !Enabled(d, tq::IDC_IN_ALIGN_CHK) && !Enabled(d, tq::IDC_IN_SIZE_SPIN);
        has = Enabled(d, tq::IDC_IN_DISABLED_CHK) && Enabled(d, tq::IDC_IN_FOCUS_CHK);
        Click(d, tq::IDC_IN_DISABLED_CHK);
        Click(d, tq::IDC_IN_TYPE_LIST);
      })
      .Then([&](HWND list) {  // list 131
        listTitle = WindowTextA(list);
        SelectEntry(list, tq::IDC_VL_LIST, 1);  // "reset (リセットボタン)"
        Click(list, plat::IDOK);
      })
      .Then([](HWND d) { Click(d, plat::IDOK); });
  host_->RunTagCommand(29472);
  EXPECT_EQ(driver.pending(), 0u);
  EXPECT_EQ(title, "<BUTTON>の設定");
  EXPECT_EQ(listTitle, "ボタンのタイプ");
  EXPECT_TRUE(lacks);
  EXPECT_TRUE(has);
  EXPECT_EQ(host_->Text(), "<BUTTON TYPE=\"reset\" DISABLED>abc</BUTTON>");
}

TEST_F(InputDialog, OptionThroughTheFormItemDialog) {
  bool forOff = false;
  DialogDriver driver;
  driver
      .Then([&](HWND d) {
        EXPECT_EQ(WindowTextA(d), "<OPTION>の設定");
        forOff = !Enabled(d, tq::IDC_FI_FOR_CHK) && !Enabled(d, tq::IDC_FI_ALIGN_LIST);
        Click(d, tq::IDC_FI_VALUE_CHK);
        Click(d, tq::IDC_FI_SELECTED_CHK);
      })
      .Then([](HWND d) {
        Screenshot(d, "form-item-dialog.bmp");
        SetDlgItemTextA(d, tq::IDC_FI_VALUE, "1");
        Click(d, plat::IDOK);
      });
  host_->RunTagCommand(29469);
  EXPECT_EQ(driver.pending(), 0u);
  EXPECT_TRUE(forOff);
  EXPECT_EQ(host_->Text(), "<OPTION VALUE=\"1\" SELECTED>abc</OPTION>");
  EXPECT_EQ(HtmlApp().GetProfileInt("HTML", "FMM_469Flag", -1), 0x24);
}

TEST_F(InputDialog, TextAreaAlwaysGetsItsSizeSelectNever) {
  bool selectSize[2] = {};
  DialogDriver driver;
  driver
      .Then([&](HWND d) {
        EXPECT_EQ(WindowTextA(d), "<TEXTAREA>の設定");
        SetDlgItemTextA(d, tq::IDC_TA_COLS, "40");
        SetDlgItemTextA(d, tq::IDC_TA_ROWS, "4");
        // One step up, as the arrow of the up-down control does.
        SendDlgItemMessageA(d, tq::IDC_TA_ROWS_SPIN, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 1));
        SendDlgItemMessageA(d, tq::IDC_TA_ROWS_SPIN, WM_LBUTTONUP, 0, MAKELPARAM(2, 1));
        Click(d, tq::IDC_TA_READONLY_CHK);
      })
      .Then([](HWND d) {
        Screenshot(d, "text-area-dialog.bmp");
        Click(d, plat::IDOK);
      });
  host_->RunTagCommand(29470);
  EXPECT_EQ(driver.pending(), 0u);
  EXPECT_EQ(host_->Text(), "<TEXTAREA COLS=\"40\" ROWS=\"5\" READONLY>abc</TEXTAREA>");

  DialogDriver select;
  select
      .Then([&](HWND d) {
        EXPECT_EQ(WindowTextA(d), "<SELECT>の設定");
        selectSize[0] = Enabled(d, tq::IDC_TA_COLS) || Enabled(d, tq::IDC_TA_ROWS_SPIN) ||
                        Enabled(d, tq::IDC_TA_READONLY_CHK);
        selectSize[1] = Enabled(d, tq::IDC_TA_SIZE_CHK) && Enabled(d, tq::IDC_TA_MULTIPLE_CHK);
        Click(d, tq::IDC_TA_MULTIPLE_CHK);
      })
      .Then([](HWND d) { Click(d, plat::IDOK); });
  host_->SetText("<OPTION>a");
  host_->Select(0, -1);
  host_->RunTagCommand(29467);
  EXPECT_EQ(select.pending(), 0u);
  EXPECT_FALSE(selectSize[0]);
  EXPECT_TRUE(selectSize[1]);
  EXPECT_EQ(host_->Text(), "<SELECT MULTIPLE><OPTION>a</SELECT>");
}

}  // namespace
}  // namespace e2e
