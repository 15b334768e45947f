#include <string>

#include "css_check.h"
#include "dialogs/style/style_dlg.h"
#include "dialogs/style/style_rule_dlg.h"
#include "fixture.h"

namespace tqtest {

using namespace tq;
using StyleRuleDlg = Headless;

TEST_F(StyleRuleDlg, SelectorIdsFollowTheElementCommands) {
  EXPECT_EQ(StyleRuleTagId("H1"), 29121);
  EXPECT_EQ(StyleRuleTagId("h1"), 29121);
  EXPECT_EQ(StyleRuleTagId("td"), 29160);
  EXPECT_EQ(StyleRuleTagId("A"), 29445);
  EXPECT_EQ(StyleRuleTagId("UL"), 29140);
  for (const char* none : {"BODY", "A:link", ".note", "", "H1 ", "HEAD"}) EXPECT_EQ(StyleRuleTagId(none), 0) << none;
}

TEST_F(StyleRuleDlg, ListPicksTheNameAndOkBuildsTheRule) {
  backend.Expect([](D& d) {
    EXPECT_EQ(d.GetTitle(), "STYLEの設定");
    EXPECT_EQ(d.GetText(IDC_SR_SELECTOR), "");
    d.Type(IDC_SR_STYLE, "color:Red;\r\nfont-weight:bold;");
    d.SelectText(IDC_SR_LIST, "A:visited");
    EXPECT_EQ(d.GetText(IDC_SR_SELECTOR), "A:visited");
    d.SelectText(IDC_SR_LIST, "H1 ");
    EXPECT_EQ(d.GetText(IDC_SR_SELECTOR), "H1");
    EXPECT_EQ(d.GetText(IDC_SR_STYLE), "color:Red;\r\nfont-weight:bold;");  // typed text kept
    d.Ok();
  });
  const std::string r = Run(29115, "xyz");
  EXPECT_EQ(r, "H1  { color:Red; font-weight:bold; }\r\nxyz");
  EXPECT_TRUE(ValidCss(r.substr(0, r.size() - 3), CssKind::Rules));
  EXPECT_EQ(Str("SylCss_Selecta"), "H1");
  EXPECT_EQ(Str("SylCss_Style"), "color:Red;\r\nfont-weight:bold;");  // as typed

  // Remembered, shared by every use; no selection: the rule ends the text.
  backend.Expect([](D& d) {
    EXPECT_EQ(d.GetText(IDC_SR_SELECTOR), "H1");
    d.SelectText(IDC_SR_LIST, "A:link");
    d.Ok();
  });
  const std::string link = Run(29115, "");
  EXPECT_EQ(link, "A:link  { color:Red; font-weight:bold; }\r\n");
  EXPECT_TRUE(ValidCss(link, CssKind::Rules));
}

TEST_F(StyleRuleDlg, ComposerOpensForTheSelectorsElement) {
  profile->WriteString("HTML", "Syl_160Color", "color:Blue;");
  profile->WriteInt("HTML", "Syl_160Flag", 0x4);
  backend.Expect([&](D& d) {
    d.SelectText(IDC_SR_LIST, "TD ");
    backend.Expect([](D& composer) {
      EXPECT_EQ(composer.GetText(IDC_SY_COLOR), "color:Blue;");
      Tick(composer, IDC_SY_FONT_CHK, IDC_SY_FONT, "font-size:9pt;\r\nfont-style:italic;");
      composer.Ok();
    });
    d.Click(IDC_SR_CHANGE);
    EXPECT_EQ(d.GetText(IDC_SR_STYLE), "color:Blue;\r\nfont-size:9pt; font-style:italic;");
    d.Ok();
  });
  const std::string r = Run(29115, "sel");
  EXPECT_EQ(backend.opened, (std::vector<std::string>{"STYLEの設定", "スタイルの設定 <TD>"}));
  EXPECT_EQ(r, "TD  { color:Blue; font-size:9pt; font-style:italic; }\r\nsel");
  EXPECT_TRUE(ValidCss(r.substr(0, r.size() - 3), CssKind::Rules));
  EXPECT_EQ(Int("Syl_160Flag"), 0xC);  // the TD dialog's own STYLE values
  EXPECT_EQ(Str("SylCss_Style"), "color:Blue;\r\nfont-size:9pt; font-style:italic;");
}

// The button trims the selector and shows it only after a confirmed
// composer; OK alone takes the selector as typed.
TEST_F(StyleRuleDlg, ChangeTrimsTheSelectorAndMatchesWithoutCase) {
  backend.Expect([&](D& d) {
    d.Type(IDC_SR_SELECTOR, " h1 ");
    backend.Expect([](D& composer) {
      EXPECT_EQ(composer.GetTitle(), "スタイルの設定 <H1>");
      composer.Cancel();
    });
    d.Click(IDC_SR_CHANGE);
    EXPECT_EQ(d.GetText(IDC_SR_SELECTOR), " h1 ");
    backend.Expect([](D& composer) {
      Tick(composer, IDC_SY_ELEMENT_CHK, IDC_SY_ELEMENT, "float:left;");
      composer.Ok();
    });
    d.Click(IDC_SR_CHANGE);
    EXPECT_EQ(d.GetText(IDC_SR_SELECTOR), "h1");
    d.Ok();
  });
  EXPECT_EQ(Run(29115, "x"), "h1  { float:left; }\r\nx");
  EXPECT_EQ(Str("Syl_121Element"), "float:left;");
}

TEST_F(StyleRuleDlg, EmptySelectorIsRefusedByChangeButNotByOk) {
  profile->WriteString("HTML", "SylCss_Style", "color:Red;");
  backend.Expect([&](D& d) {
    d.Type(IDC_SR_SELECTOR, "   ");
    d.Click(IDC_SR_CHANGE);
    EXPECT_EQ(backend.opened.size(), 1u);  // no composer
    EXPECT_FALSE(d.ended());
    d.Ok();
  });
  EXPECT_EQ(Run(29115, "s"), "     { color:Red; }\r\ns");
  ASSERT_EQ(backend.messages.size(), 1u);
  EXPECT_EQ(backend.messages[0].text, "セレクタ（要素）を指定してから実行してください");
  EXPECT_EQ(backend.messages[0].caption, "スタイル変更");
  EXPECT_EQ(backend.messages[0].flags, plat::MB_OK_);
}
}  // namespace tqtest
