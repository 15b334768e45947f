#include <string>

#include "dialogs/common/value_list_dlg.h"
#include "dialogs/form/param_dlg.h"
#include "fixture.h"

namespace tqtest {

using namespace tq;
using D = plat::HeadlessDialog;

class ParamDlg : public Headless {
 protected:
  std::string RunWith(const std::string& sel, plat::DialogScript s) {
    backend.Expect(std::move(s));
    return Run(29457, sel);
  }
};

TEST_F(ParamDlg, FirstUseIsABareStartTag) {
  bool anyEnabled = false;
  std::string r = RunWith("abc", [&](D& d) {
    for (int c : {IDC_PA_ID, IDC_PA_NAME, IDC_PA_VALUE, IDC_PA_VTYPE_LIST, IDC_PA_TYPE_LIST})
      anyEnabled = anyEnabled || d.IsEnabled(c);
    d.Ok();
  });
  EXPECT_EQ(r, "<PARAM>abc");
  EXPECT_FALSE(anyEnabled);
  EXPECT_EQ(backend.opened, std::vector<std::string>{"パラメタ<PARAM>の設定"});
  EXPECT_EQ(Int("PARAM_457Flag"), 0);
}

TEST_F(ParamDlg, ValuesFromTheListsRememberedForTheNextParam) {
  std::string r = RunWith("x", [&](D& d) {
    d.Click(IDC_PA_VTYPE_CHK);
    d.Click(IDC_PA_VALUE_CHK);
    d.Type(IDC_PA_VALUE, "true");
    d.Click(IDC_PA_NAME_CHK);
    d.Type(IDC_PA_NAME, "autostart");
    backend.Expect([](D& list) {
      EXPECT_EQ(list.GetTitle(), "VALUETYPE");
      EXPECT_EQ(list.ListItems(IDC_VL_LIST), (std::vector<std::string>{"data", "ref", "object"}));
      list.SelectText(IDC_VL_LIST, "data");
      list.Ok();
    });
    d.Click(IDC_PA_VTYPE_LIST);
    d.Ok();
  });
  EXPECT_EQ(r, "<PARAM NAME=\"autostart\" VALUE=\"true\" VALUETYPE=\"data\">x");
  EXPECT_EQ(Int("PARAM_457Flag"), 0xE);
  EXPECT_EQ(Str("PARAM_457VType"), "data");

  r = RunWith("", [&](D& d) {
    EXPECT_EQ(d.GetText(IDC_PA_NAME), "autostart");
    d.Type(IDC_PA_VALUE, "");  // checked and empty still gives the attribute
    d.Click(IDC_PA_NAME_CHK);
    d.Type(IDC_PA_NAME, "lost");
    d.Click(IDC_PA_TYPE_CHK);
    backend.Expect([](D& list) {
      EXPECT_EQ(list.GetTitle(), "MIME");
      list.SelectText(IDC_VL_LIST, "video/mpeg");
      list.Ok();
    });
    d.Click(IDC_PA_TYPE_LIST);
    backend.Expect([](D& list) { list.Cancel(); });
    d.Click(IDC_PA_VTYPE_LIST);  // a cancelled list changes nothing
    d.Click(IDC_PA_ID_CHK);
    d.Type(IDC_PA_ID, "p");
    d.Ok();
  });
  EXPECT_EQ(r, "<PARAM ID=\"p\" VALUE=\"\" VALUETYPE=\"data\" TYPE=\"video/mpeg\">");
  EXPECT_EQ(Int("PARAM_457Flag"), 0x1D);
  EXPECT_EQ(Str("PARAM_457Name"), "autostart");
  EXPECT_EQ(Str("PARAM_457Value"), "");
}

TEST_F(ParamDlg, CancelReturnsTheSelectionAndWritesNothing) {
  std::string r = RunWith("keep", [](D& d) {
    d.Click(IDC_PA_ID_CHK);
    d.Type(IDC_PA_ID, "i");
    d.Cancel();
  });
  EXPECT_EQ(r, "keep");
  EXPECT_EQ(profile->writes(), 0);
}

}  // namespace tqtest
