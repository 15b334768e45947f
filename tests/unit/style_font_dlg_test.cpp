#include <string>

#include "css_check.h"
#include "dialogs/style/style_font_dlg.h"
#include "fixture.h"

namespace tqtest {

using namespace tq;

class StyleFontDlg : public Headless {
 protected:
  std::string Open(int id, plat::DialogScript s) { return OpenDlg<CStyleFontDlg>(id, std::move(s)); }
};

TEST_F(StyleFontDlg, WeightAndPixelSize) {
  std::string r = Open(29121, [&](D& d) {
    Tick(d, IDC_FN_WEIGHT_CHK, IDC_FN_WEIGHT, "bold");
    Tick(d, IDC_FN_SIZE_CHK, IDC_FN_SIZE, "12");
    d.Click(IDC_FN_PX);
    d.Ok();
  });
  EXPECT_EQ(r, "font-weight:bold;\r\nfont-size:12px;");
  EXPECT_TRUE(ValidCss(r, CssKind::Declarations));
  EXPECT_EQ(Int("StlFnt_121Flag"), 0x58);
  EXPECT_EQ(Str("StlFnt_121Size"), "12");
  EXPECT_EQ(Str("StlFnt_121SizeKW"), "<absent>");

  Open(29121, [](D& d) {
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
  EXPECT_EQ(r, "font-size:x-large;");
  EXPECT_TRUE(ValidCss(r, CssKind::Declarations));
  EXPECT_EQ(Int("StlFnt_127Flag"), 0x30);
  EXPECT_EQ(Str("StlFnt_127SizeKW"), "x-large");
  EXPECT_EQ(Str("StlFnt_127Size"), "<absent>");

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
  std::string r = Open(29121, [&](D& d) {
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
  EXPECT_EQ(r, "font-family:'ＭＳ Ｐ明朝';\r\nfont-style:italic;\r\nfont-variant:small-caps;\r\n"
               "font-weight:normal;\r\nfont-size:150%;");
  EXPECT_TRUE(ValidCss(r, CssKind::Declarations));
  EXPECT_EQ(Int("StlFnt_121Flag"), 0x21F);
}

TEST_F(StyleFontDlg, EmptyNumberAndUnitOrder) {
  profile->WriteInt("HTML", "StlFnt_121Flag", 0x10 | 0x100 | 0x80);  // mm is tested before em
  std::string r = Open(29121, [](D& d) {
    EXPECT_EQ(d.GetCheck(IDC_FN_MM), 1);
    d.Click(IDC_FN_PT);
    d.Ok();
  });
  EXPECT_EQ(r, "font-size:pt;");  // taken as typed, even when incomplete
  EXPECT_EQ(Int("StlFnt_121Flag"), 0x10);
}

}  // namespace tqtest
