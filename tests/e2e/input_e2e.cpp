// The INPUT and BUTTON commands, an OPTION, TEXTAREA and SELECT through
// the DLL's real dialogs: the type picked from the value-list chooser
// drives the type rules, the host receives the element.
#include "dialogs/common/value_list_dlg.h"
#include "dialogs/form/form_item_dlg.h"
#include "dialogs/form/input_dlg.h"
#include "dialogs/form/text_area_dlg.h"
#include "tests/e2e/e2e.h"

namespace e2e {
namespace {

using InputDialog = HostTest;

TEST_F(InputDialog, PasswordTypeFromTheListChecksNameAndKeepsMaxLength) {
  DialogDriver driver;
  driver
      .Then([](HWND d) {
        EXPECT_EQ(WindowTextA(d), "<INPUT>の設定");
        EXPECT_TRUE(Checked(d, tq::IDC_IN_NAME_CHK));  // the type rules ran for "text"
        EXPECT_EQ(SpinRange(d, tq::IDC_IN_SIZE_SPIN), std::make_pair(0, 32767));
        Click(d, tq::IDC_IN_MAXLEN_CHK);
        Click(d, tq::IDC_IN_TYPE_LIST);
      })
      .Then([](HWND list) {  // list 130
        EXPECT_EQ(WindowTextA(list), "フォームコントロールのタイプ(TYPE)");
        SelectListEntry(list, tq::IDC_VL_LIST, 7);  // "image (画像ボタン)"
        Click(list, plat::IDOK);
      })
      .Then([](HWND d) {
        Screenshot(d, "input-dialog.bmp");
        EXPECT_TRUE(Checked(d, tq::IDC_IN_SRC_CHK) && Enabled(d, tq::IDC_IN_SRC_BROWSE));
        EXPECT_FALSE(Checked(d, tq::IDC_IN_MAXLEN_CHK) || Enabled(d, tq::IDC_IN_MAXLEN));
        Click(d, tq::IDC_IN_SRC_CHK);
        Click(d, tq::IDC_IN_TYPE_LIST);
      })
      .Then([](HWND list) {
        SelectListEntry(list, tq::IDC_VL_LIST, 8);  // "password (伏せ字テキストボックス)"
        Click(list, plat::IDOK);
      })
      .Then([](HWND d) {
        EXPECT_EQ(ItemText(d, tq::IDC_IN_TYPE), "password");
        Click(d, tq::IDC_IN_MAXLEN_CHK);
        Click(d, tq::IDC_IN_SIZE_CHK);
      })
      .Then([](HWND d) {
        EXPECT_TRUE(Enabled(d, tq::IDC_IN_MAXLEN) && Enabled(d, tq::IDC_IN_MAXLEN_SPIN));
        EXPECT_TRUE(Enabled(d, tq::IDC_IN_SIZE_SPIN));
        Type(d, tq::IDC_IN_NAME, "pw");
        Type(d, tq::IDC_IN_SIZE, "20");
        Type(d, tq::IDC_IN_MAXLEN, "8");
        Click(d, plat::IDOK);
      });
  host_->RunTagCommand(29466);
  EXPECT_EQ(host_->Text(), "<INPUT TYPE=\"password\" NAME=\"pw\" SIZE=\"20\" MAXLENGTH=\"8\">abc");
  EXPECT_EQ(SettingInt("INPUT_466Flag"), 0xC3);
  EXPECT_EQ(Setting("INPUT_466Type"), "password");
}

TEST_F(InputDialog, ButtonTypeFromItsOwnListAndBoxesItLacks) {
  DialogDriver driver;
  driver
      .Then([](HWND d) {
        EXPECT_EQ(WindowTextA(d), "<BUTTON>の設定");
        EXPECT_FALSE(Enabled(d, tq::IDC_IN_READONLY_CHK) || Enabled(d, tq::IDC_IN_SRC_CHK) ||
                     Enabled(d, tq::IDC_IN_ALIGN_CHK) || Enabled(d, tq::IDC_IN_SIZE_SPIN));
        EXPECT_TRUE(Enabled(d, tq::IDC_IN_DISABLED_CHK) && Enabled(d, tq::IDC_IN_FOCUS_CHK));
        Click(d, tq::IDC_IN_DISABLED_CHK);
        Click(d, tq::IDC_IN_TYPE_LIST);
      })
      .Then([](HWND list) {  // list 131
        EXPECT_EQ(WindowTextA(list), "ボタンのタイプ");
        SelectListEntry(list, tq::IDC_VL_LIST, 1);  // "reset (リセットボタン)"
        Click(list, plat::IDOK);
      })
      .Then([](HWND d) { Click(d, plat::IDOK); });
  host_->RunTagCommand(29472);
  EXPECT_EQ(host_->Text(), "<BUTTON TYPE=\"reset\" DISABLED>abc</BUTTON>");
}

TEST_F(InputDialog, OptionThroughTheFormItemDialog) {
  DialogDriver driver;
  driver
      .Then([](HWND d) {
        EXPECT_EQ(WindowTextA(d), "<OPTION>の設定");
        EXPECT_FALSE(Enabled(d, tq::IDC_FI_FOR_CHK) || Enabled(d, tq::IDC_FI_ALIGN_LIST));
        Click(d, tq::IDC_FI_VALUE_CHK);
        Click(d, tq::IDC_FI_SELECTED_CHK);
      })
      .Then([](HWND d) {
        Screenshot(d, "form-item-dialog.bmp");
        Type(d, tq::IDC_FI_VALUE, "1");
        Click(d, plat::IDOK);
      });
  host_->RunTagCommand(29469);
  EXPECT_EQ(host_->Text(), "<OPTION VALUE=\"1\" SELECTED>abc</OPTION>");
  EXPECT_EQ(SettingInt("FMM_469Flag"), 0x24);
}

TEST_F(InputDialog, TextAreaAlwaysGetsItsSizeSelectNever) {
  DialogDriver driver;
  driver
      .Then([](HWND d) {
        EXPECT_EQ(WindowTextA(d), "<TEXTAREA>の設定");
        Type(d, tq::IDC_TA_COLS, "40");
        Type(d, tq::IDC_TA_ROWS, "4");
        SpinUp(d, tq::IDC_TA_ROWS_SPIN);
        Click(d, tq::IDC_TA_READONLY_CHK);
      })
      .Then([](HWND d) {
        Screenshot(d, "text-area-dialog.bmp");
        Click(d, plat::IDOK);
      });
  host_->RunTagCommand(29470);
  EXPECT_EQ(host_->Text(), "<TEXTAREA COLS=\"40\" ROWS=\"5\" READONLY>abc</TEXTAREA>");

  driver
      .Then([](HWND d) {
        EXPECT_EQ(WindowTextA(d), "<SELECT>の設定");
        EXPECT_FALSE(Enabled(d, tq::IDC_TA_COLS) || Enabled(d, tq::IDC_TA_ROWS_SPIN) ||
                     Enabled(d, tq::IDC_TA_READONLY_CHK));
        EXPECT_TRUE(Enabled(d, tq::IDC_TA_SIZE_CHK) && Enabled(d, tq::IDC_TA_MULTIPLE_CHK));
        Click(d, tq::IDC_TA_MULTIPLE_CHK);
      })
      .Then([](HWND d) { Click(d, plat::IDOK); });
  Select("<OPTION>a");
  host_->RunTagCommand(29467);
  EXPECT_EQ(host_->Text(), "<SELECT MULTIPLE><OPTION>a</SELECT>");
}

}  // namespace
}  // namespace e2e
