#include <string>
#include <vector>

#include "dialogs/document/image_dlg.h"
#include "fixture.h"

namespace tqtest {

using namespace tq;
using ImageDlg = Headless;

constexpr int kImg = 29455;

TEST_F(ImageDlg, EveryAttributeInOrderAndRememberedPerBox) {
  std::string r = RunWith(kImg, "", [&](D& d) {
    // Clicked against the output order: the order is fixed by the dialog.
    ClickAll(d, {IDC_IM_VSPACE_CHK, IDC_IM_HSPACE_CHK, IDC_IM_BORDER_CHK, IDC_IM_ALIGN_CHK, IDC_IM_ATTR_CHK,
                 IDC_IM_ISMAP_CHK, IDC_IM_USEMAP_CHK, IDC_IM_HEIGHT_CHK, IDC_IM_WIDTH_CHK, IDC_IM_LONGDESC_CHK,
                 IDC_IM_HEIGHT_PCT});
    Fill(d, {{IDC_IM_SRC, "a b.gif"}, {IDC_IM_ALT, " 地図 "}, {IDC_IM_LONGDESC, "d.htm"}, {IDC_IM_WIDTH, "120"},
             {IDC_IM_HEIGHT, "50"}, {IDC_IM_USEMAP, "#m"}, {IDC_IM_HSPACE, "3"}, {IDC_IM_VSPACE, "4"},
             {IDC_IM_ATTR, "\r\nID=\"i\"\r\n\r\nCLASS=\"k\" \r\n"}});
    Pick("middle", "ALIGN");
    d.Click(IDC_IM_ALIGN_LIST);
    d.Ok();
  });
  EXPECT_EQ(r, "<IMG SRC=\"a b.gif\" ALT=\" 地図 \" LONGDESC=\"d.htm\" WIDTH=\"120\" HEIGHT=\"50%\" USEMAP=\"#m\" "
               "ISMAP ID=\"i\" CLASS=\"k\" ALIGN=\"middle\" BORDER=\"0\" HSPACE=\"3\" VSPACE=\"4\">");
  EXPECT_TRUE(ValidHtml("<P>" + r + "</P><MAP NAME=\"m\"><AREA HREF=\"a.htm\" ALT=\"a\"></MAP>"));
  EXPECT_EQ(Int("IMG_455Flag"), 0x1 | 0x2 | 0x10 | 0x20 | 0x80 | 0x100 | 0x200 | 0x800 | 0x1000 | 0x4000 | 0x10000);
  EXPECT_EQ(Str("IMG_455WD"), "120");
  EXPECT_EQ(Str("IMG_455Align"), "middle");
  EXPECT_EQ(Str("IMG_455Attr"), "\r\nID=\"i\"\r\n\r\nCLASS=\"k\" \r\n");

  // Reopened as left; an unchecked box keeps its stored text, and a unit
  // is stored only with its box.
  r = RunWith(kImg, "x", [](D& d) {
    EXPECT_EQ(Texts(d, {IDC_IM_SRC, IDC_IM_VSPACE}), "a b.gif|4|");
    EXPECT_EQ(d.GetCheck(IDC_IM_HEIGHT_PCT), 1);
    EXPECT_TRUE(d.IsEnabled(IDC_IM_HEIGHT_SPIN));
    ClickAll(d, {IDC_IM_BORDER_PCT, IDC_IM_LONGDESC_CHK, IDC_IM_WIDTH_CHK, IDC_IM_HEIGHT_CHK, IDC_IM_ATTR_CHK,
                 IDC_IM_ALIGN_CHK, IDC_IM_HSPACE_CHK, IDC_IM_VSPACE_CHK});
    d.Type(IDC_IM_USEMAP, "#n");
    d.Ok();
  });
  EXPECT_EQ(r, "<IMG SRC=\"a b.gif\" ALT=\" 地図 \" USEMAP=\"#n\" ISMAP BORDER=\"0%\">x");
  EXPECT_EQ(Int("IMG_455Flag"), 0x80 | 0x100 | 0x1000 | 0x2000);
  EXPECT_EQ(Str("IMG_455WD"), "120");
}

}  // namespace tqtest
