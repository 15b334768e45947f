#include <string>
#include <vector>

#include "dialogs/document/col_group_dlg.h"
#include "dialogs/document/table_cell_dlg.h"
#include "dialogs/document/table_dlg.h"
#include "fixture.h"

namespace tqtest {

using namespace tq;
using D = plat::HeadlessDialog;

class TableDlg : public Headless {
 protected:
  std::string RunWith(const std::string& sel, plat::DialogScript s) {
    backend.Expect(std::move(s));
    return Run(29151, sel);
  }
};

TEST_F(TableDlg, FirstRunShowsDefaultsWithEverythingOff) {
  std::vector<std::string> shown, frames, rules;
  bool anyOn = true;
  std::string r = RunWith("<TR><TD>a</TD></TR>", [&](D& d) {
    for (int e : {IDC_TB_BORDER, IDC_TB_WIDTH, IDC_TB_SUMMARY, IDC_TB_FRAME, IDC_TB_RULES, IDC_TB_SPACING,
                  IDC_TB_PADDING, IDC_TB_ATTR})
      shown.push_back(d.GetText(e));
    frames = d.ListItems(IDC_TB_FRAME_LIST);
    rules = d.ListItems(IDC_TB_RULES_LIST);
    anyOn = false;
    for (int c : {IDC_TB_BORDER, IDC_TB_BORDER_SPIN, IDC_TB_WIDTH_PCT, IDC_TB_SUMMARY, IDC_TB_FRAME_LIST,
                  IDC_TB_RULES, IDC_TB_SPACING_PX, IDC_TB_PADDING_SPIN, IDC_TB_ATTR, IDC_TB_ATTR_EDIT})
      anyOn = anyOn || d.IsEnabled(c);
    EXPECT_EQ(d.GetCheck(IDC_TB_WIDTH_PX) + d.GetCheck(IDC_TB_SPACING_PX) + d.GetCheck(IDC_TB_PADDING_PX), 3);
    d.Ok();
  });
  EXPECT_EQ(r, "<TABLE>\r\n<TR><TD>a</TD></TR>\r\n</TABLE>");
  EXPECT_EQ(backend.opened, std::vector<std::string>{"作表に関する属性の設定 <TABLE>"});
  EXPECT_EQ(shown, (std::vector<std::string>{"1", "1", "", "border", "all", "1", "1", ""}));
  EXPECT_EQ(frames, (std::vector<std::string>{"above (上辺だけ)", "below (下辺だけ)", "border (四辺すべて)",
                                              "box (四辺すべて)", "hsides (上下辺だけ)", "lhs (左辺だけ)",
                                              "rhs (右辺だけ)", "void (外枠なし)", "vsides (左右辺だけ)"}));
  EXPECT_EQ(rules, (std::vector<std::string>{"all (全行・列間)", "cols (列間のみ)",
                                             "groups (ｸﾞﾙｰﾌﾟ化された部分だけ)", "none (罫線なし)",
                                             "rows (行間のみ)"}));
  EXPECT_FALSE(anyOn);
  EXPECT_EQ(Int("Tbl_151Flag"), 0);
  EXPECT_EQ(Str("Tbl_151Border"), "<absent>");  // defaults are written only when checked

  r = RunWith("x", [](D& d) {
    d.Click(IDC_TB_BORDER_CHK);
    EXPECT_TRUE(d.IsEnabled(IDC_TB_BORDER_SPIN));
    d.Ok();
  });
  EXPECT_EQ(r, "<TABLE BORDER=\"1\">\r\nx\r\n</TABLE>");
  EXPECT_EQ(Str("Tbl_151Border"), "1");
  EXPECT_EQ(Int("Tbl_151Flag"), 1);
}

TEST_F(TableDlg, AttributesInFixedOrderWithUnitsAndTheyComeBack) {
  std::string r = RunWith("", [](D& d) {
    // Checked backwards: the order of the attributes does not follow.
    for (int c : {IDC_TB_ATTR_CHK, IDC_TB_PADDING_CHK, IDC_TB_SPACING_CHK, IDC_TB_RULES_CHK, IDC_TB_FRAME_CHK,
                  IDC_TB_SUMMARY_CHK, IDC_TB_WIDTH_CHK, IDC_TB_BORDER_CHK})
      d.Click(c);
    d.Type(IDC_TB_BORDER, "2");
    d.Type(IDC_TB_WIDTH, "80");
    d.Click(IDC_TB_WIDTH_PCT);
    d.Type(IDC_TB_SUMMARY, "Sales\r\nby year");
    d.Type(IDC_TB_FRAME, "hsides");
    d.Type(IDC_TB_RULES, "groups");
    d.Type(IDC_TB_SPACING, "-3");
    d.Type(IDC_TB_PADDING, "10");
    d.Click(IDC_TB_PADDING_PCT);
    d.Type(IDC_TB_ATTR, "\r\nID=\"t\"\r\n\r\nCLASS=\"wide\"  \r\n");
    d.Ok();
  });
  EXPECT_EQ(r, "<TABLE BORDER=\"2\" WIDTH=\"80%\" SUMMARY=\"Sales\r\nby year\" FRAME=\"hsides\" "
               "RULES=\"groups\" CELLSPACING=\"-3px\" CELLPADDING=\"10%\" ID=\"t\" CLASS=\"wide\">\r\n"
               "\r\n</TABLE>");
  EXPECT_EQ(Int("Tbl_151Flag"), 0x1 | 0x2 | 0x4 | 0x10 | 0x20 | 0x40 | 0x80 | 0x400 | 0x800 | 0x8000);
  EXPECT_EQ(Str("Tbl_151Summary"), "Sales\r\nby year");
  EXPECT_EQ(Str("Tbl_151CellSpacing"), "-3");
  EXPECT_EQ(Str("Tbl_151OtherAttr"), "\r\nID=\"t\"\r\n\r\nCLASS=\"wide\"  \r\n");  // kept as typed

  // Reopened: checks, units and texts come back. Unchecking WIDTH and
  // SPACING drops their bits (unit bits too) but keeps their stored texts.
  r = RunWith("c", [](D& d) {
    EXPECT_EQ(d.GetCheck(IDC_TB_SUMMARY_CHK), 1);
    EXPECT_EQ(d.GetCheck(IDC_TB_WIDTH_PCT), 1);
    EXPECT_EQ(d.GetCheck(IDC_TB_SPACING_PX), 1);
    EXPECT_EQ(d.GetCheck(IDC_TB_PADDING_PCT), 1);
    EXPECT_EQ(d.GetText(IDC_TB_RULES), "groups");
    EXPECT_EQ(d.GetText(IDC_TB_WIDTH), "80");
    for (int c : {IDC_TB_BORDER_CHK, IDC_TB_WIDTH_CHK, IDC_TB_SUMMARY_CHK, IDC_TB_FRAME_CHK, IDC_TB_RULES_CHK,
                  IDC_TB_SPACING_CHK, IDC_TB_ATTR_CHK})
      d.Click(c);
    EXPECT_FALSE(d.IsEnabled(IDC_TB_WIDTH_PCT));
    d.Type(IDC_TB_PADDING, "0");
    d.Ok();
  });
  EXPECT_EQ(r, "<TABLE CELLPADDING=\"0%\">\r\nc\r\n</TABLE>");
  EXPECT_EQ(Int("Tbl_151Flag"), 0x400 | 0x800);
  EXPECT_EQ(Str("Tbl_151Width"), "80");
  EXPECT_EQ(Str("Tbl_151CellPadding"), "0");
}

TEST_F(TableDlg, ListEntriesGiveTheirValueAndKeepWhatWasTyped) {
  std::string r = RunWith("", [](D& d) {
    d.Click(IDC_TB_FRAME_CHK);
    d.Click(IDC_TB_RULES_CHK);
    d.Click(IDC_TB_BORDER_CHK);
    d.Type(IDC_TB_BORDER, "5");
    d.SelectText(IDC_TB_FRAME_LIST, "hsides");
    EXPECT_EQ(d.GetText(IDC_TB_FRAME), "hsides");
    EXPECT_EQ(d.GetText(IDC_TB_BORDER), "5");
    d.SelectText(IDC_TB_FRAME_LIST, "border");
    d.SelectText(IDC_TB_RULES_LIST, "groups");
    d.Type(IDC_TB_RULES, "rows");  // typing after choosing wins
    d.Ok();
  });
  EXPECT_EQ(r, "<TABLE BORDER=\"5\" FRAME=\"border\" RULES=\"rows\">\r\n\r\n</TABLE>");
}

TEST_F(TableDlg, OtherAttributesComeFromTheBasicDialogUnderThisSlot) {
  const bool basicOpens = plat::FindTemplate(2000) != nullptr;
  std::string r = RunWith("s", [&](D& d) {
    d.Click(IDC_TB_ATTR_CHK);
    d.Type(IDC_TB_ATTR, "CLASS=\"typed\"");
    d.Click(IDC_TB_BORDER_CHK);
    // A cancelled basic dialog changes nothing.
    if (basicOpens) backend.Expect([](D& b) { b.Cancel(); });
    d.Click(IDC_TB_ATTR_EDIT);
    EXPECT_EQ(d.GetText(IDC_TB_ATTR), "CLASS=\"typed\"");
    if (basicOpens)
      backend.Expect([](D& b) {
        b.Click(b.FindByLabel("ID指定"));
        b.Type(b.EditFor("ID指定"), "t");
        b.Click(b.FindByLabel("CLASS指定"));
        b.Type(b.EditFor("CLASS指定"), "c");
        b.Ok();
      });
    d.Type(IDC_TB_BORDER, "3");
    d.Click(IDC_TB_ATTR_EDIT);
    EXPECT_EQ(d.GetText(IDC_TB_BORDER), "3");  // typed before the basic dialog opened
    d.Ok();
  });
  if (basicOpens) {
    EXPECT_EQ(r, "<TABLE BORDER=\"3\" ID=\"t\" CLASS=\"c\">\r\ns\r\n</TABLE>");
    EXPECT_EQ(Str("Tbl_151OtherAttr"), "\r\nID=\"t\"\r\nCLASS=\"c\"");
    EXPECT_EQ(Str("Bsc_151Class"), "c");
  } else {
    EXPECT_EQ(r, "<TABLE BORDER=\"3\" CLASS=\"typed\">\r\ns\r\n</TABLE>");
  }
}

TEST_F(TableDlg, CancelReturnsTheSelectionAndWritesNothing) {
  std::string r = RunWith("keep", [](D& d) {
    d.Click(IDC_TB_BORDER_CHK);
    d.Click(IDC_TB_FRAME_CHK);
    d.SelectText(IDC_TB_FRAME_LIST, "void");
    d.Cancel();
  });
  EXPECT_EQ(r, "keep");
  EXPECT_EQ(profile->writes(), 0);
}

}  // namespace tqtest

