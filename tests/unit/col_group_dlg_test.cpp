#include <string>
#include <vector>

#include "dialogs/common/text_rules.h"
#include "dialogs/document/col_group_dlg.h"
#include "fixture.h"

namespace tqtest {

using namespace tq;
using ColGroupDlg = Headless;

namespace {

// The alignment-character controls, which go together.
bool CharOffered(D& d) {
  bool all = true, any = false;
  for (int c : {IDC_CG_CHAR_LABEL, IDC_CG_CHAR, IDC_CG_CHAROFF_LABEL, IDC_CG_CHAROFF, IDC_CG_CHAROFF_SPIN}) {
    all = all && d.IsEnabled(c);
    any = any || d.IsEnabled(c);
  }
  EXPECT_EQ(all, any);
  return all;
}

}  // namespace

TEST_F(ColGroupDlg, ColumnGroupsSpanAndWidthInFixedOrder) {
  std::string r = RunWith(29154, "", [](D& d) {
    d.Click(IDC_CG_SPAN_CHK);
    d.Ok();
  });
  EXPECT_EQ(r, "<COL SPAN=\"1\"></COL>");
  EXPECT_EQ(Str("Clg_154Span"), "1");

  r = RunWith(29153, "<COL>", [](D& d) {
    ClickAll(d, {IDC_CG_ATTR_CHK, IDC_CG_VALIGN_CHK, IDC_CG_ALIGN_CHK, IDC_CG_WIDTH_CHK, IDC_CG_SPAN_CHK});
    Fill(d, {{IDC_CG_SPAN, "3"}, {IDC_CG_WIDTH, "30"}, {IDC_CG_ATTR, "ID=\"g\"\r\nCLASS=\"n\""}});
    d.Click(IDC_CG_WIDTH_PCT);
    d.SelectText(IDC_CG_ALIGN_LIST, "char");
    d.Type(IDC_CG_CHAROFF, "");
    d.Click(IDC_CG_CHAROFF_PCT);
    d.SelectText(IDC_CG_VALIGN_LIST, "bottom");
    d.Ok();
  });
  // An empty CHAROFF is left out, and so is its percent bit.
  EXPECT_EQ(r, "<COLGROUP SPAN=\"3\" WIDTH=\"30%\" ALIGN=\"char\" CHAR=\".\" VALIGN=\"bottom\" ID=\"g\" "
               "CLASS=\"n\"><COL></COLGROUP>");
  EXPECT_EQ(Int("Clg_153Flag"), 0x1 | 0x2 | 0x4 | 0x10 | 0x80 | 0x100);
  EXPECT_EQ(Str("Clg_153AlignCharOff"), "<absent>");

  r = RunWith(29153, "", [](D& d) {
    EXPECT_EQ(Checked(d, {IDC_CG_WIDTH_PCT, IDC_CG_CHAROFF_PX}), 2);  // the CHAROFF bit was not stored
    EXPECT_TRUE(CharOffered(d));
    EXPECT_EQ(d.GetText(IDC_CG_CHAROFF), "0");
    ClickAll(d, {IDC_CG_CHAROFF_PCT, IDC_CG_WIDTH_PX, IDC_CG_SPAN_CHK, IDC_CG_VALIGN_CHK, IDC_CG_ATTR_CHK});
    d.Ok();
  });
  EXPECT_EQ(r, "<COLGROUP WIDTH=\"30px\" ALIGN=\"char\" CHAR=\".\" CHAROFF=\"0%\"></COLGROUP>");
  EXPECT_EQ(Int("Clg_153Flag"), 0x2 | 0x10 | 0x20);
  EXPECT_EQ(Int("Clg_154Flag"), 0x1);  // COL keeps its own slot
}

TEST_F(ColGroupDlg, RowGroupsAndRowsGiveUpSpanAndWidthEvenWhenStored) {
  for (int id : {29155, 29156, 29157, 29158}) {
    const int slot = id - 29000;
    profile->WriteInt("HTML", SettingName("Clg_%dFlag", slot), 0x1 | 0x2 | 0x4 | 0x10);
    std::string r = RunWith(id, "", [](D& d) {
      EXPECT_EQ(Checked(d, {IDC_CG_SPAN_CHK, IDC_CG_WIDTH_CHK}), 0);
      EXPECT_EQ(Enabled(d, {IDC_CG_SPAN_CHK, IDC_CG_WIDTH_CHK, IDC_CG_SPAN, IDC_CG_WIDTH_PCT}), 0);
      EXPECT_TRUE(d.IsEnabled(IDC_CG_ALIGN_LIST));
      d.Ok();
    });
    EXPECT_EQ(r.substr(r.find(' ')), " ALIGN=\"center\">" + std::string(id == 29158 ? "</TR>" : ""));
    EXPECT_EQ(Int(SettingName("Clg_%dFlag", slot)), 0x10) << id;
  }
}

TEST_F(ColGroupDlg, AlignmentCharacterControlsFollowTheAlignBox) {
  RunWith(29158, "", [](D& d) {
    d.Click(IDC_CG_ALIGN_CHK);
    EXPECT_FALSE(CharOffered(d));
    d.SelectText(IDC_CG_ALIGN_LIST, "char");
    EXPECT_TRUE(CharOffered(d));
    d.Click(IDC_CG_ALIGN_CHK);
    EXPECT_FALSE(CharOffered(d));
    EXPECT_TRUE(d.IsEnabled(IDC_CG_CHAROFF_PCT));
    d.Click(IDC_CG_ALIGN_CHK);
    EXPECT_TRUE(CharOffered(d));
    d.Type(IDC_CG_ALIGN, "Char");
    d.Type(IDC_CG_CHAR, ",");
    d.Ok();
  });
  EXPECT_EQ(Str("Clg_158AlignChar"), ",");
  EXPECT_EQ(Str("Clg_158Align"), "Char");
}

}  // namespace tqtest
