#include <string>

#include "css_check.h"
#include "dialogs/style/style_color_dlg.h"
#include "fixture.h"

namespace tqtest {

using namespace tq;

class StyleColorDlg : public Headless {
 protected:
  std::string Open(int id, plat::DialogScript s) { return OpenDlg<CStyleColorDlg>(id, std::move(s)); }
};

TEST_F(StyleColorDlg, OpensWithDefaults) {
  Open(29121, [](D& d) {
    EXPECT_EQ(Checked(d, {IDC_CL_COLOR_CHK, IDC_CL_BKG_CHK, IDC_CL_IMAGE_CHK, IDC_CL_REPEAT_CHK, IDC_CL_ATTACH_CHK,
                          IDC_CL_POS_CHK, IDC_CL_POSKW_CHK, IDC_CL_POSL_PERCENT, IDC_CL_POSV_PERCENT}),
              2);
    EXPECT_EQ(d.GetSwatch(IDC_CL_COLOR_SWATCH), 0x000000u);
    EXPECT_EQ(d.GetSwatch(IDC_CL_BKG_SWATCH), 0xFFFFFFu);
    EXPECT_EQ(Texts(d, {IDC_CL_REPEAT, IDC_CL_ATTACH, IDC_CL_POSL, IDC_CL_POSV}), "repeat|scroll|0|0|");
    EXPECT_EQ(Enabled(d, {IDC_CL_COLOR_SWATCH, IDC_CL_COLOR_PICK, IDC_CL_BKG_NAME, IDC_CL_IMAGE, IDC_CL_POSKW_CHK,
                          IDC_CL_POSL_LABEL, IDC_CL_POSV_CM}),
              0);
    d.Ok();
  });
}

TEST_F(StyleColorDlg, DialogColourAndNamedBackground) {
  backend.AnswerColor(0x0000FF);  // COLORREF red
  std::string r = Open(29121, [&](D& d) {
    ClickAll(d, {IDC_CL_COLOR_CHK, IDC_CL_COLOR_PICK});
    EXPECT_EQ(d.GetSwatch(IDC_CL_COLOR_SWATCH), 0x0000FFu);
    d.Click(IDC_CL_BKG_CHK);
    Pick("Navy", "色の指定");
    d.Click(IDC_CL_BKG_NAME);
    EXPECT_EQ(d.GetText(IDC_CL_BKG_SWATCH), "Navy");  // the swatch shows the name
    d.Click(IDC_CL_REPEAT_CHK);
    Pick("no-repeat");
    d.Click(IDC_CL_REPEAT_LIST);
    d.Ok();
  });
  EXPECT_EQ(r, "color:#FF0000;\r\nbackground-color:Navy;\r\nbackground-repeat:no-repeat;");
  EXPECT_TRUE(ValidCss(r, CssKind::Declarations));
  EXPECT_EQ(Int("SylClr_121Flag"), 0xB);
  EXPECT_EQ(Int("SylClr_121Clr"), 0xFF);
  EXPECT_EQ(Str("SylClr_121ClrName"), "");
  EXPECT_EQ(Int("SylClr_121Bkg"), -12345);  // a name leaves the value as stored
}

TEST_F(StyleColorDlg, TheLaterOfNameAndDialogColourWins) {
  backend.AnswerColor(0x804020);
  backend.AnswerColor(0x00FF00);
  std::string r = Open(29121, [&](D& d) {
    d.Click(IDC_CL_COLOR_CHK);
    Pick("Teal");
    d.Click(IDC_CL_COLOR_NAME);
    d.Click(IDC_CL_COLOR_PICK);  // empties the name
    EXPECT_EQ(d.GetText(IDC_CL_COLOR_SWATCH), "");
    ClickAll(d, {IDC_CL_BKG_CHK, IDC_CL_BKG_PICK});
    Pick("Silver");
    d.Click(IDC_CL_BKG_NAME);
    d.Click(IDC_CL_BKG_PICK);  // no colour left: cancelled, the name stays
    d.Ok();
  });
  EXPECT_EQ(r, "color:#204080;\r\nbackground-color:Silver;");
  EXPECT_TRUE(ValidCss(r, CssKind::Declarations));
  EXPECT_EQ(Int("SylClr_121Bkg"), -12345);

  Open(29121, [](D& d) {
    EXPECT_EQ(d.GetSwatch(IDC_CL_COLOR_SWATCH), 0x804020u);
    EXPECT_EQ(d.GetText(IDC_CL_BKG_SWATCH), "Silver");
    d.Click(IDC_CL_COLOR_CHK);
    EXPECT_FALSE(d.IsEnabled(IDC_CL_COLOR_SWATCH) || d.IsEnabled(IDC_CL_COLOR_NAME));
    d.Cancel();
  });
}

TEST_F(StyleColorDlg, PositionByNumbersOrKeyword) {
  std::string r = Open(29127, [&](D& d) {
    d.Click(IDC_CL_POS_CHK);
    EXPECT_EQ(Enabled(d, {IDC_CL_POSKW_CHK, IDC_CL_POSL, IDC_CL_POSV_CM, IDC_CL_POSKW}), 3);
    d.Type(IDC_CL_POSL, "10");
    d.Type(IDC_CL_POSV, "2");
    d.Click(IDC_CL_POSV_CM);
    d.Ok();
  });
  EXPECT_EQ(r, "background-position:10% 2cm ;");
  EXPECT_TRUE(ValidCss(r, CssKind::Declarations));
  EXPECT_EQ(Int("SylClr_127Flag"), 0x120);

  r = Open(29127, [&](D& d) {
    EXPECT_EQ(d.GetCheck(IDC_CL_POSV_CM), 1);
    d.Click(IDC_CL_POSKW_CHK);
    EXPECT_FALSE(d.IsEnabled(IDC_CL_POSL) || d.IsEnabled(IDC_CL_POSL_LABEL) || d.IsEnabled(IDC_CL_POSV_CM));
    Pick("left top");
    d.Click(IDC_CL_POSKW_LIST);
    d.Type(IDC_CL_POSV, "typed while disabled");  // not typed: the box is disabled
    d.Ok();
  });
  EXPECT_EQ(r, "background-position:left top;");
  EXPECT_TRUE(ValidCss(r, CssKind::Declarations));
  EXPECT_EQ(Int("SylClr_127Flag"), 0x60);  // no unit bits with a keyword
  EXPECT_EQ(Str("SylClr_127PosKW"), "left top");
  EXPECT_EQ(Str("SylClr_127PosL"), "10");  // both numbers are written either way
  EXPECT_EQ(Str("SylClr_127PosV"), "2");
}

TEST_F(StyleColorDlg, ImagePathGoesIntoUrlUnchanged) {
  backend.AnswerFile("C:\\My Pictures\\bg 1.gif");
  std::string r = Open(29121, [](D& d) {
    ClickAll(d, {IDC_CL_IMAGE_CHK, IDC_CL_IMAGE_BROWSE});
    d.Ok();
  });
  EXPECT_EQ(r, "background-image:url(C:\\My Pictures\\bg 1.gif);");
}

}  // namespace tqtest
