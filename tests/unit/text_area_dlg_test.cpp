#include <string>

#include "dialogs/form/text_area_dlg.h"
#include "fixture.h"

namespace tqtest {

using namespace tq;
using TextAreaDlg = Headless;

// Every box stored checked: each element keeps only its own.
TEST_F(TextAreaDlg, EachElementOffersOnlyItsOwnBoxes) {
  profile->WriteInt("HTML", "TXTAR_467Flag", 0x7FF1);
  RunWith(29467, "", [](D& d) {
    EXPECT_FALSE(d.IsEnabled(IDC_TA_COLS) || d.IsEnabled(IDC_TA_ROWS) || d.IsEnabled(IDC_TA_COLS_SPIN) ||
                 d.IsEnabled(IDC_TA_ROWS_LABEL) || d.IsEnabled(IDC_TA_SELECT_BROWSE));
    EXPECT_EQ(d.GetCheck(IDC_TA_READONLY_CHK) + d.GetCheck(IDC_TA_SELECT_CHK), 0);
    EXPECT_TRUE(d.IsEnabled(IDC_TA_CHANGE_BROWSE) && d.IsEnabled(IDC_TA_SIZE_SPIN));
    d.Ok();
  });
  EXPECT_EQ(Int("TXTAR_467Flag"), 0x7FF1 & ~(0x40 | 0x1000));
  profile->WriteInt("HTML", "TXTAR_470Flag", 0x7FF1);
  RunWith(29470, "", [](D& d) {
    EXPECT_FALSE(d.IsEnabled(IDC_TA_SIZE_SPIN));
    d.Ok();
  });
  EXPECT_EQ(Int("TXTAR_470Flag"), 0x7FF1 & ~(0x10 | 0x80));
}

TEST_F(TextAreaDlg, EveryAttributeInOrder) {
  auto all = [](D& d) {
    // Clicks on withdrawn boxes do nothing.
    ClickAll(d, {IDC_TA_ATTR_CHK, IDC_TA_CHANGE_CHK, IDC_TA_SELECT_CHK, IDC_TA_BLUR_CHK, IDC_TA_FOCUS_CHK,
                 IDC_TA_ACCESSKEY_CHK, IDC_TA_TABINDEX_CHK, IDC_TA_MULTIPLE_CHK, IDC_TA_READONLY_CHK,
                 IDC_TA_DISABLED_CHK, IDC_TA_SIZE_CHK, IDC_TA_NAME_CHK});
    Fill(d, {{IDC_TA_NAME, "n"}, {IDC_TA_COLS, "30"}, {IDC_TA_ROWS, "4"}, {IDC_TA_SIZE, "3"},
             {IDC_TA_TABINDEX, "7"}, {IDC_TA_ACCESSKEY, "k"}, {IDC_TA_FOCUS, "f()"}, {IDC_TA_BLUR, "b()"},
             {IDC_TA_SELECT, "s()"}, {IDC_TA_CHANGE, "c()"}, {IDC_TA_ATTR, "ID=\"x\"\r\n\r\nCLASS=\"y\"\r\n"}});
    d.Ok();
  };
  const std::string area = RunWith(29470, "T", all);
  EXPECT_EQ(area, "<TEXTAREA NAME=\"n\" COLS=\"30\" ROWS=\"4\" DISABLED READONLY TABINDEX=\"7\" ACCESSKEY=\"k\" "
                  "onFocus=\"f()\" onBlur=\"b()\" onSelect=\"s()\" onChange=\"c()\" ID=\"x\" CLASS=\"y\">T</TEXTAREA>");
  EXPECT_TRUE(ValidHtml("<FORM ACTION=\"x.cgi\"><P>" + area + "</P></FORM>"));
  EXPECT_EQ(Int("TXTAR_470Flag"), 0x7F61);
  EXPECT_EQ(Str("TXTAR_470Attr"), "ID=\"x\"\r\n\r\nCLASS=\"y\"\r\n");
  EXPECT_EQ(Str("TXTAR_470Size"), "<absent>");

  EXPECT_EQ(RunWith(29467, "<OPTION>T", all),
            "<SELECT NAME=\"n\" SIZE=\"3\" DISABLED MULTIPLE TABINDEX=\"7\" ACCESSKEY=\"k\" "
            "onFocus=\"f()\" onBlur=\"b()\" onChange=\"c()\" ID=\"x\" CLASS=\"y\"><OPTION>T</SELECT>");
  EXPECT_EQ(Int("TXTAR_467Flag"), 0x6FB1);
  EXPECT_EQ(Str("TXTAR_467OnSelect"), "<absent>");
}

}  // namespace tqtest
