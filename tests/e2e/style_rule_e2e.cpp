// The style rule command through the DLL's real dialogs: the rule dialog,
// the style composer it opens for the selector's element, and the font
// group dialog inside it, each confirmed as a user would.
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "app/html_app.h"
#include "dialogs/style/style_dlg.h"
#include "dialogs/style/style_font_dlg.h"
#include "dialogs/style/style_rule_dlg.h"
#include "tests/e2e/driver.h"
#include "tests/e2e/e2e.h"
#include "platform/win32/win32_api.h"

namespace e2e {
namespace {

const char kKey[] = "Software\\Brambleware\\Tagquill\\HTML";

class StyleRuleE2e : public ::testing::Test {
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

  std::unique_ptr<tqhost::HostWindow> host_;
};

TEST_F(StyleRuleE2e, RuleComposedThroughComposerAndFontDialog) {
  host_->SetText("abc");
  host_->Select(0, -1);
  DialogDriver driver;
  driver
      .Then([](HWND d) {
        EXPECT_EQ(WindowTextA(d), "STYLEの設定");
        EXPECT_EQ(GetFocus(), GetDlgItem(d, tq::IDC_SR_SELECTOR));
        HWND list = GetDlgItem(d, tq::IDC_SR_LIST);
        EXPECT_EQ(SendMessageA(list, LB_GETCOUNT, 0, 0), 61);
        const LRESULT td = SendMessageA(list, LB_FINDSTRING, static_cast<WPARAM>(-1),
                                        reinterpret_cast<LPARAM>("TD "));
        ASSERT_NE(td, LB_ERR);
        SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(td), 0);
        SendMessageA(d, WM_COMMAND, MAKEWPARAM(tq::IDC_SR_LIST, LBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
        EXPECT_EQ(ItemText(d, tq::IDC_SR_SELECTOR), "TD");
        Click(d, tq::IDC_SR_CHANGE);
      })
      .Then([](HWND composer) {
        EXPECT_EQ(WindowTextA(composer), "スタイルの設定 <TD>");
        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(composer, tq::IDC_SY_FONT_CHANGE)));
        Click(composer, tq::IDC_SY_FONT_CHK);
        Click(composer, tq::IDC_SY_ELEMENT_CHK);
        Click(composer, tq::IDC_SY_FONT_CHANGE);
      })
      .Then([](HWND font) {
        EXPECT_EQ(WindowTextA(font), " STYLE : フォントの設定 <TD>");
        Click(font, tq::IDC_FN_WEIGHT_CHK);
      })
      .Then([](HWND font) {
        SetDlgItemTextA(font, tq::IDC_FN_WEIGHT, "bold");
        Click(font, plat::IDOK);
      })
      .Then([](HWND composer) {
        EXPECT_EQ(ItemText(composer, tq::IDC_SY_FONT), "font-weight:bold;");
        SetDlgItemTextA(composer, tq::IDC_SY_ELEMENT, "float:left;\r\nclear:both;");
        Click(composer, plat::IDOK);
      })
      .Then([](HWND d) {
        EXPECT_EQ(ItemText(d, tq::IDC_SR_STYLE), "font-weight:bold;\r\nfloat:left; clear:both;");
        Click(d, plat::IDOK);
      });
  host_->RunTagCommand(29115);
  EXPECT_EQ(driver.pending(), 0u);
  EXPECT_EQ(driver.strays(), 0);
  EXPECT_EQ(host_->Text(), "TD  { font-weight:bold; float:left; clear:both; }\r\nabc");
  EXPECT_EQ(Setting("SylCss_Selecta"), "TD");
  EXPECT_EQ(Setting("Syl_160Element"), "float:left;\r\nclear:both;");
  EXPECT_EQ(HtmlApp().GetProfileInt("HTML", "Syl_160Flag", -1), 0x88);
  EXPECT_EQ(Setting("StlFnt_160Weight"), "bold");
}

TEST_F(StyleRuleE2e, EmptySelectorRefusedThenCancelKeepsTheSelection) {
  host_->SetText("keep");
  host_->Select(0, -1);
  DialogDriver driver;
  driver
      .Then([](HWND d) {
        SetDlgItemTextA(d, tq::IDC_SR_SELECTOR, "  ");
        Click(d, tq::IDC_SR_CHANGE);
      })
      .Then([](HWND box) {
        EXPECT_EQ(WindowTextA(box), "スタイル変更");
        EXPECT_EQ(MessageBoxText(box), "セレクタ（要素）を指定してから実行してください");
        Click(box, plat::IDOK);
      })
      .Then([](HWND d) {
        EXPECT_EQ(WindowTextA(d), "STYLEの設定");
        Click(d, plat::IDCANCEL);
      });
  host_->RunTagCommand(29115);
  EXPECT_EQ(driver.pending(), 0u);
  EXPECT_EQ(host_->Text(), "keep");
  EXPECT_EQ(Setting("SylCss_Selecta"), "<absent>");
}

}  // namespace
}  // namespace e2e
