// The BODY command through the DLL's real dialog: check boxes that enable
// their controls, a colour picked in the real colour dialog, and the other
// attributes from the real basic attributes dialog.
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "app/html_app.h"
#include "dialogs/common/basic_dlg.h"
#include "dialogs/document/body_dlg.h"
#include "tests/e2e/driver.h"
#include "tests/e2e/e2e.h"
#include "platform/win32/win32_api.h"

namespace e2e {
namespace {

const char kKey[] = "Software\\Brambleware\\Tagquill\\HTML";

// The red, green and blue edit boxes of the colour dialog (dlgs.h's
// COLOR_RED..COLOR_BLUE, which mingw's headers lack).
enum : int { kRedBox = 706, kGreenBox, kBlueBox };

bool Enabled(HWND d, int id) { return IsWindowEnabled(GetDlgItem(d, id)) != FALSE; }

class BodyDialog : public ::testing::Test {
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

TEST_F(BodyDialog, ColourFromTheColourDialogAndAttributesFromTheBasicDialog) {
  bool before = true, after = false;
  int start[3] = {-1, -1, -1};
  std::string link, attr;
  DialogDriver driver;
  driver
      .Then([&](HWND d) {
        EXPECT_EQ(WindowTextA(d), "<BODY>の設定");
        before = Enabled(d, tq::IDC_BD_ONLOAD) || Enabled(d, tq::IDC_BD_LINK_PICK) ||
                 Enabled(d, tq::IDC_BD_ATTR_EDIT) || Enabled(d, tq::IDC_BD_BKG_BROWSE);
        for (int c : {tq::IDC_BD_ONLOAD_CHK, tq::IDC_BD_ATTR_CHK, tq::IDC_BD_BKG_CHK, tq::IDC_BD_BGCOLOR_CHK,
                      tq::IDC_BD_LINK_CHK})
          Click(d, c);
      })
      .Then([&](HWND d) {
        after = Enabled(d, tq::IDC_BD_ONLOAD_BROWSE) && Enabled(d, tq::IDC_BD_ATTR) &&
                Enabled(d, tq::IDC_BD_BKG) && Enabled(d, tq::IDC_BD_LINK_PICK);
        SetDlgItemTextA(d, tq::IDC_BD_ONLOAD, "init()");
        SetDlgItemTextA(d, tq::IDC_BD_BKG, "paper.gif");
        SetDlgItemTextA(d, tq::IDC_BD_BGCOLOR, "#FFFFCC");
        Click(d, tq::IDC_BD_LINK_PICK);
      })
      .Then([&](HWND colour) {
        // The colour dialog opens on the LINK start colour; the user types
        // red, green and blue.
        int i = 0;
        for (int e : {kRedBox, kGreenBox, kBlueBox}) start[i++] = GetDlgItemInt(colour, e, nullptr, FALSE);
        SetDlgItemTextA(colour, kRedBox, "18");
        SetDlgItemTextA(colour, kGreenBox, "52");
        SetDlgItemTextA(colour, kBlueBox, "86");
        Click(colour, plat::IDOK);
      })
      .Then([&](HWND d) {
        link = ItemText(d, tq::IDC_BD_LINK);
        Click(d, tq::IDC_BD_ATTR_EDIT);
      })
      .Then([](HWND basic) {
        EXPECT_EQ(WindowTextA(basic), "基本的な属性の設定 <BODY>");
        Click(basic, tq::IDC_BS_ID_CHK);
        Click(basic, tq::IDC_BS_LANG_CHK);
      })
      .Then([](HWND basic) {
        SetDlgItemTextA(basic, tq::IDC_BS_ID, "page");
        SetDlgItemTextA(basic, tq::IDC_BS_LANG, "ja");
        Click(basic, plat::IDOK);
      })
      .Then([&](HWND d) {
        attr = ItemText(d, tq::IDC_BD_ATTR);
        for (int c : {tq::IDC_BD_ONUNLOAD_CHK, tq::IDC_BD_TEXT_CHK, tq::IDC_BD_ALINK_CHK, tq::IDC_BD_VLINK_CHK})
          Click(d, c);
      })
      .Then([](HWND d) {
        // Every label and edit box shown, for the screenshot.
        Screenshot(d, "body-dialog.bmp");
        for (int c : {tq::IDC_BD_ONUNLOAD_CHK, tq::IDC_BD_TEXT_CHK, tq::IDC_BD_ALINK_CHK, tq::IDC_BD_VLINK_CHK})
          Click(d, c);
      })
      .Then([](HWND d) { Click(d, plat::IDOK); });
  host_->RunTagCommand(29116);
  EXPECT_EQ(driver.pending(), 0u);
  EXPECT_FALSE(before);
  EXPECT_TRUE(after);
  EXPECT_EQ(start[0], 0x00);
  EXPECT_EQ(start[1], 0x80);
  EXPECT_EQ(start[2], 0x40);
  EXPECT_EQ(link, "#123456");
  EXPECT_EQ(attr, "\r\nID=\"page\"\r\nLANG=\"ja\"");
  EXPECT_EQ(host_->Text(),
            "<BODY onLoad=\"init()\" ID=\"page\" LANG=\"ja\" BACKGROUND=\"paper.gif\" BGCOLOR=\"#FFFFCC\" "
            "LINK=\"#123456\">\r\nabc\r\n</BODY>");
  EXPECT_EQ(HtmlApp().GetProfileInt("HTML", "BODY_116Flag", -1), 0x1 | 0x4 | 0x8 | 0x10 | 0x40);
  EXPECT_EQ(HtmlApp().GetProfileString("HTML", "BODY_116Link", "<absent>"), "#123456");
  EXPECT_EQ(HtmlApp().GetProfileString("HTML", "Bsc_116ID", "<absent>"), "page");
}

}  // namespace
}  // namespace e2e
