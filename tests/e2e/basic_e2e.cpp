// The basic attributes dialog of the real DLL: as the whole dialog of a
// heading, and as the other-attributes editor of TABLE with the style
// composer and a style group dialog behind it.
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "app/html_app.h"
#include "dialogs/common/basic_dlg.h"
#include "dialogs/document/table_dlg.h"
#include "dialogs/style/style_dlg.h"
#include "dialogs/style/style_text_dlg.h"
#include "tests/e2e/driver.h"
#include "tests/e2e/e2e.h"
#include "platform/win32/win32_api.h"

namespace e2e {
namespace {

const char kKey[] = "Software\\Brambleware\\Tagquill\\HTML";

class BasicDialog : public ::testing::Test {
 protected:
  void SetUp() override {
    RegDeleteKeyA(HKEY_CURRENT_USER, kKey);
    host_.reset(tqhost::HostWindow::Create(Dll(), tqhost::HostOptions()));
    ASSERT_NE(host_, nullptr);
  }
  void TearDown() override {
    host_.reset();
    RegDeleteKeyA(HKEY_CURRENT_USER, kKey);
  }
  std::string Setting(const char* name) { return HtmlApp().GetProfileString("HTML", name, "<absent>"); }
  int Flag(const char* name) { return HtmlApp().GetProfileInt("HTML", name, -1); }

  std::unique_ptr<tqhost::HostWindow> host_;
};

TEST_F(BasicDialog, HeadingWithAnId) {
  host_->SetText("abc");
  host_->Select(0, -1);
  bool idOff = false;
  DialogDriver driver;
  driver
      .Then([&](HWND d) {
        EXPECT_EQ(WindowTextA(d), "基本的な属性の設定 <H1>");
        idOff = !IsWindowEnabled(GetDlgItem(d, tq::IDC_BS_ID));
        Click(d, tq::IDC_BS_ID_CHK);
      })
      .Then([](HWND d) {
        SetDlgItemTextA(d, tq::IDC_BS_ID, "top");
        Click(d, plat::IDOK);
      });
  host_->RunTagCommand(29121);
  EXPECT_EQ(driver.pending(), 0u);
  EXPECT_TRUE(idOff);
  EXPECT_EQ(host_->Text(), "<H1 ID=\"top\">abc</H1>");
  EXPECT_EQ(Setting("Bsc_121ID"), "top");
  EXPECT_EQ(Flag("Bsc_121Flag"), 1);
}

TEST_F(BasicDialog, TableStyleThroughComposerAndTextDialog) {
  host_->SetText("<TR><TD>a</TD></TR>");
  host_->Select(0, -1);
  std::string composed, style, attr;
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
        SetDlgItemTextA(text, tq::IDC_TX_TALIGN, "center");
        Click(text, plat::IDOK);
      })
      .Then([&](HWND composer) {
        composed = ItemText(composer, tq::IDC_SY_TEXT);
        Click(composer, plat::IDOK);
      })
      .Then([&](HWND basic) {
        style = ItemText(basic, tq::IDC_BS_STYLE);
        Click(basic, plat::IDOK);
      })
      .Then([&](HWND table) {
        attr = ItemText(table, tq::IDC_TB_ATTR);
        Click(table, plat::IDOK);
      });
  host_->RunTagCommand(29151);
  EXPECT_EQ(driver.pending(), 0u);
  EXPECT_EQ(composed, "text-align:center;");
  EXPECT_EQ(style, "text-align:center;");
  EXPECT_EQ(attr, "\r\nSTYLE=\"text-align:center;\"");
  EXPECT_EQ(host_->Text(), "<TABLE STYLE=\"text-align:center;\">\r\n<TR><TD>a</TD></TR>\r\n</TABLE>");
  // Each dialog remembered its part under the table's slot.
  EXPECT_EQ(Setting("SylTxt_151TAlign"), "center");
  EXPECT_EQ(Setting("Bsc_151Style"), "text-align:center;");
  EXPECT_EQ(Flag("Tbl_151Flag"), 0x8000);
}

}  // namespace
}  // namespace e2e
