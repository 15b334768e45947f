#include <string>

#include "dialogs/form/form_dlg.h"
#include "fixture.h"

namespace tqtest {

using namespace tq;
using FormDlg = Headless;

constexpr int kForm = 29172;

// post comes back, and is dropped with METHOD.
TEST_F(FormDlg, PostIsRememberedAndGoesWithMethod) {
  RunWith(kForm, "", [](D& d) {
    ClickAll(d, {IDC_FM_METHOD_CHK, IDC_FM_POST});
    d.Ok();
  });
  std::string r = RunWith(kForm, "", [](D& d) {
    EXPECT_EQ(d.GetCheck(IDC_FM_POST), 1);
    d.Click(IDC_FM_METHOD_CHK);
    d.Ok();
  });
  EXPECT_EQ(r, "<FORM ACTION=\"\"></FORM>");
  EXPECT_EQ(Int("FORM_172Flag"), 0);
  RunWith(kForm, "", [](D& d) {
    EXPECT_EQ(d.GetCheck(IDC_FM_GET), 1);
    d.Click(IDC_FM_METHOD_CHK);
    d.Ok();
  });
  EXPECT_EQ(Int("FORM_172Flag"), 2);
}

TEST_F(FormDlg, CharsetsAreAppendedAndAnEmptyChoiceEmptiesTheField) {
  std::string r = RunWith(kForm, "", [&](D& d) {
    ClickAll(d, {IDC_FM_ENCTYPE_CHK, IDC_FM_CHARSET_CHK});
    Pick("iso-2022-jp", "文字コードセット");
    d.Click(IDC_FM_CHARSET_ADD);
    EXPECT_EQ(d.GetText(IDC_FM_CHARSET), "shift-jis, iso-2022-jp");
    d.Type(IDC_FM_CHARSET, "");
    Pick("euc-kr");
    d.Click(IDC_FM_CHARSET_ADD);
    backend.Expect([](D& list) { list.Ok(); });  // OK with nothing chosen
    d.Click(IDC_FM_ENCTYPE_LIST);
    d.Ok();
  });
  EXPECT_EQ(r, "<FORM ACTION=\"\" ENCTYPE=\"\" ACCEPT-CHARSET=\", euc-kr\"></FORM>");
}

}  // namespace tqtest
