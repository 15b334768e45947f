// The BODY command through the DLL's real dialog: check boxes that enable
// their controls, the real colour dialog cancelled and then a colour typed
// into it, and the other attributes from the real basic attributes dialog.
#include "dialogs/common/basic_dlg.h"
#include "dialogs/document/body_dlg.h"
#include "tests/e2e/e2e.h"

namespace e2e {
namespace {

// The red, green and blue edit boxes of the colour dialog (dlgs.h's
// COLOR_RED..COLOR_BLUE, which mingw's headers lack).
enum : int { kRedBox = 706, kGreenBox, kBlueBox };

using BodyDialog = HostTest;

TEST_F(BodyDialog, ColourFromTheColourDialogAndAttributesFromTheBasicDialog) {
  // Shown only while checked; checked twice for the screenshot.
  const int lower[] = {tq::IDC_BD_ONUNLOAD_CHK, tq::IDC_BD_TEXT_CHK, tq::IDC_BD_ALINK_CHK, tq::IDC_BD_VLINK_CHK};
  DialogDriver driver;
  driver
      .Then([](HWND d) {
        EXPECT_EQ(WindowTextA(d), "<BODY>の設定");
        EXPECT_FALSE(Enabled(d, tq::IDC_BD_ONLOAD) || Enabled(d, tq::IDC_BD_LINK_PICK) ||
                     Enabled(d, tq::IDC_BD_ATTR_EDIT) || Enabled(d, tq::IDC_BD_BKG_BROWSE));
        for (int c : {tq::IDC_BD_ONLOAD_CHK, tq::IDC_BD_ATTR_CHK, tq::IDC_BD_BKG_CHK, tq::IDC_BD_BGCOLOR_CHK,
                      tq::IDC_BD_LINK_CHK})
          Click(d, c);
      })
      .Then([](HWND d) {
        EXPECT_TRUE(Enabled(d, tq::IDC_BD_ONLOAD_BROWSE) && Enabled(d, tq::IDC_BD_ATTR) &&
                    Enabled(d, tq::IDC_BD_BKG) && Enabled(d, tq::IDC_BD_LINK_PICK));
        Type(d, tq::IDC_BD_ONLOAD, "init()");
        Type(d, tq::IDC_BD_BKG, "paper.gif");
        Type(d, tq::IDC_BD_BGCOLOR, "#FFFFCC");
        Click(d, tq::IDC_BD_LINK_PICK);
      })
      .Then([](HWND colour) { Click(colour, plat::IDCANCEL); })  // chooses nothing
      .Then([](HWND d) {
        EXPECT_EQ(ItemText(d, tq::IDC_BD_LINK), "");
        Click(d, tq::IDC_BD_LINK_PICK);
      })
      .Then([](HWND colour) {
        // The colour dialog opens on the LINK start colour; the user types
        // red, green and blue.
        EXPECT_EQ(GetDlgItemInt(colour, kRedBox, nullptr, FALSE), 0x00u);
        EXPECT_EQ(GetDlgItemInt(colour, kGreenBox, nullptr, FALSE), 0x80u);
        EXPECT_EQ(GetDlgItemInt(colour, kBlueBox, nullptr, FALSE), 0x40u);
        Type(colour, kRedBox, "18");
        Type(colour, kGreenBox, "52");
        Type(colour, kBlueBox, "86");
        Click(colour, plat::IDOK);
      })
      .Then([](HWND d) {
        EXPECT_EQ(ItemText(d, tq::IDC_BD_LINK), "#123456");
        Click(d, tq::IDC_BD_ATTR_EDIT);
      })
      .Then([](HWND basic) {
        EXPECT_EQ(WindowTextA(basic), "基本的な属性の設定 <BODY>");
        Click(basic, tq::IDC_BS_ID_CHK);
        Click(basic, tq::IDC_BS_LANG_CHK);
      })
      .Then([](HWND basic) {
        Type(basic, tq::IDC_BS_ID, "page");
        Type(basic, tq::IDC_BS_LANG, "ja");
        Click(basic, plat::IDOK);
      })
      .Then([&](HWND d) {
        EXPECT_EQ(ItemText(d, tq::IDC_BD_ATTR), "\r\nID=\"page\"\r\nLANG=\"ja\"");
        for (int c : lower) Click(d, c);
      })
      .Then([&](HWND d) {
        Screenshot(d, "body-dialog.bmp");
        for (int c : lower) Click(d, c);
      })
      .Then([](HWND d) { Click(d, plat::IDOK); });
  host_->RunTagCommand(29116);
  EXPECT_EQ(host_->Text(),
            "<BODY onLoad=\"init()\" ID=\"page\" LANG=\"ja\" BACKGROUND=\"paper.gif\" BGCOLOR=\"#FFFFCC\" "
            "LINK=\"#123456\">\r\nabc\r\n</BODY>");
  EXPECT_EQ(SettingInt("BODY_116Flag"), 0x1 | 0x4 | 0x8 | 0x10 | 0x40);
  EXPECT_EQ(Setting("BODY_116Link"), "#123456");
  EXPECT_EQ(Setting("Bsc_116ID"), "page");
}

}  // namespace
}  // namespace e2e
