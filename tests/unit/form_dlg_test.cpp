#include <string>

#include "dialogs/form/form_dlg.h"
#include "fixture.h"

namespace tqtest {

using namespace tq;
using FormDlg = Headless;

constexpr int kForm = 29172;

TEST_F(FormDlg, EveryAttributeInOrderThenMethodOff) {
  std::string r = RunWith(kForm, "<P>x</P>", [](D& d) {
    ClickAll(d, {IDC_FM_ATTR_CHK, IDC_FM_RESET_CHK, IDC_FM_SUBMIT_CHK, IDC_FM_TARGET_CHK, IDC_FM_CHARSET_CHK,
                 IDC_FM_ENCTYPE_CHK, IDC_FM_METHOD_CHK, IDC_FM_POST});
    Fill(d, {{IDC_FM_ACTION, "/cgi/a"}, {IDC_FM_ENCTYPE, "multipart/form-data"}, {IDC_FM_TARGET, "_self"},
             {IDC_FM_SUBMIT, "return ok()"}, {IDC_FM_RESET, "r()"}, {IDC_FM_ATTR, "ID=\"f\"\r\nCLASS=\"c\""}});
    d.Ok();
  });
  EXPECT_EQ(r, "<FORM ACTION=\"/cgi/a\" METHOD=\"post\" ENCTYPE=\"multipart/form-data\" ACCEPT-CHARSET=\"shift-jis\" "
               "TARGET=\"_self\" onSubmit=\"return ok()\" onReset=\"r()\" ID=\"f\" CLASS=\"c\"><P>x</P></FORM>");
  EXPECT_TRUE(ValidHtml(r));
  EXPECT_EQ(Int("FORM_172Flag"), 0x3F6);
  EXPECT_EQ(Str("FORM_172Attr"), "ID=\"f\"\r\nCLASS=\"c\"");

  // post comes back, and is dropped with METHOD; the texts stay stored.
  r = RunWith(kForm, "", [](D& d) {
    EXPECT_EQ(d.GetCheck(IDC_FM_POST), 1);
    ClickAll(d, {IDC_FM_ATTR_CHK, IDC_FM_RESET_CHK, IDC_FM_SUBMIT_CHK, IDC_FM_TARGET_CHK, IDC_FM_CHARSET_CHK,
                 IDC_FM_ENCTYPE_CHK, IDC_FM_METHOD_CHK});
    d.Ok();
  });
  EXPECT_EQ(r, "<FORM ACTION=\"/cgi/a\"></FORM>");
  EXPECT_EQ(Int("FORM_172Flag"), 0);
  EXPECT_EQ(Str("FORM_172OnReset"), "r()");
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