namespace tqtest {

// A whole table made with the table, row group, row and cell dialogs, as a
// user builds one from the inside out.
TEST_F(TableDlg, TableOfGroupsRowsAndCellsIsValidHtml) {
  auto cell = [&](int id, const std::string& text, plat::DialogScript s) {
    backend.Expect(std::move(s));
    return Run(id, text);
  };
  auto header = [&](const std::string& id, const std::string& text) {
    return cell(29159, text, [id](D& d) {
      d.Click(IDC_TC_SCOPE_CHK);
      d.SelectText(IDC_TC_SCOPE_LIST, "col");
      d.Click(IDC_TC_ABBR_CHK);
      d.Type(IDC_TC_ABBR, id);
      d.Click(IDC_TC_ATTR_CHK);
      d.Type(IDC_TC_ATTR, "ID=\"" + id + "\"\r\n");
      d.Ok();
    });
  };
  auto data = [&](const std::string& headers, const std::string& text) {
    return cell(29160, text, [headers](D& d) {
      d.Click(IDC_TC_HEADERS_CHK);
      d.Type(IDC_TC_HEADERS, headers);
      d.Click(IDC_TC_ALIGN_CHK);
      d.SelectText(IDC_TC_ALIGN_LIST, "char");
      d.Type(IDC_TC_CHAROFF, "2");
      d.Click(IDC_TC_VALIGN_CHK);
      d.SelectText(IDC_TC_VALIGN_LIST, "middle");
      d.Ok();
    });
  };
  auto row = [&](const std::string& cells) {
    backend.Expect([](D& d) {
      d.Click(IDC_CG_VALIGN_CHK);
      d.SelectText(IDC_CG_VALIGN_LIST, "top");
      d.Ok();
    });
    return Run(29158, cells);
  };
  auto group = [&](int id, const std::string& rows) {
    backend.Expect([](D& d) {
      d.Click(IDC_CG_ALIGN_CHK);
      d.SelectText(IDC_CG_ALIGN_LIST, "left");
      d.Ok();
    });
    return Run(id, rows);
  };

  backend.Expect([](D& d) {
    d.Click(IDC_CG_SPAN_CHK);
    d.Type(IDC_CG_SPAN, "2");
    d.Click(IDC_CG_WIDTH_CHK);
    d.Type(IDC_CG_WIDTH, "50");
    d.Click(IDC_CG_WIDTH_PCT);
    d.Ok();
  });
  std::string inner = Run(29153, "") + "\r\n";
  inner += group(29155, row(header("y", "Year") + header("n", "Amount"))) + "\r\n";
  inner += group(29157, row(data("y", "Sum") + data("n", "12.50"))) + "\r\n";
  inner += group(29156, row(data("y", "2001") + data("n", "4.25")) + "\r\n" +
                            row(data("y", "2002") + data("n", "8.25")));

  std::string table = RunWith(inner, [](D& d) {
    for (int c : {IDC_TB_BORDER_CHK, IDC_TB_WIDTH_CHK, IDC_TB_SUMMARY_CHK, IDC_TB_FRAME_CHK, IDC_TB_RULES_CHK,
                  IDC_TB_SPACING_CHK, IDC_TB_PADDING_CHK, IDC_TB_ATTR_CHK})
      d.Click(c);
    d.Type(IDC_TB_WIDTH, "80");
    d.Click(IDC_TB_WIDTH_PCT);
    d.Type(IDC_TB_SUMMARY, "Amounts by year");
    d.SelectText(IDC_TB_FRAME_LIST, "hsides");
    d.SelectText(IDC_TB_RULES_LIST, "groups");
    d.Type(IDC_TB_PADDING, "4");
    d.Type(IDC_TB_ATTR, "ID=\"amounts\"\r\nCLASS=\"figures\"\r\n");
    d.Ok();
  });
  EXPECT_EQ(table.substr(0, table.find('\n') + 1),
            "<TABLE BORDER=\"1\" WIDTH=\"80%\" SUMMARY=\"Amounts by year\" FRAME=\"hsides\" RULES=\"groups\" "
            "CELLSPACING=\"1px\" CELLPADDING=\"4px\" ID=\"amounts\" CLASS=\"figures\">\r\n");
  EXPECT_NE(table.find("<TD HEADERS=\"n\" ALIGN=\"char\" CHAR=\".\" CHAROFF=\"2px\" VALIGN=\"middle\">4.25</TD>"),
            std::string::npos);
  EXPECT_TRUE(ValidHtml(table));
}

}  // namespace tqtest
