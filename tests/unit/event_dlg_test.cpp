#include <string>

#include "dialogs/common/event_dlg.h"
#include "dialogs/common/text_rules.h"
#include "fixture.h"

namespace tqtest {

using namespace tq;

class EventDlg : public Headless {
 protected:
  // Opens the dialog as the basic attributes dialog does; the result, or
  // "<cancelled>".
  std::string Open(int id, plat::DialogScript s) {
    backend.Expect(std::move(s));
    CEventDlg dlg(nullptr);
    dlg.Init(id);
    return dlg.DoModal() == plat::IDOK ? dlg.m_strResult : "<cancelled>";
  }
};

TEST_F(EventDlg, AddedPairsComeOutOnePerLineAndAreRemembered) {
  std::string r = Open(29121, [&](D& d) {
    d.SelectText(IDC_EV_LIST, "onClick");
    d.Type(IDC_EV_SCRIPT, "a()");
    d.Click(IDC_EV_ADD);
    EXPECT_EQ(d.GetText(IDC_EV_EVENT), "onClick");  // both stay for the next pair
    EXPECT_EQ(d.GetText(IDC_EV_SCRIPT), "a()");
    d.Type(IDC_EV_SCRIPT, "b()");
    d.Select(IDC_EV_LIST, 0);
    d.Click(IDC_EV_ADD);
    d.Ok();
  });
  EXPECT_EQ(r, "onClick = \"a()\"\r\nonLoad = \"b()\"");
  EXPECT_TRUE(ValidHtml("<HTML><HEAD><TITLE>t</TITLE></HEAD><BODY " + NormalizeWhitespace(r) + "></BODY></HTML>",
                        Context::Document));
  EXPECT_EQ(backend.opened.back(), "Eventsの設定");
  EXPECT_EQ(Str("Evnt_121Evnts"), r);

  // Reopened for the same slot it shows them; another slot has its own.
  Open(29121, [&](D& d) {
    EXPECT_EQ(d.GetText(IDC_EV_PAIRS), r);
    d.Cancel();
  });
  Open(29127, [&](D& d) {
    EXPECT_EQ(d.GetText(IDC_EV_PAIRS), "");
    d.Cancel();
  });
}

TEST_F(EventDlg, MissingEventOrScriptIsRefusedWithoutLosingAnything) {
  std::string r = Open(29121, [&](D& d) {
    d.Type(IDC_EV_PAIRS, "onBlur = \"typed()\"");
    d.Click(IDC_EV_ADD);  // neither given: the event is named first
    d.Type(IDC_EV_EVENT, "onFocus");
    d.Click(IDC_EV_ADD);
    EXPECT_EQ(d.GetText(IDC_EV_PAIRS), "onBlur = \"typed()\"");
    EXPECT_EQ(d.GetText(IDC_EV_EVENT), "onFocus");
    d.Type(IDC_EV_SCRIPT, "f(\"x\")");
    d.Click(IDC_EV_ADD);
    d.Click(IDC_EV_ADD);  // the same event may come twice
    d.Ok();
  });
  ASSERT_EQ(backend.messages.size(), 2u);
  EXPECT_EQ(backend.messages[0].text + backend.messages[1].text, "イベントが指定されていません。スクリプトが指定されていません。");
  EXPECT_TRUE(backend.messages[0].caption.empty() && backend.messages[0].flags == plat::MB_OK_);
  EXPECT_EQ(r, "onBlur = \"typed()\"\r\nonFocus = \"f(\"x\")\"\r\nonFocus = \"f(\"x\")\"");
}

TEST_F(EventDlg, BrowseTitleNamesTheEventAndTheDirectoryIsKept) {
  backend.AnswerFile("C:\\js\\lib\\click.js");
  backend.AnswerFile(std::nullopt);
  std::string r = Open(29121, [&](D& d) {
    d.SelectText(IDC_EV_LIST, "onClick");
    d.Click(IDC_EV_BROWSE);
    EXPECT_EQ(d.GetText(IDC_EV_SCRIPT), "C:\\js\\lib\\click.js");
    d.Type(IDC_EV_EVENT, "");
    d.Click(IDC_EV_BROWSE);  // cancelled: the script stays
    EXPECT_EQ(d.GetText(IDC_EV_SCRIPT), "C:\\js\\lib\\click.js");
    d.Cancel();
  });
  EXPECT_EQ(r, "<cancelled>");
  EXPECT_EQ(FileTitles(), (std::vector<std::string>{"onClickで起動するスクリプト", "起動するスクリプト"}));
  EXPECT_EQ(backend.fileRequests[1].initialDir, "C:\\js\\lib");
  // Cancel keeps the directory the browse wrote, and writes nothing else.
  EXPECT_EQ(Str("Evnt_Path"), "C:\\js\\lib");
  EXPECT_EQ(profile->writes(), 1);
}

}  // namespace tqtest
