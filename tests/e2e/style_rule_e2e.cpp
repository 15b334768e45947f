// The style rule command through the DLL's real dialogs: the rule dialog,
// the style composer it opens for the selector's element, and the font
// group dialog inside it, each confirmed as a user would; and the list
// style dialog on the Win32 backend.
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "app/html_app.h"
#include "dialogs/common/value_list_dlg.h"
#include "dialogs/style/list_style_dlg.h"
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
        Screenshot(composer, "style-composer.bmp");
        Click(composer, plat::IDOK);
      })
      .Then([](HWND d) {
        EXPECT_EQ(ItemText(d, tq::IDC_SR_STYLE), "font-weight:bold;\r\nfloat:left; clear:both;");
        Screenshot(d, "style-rule-dialog.bmp");
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

// The list style dialog run in-process on the Win32 backend, with the
// value-list chooser and the composer it opens.
TEST_F(StyleRuleE2e, ListStyleWithChooserAndComposer) {
  DialogDriver driver;
  driver
      .Then([](HWND d) {
        EXPECT_EQ(WindowTextA(d), "リストに関する属性の設定 <OL>");
        EXPECT_EQ(ItemText(d, tq::IDC_LS_TYPE), "disc");
        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(d, tq::IDC_LS_INSIDE)));
        EXPECT_EQ(IsDlgButtonChecked(d, tq::IDC_LS_OUTSIDE), BST_CHECKED);
        Click(d, tq::IDC_LS_TYPE_CHK);
        Click(d, tq::IDC_LS_POS_CHK);
        Click(d, tq::IDC_LS_INSIDE);
        Click(d, tq::IDC_LS_OTHER_CHK);
        Click(d, tq::IDC_LS_TYPE_LIST);
      })
      .Then([](HWND list) {  // list 124
        EXPECT_EQ(WindowTextA(list), "リスト項目の先頭記号(TYPE)");
        HWND box = GetDlgItem(list, tq::IDC_VL_LIST);
        SendMessageA(box, LB_SETCURSEL, 2, 0);  // "square (四角)"
        SendMessageA(list, WM_COMMAND, MAKEWPARAM(tq::IDC_VL_LIST, LBN_SELCHANGE), reinterpret_cast<LPARAM>(box));
        Click(list, plat::IDOK);
      })
      .Then([](HWND d) {
        EXPECT_EQ(ItemText(d, tq::IDC_LS_TYPE), "square");
        EXPECT_EQ(IsDlgButtonChecked(d, tq::IDC_LS_INSIDE), BST_CHECKED);
        Click(d, tq::IDC_LS_OTHER_CHANGE);
      })
      .Then([](HWND composer) {
        EXPECT_EQ(WindowTextA(composer), "スタイルの設定 <OL>");
        Click(composer, tq::IDC_SY_COLOR_CHK);
      })
      .Then([](HWND composer) {
        SetDlgItemTextA(composer, tq::IDC_SY_COLOR, "color:Red;");
        Click(composer, plat::IDOK);
      })
      .Then([](HWND d) {
        Screenshot(d, "list-style-dialog.bmp");
        Click(d, plat::IDOK);
      });
  tq::CListStyleDlg dlg(host_->hwnd());
  dlg.Init(29141, "");
  ASSERT_EQ(dlg.DoModal(), plat::IDOK);
  EXPECT_EQ(driver.pending(), 0u);
  EXPECT_EQ(dlg.m_strResult, "list-style-type:square; list-style-position:inside;\r\ncolor:Red;");
  EXPECT_EQ(HtmlApp().GetProfileInt("HTML", "LtSyl_141Flag", -1), 0x8D);
  EXPECT_EQ(Setting("Syl_141Color"), "color:Red;");
}

}  // namespace
}  // namespace e2e
