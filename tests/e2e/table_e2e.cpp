// The TABLE, cell and row commands through the DLL's real dialogs: check
// boxes that enable their controls, the sorted lists, the unit buttons, the
// up-down controls and the alignment-character controls that follow the
// ALIGN choice, around text selected in the host.
#include "dialogs/document/col_group_dlg.h"
#include "dialogs/document/table_cell_dlg.h"
#include "dialogs/document/table_dlg.h"
#include "tests/e2e/e2e.h"

namespace e2e {
namespace {

using TableDialog = HostTest;

TEST_F(TableDialog, BorderWidthFrameAndPaddingAroundTheSelection) {
  Select("<TR><TD>a</TD></TR>");
  DialogDriver driver;
  driver
      .Then([](HWND d) {
        EXPECT_EQ(WindowTextA(d), "作表に関する属性の設定 <TABLE>");
        EXPECT_EQ(SpinRange(d, tq::IDC_TB_BORDER_SPIN), std::make_pair(1, 32767));
        EXPECT_EQ(SpinRange(d, tq::IDC_TB_SPACING_SPIN), std::make_pair(-32767, 32767));
        EXPECT_EQ(ListEntry(d, tq::IDC_TB_FRAME_LIST, 0), "above (上辺だけ)");  // sorted by the list box
        EXPECT_EQ(ListEntry(d, tq::IDC_TB_RULES_LIST, 4), "rows (行間のみ)");
        EXPECT_FALSE(Enabled(d, tq::IDC_TB_BORDER) || Enabled(d, tq::IDC_TB_FRAME_LIST) ||
                     Enabled(d, tq::IDC_TB_WIDTH_PCT) || Enabled(d, tq::IDC_TB_ATTR_EDIT));
        Click(d, tq::IDC_TB_BORDER_CHK);
        Click(d, tq::IDC_TB_WIDTH_CHK);
        Click(d, tq::IDC_TB_FRAME_CHK);
        Click(d, tq::IDC_TB_PADDING_CHK);
      })
      .Then([](HWND d) {
        EXPECT_TRUE(Enabled(d, tq::IDC_TB_BORDER_SPIN) && Enabled(d, tq::IDC_TB_FRAME_LIST) &&
                    Enabled(d, tq::IDC_TB_WIDTH_PCT) && Enabled(d, tq::IDC_TB_PADDING_PCT));
        EXPECT_FALSE(Enabled(d, tq::IDC_TB_SPACING_PCT));
        SpinUp(d, tq::IDC_TB_BORDER_SPIN);
        Type(d, tq::IDC_TB_WIDTH, "80");
        Click(d, tq::IDC_TB_WIDTH_PCT);
        Click(d, tq::IDC_TB_PADDING_PCT);
        SelectListEntry(d, tq::IDC_TB_FRAME_LIST, "hsides");
      })
      .Then([](HWND d) {
        Screenshot(d, "table-dialog.bmp");
        EXPECT_EQ(ItemText(d, tq::IDC_TB_FRAME), "hsides");
        Click(d, plat::IDOK);
      });
  host_->RunTagCommand(29151);
  EXPECT_EQ(host_->Text(),
            "<TABLE BORDER=\"2\" WIDTH=\"80%\" FRAME=\"hsides\" CELLPADDING=\"1%\">\r\n"
            "<TR><TD>a</TD></TR>\r\n</TABLE>");
  EXPECT_EQ(SettingInt("Tbl_151Flag"), 0x1 | 0x2 | 0x4 | 0x20 | 0x400 | 0x800);
  EXPECT_EQ(Setting("Tbl_151Border"), "2");
}

TEST_F(TableDialog, CellAlignedOnACharacter) {
  Select("3,5");
  DialogDriver driver;
  driver
      .Then([](HWND d) {
        EXPECT_EQ(WindowTextA(d), "作表に関する設定 <TD>");
        Click(d, tq::IDC_TC_ALIGN_CHK);
        Click(d, tq::IDC_TC_COLSPAN_CHK);
      })
      .Then([](HWND d) {
        EXPECT_FALSE(Enabled(d, tq::IDC_TC_CHAR) || Enabled(d, tq::IDC_TC_CHAROFF_PCT));  // "center"
        SelectListEntry(d, tq::IDC_TC_ALIGN_LIST, "char");
        EXPECT_TRUE(Enabled(d, tq::IDC_TC_CHAR) && Enabled(d, tq::IDC_TC_CHAROFF_LABEL) &&
                    Enabled(d, tq::IDC_TC_CHAROFF_SPIN) && Enabled(d, tq::IDC_TC_CHAROFF_PCT));
        Type(d, tq::IDC_TC_CHAR, ",");
        SpinUp(d, tq::IDC_TC_CHAROFF_SPIN);
        SpinUp(d, tq::IDC_TC_COLSPAN_SPIN);
        Click(d, tq::IDC_TC_CHAROFF_PCT);
      })
      .Then([](HWND d) {
        Screenshot(d, "table-cell-dialog.bmp");
        Click(d, tq::IDC_TC_ALIGN_CHK);
      })
      .Then([](HWND d) {  // unchecked: the alignment withdrawn, then checked again
        EXPECT_FALSE(Enabled(d, tq::IDC_TC_CHAR) || Enabled(d, tq::IDC_TC_ALIGN_LIST));
        Click(d, tq::IDC_TC_ALIGN_CHK);
      })
      .Then([](HWND d) { Click(d, plat::IDOK); });
  host_->RunTagCommand(29160);
  EXPECT_EQ(host_->Text(), "<TD COLSPAN=\"2\" ALIGN=\"char\" CHAR=\",\" CHAROFF=\"1%\">3,5</TD>");
  EXPECT_EQ(SettingInt("Tcl_160Flag"), 0x10 | 0x40 | 0x80);
}

TEST_F(TableDialog, RowWithoutSpanOrWidth) {
  Select("<TR><TD>a</TD></TR>");
  DialogDriver driver;
  driver
      .Then([](HWND d) {
        EXPECT_EQ(WindowTextA(d), "作表に関する設定 <TR>");
        EXPECT_FALSE(Enabled(d, tq::IDC_CG_SPAN_CHK) || Enabled(d, tq::IDC_CG_WIDTH_CHK) ||
                     Checked(d, tq::IDC_CG_SPAN_CHK));
        EXPECT_TRUE(Enabled(d, tq::IDC_CG_CHAROFF_PX) && Enabled(d, tq::IDC_CG_CHAROFF_PCT));
        Click(d, tq::IDC_CG_VALIGN_CHK);
      })
      .Then([](HWND d) {
        SelectListEntry(d, tq::IDC_CG_VALIGN_LIST, "middle");
        Screenshot(d, "col-group-dialog.bmp");
        Click(d, plat::IDOK);
      });
  host_->RunTagCommand(29158);
  EXPECT_EQ(host_->Text(), "<TR VALIGN=\"middle\"><TR><TD>a</TD></TR></TR>");
}

}  // namespace
}  // namespace e2e
