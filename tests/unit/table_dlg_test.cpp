#include <string>
#include <vector>

#include "dialogs/document/col_group_dlg.h"
#include "dialogs/document/table_cell_dlg.h"
#include "dialogs/document/table_dlg.h"
#include "fixture.h"

namespace tqtest {

using namespace tq;
using TableDlg = Headless;

TEST_F(TableDlg, FramesRulesAndBorder) {
  // A list entry gives the word before its blank, keeping what was typed
  // elsewhere; typing after it wins.
  std::string r = RunWith(29151, "x", [](D& d) {
    ClickAll(d, {IDC_TB_FRAME_CHK, IDC_TB_RULES_CHK});
    Tick(d, IDC_TB_BORDER_CHK, IDC_TB_BORDER, "5");
    EXPECT_TRUE(d.IsEnabled(IDC_TB_BORDER_SPIN));
    d.SelectText(IDC_TB_FRAME_LIST, "hsides");
    d.SelectText(IDC_TB_RULES_LIST, "groups");
    d.Type(IDC_TB_RULES, "rows");
    d.Ok();
  });
  EXPECT_EQ(r, "<TABLE BORDER=\"5\" FRAME=\"hsides\" RULES=\"rows\">\r\nx\r\n</TABLE>");
  EXPECT_EQ(Str("Tbl_151Border"), "5");
  EXPECT_EQ(Int("Tbl_151Flag"), 0x1 | 0x20 | 0x40);
}

// The units follow their numbers and come back; unchecking a box drops its
// unit bit too but keeps its stored text. (The order is in the golden file.)
TEST_F(TableDlg, UnitsFollowTheNumbersAndComeBack) {
  std::string r = RunWith(29151, "", [](D& d) {
    ClickAll(d, {IDC_TB_WIDTH_CHK, IDC_TB_SPACING_CHK, IDC_TB_PADDING_CHK, IDC_TB_WIDTH_PCT, IDC_TB_PADDING_PCT});
    Fill(d, {{IDC_TB_WIDTH, "80"}, {IDC_TB_SPACING, "-3"}, {IDC_TB_PADDING, "10"}});
    d.Ok();
  });
  EXPECT_EQ(r, "<TABLE WIDTH=\"80%\" CELLSPACING=\"-3px\" CELLPADDING=\"10%\">\r\n\r\n</TABLE>");
  EXPECT_EQ(Int("Tbl_151Flag"), 0x2 | 0x4 | 0x80 | 0x400 | 0x800);
  r = RunWith(29151, "c", [](D& d) {
    EXPECT_EQ(Checked(d, {IDC_TB_WIDTH_PCT, IDC_TB_SPACING_PX, IDC_TB_PADDING_PCT}), 3);
    ClickAll(d, {IDC_TB_WIDTH_CHK, IDC_TB_SPACING_CHK});
    EXPECT_FALSE(d.IsEnabled(IDC_TB_WIDTH_PCT));
    d.Type(IDC_TB_PADDING, "0");
    d.Ok();
  });
  EXPECT_EQ(r, "<TABLE CELLPADDING=\"0%\">\r\nc\r\n</TABLE>");
  EXPECT_EQ(Int("Tbl_151Flag"), 0x400 | 0x800);
  EXPECT_EQ(Str("Tbl_151Width"), "80");
}

// A whole table made with the table, column group, row group, row and cell
// dialogs, as a user builds one from the inside out.
TEST_F(TableDlg, TableOfGroupsRowsAndCellsIsValidHtml) {
  auto cell = [&](int id, const std::string& text, const std::string& attr) {
    return RunWith(id, text, [attr](D& d) {
      CheckAll(d, {IDC_TC_SCOPE_CHK, IDC_TC_ALIGN_CHK, IDC_TC_VALIGN_CHK, IDC_TC_ABBR_CHK, IDC_TC_HEADERS_CHK,
                   IDC_TC_ATTR_CHK});
      Fill(d, {{IDC_TC_ABBR, "a"}, {IDC_TC_HEADERS, "h"}, {IDC_TC_CHAROFF, "2"}});
      d.Type(IDC_TC_ATTR, attr);
      d.SelectText(IDC_TC_SCOPE_LIST, "col");
      d.SelectText(IDC_TC_ALIGN_LIST, "char");
      d.SelectText(IDC_TC_VALIGN_LIST, "middle");
      d.Ok();
    });
  };
  auto group = [&](int id, const std::string& inner) {
    return RunWith(id, inner, [](D& d) {
      CheckAll(d, {IDC_CG_SPAN_CHK, IDC_CG_WIDTH_CHK, IDC_CG_ALIGN_CHK, IDC_CG_VALIGN_CHK});
      d.Type(IDC_CG_WIDTH, "50");
      d.SelectText(IDC_CG_ALIGN_LIST, "left");
      d.SelectText(IDC_CG_VALIGN_LIST, "top");
      d.Ok();
    });
  };
  const std::string head = group(29155, group(29158, cell(29159, "Year", "ID=\"h\"")));
  const std::string row1 = group(29158, cell(29160, "2001", "CLASS=\"c\"\r\n"));
  const std::string row2 = group(29158, cell(29160, "2002", "CLASS=\"c\"\r\n"));
  const std::string inner = group(29153, "") + "\r\n" + head + "\r\n" + group(29156, row1 + row2);
  std::string table = RunWith(29151, inner, [](D& d) {
    ClickAll(d, {IDC_TB_BORDER_CHK, IDC_TB_WIDTH_CHK, IDC_TB_SUMMARY_CHK, IDC_TB_FRAME_CHK, IDC_TB_RULES_CHK,
                 IDC_TB_SPACING_CHK, IDC_TB_PADDING_CHK, IDC_TB_ATTR_CHK, IDC_TB_WIDTH_PCT});
    Fill(d, {{IDC_TB_SUMMARY, "Amounts"}, {IDC_TB_FRAME, "hsides"}, {IDC_TB_ATTR, "ID=\"t\"\r\nCLASS=\"f\""}});
    d.Ok();
  });
  EXPECT_NE(table.find("<TD ABBR=\"a\" HEADERS=\"h\" SCOPE=\"col\" ALIGN=\"char\" CHAR=\".\" CHAROFF=\"2px\" "
                       "VALIGN=\"middle\" CLASS=\"c\">2002</TD>"),
            std::string::npos);
  EXPECT_TRUE(ValidHtml(table));
}

}  // namespace tqtest
