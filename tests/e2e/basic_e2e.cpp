// The basic attributes dialog of the real DLL: as the whole dialog of a
// heading, and as the other-attributes editor of TABLE with the style
// composer and a style group dialog behind it.
#include "dialogs/common/basic_dlg.h"
#include "dialogs/document/table_dlg.h"
#include "dialogs/style/style_dlg.h"
#include "dialogs/style/style_text_dlg.h"
#include "tests/e2e/e2e.h"

namespace e2e {
namespace {

using BasicDialog = HostTest;

TEST_F(BasicDialog, HeadingWithAnId) {
  DialogDriver driver;
  driver
      .Then([](HWND d) {
        EXPECT_EQ(WindowTextA(d), "基本的な属性の設定 <H1>");
        EXPECT_FALSE(Enabled(d, tq::IDC_BS_ID));
        Click(d, tq::IDC_BS_ID_CHK);
      })
      .Then([](HWND d) {
        Type(d, tq::IDC_BS_ID, "top");
        Click(d, plat::IDOK);
      });
  host_->RunTagCommand(29121);
  EXPECT_EQ(host_->Text(), "<H1 ID=\"top\">abc</H1>");
  EXPECT_EQ(Setting("Bsc_121ID"), "top");
  EXPECT_EQ(SettingInt("Bsc_121Flag"), 1);
}

TEST_F(BasicDialog, TableStyleThroughComposerAndTextDialog) {
  Select("<TR><TD>a</TD></TR>");
  DialogDriver driver;
  driver
      .Then([](HWND table) { Click(table, tq::IDC_TB_ATTR_CHK); })
      .Then([](HWND table) { Click(table, tq::IDC_TB_ATTR_EDIT); })
      .Then([](HWND basic) {
        EXPECT_EQ(WindowTextA(basic), "基本的な属性の設定 <TABLE>");
        Click(basic, tq::IDC_BS_STYLE_CHK);
      })
      .Then([](HWND basic) { Click(basic, tq::IDC_BS_STYLE_EDIT); })
      .Then([](HWND composer) {
        EXPECT_EQ(WindowTextA(composer), "スタイルの設定 <TABLE>");
        Click(composer, tq::IDC_SY_TEXT_CHK);
      })
      .Then([](HWND composer) { Click(composer, tq::IDC_SY_TEXT_CHANGE); })
      .Then([](HWND text) {
        EXPECT_EQ(WindowTextA(text), " STYLE : テキストの設定 <TABLE>");
        Click(text, tq::IDC_TX_TALIGN_CHK);
      })
      .Then([](HWND text) {
        Type(text, tq::IDC_TX_TALIGN, "center");
        Click(text, plat::IDOK);
      })
      .Then([](HWND composer) {
        EXPECT_EQ(ItemText(composer, tq::IDC_SY_TEXT), "text-align:center;");
        Click(composer, plat::IDOK);
      })
      .Then([](HWND basic) {
        EXPECT_EQ(ItemText(basic, tq::IDC_BS_STYLE), "text-align:center;");
        Click(basic, plat::IDOK);
      })
      .Then([](HWND table) {
        EXPECT_EQ(ItemText(table, tq::IDC_TB_ATTR), "\r\nSTYLE=\"text-align:center;\"");
        Click(table, plat::IDOK);
      });
  host_->RunTagCommand(29151);
  EXPECT_EQ(host_->Text(), "<TABLE STYLE=\"text-align:center;\">\r\n<TR><TD>a</TD></TR>\r\n</TABLE>");
  // Each dialog remembered its part under the table's slot.
  EXPECT_EQ(Setting("SylTxt_151TAlign"), "center");
  EXPECT_EQ(Setting("Bsc_151Style"), "text-align:center;");
  EXPECT_EQ(SettingInt("Tbl_151Flag"), 0x8000);
}

}  // namespace
}  // namespace e2e
