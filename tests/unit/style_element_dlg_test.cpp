#include <string>

#include "css_check.h"
#include "dialogs/style/style_element_dlg.h"
#include "fixture.h"

namespace tqtest {

using namespace tq;
using D = plat::HeadlessDialog;

class StyleElementDlg : public Headless {
 protected:
  std::string Open(int id, plat::DialogScript s) {
    backend.Expect(std::move(s));
    CStyleElementDlg dlg(nullptr);
    dlg.Init(id, "handed in");
    return dlg.DoModal() == plat::IDOK ? dlg.m_strResult : "<cancelled>";
  }
};

TEST_F(StyleElementDlg, DefaultsAndExample) {
  std::string r = Open(29121, [](D& d) {
    for (int c : {IDC_EL_W_CHK, IDC_EL_H_CHK, IDC_EL_WS_CHK, IDC_EL_FLOAT_CHK, IDC_EL_CLEAR_CHK, IDC_EL_DISP_CHK})
      EXPECT_EQ(d.GetCheck(c), 0) << c;
    for (int c : {IDC_EL_W_PX, IDC_EL_H_PX, IDC_EL_WS_NORMAL, IDC_EL_FLOAT_NONE, IDC_EL_CLEAR_NONE, IDC_EL_DISP_BLOCK})
      EXPECT_EQ(d.GetCheck(c), 1) << c;
    EXPECT_EQ(d.GetText(IDC_EL_W), "0");
    EXPECT_FALSE(d.IsEnabled(IDC_EL_W_AUTO) || d.IsEnabled(IDC_EL_W) || d.IsEnabled(IDC_EL_FLOAT_LEFT));
    d.Click(IDC_EL_W_CHK);
    EXPECT_TRUE(d.IsEnabled(IDC_EL_W_AUTO) && d.IsEnabled(IDC_EL_W) && d.IsEnabled(IDC_EL_W_PERCENT));
    d.Type(IDC_EL_W, "50");
    d.Click(IDC_EL_W_PERCENT);
    d.Click(IDC_EL_FLOAT_CHK);
    d.Click(IDC_EL_FLOAT_LEFT);
    d.Click(IDC_EL_DISP_CHK);
    d.Ok();
  });
  EXPECT_EQ(r, "width:50%;\r\nfloat:left;\r\ndisplay:block;");
  EXPECT_TRUE(ValidCss(r, CssKind::Declarations));
  EXPECT_EQ(Int("SylElm_121Flag"), 0x1 | 0x20 | 0x40000 | 0x80000 | 0x4000000);
  EXPECT_EQ(Str("SylElm_121Width"), "50");
  EXPECT_EQ(Str("SylElm_121Height"), "<absent>");
  EXPECT_EQ(backend.opened.at(0), " STYLE : 要素の回り込みなどの設定 <H1>");
}

TEST_F(StyleElementDlg, AutoKeepsTheNumberAndFlagsReload) {
  profile->WriteInt("HTML", "SylElm_121Flag", 0x80 | 0x100 | 0x400 | 0x4000 | 0x10000 | 0x400000 | 0x2000000 |
                                                  0x4000000 | 0x20000000);
  profile->WriteString("HTML", "SylElm_121Height", "7");
  std::string r = Open(29121, [](D& d) {
    EXPECT_EQ(d.GetCheck(IDC_EL_H_AUTO), 1);
    EXPECT_FALSE(d.IsEnabled(IDC_EL_H) || d.IsEnabled(IDC_EL_H_MM));
    EXPECT_EQ(d.GetCheck(IDC_EL_H_MM), 1);
    d.Ok();
  });
  EXPECT_EQ(r, "height:auto;\r\nwhite-space:nowrap;\r\nclear:both;\r\ndisplay:none;");
  EXPECT_TRUE(ValidCss(r, CssKind::Declarations));
  // Unit bits are stored only when a number is used.
  EXPECT_EQ(Int("SylElm_121Flag"), 0x80 | 0x100 | 0x4000 | 0x10000 | 0x400000 | 0x2000000 | 0x4000000 | 0x20000000);
  EXPECT_EQ(Str("SylElm_121Height"), "7");
}

TEST_F(StyleElementDlg, TextLevelElementsOfferNoSizesOrWhiteSpace) {
  profile->WriteInt("HTML", "SylElm_300Flag", 0x1 | 0x80 | 0x4000 | 0x40000 | 0x100000);
  std::string r = Open(29300, [](D& d) {
    for (int c : {IDC_EL_W_CHK, IDC_EL_H_CHK, IDC_EL_WS_CHK}) {
      EXPECT_EQ(d.GetCheck(c), 0) << c;
      EXPECT_FALSE(d.IsEnabled(c)) << c;
    }
    EXPECT_FALSE(d.IsEnabled(IDC_EL_W) || d.IsEnabled(IDC_EL_WS_PRE));
    d.Ok();
  });
  EXPECT_EQ(r, "float:right;");
}

TEST_F(StyleElementDlg, CancelWritesNothing) {
  EXPECT_EQ(Open(29121, [](D& d) { d.Click(IDC_EL_DISP_CHK); d.Cancel(); }), "<cancelled>");
  EXPECT_EQ(Int("SylElm_121Flag"), -12345);
}

}  // namespace tqtest
