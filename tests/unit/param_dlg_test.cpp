#include <string>

#include "dialogs/form/param_dlg.h"
#include "fixture.h"

namespace tqtest {

using namespace tq;
using ParamDlg = Headless;

TEST_F(ParamDlg, ValuesFromTheListsRememberedForTheNextParam) {
  std::string r = RunWith(29457, "x", [&](D& d) {
    d.Click(IDC_PA_VTYPE_CHK);
    Tick(d, IDC_PA_VALUE_CHK, IDC_PA_VALUE, "true");
    Tick(d, IDC_PA_NAME_CHK, IDC_PA_NAME, "autostart");
    Pick("data", "VALUETYPE");
    d.Click(IDC_PA_VTYPE_LIST);
    d.Ok();
  });
  EXPECT_EQ(r, "<PARAM NAME=\"autostart\" VALUE=\"true\" VALUETYPE=\"data\">x");
  EXPECT_EQ(Int("PARAM_457Flag"), 0xE);
  EXPECT_EQ(Str("PARAM_457VType"), "data");

  r = RunWith(29457, "", [&](D& d) {
    EXPECT_EQ(d.GetText(IDC_PA_NAME), "autostart");
    d.Type(IDC_PA_VALUE, "");  // checked and empty still gives the attribute
    Tick(d, IDC_PA_NAME_CHK, IDC_PA_NAME, "lost");
    d.Click(IDC_PA_TYPE_CHK);
    Pick("video/mpeg", "MIME");
    d.Click(IDC_PA_TYPE_LIST);
    Tick(d, IDC_PA_ID_CHK, IDC_PA_ID, "p");
    d.Ok();
  });
  EXPECT_EQ(r, "<PARAM ID=\"p\" VALUE=\"\" VALUETYPE=\"data\" TYPE=\"video/mpeg\">");
  EXPECT_EQ(Int("PARAM_457Flag"), 0x1D);
  EXPECT_EQ(Str("PARAM_457Name"), "autostart");
  EXPECT_EQ(Str("PARAM_457Value"), "");
}

}  // namespace tqtest
