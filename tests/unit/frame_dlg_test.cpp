#include <string>

#include "dialogs/form/frame_dlg.h"
#include "dialogs/form/frame_set_dlg.h"
#include "fixture.h"

namespace tqtest {

using namespace tq;
using FrameDlg = Headless;

TEST_F(FrameDlg, FrameSourceBorderAndMargin) {
  std::string r = RunWith(29166, "", [](D& d) {
    Tick(d, IDC_FR_SRC_CHK, IDC_FR_SRC, "a.htm");
    ClickAll(d, {IDC_FR_BORDER_CHK, IDC_FR_BORDER_OFF, IDC_FR_MGNW_CHK});
    d.Ok();
  });
  EXPECT_EQ(r, "<FRAME SRC=\"a.htm\" FRAMEBORDER=\"0\" MARGINWIDTH=\"1\">");
  EXPECT_EQ(Int("FRM_166Flag"), 0x3C);
  EXPECT_EQ(Str("FRM_166MgnW"), "1");

  // Reopened: the choice comes back; switching the border box off drops it.
  r = RunWith(29166, "", [](D& d) {
    EXPECT_EQ(d.GetCheck(IDC_FR_BORDER_OFF), 1);
    d.Click(IDC_FR_BORDER_CHK);
    EXPECT_FALSE(d.IsEnabled(IDC_FR_BORDER_OFF));
    d.Ok();
  });
  EXPECT_EQ(r, "<FRAME SRC=\"a.htm\" MARGINWIDTH=\"1\">");
  EXPECT_EQ(Int("FRM_166Flag"), 0x24);
}

TEST_F(FrameDlg, FramesetOfFramesIsAValidFramesetDocument) {
  std::string top = RunWith(29166, "", [](D& d) {
    Tick(d, IDC_FR_NAME_CHK, IDC_FR_NAME, "top");
    Tick(d, IDC_FR_SRC_CHK, IDC_FR_SRC, "top.htm");
    ClickAll(d, {IDC_FR_BORDER_CHK, IDC_FR_BORDER_OFF, IDC_FR_NORESIZE_CHK, IDC_FR_SCROLL_CHK});
    d.Ok();
  });
  std::string main = RunWith(29166, "", [](D& d) {
    Tick(d, IDC_FR_LONGDESC_CHK, IDC_FR_LONGDESC, "about.htm");
    Tick(d, IDC_FR_SRC_CHK, IDC_FR_SRC, "main.htm");
    ClickAll(d, {IDC_FR_MGNW_CHK, IDC_FR_MGNH_CHK});
    Tick(d, IDC_FR_ATTR_CHK, IDC_FR_ATTR, "\r\nID=\"m\"\r\nTITLE=\"main\"");
    d.Ok();
  });
  std::string set = RunWith(29165, top + "\r\n" + main, [](D& d) {
    Tick(d, IDC_FS_ROWS_CHK, IDC_FS_ROWS, "20%,*");
    Tick(d, IDC_FS_ONLOAD_CHK, IDC_FS_ONLOAD, "init()");
    Tick(d, IDC_FS_ATTR_CHK, IDC_FS_ATTR, "\r\nCLASS=\"site\"");
    d.Ok();
  });
  // Nested in another set: ROWS off (remembered checked), onLoad and CLASS stay.
  std::string outer = RunWith(29165, set, [](D& d) {
    d.Click(IDC_FS_ROWS_CHK);
    Tick(d, IDC_FS_COLS_CHK, IDC_FS_COLS, "150,*");
    d.Ok();
  });
  EXPECT_TRUE(ValidHtml(outer, Context::Frameset));
}

}  // namespace tqtest
