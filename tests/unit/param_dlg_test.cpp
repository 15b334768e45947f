#include <string>

#include "dialogs/form/param_dlg.h"
#include "fixture.h"

namespace tqtest {

using namespace tq;
using ParamDlg = Headless;

// A checked box gives its attribute even when its field is empty.
TEST_F(ParamDlg, CheckedAndEmptyStillGivesTheAttribute) {
  std::string r = RunWith(29457, "", [](D& d) {
    Tick(d, IDC_PA_VALUE_CHK, IDC_PA_VALUE, "");
    Tick(d, IDC_PA_ID_CHK, IDC_PA_ID, "p");
    d.Ok();
  });
  EXPECT_EQ(r, "<PARAM ID=\"p\" VALUE=\"\">");
  EXPECT_EQ(Int("PARAM_457Flag"), 0x5);
  EXPECT_EQ(Str("PARAM_457Value"), "");
}

}  // namespace tqtest
