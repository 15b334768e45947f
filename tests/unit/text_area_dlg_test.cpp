#include <string>

#include "dialogs/form/text_area_dlg.h"
#include "fixture.h"

namespace tqtest {

using namespace tq;
using TextAreaDlg = Headless;

// Every box stored checked: each element keeps only its own.
TEST_F(TextAreaDlg, EachElementOffersOnlyItsOwnBoxes) {
  profile->WriteInt("HTML", "TXTAR_467Flag", 0x7FF1);
  RunWith(29467, "", [](D& d) {
    EXPECT_FALSE(d.IsEnabled(IDC_TA_COLS) || d.IsEnabled(IDC_TA_ROWS) || d.IsEnabled(IDC_TA_COLS_SPIN) ||
                 d.IsEnabled(IDC_TA_ROWS_LABEL) || d.IsEnabled(IDC_TA_SELECT_BROWSE));
    EXPECT_EQ(d.GetCheck(IDC_TA_READONLY_CHK) + d.GetCheck(IDC_TA_SELECT_CHK), 0);
    EXPECT_TRUE(d.IsEnabled(IDC_TA_CHANGE_BROWSE) && d.IsEnabled(IDC_TA_SIZE_SPIN));
    d.Ok();
  });
  EXPECT_EQ(Int("TXTAR_467Flag"), 0x7FF1 & ~(0x40 | 0x1000));
  profile->WriteInt("HTML", "TXTAR_470Flag", 0x7FF1);
  RunWith(29470, "", [](D& d) {
    EXPECT_FALSE(d.IsEnabled(IDC_TA_SIZE_SPIN));
    d.Ok();
  });
  EXPECT_EQ(Int("TXTAR_470Flag"), 0x7FF1 & ~(0x10 | 0x80));
}

}  // namespace tqtest
