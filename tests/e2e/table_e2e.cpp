// The TABLE, cell and row commands through the DLL's real dialogs: check
// boxes that enable their controls, the sorted lists, the unit buttons, the
// up-down controls and the alignment-character controls that follow the
// ALIGN choice, around text selected in the host.
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "app/html_app.h"
#include "dialogs/document/col_group_dlg.h"
#include "dialogs/document/table_cell_dlg.h"
#include "dialogs/document/table_dlg.h"
#include "tests/e2e/driver.h"
#include "tests/e2e/e2e.h"
#include "platform/win32/win32_api.h"

namespace e2e {
namespace {

const char kKey[] = "Software\\Brambleware\\Tagquill\\HTML";

bool Enabled(HWND d, int id) { return IsWindowEnabled(GetDlgItem(d, id)) != FALSE; }

std::string ListEntry(HWND d, int id, int index) {
  char buf[256] = {};
  SendDlgItemMessageA(d, id, LB_GETTEXT, index, reinterpret_cast<LPARAM>(buf));
  return buf;
}

// Selects the entry starting with prefix as a click on it would.
void SelectEntry(HWND d, int id, const char* prefix) {
  HWND list = GetDlgItem(d, id);
  ASSERT_NE(list, nullptr);
  LRESULT i = SendMessageA(list, LB_FINDSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(prefix));
  ASSERT_NE(i, LB_ERR) << prefix;
  SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(i), 0);
  SendMessageA(d, WM_COMMAND, MAKEWPARAM(id, LBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
}

// One step up, as a click on the up arrow of the up-down control does.
void SpinUp(HWND d, int id) {
  SendDlgItemMessageA(d, id, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 1));
  SendDlgItemMessageA(d, id, WM_LBUTTONUP, 0, MAKELPARAM(2, 1));
}

class TableDialog : public ::testing::Test {
 protected:
  void SetUp() override {
    RegDeleteKeyA(HKEY_CURRENT_USER, kKey);
    host_.reset(tqhost::HostWindow::Create(Dll(), tqhost::HostOptions()));
    ASSERT_NE(host_, nullptr);
    host_->SetText("<TR><TD>a</TD></TR>");
    host_->Select(0, -1);
  }
  void TearDown() override {
    host_.reset();
    RegDeleteKeyA(HKEY_CURRENT_USER, kKey);
  }
  std::unique_ptr<tqhost::HostWindow> host_;
};

TEST_F(TableDialog, BorderWidthFrameAndPaddingAroundTheSelection) {
  int lo[2] = {}, hi[2] = {};
  std::string firstFrame, lastRules, frame;
  bool before = true, after = false, unitOff = false;
  DialogDriver driver;
  driver
      .Then([&](HWND d) {
        EXPECT_EQ(WindowTextA(d), "作表に関する属性の設定 <TABLE>");
        SendDlgItemMessageA(d, tq::IDC_TB_BORDER_SPIN, UDM_GETRANGE32, reinterpret_cast<WPARAM>(&lo[0]),
                            reinterpret_cast<LPARAM>(&hi[0]));
        SendDlgItemMessageA(d, tq::IDC_TB_SPACING_SPIN, UDM_GETRANGE32, reinterpret_cast<WPARAM>(&lo[1]),
                            reinterpret_cast<LPARAM>(&hi[1]));
        firstFrame = ListEntry(d, tq::IDC_TB_FRAME_LIST, 0);
        lastRules = ListEntry(d, tq::IDC_TB_RULES_LIST, 4);
        before = Enabled(d, tq::IDC_TB_BORDER) || Enabled(d, tq::IDC_TB_FRAME_LIST) ||
                 Enabled(d, tq::IDC_TB_WIDTH_PCT) || Enabled(d, tq::IDC_TB_ATTR_EDIT);
        Click(d, tq::IDC_TB_BORDER_CHK);
        Click(d, tq::IDC_TB_WIDTH_CHK);
        Click(d, tq::IDC_TB_FRAME_CHK);
        Click(d, tq::IDC_TB_PADDING_CHK);
      })
      .Then([&](HWND d) {
        after = Enabled(d, tq::IDC_TB_BORDER_SPIN) && Enabled(d, tq::IDC_TB_FRAME_LIST) &&
                Enabled(d, tq::IDC_TB_WIDTH_PCT) && Enabled(d, tq::IDC_TB_PADDING_PCT);
        unitOff = !Enabled(d, tq::IDC_TB_SPACING_PCT);
        SpinUp(d, tq::IDC_TB_BORDER_SPIN);
        SetDlgItemTextA(d, tq::IDC_TB_WIDTH, "80");
        Click(d, tq::IDC_TB_WIDTH_PCT);
        Click(d, tq::IDC_TB_PADDING_PCT);
        SelectEntry(d, tq::IDC_TB_FRAME_LIST, "hsides");
      })
      .Then([&](HWND d) {
        Screenshot(d, "table-dialog.bmp");
        frame = ItemText(d, tq::IDC_TB_FRAME);
        Click(d, plat::IDOK);
      });
  host_->RunTagCommand(29151);
  EXPECT_EQ(driver.pending(), 0u);
  EXPECT_EQ(lo[0], 1);
  EXPECT_EQ(hi[0], 32767);
  EXPECT_EQ(lo[1], -32767);
  EXPECT_EQ(hi[1], 32767);
  EXPECT_EQ(firstFrame, "above (上辺だけ)");  // sorted by the list box
  EXPECT_EQ(lastRules, "rows (行間のみ)");
  EXPECT_FALSE(before);
  EXPECT_TRUE(after);
  EXPECT_TRUE(unitOff);
  EXPECT_EQ(frame, "hsides");
  EXPECT_EQ(host_->Text(),
            "<TABLE BORDER=\"2\" WIDTH=\"80%\" FRAME=\"hsides\" CELLPADDING=\"1%\">\r\n"
            "<TR><TD>a</TD></TR>\r\n</TABLE>");
  EXPECT_EQ(HtmlApp().GetProfileInt("HTML", "Tbl_151Flag", -1), 0x1 | 0x2 | 0x4 | 0x20 | 0x400 | 0x800);
  EXPECT_EQ(HtmlApp().GetProfileString("HTML", "Tbl_151Border", "<absent>"), "2");
}

TEST_F(TableDialog, CancelLeavesTheSelection) {
  DialogDriver driver;
  driver.Then([](HWND d) {
    Click(d, tq::IDC_TB_BORDER_CHK);
    Click(d, plat::IDCANCEL);
  });
  host_->RunTagCommand(29151);
  EXPECT_EQ(driver.pending(), 0u);
  EXPECT_EQ(host_->Text(), "<TR><TD>a</TD></TR>");
  EXPECT_EQ(HtmlApp().GetProfileInt("HTML", "Tbl_151Flag", -1), -1);
}

TEST_F(TableDialog, CellAlignedOnACharacter) {
  bool before = true, offered = false, withdrawn = true;
  DialogDriver driver;
  driver
      .Then([&](HWND d) {
        EXPECT_EQ(WindowTextA(d), "作表に関する設定 <TD>");
        Click(d, tq::IDC_TC_ALIGN_CHK);
        Click(d, tq::IDC_TC_COLSPAN_CHK);
      })
      .Then([&](HWND d) {
        before = Enabled(d, tq::IDC_TC_CHAR) || Enabled(d, tq::IDC_TC_CHAROFF_PCT);  // "center"
        SelectEntry(d, tq::IDC_TC_ALIGN_LIST, "char");
        offered = Enabled(d, tq::IDC_TC_CHAR) && Enabled(d, tq::IDC_TC_CHAROFF_LABEL) &&
                  Enabled(d, tq::IDC_TC_CHAROFF_SPIN) && Enabled(d, tq::IDC_TC_CHAROFF_PCT);
        SetDlgItemTextA(d, tq::IDC_TC_CHAR, ",");
        SpinUp(d, tq::IDC_TC_CHAROFF_SPIN);
        SpinUp(d, tq::IDC_TC_COLSPAN_SPIN);
        Click(d, tq::IDC_TC_CHAROFF_PCT);
      })
      .Then([&](HWND d) {
        Screenshot(d, "table-cell-dialog.bmp");
        Click(d, tq::IDC_TC_ALIGN_CHK);
      })
      .Then([&](HWND d) {
        withdrawn = Enabled(d, tq::IDC_TC_CHAR) || Enabled(d, tq::IDC_TC_ALIGN_LIST);
        Click(d, tq::IDC_TC_ALIGN_CHK);
      })
      .Then([](HWND d) { Click(d, plat::IDOK); });
  host_->SetText("3,5");
  host_->Select(0, -1);
  host_->RunTagCommand(29160);
  EXPECT_EQ(driver.pending(), 0u);
  EXPECT_FALSE(before);
  EXPECT_TRUE(offered);
  EXPECT_FALSE(withdrawn);
  EXPECT_EQ(host_->Text(), "<TD COLSPAN=\"2\" ALIGN=\"char\" CHAR=\",\" CHAROFF=\"1%\">3,5</TD>");
  EXPECT_EQ(HtmlApp().GetProfileInt("HTML", "Tcl_160Flag", -1), 0x10 | 0x40 | 0x80);
}

TEST_F(TableDialog, RowWithoutSpanOrWidth) {
  bool spanOff = false, unitsOn = false;
  DialogDriver driver;
  driver
      .Then([&](HWND d) {
        EXPECT_EQ(WindowTextA(d), "作表に関する設定 <TR>");
        spanOff = !Enabled(d, tq::IDC_CG_SPAN_CHK) && !Enabled(d, tq::IDC_CG_WIDTH_CHK) &&
                  IsDlgButtonChecked(d, tq::IDC_CG_SPAN_CHK) == BST_UNCHECKED;
        unitsOn = Enabled(d, tq::IDC_CG_CHAROFF_PX) && Enabled(d, tq::IDC_CG_CHAROFF_PCT);
        Click(d, tq::IDC_CG_VALIGN_CHK);
      })
      .Then([](HWND d) {
        SelectEntry(d, tq::IDC_CG_VALIGN_LIST, "middle");
        Screenshot(d, "col-group-dialog.bmp");
        Click(d, plat::IDOK);
      });
  host_->RunTagCommand(29158);
  EXPECT_EQ(driver.pending(), 0u);
  EXPECT_TRUE(spanOff);
  EXPECT_TRUE(unitsOn);
  EXPECT_EQ(host_->Text(), "<TR VALIGN=\"middle\"><TR><TD>a</TD></TR></TR>");
}

}  // namespace
}  // namespace e2e
