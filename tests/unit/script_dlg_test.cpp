#include <string>

#include "dialogs/document/script_dlg.h"
#include "fixture.h"

namespace tqtest {

using namespace tq;
using ScriptDlg = Headless;

TEST_F(ScriptDlg, AllAttributesInTheirOrderAndRestoredOnReopening) {
  std::string r = RunWith(29170, "var a = 1;", [&](D& d) {
    ClickAll(d, {IDC_SC_DEFER_CHK, IDC_SC_CHARSET_CHK});
    Tick(d, IDC_SC_SRC_CHK, IDC_SC_SRC, "a.js");
    Pick("shift-jis");
    d.Click(IDC_SC_CHARSET_LIST);
    Tick(d, IDC_SC_LANG_CHK, IDC_SC_LANG, "JavaScript");
    Pick("text/javascript", "SCRIPTのMIMEタイプ");
    d.Click(IDC_SC_TYPE_LIST);
    d.Ok();
  });
  EXPECT_EQ(r, "<SCRIPT TYPE=\"text/javascript\" LANGUAGE=\"JavaScript\" CHARSET=\"shift-jis\" SRC=\"a.js\" "
               "DEFER>var a = 1;</SCRIPT>");
  EXPECT_EQ(Int("SCRIPT_170Flag"), 0x1F);
  EXPECT_TRUE(ValidHtml(r, Context::Head));

  RunWith(29170, "", [](D& d) {
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
  std::string r = RunWith(29170, "", [](D& d) {
    ClickAll(d, {IDC_SC_SRC_CHK, IDC_SC_SRC_BROWSE});
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

}  // namespace tqtest
