#include <string>

#include "css_check.h"
#include "dialogs/style/style_color_dlg.h"
#include "dialogs/style/style_dlg.h"
#include "dialogs/style/style_font_dlg.h"
#include "dialogs/style/style_text_dlg.h"
#include "fixture.h"

namespace tqtest {

using namespace tq;

class StyleDlg : public Headless {
 protected:
  std::string Open(int id, plat::DialogScript s, const std::string& handedIn = "sel") {
    return OpenDlg<CStyleDlg>(id, std::move(s), handedIn);
  }
};

TEST_F(StyleDlg, JoinsCheckedGroupsOneLineEachInFixedOrder) {
  profile->WriteString("HTML", "Syl_121Font", "font-style:italic;\r\nfont-weight:bold;");
  profile->WriteString("HTML", "Syl_121Element", "float:left;");
  profile->WriteString("HTML", "Syl_121Margin", "margin:0;");  // unchecked: kept, not written
  profile->WriteInt("HTML", "Syl_121Flag", 0x8 | 0x80 | 0x3);
  const int before = profile->writes();
  std::string r = Open(29121, [](D& d) {
    EXPECT_EQ(d.GetTitle(), "スタイルの設定 <H1>");
    EXPECT_EQ(d.GetText(IDC_SY_FONT), "font-style:italic;\r\nfont-weight:bold;");
    EXPECT_EQ(d.GetText(IDC_SY_MARGIN), "margin:0;");
    for (int chk = IDC_SY_COLOR_CHK; chk <= IDC_SY_ELEMENT_CHK; chk += 3) {
      const bool on = chk == IDC_SY_FONT_CHK || chk == IDC_SY_ELEMENT_CHK;
      EXPECT_EQ(d.GetCheck(chk), on ? 1 : 0) << chk;
      EXPECT_EQ(d.IsEnabled(chk + 1), on) << chk;
      EXPECT_EQ(d.IsEnabled(chk + 2), on) << chk;
    }
    d.Click(IDC_SY_TEXT_CHK);  // checked but left empty: an empty line
    EXPECT_TRUE(d.IsEnabled(IDC_SY_TEXT) && d.IsEnabled(IDC_SY_TEXT_CHANGE));
    Tick(d, IDC_SY_COLOR_CHK, IDC_SY_COLOR, "color:Red;\r\n\r\n  background-color:\tWhite; \r\n");
    d.Ok();
  });
  EXPECT_EQ(r, "color:Red;   background-color:\tWhite;\r\nfont-style:italic; font-weight:bold;\r\n\r\nfloat:left;");
  EXPECT_TRUE(ValidCss(r, CssKind::Declarations));
  EXPECT_EQ(Int("Syl_121Flag"), 0x9C);
  EXPECT_EQ(Str("Syl_121Color"), "color:Red;\r\n\r\n  background-color:\tWhite; \r\n");  // unjoined
  EXPECT_EQ(Str("Syl_121Text"), "");
  EXPECT_EQ(Str("Syl_121Border"), "<absent>");
  EXPECT_EQ(profile->writes() - before, 5);  // four groups and the flag word
}

// Each group dialog gets the composer's id and handed-in text; its result
// replaces the group text, keeping what was typed into the other boxes.
TEST_F(StyleDlg, GroupButtonsRunTheGroupDialogs) {
  std::string r = Open(
      29160,
      [&](D& d) {
        ClickAll(d, {IDC_SY_FONT_CHK, IDC_SY_COLOR_CHK, IDC_SY_TEXT_CHK});
        d.Type(IDC_SY_ELEMENT, "ignored");  // disabled: no effect
        d.Type(IDC_SY_COLOR, "color:Blue;");
        backend.Expect([](D& font) {
          Tick(font, IDC_FN_WEIGHT_CHK, IDC_FN_WEIGHT, "bold");
          Tick(font, IDC_FN_SIZE_CHK, IDC_FN_SIZE, "12");
          font.Ok();
        });
        d.Click(IDC_SY_FONT_CHANGE);
        EXPECT_EQ(d.GetText(IDC_SY_FONT), "font-weight:bold;\r\nfont-size:12pt;");
        EXPECT_EQ(d.GetText(IDC_SY_COLOR), "color:Blue;");
        EXPECT_EQ(d.GetCheck(IDC_SY_FONT_CHK), 1);

        d.Type(IDC_SY_TEXT, "text-indent:1em;");
        backend.Expect([](D& text) { text.Cancel(); });
        d.Click(IDC_SY_TEXT_CHANGE);  // cancelled: nothing changes
        EXPECT_EQ(d.GetText(IDC_SY_TEXT), "text-indent:1em;");

        backend.AnswerColor(0x0000FF);  // COLORREF: red
        backend.Expect([](D& color) {
          ClickAll(color, {IDC_CL_COLOR_CHK, IDC_CL_COLOR_PICK});
          color.Ok();
        });
        d.Click(IDC_SY_COLOR_CHANGE);
        d.Ok();
      },
      "cell");
  EXPECT_EQ(backend.opened,
            (std::vector<std::string>{"スタイルの設定 <TD>", " STYLE : フォントの設定 <TD>",
                                      " STYLE : テキストの設定 <TD>", " STYLE : 画像・背景の設定 <TD>"}));
  EXPECT_EQ(r, "color:#FF0000;\r\nfont-weight:bold; font-size:12pt;\r\ntext-indent:1em;");
  EXPECT_TRUE(ValidCss(r, CssKind::Declarations));
  // The group dialogs remember under the composer's slot.
  EXPECT_EQ(Str("StlFnt_160Weight"), "bold");
  EXPECT_EQ(Str("Syl_160Font"), "font-weight:bold;\r\nfont-size:12pt;");
  EXPECT_EQ(Str("Syl_160Element"), "<absent>");
}

// A selector without an element of its own opens the composer with id 0.
TEST_F(StyleDlg, IdZeroUsesSlotMinus29000AndNoLabel) {
  profile->WriteString("HTML", "Syl_-29000Border", "border:thin solid;");
  profile->WriteInt("HTML", "Syl_-29000Flag", 0x40);
  std::string r = Open(0, [](D& d) {
    EXPECT_EQ(d.GetTitle(), "スタイルの設定 ");
    Tick(d, IDC_SY_ELEMENT_CHK, IDC_SY_ELEMENT, "width:10px;");
    d.Ok();
  });
  EXPECT_EQ(r, "border:thin solid;\r\nwidth:10px;");
  EXPECT_EQ(Int("Syl_-29000Flag"), 0xC0);
  EXPECT_EQ(Str("Syl_-29000Element"), "width:10px;");
}

}  // namespace tqtest
