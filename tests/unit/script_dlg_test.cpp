#include <string>

#include "dialogs/common/value_list_dlg.h"
#include "dialogs/document/script_dlg.h"
#include "fixture.h"

namespace tqtest {

using namespace tq;
using D = plat::HeadlessDialog;

class ScriptDlg : public Headless {
 protected:
  std::string RunWith(const std::string& sel, plat::DialogScript s) {
    backend.Expect(std::move(s));
    return Run(29170, sel);
  }
};

TEST_F(ScriptDlg, FirstRunGivesAnEmptyTypeAndFlagOne) {
  bool enabled[4] = {};
  std::string r = RunWith("f();", [&](D& d) {
    enabled[0] = d.IsEnabled(IDC_SC_LANG);
    enabled[1] = d.IsEnabled(IDC_SC_CHARSET_LIST);
    enabled[2] = d.IsEnabled(IDC_SC_SRC_BROWSE);
    enabled[3] = d.IsEnabled(IDC_SC_TYPE_LIST);
    d.Ok();
  });
  EXPECT_EQ(r, "<SCRIPT TYPE=\"\">f();</SCRIPT>");
  EXPECT_EQ(backend.opened, std::vector<std::string>{"<SCRIPT>の設定"});
  EXPECT_FALSE(enabled[0] || enabled[1] || enabled[2]);
  EXPECT_TRUE(enabled[3]);  // TYPE is always there
  EXPECT_EQ(Int("SCRIPT_170Flag"), 1);
  EXPECT_EQ(Str("SCRIPT_170Type"), "");
}

TEST_F(ScriptDlg, TypeFromTheListAndDefer) {
  std::string r = RunWith("x", [&](D& d) {
    backend.Expect([](D& list) {
      EXPECT_EQ(list.GetTitle(), "SCRIPTのMIMEタイプ");
      EXPECT_EQ(list.ListItems(IDC_VL_LIST).size(), 3u);
      list.SelectText(IDC_VL_LIST, "text/javascript");
      list.Ok();
    });
    d.Click(IDC_SC_TYPE_LIST);
    d.Click(IDC_SC_DEFER_CHK);
    d.Ok();
  });
  EXPECT_EQ(r, "<SCRIPT TYPE=\"text/javascript\" DEFER>x</SCRIPT>");
  EXPECT_EQ(Int("SCRIPT_170Flag"), 0x11);
}

TEST_F(ScriptDlg, AllAttributesInTheirOrderAndRestoredOnReopening) {
  std::string r = RunWith("var a = 1;", [&](D& d) {
    d.Click(IDC_SC_DEFER_CHK);
    d.Click(IDC_SC_SRC_CHK);
    d.Type(IDC_SC_SRC, "a.js");
    d.Click(IDC_SC_CHARSET_CHK);
    backend.Expect([](D& list) {
      list.SelectText(IDC_VL_LIST, "shift-jis");
      list.Ok();
    });
    d.Click(IDC_SC_CHARSET_LIST);
    d.Click(IDC_SC_LANG_CHK);
    d.Type(IDC_SC_LANG, "JavaScript");
    d.Type(IDC_SC_TYPE, "text/javascript");
    d.Ok();
  });
  EXPECT_EQ(r, "<SCRIPT TYPE=\"text/javascript\" LANGUAGE=\"JavaScript\" CHARSET=\"shift-jis\" SRC=\"a.js\" "
               "DEFER>var a = 1;</SCRIPT>");
  EXPECT_EQ(Int("SCRIPT_170Flag"), 0x1F);
  EXPECT_TRUE(ValidHtml(r, Context::Head));

  RunWith("", [](D& d) {
    EXPECT_EQ(d.GetCheck(IDC_SC_LANG_CHK) + d.GetCheck(IDC_SC_CHARSET_CHK) + d.GetCheck(IDC_SC_SRC_CHK) +
                  d.GetCheck(IDC_SC_DEFER_CHK),
              4);
    EXPECT_EQ(d.GetText(IDC_SC_CHARSET), "shift-jis");
    EXPECT_TRUE(d.IsEnabled(IDC_SC_SRC_BROWSE));
    d.Cancel();
  });
}

TEST_F(ScriptDlg, UncheckedSourceIsNeitherEmittedNorStoredButItsDirectoryIs) {
  profile->WriteString("HTML", "SCRIPT_170Language", "old");
  backend.AnswerFile("C:\\site\\js\\menu.js");
  std::string r = RunWith("", [](D& d) {
    d.Click(IDC_SC_SRC_CHK);
    d.Click(IDC_SC_SRC_BROWSE);
    EXPECT_EQ(d.GetText(IDC_SC_SRC), "C:\\site\\js\\menu.js");
    d.Click(IDC_SC_SRC_CHK);
    EXPECT_FALSE(d.IsEnabled(IDC_SC_SRC));
    d.Ok();
  });
  EXPECT_EQ(r, "<SCRIPT TYPE=\"\"></SCRIPT>");
  EXPECT_EQ(backend.fileRequests.at(0).title, "スクリプトのソースURI(SRC)");
  EXPECT_EQ(Str("SCRIPT_170Src"), "<absent>");
  EXPECT_EQ(Str("SCRIPT_SrcPath"), "C:\\site\\js");
  EXPECT_EQ(Str("SCRIPT_170Language"), "old");  // an unchecked box keeps its stored text
}

TEST_F(ScriptDlg, CancelReturnsTheSelectionAndWritesNothing) {
  std::string r = RunWith("keep", [](D& d) {
    d.Click(IDC_SC_LANG_CHK);
    d.Type(IDC_SC_LANG, "x");
    d.Cancel();
  });
  EXPECT_EQ(r, "keep");
  EXPECT_EQ(profile->writes(), 0);
}

}  // namespace tqtest
