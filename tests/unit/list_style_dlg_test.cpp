#include <string>

#include "css_check.h"
#include "dialogs/style/list_style_dlg.h"
#include "dialogs/style/style_dlg.h"
#include "fixture.h"

namespace tqtest {

using namespace tq;

class ListStyleDlg : public Headless {
 protected:
  std::string Open(int id, plat::DialogScript s) { return OpenDlg<CListStyleDlg>(id, std::move(s)); }
};

TEST_F(ListStyleDlg, TypePositionAndComposedDeclarations) {
  std::string r = Open(29141, [&](D& d) {
    ClickAll(d, {IDC_LS_TYPE_CHK, IDC_LS_POS_CHK, IDC_LS_INSIDE, IDC_LS_OTHER_CHK});
    d.Type(IDC_LS_TYPE, "square");
    d.Type(IDC_LS_OTHER, "typed");
    backend.Expect([](D& composer) {
      EXPECT_EQ(composer.GetTitle(), "スタイルの設定 <OL>");
      Tick(composer, IDC_SY_COLOR_CHK, IDC_SY_COLOR, "color:Red;");
      Tick(composer, IDC_SY_FONT_CHK, IDC_SY_FONT, "font-weight:bold;");
      composer.Ok();
    });
    d.Click(IDC_LS_OTHER_CHANGE);
    EXPECT_EQ(d.GetText(IDC_LS_TYPE), "square");
    EXPECT_EQ(d.GetText(IDC_LS_OTHER), "color:Red;\r\nfont-weight:bold;");
    CancelNext();
    d.Click(IDC_LS_OTHER_CHANGE);  // cancelled: nothing changes
    EXPECT_EQ(d.GetText(IDC_LS_OTHER), "color:Red;\r\nfont-weight:bold;");
    d.Ok();
  });
  // The composer's lines are kept, not joined.
  EXPECT_EQ(r, "list-style-type:square; list-style-position:inside;\r\ncolor:Red;\r\nfont-weight:bold;");
  EXPECT_TRUE(ValidCss(r, CssKind::Declarations));
  EXPECT_EQ(Int("LtSyl_141Flag"), 0x8D);
  EXPECT_EQ(Str("LtSyl_141Type"), "square");
  EXPECT_EQ(Str("LtSyl_141Other"), "color:Red;\r\nfont-weight:bold;");
  EXPECT_EQ(Str("LtSyl_141Image"), "<absent>");
  EXPECT_EQ(Str("Syl_141Color"), "color:Red;");  // the composer under the list's slot

  // Remembered: inside selected, unchecked groups still disabled.
  Open(29141, [](D& d) {
    EXPECT_EQ(d.GetCheck(IDC_LS_INSIDE), 1);
    EXPECT_EQ(d.GetCheck(IDC_LS_OUTSIDE), 0);
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
  r = Open(29142, [](D& d) {
    ClickAll(d, {IDC_LS_IMAGE_CHK, IDC_LS_POS_CHK});
    Tick(d, IDC_LS_OTHER_CHK, IDC_LS_OTHER, "margin:0;\r\n");
    d.Ok();
  });
  EXPECT_EQ(r, "margin:0;\r\n");  // no leading line break
  EXPECT_EQ(Int("LtSyl_142Flag"), 0x80);
}

}  // namespace tqtest
