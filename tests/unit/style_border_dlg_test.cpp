#include <string>

#include "css_check.h"
#include "dialogs/style/style_border_dlg.h"
#include "dialogs/style/style_dlg.h"
#include "fixture.h"

namespace tqtest {

using namespace tq;

class StyleBorderDlg : public Headless {
 protected:
  std::string Open(plat::DialogScript s) { return OpenDlg<CStyleBorderDlg>(29121, std::move(s)); }
};

TEST_F(StyleBorderDlg, ShorthandAndEdgesExcludeEachOther) {
  std::string r = Open([](D& d) {
    for (int c = IDC_BD_ALL; c <= IDC_BD_LEFT_CHANGE; c += kBorderRowStep)
      EXPECT_EQ(Enabled(d, {c, c + 1}), 0) << c;
    d.Click(IDC_BD_TOP_CHK);
    EXPECT_EQ(Enabled(d, {IDC_BD_TOP, IDC_BD_TOP_CHANGE}), 2);
    d.Click(IDC_BD_ALL_CHK);
    EXPECT_EQ(d.GetCheck(IDC_BD_TOP_CHK), 0);
    EXPECT_EQ(Enabled(d, {IDC_BD_TOP, IDC_BD_TOP_CHANGE}), 0);
    EXPECT_EQ(Enabled(d, {IDC_BD_ALL, IDC_BD_ALL_CHANGE}), 2);
    d.Type(IDC_BD_ALL, "thin solid");
    ClickAll(d, {IDC_BD_LEFT_CHK, IDC_BD_RIGHT_CHK});
    EXPECT_EQ(d.GetCheck(IDC_BD_ALL_CHK), 0);
    EXPECT_EQ(Enabled(d, {IDC_BD_ALL, IDC_BD_ALL_CHANGE}), 0);
    Fill(d, {{IDC_BD_LEFT, "thick double Red"}, {IDC_BD_RIGHT, "1px dotted #00FF00"}});  // used as typed
    d.Ok();
  });
  EXPECT_EQ(r, "border-right:1px dotted #00FF00;\r\nborder-left:thick double Red;");
  EXPECT_TRUE(ValidCss(r, CssKind::Declarations));
  EXPECT_EQ(Int("BDR_121Flag"), 0x14);
  EXPECT_EQ(Str("BDR_121Left"), "thick double Red");
  EXPECT_EQ(Str("BDR_121All"), "<absent>");
}

TEST_F(StyleBorderDlg, StoredEdgesWinAndCancelWritesNothing) {
  profile->WriteInt("HTML", "BDR_121Flag", 0x1 | 0x8);
  profile->WriteString("HTML", "BDR_121All", "none");
  profile->WriteString("HTML", "BDR_121Bottom", "medium groove");
  const int before = profile->writes();
  EXPECT_EQ(Open([](D& d) {
              EXPECT_EQ(d.GetCheck(IDC_BD_ALL_CHK), 0);
              EXPECT_EQ(d.GetText(IDC_BD_ALL), "none");
              EXPECT_TRUE(d.IsEnabled(IDC_BD_BOTTOM_CHANGE));
              d.Click(IDC_BD_TOP_CHK);
              d.Cancel();
            }),
            "<cancelled>");
  EXPECT_EQ(profile->writes(), before);
  EXPECT_EQ(Open([](D& d) { d.Ok(); }), "border-bottom:medium groove;");
  EXPECT_EQ(Int("BDR_121Flag"), 0x8);
}

// The documented example, then another edge reusing the same remembered
// edge choices with a colour from the colour dialog.
TEST_F(StyleBorderDlg, EdgeDialogBuildsWidthStyleAndColour) {
  std::string r = Open([&](D& d) {
    d.Click(IDC_BD_TOP_CHK);
    backend.Expect([&](D& e) {
      EXPECT_EQ(e.GetTitle(), "枠(Border)の設定 <H1>");
      EXPECT_EQ(Texts(e, {IDC_EB_LENGTH, IDC_EB_STYLE}), "1|none|");
      EXPECT_EQ(Checked(e, {IDC_EB_MEDIUM, IDC_EB_PX}), 2);
      EXPECT_EQ(e.ListItems(IDC_EB_STYLE_LIST).size(), 9u);
      EXPECT_EQ(Enabled(e, {IDC_EB_THIN, IDC_EB_LENGTH, IDC_EB_PT, IDC_EB_SWATCH, IDC_EB_COLOR_PICK,
                            IDC_EB_STYLE_LIST}),
                0);
      e.Click(IDC_EB_WIDTH_CHK);
      EXPECT_FALSE(e.IsEnabled(IDC_EB_LENGTH));
      e.Click(IDC_EB_BY_LENGTH);
      EXPECT_EQ(Enabled(e, {IDC_EB_LENGTH, IDC_EB_LENGTH_SPIN, IDC_EB_PT}), 3);
      e.Type(IDC_EB_LENGTH, "2");
      e.Click(IDC_EB_STYLE_CHK);
      e.SelectText(IDC_EB_STYLE_LIST, "dashed");
      EXPECT_EQ(Texts(e, {IDC_EB_STYLE, IDC_EB_LENGTH}), "dashed|2|");  // the other boxes keep what they show
      e.Click(IDC_EB_COLOR_CHK);
      Pick("Navy", "色の指定");
      e.Click(IDC_EB_COLOR_NAME);
      EXPECT_EQ(e.GetText(IDC_EB_SWATCH), "Navy");
      e.Ok();
    });
    d.Click(IDC_BD_TOP_CHANGE);
    EXPECT_EQ(d.GetText(IDC_BD_TOP), "2px dashed Navy");
    d.Ok();
  });
  EXPECT_EQ(r, "border-top:2px dashed Navy;");
  EXPECT_EQ(Int("EBD_121Flag"), 0x1 | 0x8 | 0x40 | 0x80);
  EXPECT_EQ(Str("EBD_121Length") + "|" + Str("EBD_121Style") + "|" + Str("EBD_121ColorName"), "2|dashed|Navy");

  backend.AnswerColor(0x0000FF);  // COLORREF red
  r = Open([&](D& d) {
    d.Click(IDC_BD_LEFT_CHK);
    backend.Expect([](D& e) {
      EXPECT_EQ(e.GetCheck(IDC_EB_BY_LENGTH), 1);
      EXPECT_EQ(e.GetText(IDC_EB_STYLE), "dashed");
      e.Type(IDC_EB_LENGTH, "9");
      e.Click(IDC_EB_THICK);
      EXPECT_FALSE(e.IsEnabled(IDC_EB_LENGTH));
      e.Click(IDC_EB_COLOR_PICK);  // a dialog colour empties the name
      EXPECT_EQ(e.GetText(IDC_EB_SWATCH), "");
      EXPECT_EQ(e.GetSwatch(IDC_EB_SWATCH), 0x0000FFu);
      e.Ok();
    });
    d.Click(IDC_BD_LEFT_CHANGE);
    d.Ok();
  });
  EXPECT_EQ(r, "border-top:2px dashed Navy;\r\nborder-left:thick dashed #FF0000;");
  EXPECT_TRUE(ValidCss(r, CssKind::Declarations));
  EXPECT_EQ(Int("EBD_121Flag"), 0x1 | 0x4 | 0x40 | 0x80);
  EXPECT_EQ(Str("EBD_121Length"), "2");  // not a length this time: not written
  EXPECT_EQ(Int("EBD_121Color"), 0xFF);
  EXPECT_EQ(Str("EBD_121ColorName"), "");
}

TEST_F(StyleBorderDlg, EmptyAndMediumEdgesAndACancelledEdge) {
  profile->WriteInt("HTML", "EBD_121Flag", 0x8 | 0x800);  // stray bits without 0x1
  std::string r = Open([&](D& d) {
    Tick(d, IDC_BD_ALL_CHK, IDC_BD_ALL, "kept");
    CancelNext();
    d.Click(IDC_BD_ALL_CHANGE);
    EXPECT_EQ(d.GetText(IDC_BD_ALL), "kept");
    backend.Expect([](D& e) {
      EXPECT_EQ(e.GetCheck(IDC_EB_WIDTH_CHK), 0);
      EXPECT_FALSE(e.IsEnabled(IDC_EB_LENGTH));
      e.Ok();
    });
    d.Click(IDC_BD_ALL_CHANGE);
    d.Ok();
  });
  EXPECT_EQ(r, "border:;");
  EXPECT_EQ(Int("EBD_121Flag"), 0);

  r = Open([&](D& d) {
    backend.Expect([](D& e) {
      ClickAll(e, {IDC_EB_WIDTH_CHK, IDC_EB_MEDIUM});
      e.Ok();
    });
    d.Click(IDC_BD_ALL_CHANGE);
    d.Ok();
  });
  EXPECT_EQ(r, "border:medium;");
  EXPECT_EQ(Int("EBD_121Flag"), 0x1);
  EXPECT_EQ(Str("EBD_121Length"), "<absent>");
}

TEST_F(StyleBorderDlg, ComposerJoinsTheBorderGroupOnOneLine) {
  std::string r = OpenDlg<CStyleDlg>(
      29160,
      [&](D& composer) {
        Tick(composer, IDC_SY_MARGIN_CHK, IDC_SY_MARGIN, "margin:0;");
        composer.Click(IDC_SY_BORDER_CHK);
        backend.Expect([](D& d) {
          Tick(d, IDC_BD_TOP_CHK, IDC_BD_TOP, "thin solid");
          Tick(d, IDC_BD_BOTTOM_CHK, IDC_BD_BOTTOM, "thin dotted");
          d.Ok();
        });
        composer.Click(IDC_SY_BORDER_CHANGE);
        EXPECT_EQ(composer.GetText(IDC_SY_MARGIN), "margin:0;");
        composer.Ok();
      },
      "cell");
  EXPECT_EQ(r, "margin:0;\r\nborder-top:thin solid; border-bottom:thin dotted;");
  EXPECT_TRUE(ValidCss(r, CssKind::Declarations));
  EXPECT_EQ(Str("Syl_160Border"), "border-top:thin solid;\r\nborder-bottom:thin dotted;");
  EXPECT_EQ(Int("BDR_160Flag"), 0xA);
}

}  // namespace tqtest
