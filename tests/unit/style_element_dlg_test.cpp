#include <string>

#include "css_check.h"
#include "dialogs/style/style_element_dlg.h"
#include "fixture.h"

namespace tqtest {

using namespace tq;

class StyleElementDlg : public Headless {
 protected:
  std::string Open(int id, plat::DialogScript s) { return OpenDlg<CStyleElementDlg>(id, std::move(s)); }
};

TEST_F(StyleElementDlg, DefaultsAndExample) {
  std::string r = Open(29121, [](D& d) {
    EXPECT_EQ(Checked(d, {IDC_EL_W_CHK, IDC_EL_H_CHK, IDC_EL_WS_CHK, IDC_EL_FLOAT_CHK, IDC_EL_CLEAR_CHK,
                          IDC_EL_DISP_CHK}),
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
  EXPECT_EQ(r, "width:50%;\r\nfloat:left;\r\ndisplay:block;");
  EXPECT_TRUE(ValidCss(r, CssKind::Declarations));
  EXPECT_EQ(Int("SylElm_121Flag"), 0x1 | 0x20 | 0x40000 | 0x80000 | 0x4000000);
  EXPECT_EQ(Str("SylElm_121Width"), "50");
  EXPECT_EQ(Str("SylElm_121Height"), "<absent>");
}

TEST_F(StyleElementDlg, AutoKeepsTheNumberAndFlagsReload) {
  const int stored = 0x80 | 0x100 | 0x400 | 0x4000 | 0x10000 | 0x400000 | 0x2000000 | 0x4000000 | 0x20000000;
  profile->WriteInt("HTML", "SylElm_121Flag", stored);
  profile->WriteString("HTML", "SylElm_121Height", "7");
  std::string r = Open(29121, [](D& d) {
    EXPECT_EQ(Checked(d, {IDC_EL_H_AUTO, IDC_EL_H_MM}), 2);
    EXPECT_EQ(Enabled(d, {IDC_EL_H, IDC_EL_H_MM}), 0);
    d.Ok();
  });
  EXPECT_EQ(r, "height:auto;\r\nwhite-space:nowrap;\r\nclear:both;\r\ndisplay:none;");
  EXPECT_TRUE(ValidCss(r, CssKind::Declarations));
  EXPECT_EQ(Int("SylElm_121Flag"), stored & ~0x400);  // unit bits are stored only when a number is used
  EXPECT_EQ(Str("SylElm_121Height"), "7");
}

}  // namespace tqtest
