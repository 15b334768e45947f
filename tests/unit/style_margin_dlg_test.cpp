#include <string>

#include "css_check.h"
#include "dialogs/style/style_margin_dlg.h"
#include "fixture.h"

namespace tqtest {

using namespace tq;

class StyleMarginDlg : public Headless {
 protected:
  std::string Open(plat::DialogScript s) { return OpenDlg<CStyleMarginDlg>(29121, std::move(s)); }
};

TEST_F(StyleMarginDlg, SidesAndShorthandExcludeEachOther) {
  std::string r = Open([](D& d) {
    for (int c = IDC_MG_MTOP; c <= IDC_MG_MARGIN; c += 2) EXPECT_FALSE(d.IsEnabled(c)) << c;
    EXPECT_EQ(Enabled(d, {IDC_MG_MCHANGE, IDC_MG_PCHANGE}), 2);
    ClickAll(d, {IDC_MG_MTOP_CHK, IDC_MG_MLEFT_CHK});
    EXPECT_EQ(Enabled(d, {IDC_MG_MTOP, IDC_MG_MLEFT}), 2);
    d.Click(IDC_MG_MARGIN_CHK);
    EXPECT_EQ(Checked(d, {IDC_MG_MTOP_CHK, IDC_MG_MLEFT_CHK}), 0);
    EXPECT_EQ(Enabled(d, {IDC_MG_MTOP, IDC_MG_MLEFT}), 0);
    EXPECT_TRUE(d.IsEnabled(IDC_MG_MARGIN));
    Tick(d, IDC_MG_MBOTTOM_CHK, IDC_MG_MBOTTOM, "1px");
    EXPECT_EQ(d.GetCheck(IDC_MG_MARGIN_CHK), 0);
    EXPECT_FALSE(d.IsEnabled(IDC_MG_MARGIN));
    Tick(d, IDC_MG_PTOP_CHK, IDC_MG_PTOP, "2px");
    Tick(d, IDC_MG_PADDING_CHK, IDC_MG_PADDING, "0 1em");
    EXPECT_EQ(d.GetCheck(IDC_MG_MBOTTOM_CHK), 1);  // padding shorthand leaves the margin sides alone
    d.Ok();
  });
  EXPECT_EQ(r, "margin-bottom:1px;\r\npadding:0 1em;");
  EXPECT_TRUE(ValidCss(r, CssKind::Declarations));
  EXPECT_EQ(Int("SylMgn_121Flag"), 0x4 | 0x200);
  EXPECT_EQ(Str("SylMgn_121MBottom"), "1px");
  EXPECT_EQ(Str("SylMgn_121PTop"), "<absent>");
}

TEST_F(StyleMarginDlg, StoredSidesWinOverAStoredShorthand) {
  profile->WriteInt("HTML", "SylMgn_121Flag", 0x1 | 0x10 | 0x20 | 0x40);
  profile->WriteString("HTML", "SylMgn_121MTop", "1px");
  profile->WriteString("HTML", "SylMgn_121PTop", "2px");
  profile->WriteString("HTML", "SylMgn_121PRight", "3px");
  std::string r = Open([](D& d) {
    EXPECT_EQ(d.GetCheck(IDC_MG_MARGIN_CHK), 0);
    EXPECT_FALSE(d.IsEnabled(IDC_MG_MARGIN));
    EXPECT_EQ(d.GetText(IDC_MG_PRIGHT), "3px");
    d.Ok();
  });
  EXPECT_EQ(r, "margin-top:1px;\r\npadding-top:2px;\r\npadding-right:3px;");
  EXPECT_TRUE(ValidCss(r, CssKind::Declarations));
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
  EXPECT_EQ(r, "margin:10px auto 0px 5%;");
  EXPECT_TRUE(ValidCss(r, CssKind::Declarations));
  EXPECT_EQ(Int("MV_121MFlag"), 0x40 | 0x400000);
  EXPECT_EQ(Str("MV_121MTop"), "10");
  EXPECT_EQ(Str("MV_121MRight"), "<absent>");  // "auto" keeps the stored number
  EXPECT_EQ(Str("MV_121MLeft"), "5");

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
  EXPECT_EQ(Str("MV_121PTop"), "<absent>");
  EXPECT_EQ(Str("MV_121PRight"), "-3");
}

TEST_F(StyleMarginDlg, NothingCheckedOffersNoSideAndResetsTheStoredChoices) {
  profile->WriteInt("HTML", "MV_121MFlag", 0x1 | 0x80);
  std::string r = Open([&](D& d) {
    backend.Expect([](D& b) {
      for (int c : {IDC_BV_TOP_AUTO, IDC_BV_RIGHT_AUTO, IDC_BV_BOTTOM_AUTO, IDC_BV_LEFT_AUTO}) {
        EXPECT_EQ(b.GetCheck(c), 0);
        EXPECT_EQ(Enabled(b, {c, c + 1}), 0) << c;
      }
      b.Ok();
    });
    d.Click(IDC_MG_MCHANGE);
    EXPECT_EQ(d.GetText(IDC_MG_MTOP), "");
    d.Ok();
  });
  EXPECT_EQ(r, "");
  EXPECT_EQ(Int("MV_121MFlag"), 0);
  EXPECT_EQ(Int("SylMgn_121Flag"), 0);
}

}  // namespace tqtest
