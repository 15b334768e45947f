#include <string>

#include "dialogs/document/script_dlg.h"
#include "fixture.h"

namespace tqtest {

using namespace tq;
using ScriptDlg = Headless;

TEST_F(ScriptDlg, AllAttributesInTheirOrderAreValidInTheHead) {
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
}

}  // namespace tqtest
