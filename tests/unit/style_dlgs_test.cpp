#include <string>
#include <vector>

#include "css_check.h"
#include "dialogs.h"

namespace tqtest {

using namespace tq;
using StyleMarginDlg = Opens<CStyleMarginDlg>;
using StyleBorderDlg = Opens<CStyleBorderDlg>;
using StyleColorDlg = Opens<CStyleColorDlg>;
using StyleFontDlg = Opens<CStyleFontDlg>;
using StyleTextDlg = Opens<CStyleTextDlg>;
using ListStyleDlg = Opens<CListStyleDlg>;
using StyleElementDlg = Opens<CStyleElementDlg>;
using StyleDlg = Opens<CStyleDlg>;
using StyleRuleDlg = Headless;

TEST_F(StyleMarginDlg, SidesAndShorthandExcludeEachOther) {
  std::string r = Open([](D& d) {
    for (int c = IDC_MG_MTOP; c <= IDC_MG_MARGIN; c += 2) EXPECT_FALSE(d.IsEnabled(c)) << c;
    EXPECT_EQ(Enabled(d, {IDC_MG_MCHANGE, IDC_MG_PCHANGE}), 2);
    ClickAll(d, {IDC_MG_MTOP_CHK, IDC_MG_MLEFT_CHK});
    EXPECT_EQ(Enabled(d, {IDC_MG_MTOP, IDC_MG_MLEFT}), 2);
    d.Click(IDC_MG_MARGIN_CHK);
    EXPECT_EQ(Checked(d, {IDC_MG_MTOP_CHK, IDC_MG_MLEFT_CHK}) + Enabled(d, {IDC_MG_MTOP, IDC_MG_MLEFT}), 0);
    EXPECT_TRUE(d.IsEnabled(IDC_MG_MARGIN));
    Tick(d, IDC_MG_MBOTTOM_CHK, IDC_MG_MBOTTOM, "1px");
    EXPECT_EQ(d.GetCheck(IDC_MG_MARGIN_CHK) + d.IsEnabled(IDC_MG_MARGIN), 0);
    Tick(d, IDC_MG_PTOP_CHK, IDC_MG_PTOP, "2px");
    Tick(d, IDC_MG_PADDING_CHK, IDC_MG_PADDING, "0 1em");
    EXPECT_EQ(d.GetCheck(IDC_MG_MBOTTOM_CHK), 1);  // padding shorthand leaves the margin sides alone
    d.Ok();
  });
  EXPECT_TRUE(IsCss(r, "margin-bottom:1px;\r\npadding:0 1em;"));
  EXPECT_EQ(Int("SylMgn_121Flag"), 0x4 | 0x200);
  EXPECT_EQ(Strs({"SylMgn_121MBottom", "SylMgn_121PTop"}), "1px|<absent>|");
}

TEST_F(StyleMarginDlg, StoredSidesWinOverAStoredShorthand) {
  profile->WriteInt("HTML", "SylMgn_121Flag", 0x1 | 0x10 | 0x20 | 0x40);
  profile->WriteString("HTML", "SylMgn_121MTop", "1px");
  profile->WriteString("HTML", "SylMgn_121PTop", "2px");
  profile->WriteString("HTML", "SylMgn_121PRight", "3px");
  std::string r = Open([](D& d) {
    EXPECT_EQ(d.GetCheck(IDC_MG_MARGIN_CHK) + d.IsEnabled(IDC_MG_MARGIN), 0);
    EXPECT_EQ(d.GetText(IDC_MG_PRIGHT), "3px");
    d.Ok();
  });
  EXPECT_TRUE(IsCss(r, "margin-top:1px;\r\npadding-top:2px;\r\npadding-right:3px;"));
  EXPECT_EQ(Int("SylMgn_121Flag"), 0x61);
}

TEST_F(StyleMarginDlg, ShorthandBuiltByThePerSideDialog) {
  std::string r = Open([&](D& d) {
    d.Click(IDC_MG_MARGIN_CHK);
    backend.Expect([](D& b) {
      EXPECT_EQ(b.GetTitle(), "marginの設定");
      EXPECT_EQ(Texts(b, {IDC_BV_TOP, IDC_BV_RIGHT, IDC_BV_BOTTOM, IDC_BV_LEFT}), "0|0|0|0|");
      EXPECT_EQ(Enabled(b, {IDC_BV_TOP, IDC_BV_RIGHT, IDC_BV_BOTTOM, IDC_BV_LEFT}), 4);
      EXPECT_EQ(b.GetCheck(IDC_BV_LEFT_PX), 1);
      b.Type(IDC_BV_TOP, "10");
      b.Click(IDC_BV_RIGHT_AUTO);
      EXPECT_EQ(Enabled(b, {IDC_BV_RIGHT, IDC_BV_RIGHT_SPIN, IDC_BV_RIGHT_PERCENT}), 0);
      b.Type(IDC_BV_LEFT, "5");
      b.Click(IDC_BV_LEFT_PERCENT);
      b.Ok();
    });
    d.Click(IDC_MG_MCHANGE);
    EXPECT_EQ(d.GetText(IDC_MG_MARGIN), "10px auto 0px 5%");
    d.Ok();
  });
  EXPECT_TRUE(IsCss(r, "margin:10px auto 0px 5%;"));
  EXPECT_EQ(Int("MV_121MFlag"), 0x40 | 0x400000);
  // "auto" keeps the stored number.
  EXPECT_EQ(Strs({"MV_121MTop", "MV_121MRight", "MV_121MLeft"}), "10|<absent>|5|");

  // The left side and its unit come back like the others; cancelling
  // either dialog changes and writes nothing.
  const int before = profile->writes();
  EXPECT_EQ(Open([&](D& d) {
              backend.Expect([](D& b) {
                EXPECT_EQ(b.GetText(IDC_BV_LEFT), "5");
                EXPECT_EQ(Checked(b, {IDC_BV_LEFT_PERCENT, IDC_BV_RIGHT_AUTO}), 2);
                b.Cancel();
              });
              d.Click(IDC_MG_MCHANGE);
              EXPECT_EQ(d.GetText(IDC_MG_MARGIN), "10px auto 0px 5%");
              d.Click(IDC_MG_MTOP_CHK);
              d.Cancel();
            }),
            "<cancelled>");
  EXPECT_EQ(profile->writes(), before);
}

TEST_F(StyleMarginDlg, PerSideDialogFillsOnlyTheCheckedSides) {
  std::string r = Open([&](D& d) {
    ClickAll(d, {IDC_MG_PRIGHT_CHK, IDC_MG_PLEFT_CHK});
    d.Type(IDC_MG_PTOP, "kept");
    backend.Expect([](D& b) {
      EXPECT_EQ(b.GetTitle(), "paddingの設定");
      for (int row : {IDC_BV_TOP_LABEL, IDC_BV_BOTTOM_LABEL}) {
        EXPECT_EQ(b.GetCheck(row + 1), 0);
        for (int c = row; c <= row + 8; ++c) EXPECT_FALSE(b.IsEnabled(c)) << c;
      }
      b.Type(IDC_BV_RIGHT, "-3");
      ClickAll(b, {IDC_BV_RIGHT_EM, IDC_BV_LEFT_PT});
      b.Ok();
    });
    d.Click(IDC_MG_PCHANGE);
    d.Ok();
  });
  EXPECT_EQ(r, "padding-right:-3em;\r\npadding-left:0pt;");
  EXPECT_EQ(Int("MV_121PFlag"), 0x80 | 0x200000);
  EXPECT_EQ(Strs({"MV_121PTop", "MV_121PRight"}), "<absent>|-3|");
}

TEST_F(StyleMarginDlg, NothingCheckedOffersNoSideAndResetsTheStoredChoices) {
  profile->WriteInt("HTML", "MV_121MFlag", 0x1 | 0x80);
  std::string r = Open([&](D& d) {
    backend.Expect([](D& b) {
      for (int c : {IDC_BV_TOP_AUTO, IDC_BV_RIGHT_AUTO, IDC_BV_BOTTOM_AUTO, IDC_BV_LEFT_AUTO})
        EXPECT_EQ(b.GetCheck(c) + Enabled(b, {c, c + 1}), 0) << c;
      b.Ok();
    });
    d.Click(IDC_MG_MCHANGE);
    EXPECT_EQ(d.GetText(IDC_MG_MTOP), "");
    d.Ok();
  });
  EXPECT_EQ(r, "");
  EXPECT_EQ(Int("MV_121MFlag") + Int("SylMgn_121Flag"), 0);
}

TEST_F(StyleBorderDlg, ShorthandAndEdgesExcludeEachOther) {
  std::string r = Open([](D& d) {
    for (int c = IDC_BD_ALL; c <= IDC_BD_LEFT_CHANGE; c += kBorderRowStep) EXPECT_EQ(Enabled(d, {c, c + 1}), 0) << c;
    d.Click(IDC_BD_TOP_CHK);
    EXPECT_EQ(Enabled(d, {IDC_BD_TOP, IDC_BD_TOP_CHANGE}), 2);
    d.Click(IDC_BD_ALL_CHK);
    EXPECT_EQ(d.GetCheck(IDC_BD_TOP_CHK) + Enabled(d, {IDC_BD_TOP, IDC_BD_TOP_CHANGE}), 0);
    EXPECT_EQ(Enabled(d, {IDC_BD_ALL, IDC_BD_ALL_CHANGE}), 2);
    d.Type(IDC_BD_ALL, "thin solid");
    ClickAll(d, {IDC_BD_LEFT_CHK, IDC_BD_RIGHT_CHK});
    EXPECT_EQ(d.GetCheck(IDC_BD_ALL_CHK) + Enabled(d, {IDC_BD_ALL, IDC_BD_ALL_CHANGE}), 0);
    Fill(d, {{IDC_BD_LEFT, "thick double Red"}, {IDC_BD_RIGHT, "1px dotted #00FF00"}});  // used as typed
    d.Ok();
  });
  EXPECT_TRUE(IsCss(r, "border-right:1px dotted #00FF00;\r\nborder-left:thick double Red;"));
  EXPECT_EQ(Int("BDR_121Flag"), 0x14);
  EXPECT_EQ(Strs({"BDR_121Left", "BDR_121All"}), "thick double Red|<absent>|");
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
      EXPECT_EQ(
          Enabled(e, {IDC_EB_THIN, IDC_EB_LENGTH, IDC_EB_PT, IDC_EB_SWATCH, IDC_EB_COLOR_PICK, IDC_EB_STYLE_LIST}), 0);
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
  EXPECT_EQ(Strs({"EBD_121Length", "EBD_121Style", "EBD_121ColorName"}), "2|dashed|Navy|");

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
  EXPECT_TRUE(IsCss(r, "border-top:2px dashed Navy;\r\nborder-left:thick dashed #FF0000;"));
  EXPECT_EQ(Int("EBD_121Flag"), 0x1 | 0x4 | 0x40 | 0x80);
  EXPECT_EQ(Int("EBD_121Color"), 0xFF);
  // Not a length this time: not written.
  EXPECT_EQ(Strs({"EBD_121Length", "EBD_121ColorName"}), "2||");
}

TEST_F(StyleBorderDlg, EmptyAndMediumEdgesAndACancelledEdge) {
  profile->WriteInt("HTML", "EBD_121Flag", 0x8 | 0x800);  // stray bits without 0x1
  std::string r = Open([&](D& d) {
    Tick(d, IDC_BD_ALL_CHK, IDC_BD_ALL, "kept");
    CancelNext();
    d.Click(IDC_BD_ALL_CHANGE);
    EXPECT_EQ(d.GetText(IDC_BD_ALL), "kept");
    backend.Expect([](D& e) {
      EXPECT_EQ(e.GetCheck(IDC_EB_WIDTH_CHK) + e.IsEnabled(IDC_EB_LENGTH), 0);
      e.Ok();
    });
    d.Click(IDC_BD_ALL_CHANGE);
    d.Ok();
  });
  EXPECT_EQ(r, "border:;");
  EXPECT_EQ(Int("EBD_121Flag"), 0);

  r = Open([&](D& d) {
    backend.Expect(OkAfter({{IDC_EB_WIDTH_CHK}, {IDC_EB_MEDIUM}}));
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
        backend.Expect(OkAfter({{IDC_BD_TOP_CHK, IDC_BD_TOP, "thin solid"},
                                {IDC_BD_BOTTOM_CHK, IDC_BD_BOTTOM, "thin dotted"}}));
        composer.Click(IDC_SY_BORDER_CHANGE);
        EXPECT_EQ(composer.GetText(IDC_SY_MARGIN), "margin:0;");
        composer.Ok();
      },
      "cell");
  EXPECT_TRUE(IsCss(r, "margin:0;\r\nborder-top:thin solid; border-bottom:thin dotted;"));
  EXPECT_EQ(Str("Syl_160Border"), "border-top:thin solid;\r\nborder-bottom:thin dotted;");
  EXPECT_EQ(Int("BDR_160Flag"), 0xA);
}

TEST_F(StyleColorDlg, OpensWithDefaults) {
  Open([](D& d) {
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
  std::string r = Open([&](D& d) {
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
  EXPECT_TRUE(IsCss(r, "color:#FF0000;\r\nbackground-color:Navy;\r\nbackground-repeat:no-repeat;"));
  EXPECT_EQ(Int("SylClr_121Flag"), 0xB);
  EXPECT_EQ(Int("SylClr_121Clr"), 0xFF);
  EXPECT_EQ(Str("SylClr_121ClrName"), "");
  EXPECT_EQ(Int("SylClr_121Bkg"), -12345);  // a name leaves the value as stored
}

TEST_F(StyleColorDlg, TheLaterOfNameAndDialogColourWins) {
  backend.AnswerColor(0x804020);
  backend.AnswerColor(0x00FF00);
  std::string r = Open([&](D& d) {
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
  EXPECT_TRUE(IsCss(r, "color:#204080;\r\nbackground-color:Silver;"));
  EXPECT_EQ(Int("SylClr_121Bkg"), -12345);

  Open([](D& d) {
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
    Fill(d, {{IDC_CL_POSL, "10"}, {IDC_CL_POSV, "2"}});
    d.Click(IDC_CL_POSV_CM);
    d.Ok();
  });
  EXPECT_TRUE(IsCss(r, "background-position:10% 2cm ;"));
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
  EXPECT_TRUE(IsCss(r, "background-position:left top;"));
  EXPECT_EQ(Int("SylClr_127Flag"), 0x60);  // no unit bits with a keyword
  // Both numbers are written either way.
  EXPECT_EQ(Strs({"SylClr_127PosKW", "SylClr_127PosL", "SylClr_127PosV"}), "left top|10|2|");
}

TEST_F(StyleColorDlg, ImagePathGoesIntoUrlUnchanged) {
  backend.AnswerFile("C:\\My Pictures\\bg 1.gif");
  std::string r = Open(OkAfter({{IDC_CL_IMAGE_CHK}, {IDC_CL_IMAGE_BROWSE}}));
  EXPECT_EQ(r, "background-image:url(C:\\My Pictures\\bg 1.gif);");
}

TEST_F(StyleFontDlg, WeightAndPixelSize) {
  std::string r = Open(OkAfter({{IDC_FN_WEIGHT_CHK, IDC_FN_WEIGHT, "bold"}, {IDC_FN_SIZE_CHK, IDC_FN_SIZE, "12"},
                                {IDC_FN_PX}}));
  EXPECT_TRUE(IsCss(r, "font-weight:bold;\r\nfont-size:12px;"));
  EXPECT_EQ(Int("StlFnt_121Flag"), 0x58);
  EXPECT_EQ(Strs({"StlFnt_121Size", "StlFnt_121SizeKW"}), "12|<absent>|");

  Open([](D& d) {
    EXPECT_EQ(d.GetCheck(IDC_FN_PX) - d.GetCheck(IDC_FN_PT), 1);
    EXPECT_TRUE(d.IsEnabled(IDC_FN_SIZE));
    d.Cancel();
  });
}

TEST_F(StyleFontDlg, SizeGroupEnablingAndKeywordSize) {
  std::string r = Open(29127, [&](D& d) {
    d.Click(IDC_FN_SIZE_CHK);
    EXPECT_FALSE(d.IsEnabled(IDC_FN_SIZEKW));
    EXPECT_EQ(Enabled(d, {IDC_FN_SIZEKW_CHK, IDC_FN_SIZE, IDC_FN_SIZE_SPIN, IDC_FN_PERCENT}), 4);
    d.Type(IDC_FN_SIZE, "9");
    ClickAll(d, {IDC_FN_EM, IDC_FN_SIZEKW_CHK});
    EXPECT_EQ(Enabled(d, {IDC_FN_SIZEKW, IDC_FN_SIZEKW_LIST, IDC_FN_SIZE, IDC_FN_SIZE_SPIN, IDC_FN_EM}), 2);
    Pick("x-large");
    d.Click(IDC_FN_SIZEKW_LIST);
    d.Ok();
  });
  // With a keyword neither the number nor its unit is stored.
  EXPECT_TRUE(IsCss(r, "font-size:x-large;"));
  EXPECT_EQ(Int("StlFnt_127Flag"), 0x30);
  EXPECT_EQ(Strs({"StlFnt_127SizeKW", "StlFnt_127Size"}), "x-large|<absent>|");

  Open(29127, [](D& d) {
    EXPECT_TRUE(d.IsEnabled(IDC_FN_SIZEKW));
    d.Click(IDC_FN_SIZE_CHK);  // off: the whole group goes
    for (int c = IDC_FN_SIZEKW_CHK; c <= IDC_FN_PERCENT; ++c) EXPECT_FALSE(d.IsEnabled(c)) << c;
    d.Cancel();
  });
}

TEST_F(StyleFontDlg, FontDialogQuotesTheFaceAndReplacesTheFamily) {
  plat::FontChoice f;
  f.face = "ＭＳ Ｐ明朝";
  backend.AnswerFont(f);
  backend.AnswerFont(std::nullopt);
  std::string r = Open([&](D& d) {
    ClickAll(d, {IDC_FN_FAMILY_CHK, IDC_FN_STYLE_CHK, IDC_FN_VARIANT_CHK, IDC_FN_WEIGHT_CHK, IDC_FN_SIZE_CHK});
    d.Type(IDC_FN_FAMILY, "serif");
    d.Type(IDC_FN_STYLE, "italic");  // typed before the font dialog, kept after it
    d.Click(IDC_FN_FAMILY_BROWSE);
    d.Click(IDC_FN_FAMILY_BROWSE);  // cancelled: nothing changes
    Pick("small-caps");
    d.Click(IDC_FN_VARIANT_LIST);
    d.Type(IDC_FN_SIZE, "150");
    d.Click(IDC_FN_PERCENT);
    d.Ok();
  });
  EXPECT_TRUE(IsCss(r,
                    "font-family:'ＭＳ Ｐ明朝';\r\nfont-style:italic;\r\nfont-variant:small-caps;\r\n"
                    "font-weight:normal;\r\nfont-size:150%;"));
  EXPECT_EQ(Int("StlFnt_121Flag"), 0x21F);
}

TEST_F(StyleFontDlg, EmptyNumberAndUnitOrder) {
  profile->WriteInt("HTML", "StlFnt_121Flag", 0x10 | 0x100 | 0x80);  // mm is tested before em
  std::string r = Open([](D& d) {
    EXPECT_EQ(d.GetCheck(IDC_FN_MM), 1);
    d.Click(IDC_FN_PT);
    d.Ok();
  });
  EXPECT_EQ(r, "font-size:pt;");  // taken as typed, even when incomplete
  EXPECT_EQ(Int("StlFnt_121Flag"), 0x10);
}

TEST_F(StyleTextDlg, SpacingsAndMultiplierLineHeight) {
  std::string r = Open([](D& d) {
    d.Click(IDC_TX_WS_CHK);
    EXPECT_TRUE(d.IsEnabled(IDC_TX_WS_NORMAL));
    EXPECT_EQ(Enabled(d, {IDC_TX_WS, IDC_TX_WS_SPIN, IDC_TX_WS_PT}), 0);
    d.Click(IDC_TX_WS_NORMAL);
    EXPECT_EQ(Enabled(d, {IDC_TX_WS, IDC_TX_WS_SPIN, IDC_TX_WS_PT}), 3);
    d.Type(IDC_TX_WS, "2");
    ClickAll(d, {IDC_TX_LS_CHK, IDC_TX_LH_CHK, IDC_TX_LH_NORMAL});
    d.Type(IDC_TX_LH, "1.5");
    d.Ok();
  });
  EXPECT_TRUE(IsCss(r, "word-spacing:2px;\r\nletter-spacing:normal;\r\nline-height:1.5;"));
  EXPECT_EQ(Int("SylTxt_121Flag"), 0x1 | 0x40 | 0x80 | 0x1000000 | 0x40000000);
  EXPECT_EQ(Strs({"SylTxt_121LS", "SylTxt_121Height"}), "<absent>|1.5|");  // "normal" leaves the number as stored
}

TEST_F(StyleTextDlg, NegativeNumbersUnitsAndLists) {
  std::string r = Open([&](D& d) {
    ClickAll(d, {IDC_TX_LS_CHK, IDC_TX_LS_NORMAL, IDC_TX_LS_MM, IDC_TX_DECO_CHK, IDC_TX_TALIGN_CHK, IDC_TX_TRANS_CHK,
                 IDC_TX_IND_CHK, IDC_TX_IND_EM, IDC_TX_LH_CHK, IDC_TX_LH_NORMAL, IDC_TX_LH_PERCENT});
    Fill(d, {{IDC_TX_LS, "-1"},
             {IDC_TX_IND, "-2"},
             {IDC_TX_LH, "120"},
             {IDC_TX_DECO, "line-through"},
             {IDC_TX_TALIGN, "justify"},
             {IDC_TX_TRANS, "uppercase"}});
    d.Ok();
  });
  EXPECT_TRUE(IsCss(r,
                    "letter-spacing:-1mm;\r\ntext-decoration:line-through;\r\ntext-align:justify;\r\n"
                    "text-transform:uppercase;\r\ntext-indent:-2em;\r\nline-height:120%;"));
  EXPECT_EQ(Int("SylTxt_121Flag"),
            0x40 | 0x200 | 0x1000 | 0x2000 | 0x40000 | 0x80000 | 0x100000 | 0x1000000 | 0x20000000);
  Open([](D& d) {
    EXPECT_EQ(Checked(d, {IDC_TX_LS_MM, IDC_TX_IND_EM, IDC_TX_LH_PERCENT, IDC_TX_WS_PX}), 4);
    d.Cancel();
  });
}

// A text-level element aligns itself, by a number or a keyword.
TEST_F(StyleTextDlg, TextLevelVerticalAlignment) {
  profile->WriteInt("HTML", "SylTxt_401Flag", 0x4000 | 0x2000);
  std::string text = Open(29401, [&](D& d) {
    EXPECT_EQ(d.GetCheck(IDC_TX_TALIGN_CHK), 0);
    EXPECT_EQ(Enabled(d, {IDC_TX_TALIGN_CHK, IDC_TX_TALIGN_LIST, IDC_TX_VAKW}), 0);
    EXPECT_EQ(Enabled(d, {IDC_TX_VAPER, IDC_TX_VAKW_CHK}), 2);
    d.Type(IDC_TX_VAPER, "50");
    d.Ok();
  });
  EXPECT_TRUE(IsCss(text, "vertical-align:50%;"));
  EXPECT_EQ(Int("SylTxt_401Flag"), 0x4000);

  text = Open(29401, [&](D& d) {
    d.Click(IDC_TX_VAKW_CHK);
    EXPECT_EQ(Enabled(d, {IDC_TX_VAPER, IDC_TX_VAPER_SPIN}), 0);
    Pick("super", "テキストの垂直位置(vertical-align)");
    d.Click(IDC_TX_VAKW_LIST);
    d.Ok();
  });
  EXPECT_EQ(text, "vertical-align:super;");
  EXPECT_EQ(Int("SylTxt_401Flag"), 0xC000);
  EXPECT_EQ(Str("SylTxt_401VAPER"), "50");
}

TEST_F(ListStyleDlg, TypePositionAndComposedDeclarations) {
  std::string r = Open(29141, [&](D& d) {
    ClickAll(d, {IDC_LS_TYPE_CHK, IDC_LS_POS_CHK, IDC_LS_INSIDE, IDC_LS_OTHER_CHK});
    Fill(d, {{IDC_LS_TYPE, "square"}, {IDC_LS_OTHER, "typed"}});
    backend.Expect([](D& composer) {
      EXPECT_EQ(composer.GetTitle(), "スタイルの設定 <OL>");
      Tick(composer, IDC_SY_COLOR_CHK, IDC_SY_COLOR, "color:Red;");
      Tick(composer, IDC_SY_FONT_CHK, IDC_SY_FONT, "font-weight:bold;");
      composer.Ok();
    });
    d.Click(IDC_LS_OTHER_CHANGE);
    EXPECT_EQ(Texts(d, {IDC_LS_TYPE, IDC_LS_OTHER}), "square|color:Red;\r\nfont-weight:bold;|");
    CancelNext();
    d.Click(IDC_LS_OTHER_CHANGE);  // cancelled: nothing changes
    EXPECT_EQ(d.GetText(IDC_LS_OTHER), "color:Red;\r\nfont-weight:bold;");
    d.Ok();
  });
  // The composer's lines are kept, not joined.
  EXPECT_TRUE(IsCss(r, "list-style-type:square; list-style-position:inside;\r\ncolor:Red;\r\nfont-weight:bold;"));
  EXPECT_EQ(Int("LtSyl_141Flag"), 0x8D);
  // The composer stores under the list's slot.
  EXPECT_EQ(Strs({"LtSyl_141Type", "LtSyl_141Other", "LtSyl_141Image", "Syl_141Color"}),
            "square|color:Red;\r\nfont-weight:bold;|<absent>|color:Red;|");

  // Remembered: inside selected, unchecked groups still disabled.
  Open(29141, [](D& d) {
    EXPECT_EQ(d.GetCheck(IDC_LS_INSIDE) - d.GetCheck(IDC_LS_OUTSIDE), 1);
    EXPECT_FALSE(d.IsEnabled(IDC_LS_IMAGE));
    d.Click(IDC_LS_POS_CHK);  // off: the side is not stored either
    d.Ok();
  });
  EXPECT_EQ(Int("LtSyl_141Flag"), 0x81);
}

TEST_F(ListStyleDlg, ImagePathIntoUrlUnchangedAndOtherAlone) {
  backend.AnswerFile(std::string("C:\\my pics\\dot 1.gif"));
  std::string r = Open(29142, [&](D& d) {
    ClickAll(d, {IDC_LS_IMAGE_CHK, IDC_LS_IMAGE_BROWSE});
    d.Click(IDC_LS_POS_CHK);  // outside
    d.Ok();
  });
  EXPECT_EQ(r, "list-style-image: url(C:\\my pics\\dot 1.gif); list-style-position:outside;");
  EXPECT_EQ(Int("LtSyl_142Flag"), 0x6);
  r = Open(29142, OkAfter({{IDC_LS_IMAGE_CHK}, {IDC_LS_POS_CHK}, {IDC_LS_OTHER_CHK, IDC_LS_OTHER, "margin:0;\r\n"}}));
  EXPECT_EQ(r, "margin:0;\r\n");  // no leading line break
  EXPECT_EQ(Int("LtSyl_142Flag"), 0x80);
}

TEST_F(StyleElementDlg, DefaultsAndExample) {
  std::string r = Open([](D& d) {
    EXPECT_EQ(
        Checked(d, {IDC_EL_W_CHK, IDC_EL_H_CHK, IDC_EL_WS_CHK, IDC_EL_FLOAT_CHK, IDC_EL_CLEAR_CHK, IDC_EL_DISP_CHK}),
        0);
    EXPECT_EQ(Checked(d, {IDC_EL_W_PX, IDC_EL_H_PX, IDC_EL_WS_NORMAL, IDC_EL_FLOAT_NONE, IDC_EL_CLEAR_NONE,
                          IDC_EL_DISP_BLOCK}),
              6);
    EXPECT_EQ(d.GetText(IDC_EL_W), "0");
    EXPECT_EQ(Enabled(d, {IDC_EL_W_AUTO, IDC_EL_W, IDC_EL_FLOAT_LEFT}), 0);
    d.Click(IDC_EL_W_CHK);
    EXPECT_EQ(Enabled(d, {IDC_EL_W_AUTO, IDC_EL_W, IDC_EL_W_PERCENT}), 3);
    d.Type(IDC_EL_W, "50");
    ClickAll(d, {IDC_EL_W_PERCENT, IDC_EL_FLOAT_CHK, IDC_EL_FLOAT_LEFT, IDC_EL_DISP_CHK});
    d.Ok();
  });
  EXPECT_TRUE(IsCss(r, "width:50%;\r\nfloat:left;\r\ndisplay:block;"));
  EXPECT_EQ(Int("SylElm_121Flag"), 0x1 | 0x20 | 0x40000 | 0x80000 | 0x4000000);
  EXPECT_EQ(Strs({"SylElm_121Width", "SylElm_121Height"}), "50|<absent>|");
}

TEST_F(StyleElementDlg, AutoKeepsTheNumberAndFlagsReload) {
  const int stored = 0x80 | 0x100 | 0x400 | 0x4000 | 0x10000 | 0x400000 | 0x2000000 | 0x4000000 | 0x20000000;
  profile->WriteInt("HTML", "SylElm_121Flag", stored);
  profile->WriteString("HTML", "SylElm_121Height", "7");
  std::string r = Open([](D& d) {
    EXPECT_EQ(Checked(d, {IDC_EL_H_AUTO, IDC_EL_H_MM}), 2);
    EXPECT_EQ(Enabled(d, {IDC_EL_H, IDC_EL_H_MM}), 0);
    d.Ok();
  });
  EXPECT_TRUE(IsCss(r, "height:auto;\r\nwhite-space:nowrap;\r\nclear:both;\r\ndisplay:none;"));
  EXPECT_EQ(Int("SylElm_121Flag"), stored & ~0x400);  // unit bits are stored only when a number is used
  EXPECT_EQ(Str("SylElm_121Height"), "7");
}

TEST_F(StyleDlg, JoinsCheckedGroupsOneLineEachInFixedOrder) {
  profile->WriteString("HTML", "Syl_121Font", "font-style:italic;\r\nfont-weight:bold;");
  profile->WriteString("HTML", "Syl_121Element", "float:left;");
  profile->WriteString("HTML", "Syl_121Margin", "margin:0;");  // unchecked: kept, not written
  profile->WriteInt("HTML", "Syl_121Flag", 0x8 | 0x80 | 0x3);
  const int before = profile->writes();
  std::string r = Open([](D& d) {
    EXPECT_EQ(d.GetTitle(), "スタイルの設定 <H1>");
    EXPECT_EQ(Texts(d, {IDC_SY_FONT, IDC_SY_MARGIN}), "font-style:italic;\r\nfont-weight:bold;|margin:0;|");
    for (int chk = IDC_SY_COLOR_CHK; chk <= IDC_SY_ELEMENT_CHK; chk += 3) {
      const bool on = chk == IDC_SY_FONT_CHK || chk == IDC_SY_ELEMENT_CHK;
      EXPECT_EQ(d.GetCheck(chk), on ? 1 : 0) << chk;
      EXPECT_EQ(Enabled(d, {chk + 1, chk + 2}), on ? 2 : 0) << chk;
    }
    d.Click(IDC_SY_TEXT_CHK);  // checked but left empty: an empty line
    EXPECT_TRUE(d.IsEnabled(IDC_SY_TEXT) && d.IsEnabled(IDC_SY_TEXT_CHANGE));
    Tick(d, IDC_SY_COLOR_CHK, IDC_SY_COLOR, "color:Red;\r\n\r\n  background-color:\tWhite; \r\n");
    d.Ok();
  });
  EXPECT_TRUE(
      IsCss(r, "color:Red;   background-color:\tWhite;\r\nfont-style:italic; font-weight:bold;\r\n\r\nfloat:left;"));
  EXPECT_EQ(Int("Syl_121Flag"), 0x9C);
  // The colour group unjoined.
  EXPECT_EQ(Strs({"Syl_121Color", "Syl_121Text", "Syl_121Border"}),
            "color:Red;\r\n\r\n  background-color:\tWhite; \r\n||<absent>|");
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
        backend.Expect(OkAfter({{IDC_FN_WEIGHT_CHK, IDC_FN_WEIGHT, "bold"}, {IDC_FN_SIZE_CHK, IDC_FN_SIZE, "12"}}));
        d.Click(IDC_SY_FONT_CHANGE);
        EXPECT_EQ(Texts(d, {IDC_SY_FONT, IDC_SY_COLOR}), "font-weight:bold;\r\nfont-size:12pt;|color:Blue;|");
        EXPECT_EQ(d.GetCheck(IDC_SY_FONT_CHK), 1);

        d.Type(IDC_SY_TEXT, "text-indent:1em;");
        CancelNext();
        d.Click(IDC_SY_TEXT_CHANGE);  // cancelled: nothing changes
        EXPECT_EQ(d.GetText(IDC_SY_TEXT), "text-indent:1em;");

        backend.AnswerColor(0x0000FF);  // COLORREF: red
        backend.Expect(OkAfter({{IDC_CL_COLOR_CHK}, {IDC_CL_COLOR_PICK}}));
        d.Click(IDC_SY_COLOR_CHANGE);
        d.Ok();
      },
      "cell");
  EXPECT_EQ(backend.opened,
            (std::vector<std::string>{"スタイルの設定 <TD>", " STYLE : フォントの設定 <TD>",
                                      " STYLE : テキストの設定 <TD>", " STYLE : 画像・背景の設定 <TD>"}));
  EXPECT_TRUE(IsCss(r, "color:#FF0000;\r\nfont-weight:bold; font-size:12pt;\r\ntext-indent:1em;"));
  // The group dialogs remember under the composer's slot.
  EXPECT_EQ(Strs({"StlFnt_160Weight", "Syl_160Font", "Syl_160Element"}),
            "bold|font-weight:bold;\r\nfont-size:12pt;|<absent>|");
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

TEST_F(StyleRuleDlg, SelectorIdsFollowTheElementCommands) {
  const std::pair<const char*, int> ids[] = {{"H1", 29121}, {"h1", 29121}, {"td", 29160}, {"A", 29445},
                                             {"UL", 29140}, {"BODY", 0},   {"A:link", 0}, {".note", 0},
                                             {"", 0},       {"H1 ", 0},    {"HEAD", 0}};
  for (const auto& [selector, id] : ids) EXPECT_EQ(StyleRuleTagId(selector), id) << selector;
}

TEST_F(StyleRuleDlg, ListPicksTheNameAndOkBuildsTheRule) {
  backend.Expect([](D& d) {
    EXPECT_EQ(d.GetTitle(), "STYLEの設定");
    EXPECT_EQ(d.GetText(IDC_SR_SELECTOR), "");
    d.Type(IDC_SR_STYLE, "color:Red;\r\nfont-weight:bold;");
    d.SelectText(IDC_SR_LIST, "A:visited");
    EXPECT_EQ(d.GetText(IDC_SR_SELECTOR), "A:visited");
    d.SelectText(IDC_SR_LIST, "H1 ");
    // Typed text kept.
    EXPECT_EQ(Texts(d, {IDC_SR_SELECTOR, IDC_SR_STYLE}), "H1|color:Red;\r\nfont-weight:bold;|");
    d.Ok();
  });
  const std::string r = Run(29115, "xyz");
  EXPECT_EQ(r, "H1  { color:Red; font-weight:bold; }\r\nxyz");
  EXPECT_TRUE(ValidCss(r.substr(0, r.size() - 3), CssKind::Rules));
  EXPECT_EQ(Strs({"SylCss_Selecta", "SylCss_Style"}), "H1|color:Red;\r\nfont-weight:bold;|");  // as typed

  // Remembered, shared by every use; no selection: the rule ends the text.
  backend.Expect([](D& d) {
    EXPECT_EQ(d.GetText(IDC_SR_SELECTOR), "H1");
    d.SelectText(IDC_SR_LIST, "A:link");
    d.Ok();
  });
  EXPECT_TRUE(IsCss(Run(29115, ""), "A:link  { color:Red; font-weight:bold; }\r\n", CssKind::Rules));
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
    backend.Expect(OkAfter({{IDC_SY_ELEMENT_CHK, IDC_SY_ELEMENT, "float:left;"}}));
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
  const auto& m = backend.messages[0];
  EXPECT_EQ(m.text + "|" + m.caption, "セレクタ（要素）を指定してから実行してください|スタイル変更");
  EXPECT_EQ(m.flags, plat::MB_OK_);
}

}  // namespace tqtest
