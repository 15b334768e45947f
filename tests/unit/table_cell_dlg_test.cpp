#include <string>
#include <vector>

#include "dialogs/document/table_cell_dlg.h"
#include "fixture.h"

namespace tqtest {

using namespace tq;
using TableCellDlg = Headless;

namespace {

// The alignment-character controls, which go together.
bool CharOffered(D& d) {
  bool all = true, any = false;
  for (int c : {IDC_TC_CHAR_LABEL, IDC_TC_CHAR, IDC_TC_CHAROFF_LABEL, IDC_TC_CHAROFF, IDC_TC_CHAROFF_SPIN,
                IDC_TC_CHAROFF_PX, IDC_TC_CHAROFF_PCT}) {
    all = all && d.IsEnabled(c);
    any = any || d.IsEnabled(c);
  }
  EXPECT_EQ(all, any);
  return all;
}

}  // namespace

TEST_F(TableCellDlg, CenterIsNotCharacterAlignment) {
  std::string r = RunWith(29159, "h", [&](D& d) {
    d.Click(IDC_TC_ALIGN_CHK);
    EXPECT_FALSE(CharOffered(d));  // "center" is not character alignment
    d.Ok();
  });
  EXPECT_EQ(r, "<TH ALIGN=\"center\">h</TH>");
  EXPECT_EQ(Int("Tcl_159Flag"), 0x40);
}

TEST_F(TableCellDlg, CharacterAlignmentDecidesCharAndCharOff) {
  // "CHAR" typed counts as char; an empty CHAR drops only CHAR; the
  // percent bit is stored only with an emitted CHAROFF.
  std::string r = RunWith(29160, "", [](D& d) {
    Tick(d, IDC_TC_ALIGN_CHK, IDC_TC_ALIGN, "CHAR");
    EXPECT_FALSE(CharOffered(d));  // typing does not re-apply the rule
    d.Ok();
  });
  EXPECT_EQ(r, "<TD ALIGN=\"CHAR\" CHAR=\".\" CHAROFF=\"0px\"></TD>");
  EXPECT_EQ(Int("Tcl_160Flag"), 0x40);

  r = RunWith(29160, "", [](D& d) {
    EXPECT_TRUE(CharOffered(d));  // stored "CHAR" offers them at once
    d.Type(IDC_TC_CHAR, "");
    d.Click(IDC_TC_CHAROFF_PCT);
    d.Type(IDC_TC_CHAROFF, "-2");
    d.Ok();
  });
  EXPECT_EQ(r, "<TD ALIGN=\"CHAR\" CHAROFF=\"-2%\"></TD>");
  EXPECT_EQ(Int("Tcl_160Flag"), 0x40 | 0x80);
  EXPECT_EQ(Str("Tcl_160Char"), ".");  // not emitted, not written

  r = RunWith(29160, "", [](D& d) {
    d.Type(IDC_TC_CHAROFF, "");
    d.Ok();
  });
  EXPECT_EQ(r, "<TD ALIGN=\"CHAR\" CHAR=\".\"></TD>");
  EXPECT_EQ(Int("Tcl_160Flag"), 0x40);  // "%" still selected, but no CHAROFF

  // Choosing from the list switches the controls at once; a non-char
  // alignment emits neither, whatever the fields hold.
  r = RunWith(29160, "", [](D& d) {
    EXPECT_EQ(d.GetCheck(IDC_TC_CHAROFF_PX), 1);
    d.SelectText(IDC_TC_ALIGN_LIST, "char");
    EXPECT_TRUE(CharOffered(d));
    d.Type(IDC_TC_CHAR, ",");
    d.SelectText(IDC_TC_ALIGN_LIST, "left");
    EXPECT_FALSE(CharOffered(d));
    EXPECT_EQ(d.GetText(IDC_TC_CHAR), ",");  // taken in before the choice
    d.SelectText(IDC_TC_ALIGN_LIST, "char");
    d.Click(IDC_TC_ALIGN_CHK);
    EXPECT_FALSE(CharOffered(d));
    EXPECT_FALSE(d.IsEnabled(IDC_TC_ALIGN_LIST));
    d.Click(IDC_TC_ALIGN_CHK);
    EXPECT_TRUE(CharOffered(d));
    d.SelectText(IDC_TC_ALIGN_LIST, "justify");
    d.Ok();
  });
  EXPECT_EQ(r, "<TD ALIGN=\"justify\"></TD>");
  EXPECT_EQ(Str("Tcl_160Char"), ".");
}

}  // namespace tqtest
