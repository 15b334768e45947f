#include <string>

#include "dialogs/common/value_list_dlg.h"
#include "dialogs/form/form_dlg.h"
#include "dialogs/form/input_dlg.h"
#include "fixture.h"

namespace tqtest {

using namespace tq;
using D = plat::HeadlessDialog;

class FormDlg : public Headless {
 protected:
  std::string RunWith(const std::string& sel, plat::DialogScript s) {
    backend.Expect(std::move(s));
    return Run(29172, sel);
  }
  void ChooseNext(const std::string& title, const std::string& prefix) {
    backend.Expect([title, prefix](D& list) {
      EXPECT_EQ(list.GetTitle(), title);
      if (!prefix.empty()) list.SelectText(IDC_VL_LIST, prefix);
      list.Ok();
    });
  }
};

TEST_F(FormDlg, FirstUseThenEveryAttributeInOrderThenMethodOff) {
  std::string r = RunWith("", [](D& d) {
    EXPECT_EQ(d.GetText(IDC_FM_ENCTYPE), "application/x-www-form-urlencoded");
    EXPECT_EQ(d.GetText(IDC_FM_CHARSET), "shift-jis");
    EXPECT_EQ(d.GetCheck(IDC_FM_GET), 1);
    EXPECT_FALSE(d.IsEnabled(IDC_FM_POST) || d.IsEnabled(IDC_FM_CHARSET_ADD) || d.IsEnabled(IDC_FM_ATTR_EDIT));
    EXPECT_TRUE(d.IsEnabled(IDC_FM_ACTION_BROWSE));
    d.Ok();
  });
  EXPECT_EQ(r, "<FORM ACTION=\"\"></FORM>");
  EXPECT_EQ(backend.opened[0], "<FORM>の設定");
  EXPECT_EQ(Str("FORM_172Action"), "");
  EXPECT_EQ(Int("FORM_172Flag"), 0);

  r = RunWith("x", [](D& d) {
    for (int c : {IDC_FM_ATTR_CHK, IDC_FM_RESET_CHK, IDC_FM_SUBMIT_CHK, IDC_FM_TARGET_CHK, IDC_FM_CHARSET_CHK,
                  IDC_FM_ENCTYPE_CHK, IDC_FM_METHOD_CHK, IDC_FM_POST})
      d.Click(c);
    d.Type(IDC_FM_ACTION, "/cgi/a");
    d.Type(IDC_FM_ENCTYPE, "multipart/form-data");
    d.Type(IDC_FM_TARGET, "_self");
    d.Type(IDC_FM_SUBMIT, "return ok()");
    d.Type(IDC_FM_RESET, "r()");
    d.Type(IDC_FM_ATTR, "ID=\"f\"\r\nCLASS=\"c\"");
    d.Ok();
  });
  EXPECT_EQ(r, "<FORM ACTION=\"/cgi/a\" METHOD=\"post\" ENCTYPE=\"multipart/form-data\" ACCEPT-CHARSET=\"shift-jis\" "
               "TARGET=\"_self\" onSubmit=\"return ok()\" onReset=\"r()\" ID=\"f\" CLASS=\"c\">x</FORM>");
  EXPECT_EQ(Int("FORM_172Flag"), 0x3F6);
  EXPECT_EQ(Str("FORM_172Attr"), "ID=\"f\"\r\nCLASS=\"c\"");

  // post comes back, and is dropped with METHOD; the texts stay stored.
  r = RunWith("", [](D& d) {
    EXPECT_EQ(d.GetCheck(IDC_FM_POST), 1);
    for (int c : {IDC_FM_ATTR_CHK, IDC_FM_RESET_CHK, IDC_FM_SUBMIT_CHK, IDC_FM_TARGET_CHK, IDC_FM_CHARSET_CHK,
                  IDC_FM_ENCTYPE_CHK, IDC_FM_METHOD_CHK})
      d.Click(c);
    d.Ok();
  });
  EXPECT_EQ(r, "<FORM ACTION=\"/cgi/a\"></FORM>");
  EXPECT_EQ(Int("FORM_172Flag"), 0);
  EXPECT_EQ(Str("FORM_172OnReset"), "r()");
  RunWith("", [](D& d) {
    EXPECT_EQ(d.GetCheck(IDC_FM_GET), 1);
    d.Click(IDC_FM_METHOD_CHK);
    d.Ok();
  });
  EXPECT_EQ(Int("FORM_172Flag"), 2);
}

TEST_F(FormDlg, ChoosersAppendButtonAndBrowsers) {
  backend.AnswerFile("C:\\cgi\\bin\\post.cgi");
  backend.AnswerFile(std::nullopt);
  const bool basicOpens = plat::FindTemplate(2000) != nullptr;
  std::string r = RunWith("", [&](D& d) {
    for (int c : {IDC_FM_ENCTYPE_CHK, IDC_FM_CHARSET_CHK, IDC_FM_SUBMIT_CHK, IDC_FM_ATTR_CHK}) d.Click(c);
    ChooseNext("文字コードセット", "iso-2022-jp");
    d.Click(IDC_FM_CHARSET_ADD);
    EXPECT_EQ(d.GetText(IDC_FM_CHARSET), "shift-jis, iso-2022-jp");
    d.Type(IDC_FM_CHARSET, "");
    ChooseNext("文字コードセット", "euc-kr");
    d.Click(IDC_FM_CHARSET_ADD);
    ChooseNext("MIME", "");  // OK with nothing chosen
    d.Click(IDC_FM_ENCTYPE_LIST);
    EXPECT_EQ(d.GetText(IDC_FM_ENCTYPE), "");
    ChooseNext("MIME", "text/plain");
    d.Click(IDC_FM_ENCTYPE_LIST);
    d.Type(IDC_FM_SUBMIT, "kept");
    d.Click(IDC_FM_ACTION_BROWSE);
    d.Click(IDC_FM_SUBMIT_BROWSE);  // cancelled
    if (basicOpens) backend.Expect([](D& b) { b.Cancel(); });
    d.Type(IDC_FM_ATTR, "CLASS=\"k\"");
    d.Click(IDC_FM_ATTR_EDIT);
    d.Ok();
  });
  EXPECT_EQ(r, "<FORM ACTION=\"C:\\cgi\\bin\\post.cgi\" ENCTYPE=\"text/plain\" ACCEPT-CHARSET=\", euc-kr\" "
               "onSubmit=\"kept\" CLASS=\"k\"></FORM>");
  EXPECT_EQ(Str("FORM_ActionPath"), "C:\\cgi\\bin");
  ASSERT_EQ(backend.fileRequests.size(), 2u);
  EXPECT_EQ(backend.fileRequests[0].title, "フォームを処理するURI(ACTION)");
  EXPECT_EQ(backend.fileRequests[1].title, "OK時に実行するスクリプト(onSubmit)");
}

TEST_F(FormDlg, CancelKeepsTheSelectionButTheBrowsedDirectory) {
  backend.AnswerFile("D:\\f\\a.cgi");
  EXPECT_EQ(RunWith("keep", [](D& d) {
              d.Click(IDC_FM_METHOD_CHK);
              d.Click(IDC_FM_ACTION_BROWSE);
              d.Cancel();
            }),
            "keep");
  EXPECT_EQ(profile->writes(), 1);
  EXPECT_EQ(Str("FORM_ActionPath"), "D:\\f");
}

TEST_F(FormDlg, FormAroundAControlIsValidHtml) {
  backend.Expect([](D& d) {
    d.Type(IDC_IN_NAME, "q");
    d.Ok();
  });
  std::string input = Run(29466, "");
  std::string form = RunWith("<P>" + input + "</P>", [](D& d) {
    d.Type(IDC_FM_ACTION, "find.cgi");
    for (int c : {IDC_FM_METHOD_CHK, IDC_FM_POST, IDC_FM_ENCTYPE_CHK, IDC_FM_CHARSET_CHK, IDC_FM_SUBMIT_CHK})
      d.Click(c);
    d.Type(IDC_FM_SUBMIT, "return check(this)");
    d.Ok();
  });
  EXPECT_TRUE(ValidHtml(form));
}

}  // namespace tqtest
