#include <string>

#include "css_check.h"
#include "dialogs/style/style_text_dlg.h"
#include "fixture.h"

namespace tqtest {

using namespace tq;

class StyleTextDlg : public Headless {
 protected:
  std::string Open(int id, plat::DialogScript s) { return OpenDlg<CStyleTextDlg>(id, std::move(s)); }
};

TEST_F(StyleTextDlg, SpacingsAndMultiplierLineHeight) {
  std::string r = Open(29121, [](D& d) {
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
  EXPECT_EQ(r, "word-spacing:2px;\r\nletter-spacing:normal;\r\nline-height:1.5;");
  EXPECT_TRUE(ValidCss(r, CssKind::Declarations));
  EXPECT_EQ(Int("SylTxt_121Flag"), 0x1 | 0x40 | 0x80 | 0x1000000 | 0x40000000);
  EXPECT_EQ(Str("SylTxt_121LS"), "<absent>");  // "normal" leaves the number as stored
  EXPECT_EQ(Str("SylTxt_121Height"), "1.5");
}

TEST_F(StyleTextDlg, NegativeNumbersUnitsAndLists) {
  std::string r = Open(29121, [&](D& d) {
    ClickAll(d, {IDC_TX_LS_CHK, IDC_TX_LS_NORMAL, IDC_TX_LS_MM, IDC_TX_DECO_CHK, IDC_TX_TALIGN_CHK,
                 IDC_TX_TRANS_CHK, IDC_TX_IND_CHK, IDC_TX_IND_EM, IDC_TX_LH_CHK, IDC_TX_LH_NORMAL,
                 IDC_TX_LH_PERCENT});
    Fill(d, {{IDC_TX_LS, "-1"}, {IDC_TX_IND, "-2"}, {IDC_TX_LH, "120"}, {IDC_TX_DECO, "line-through"},
             {IDC_TX_TALIGN, "justify"}, {IDC_TX_TRANS, "uppercase"}});
    d.Ok();
  });
  EXPECT_EQ(r, "letter-spacing:-1mm;\r\ntext-decoration:line-through;\r\ntext-align:justify;\r\n"
               "text-transform:uppercase;\r\ntext-indent:-2em;\r\nline-height:120%;");
  EXPECT_TRUE(ValidCss(r, CssKind::Declarations));
  EXPECT_EQ(Int("SylTxt_121Flag"),
            0x40 | 0x200 | 0x1000 | 0x2000 | 0x40000 | 0x80000 | 0x100000 | 0x1000000 | 0x20000000);
  Open(29121, [](D& d) {
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
  EXPECT_EQ(text, "vertical-align:50%;");
  EXPECT_TRUE(ValidCss(text, CssKind::Declarations));
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

}  // namespace tqtest
