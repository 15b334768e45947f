#include <string>

#include "dialogs/form/frame_dlg.h"
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

}  // namespace tqtest
