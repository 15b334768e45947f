#include <string>

#include "res/string_table.h"
#include "fixture.h"

namespace tqtest {

using Dispatch = Headless;

TEST_F(Dispatch, WrapsContainsAndEmptyElements) {
  EXPECT_EQ(Run(29021, "abc"), "<H1>abc</H1>");
  EXPECT_EQ(Run(29021, ""), "<H1></H1>");
  EXPECT_EQ(Run(29040, "x"), "<UL>\r\nx\r\n</UL>");
  EXPECT_EQ(Run(29050, "x"), "<TABLE BORDER>\r\nx\r\n</TABLE>");
  EXPECT_EQ(Run(29065, "x"), "<FRAMESET>\r\nx\r\n</FRAMESET>");
  EXPECT_EQ(Run(29315, "x"), "<BR>x");
  EXPECT_EQ(Run(29366, "x"), "<INPUT>x");
  EXPECT_EQ(Run(29328, "x"), "<BDO>x</BDO>");  // the caption says BD0, the element is BDO
  EXPECT_EQ(Run(29372, "x"), "<BUTTON>x</BUTTON>");
}

TEST_F(Dispatch, SpecialSimpleCommands) {
  EXPECT_EQ(Run(29345, "a.htm"), "<A HREF=\"a.htm\">a.htm</A>");
  EXPECT_EQ(Run(29355, "p.gif"), "<IMG SRC=\"p.gif\" ALT=\"\">");
  EXPECT_EQ(Run(29398, "x"), "/* x */");
  EXPECT_EQ(Run(29399, "x"), "<!-- x -->");
  EXPECT_EQ(Run(29014, "P{}"),
            "\r\n<STYLE TYPE=\"text/css\">\r\n<!-- \r\n\t /* ここにスタイル文内の要素定義を書いてください */\r\n"
            "P{}\r\n -->\r\n</STYLE>\r\n");
}

TEST_F(Dispatch, CommandsWithoutActionGiveTheSelectionBack) {
  for (int id : {29001, 29002, 29005, 29006, 29007, 29053, 29057, 29473, 29000, -1, 0,
                 2147483647, -2147483647 - 1, 29999, 29472 + 1000})
    EXPECT_EQ(Run(id, "sel\x82\x5C"), "sel\x82\x5C") << id;
}

TEST_F(Dispatch, DetailDialogsCancelledAfterEditingWriteNothing) {
  for (int id : tq::AllTagIds()) {
    if (!tq::IsDetailCommand(id)) continue;
    int touched = 0;
    EXPECT_EQ(RunWith(id, "keep\x82\x5C",
                      [&touched](D& d) {
                        for (int c : d.ControlIds()) {
                          const plat::Ctl kind = d.KindOf(c);
                          if (kind == plat::Ctl::Check || kind == plat::Ctl::Radio) d.Click(c);
                          if (kind == plat::Ctl::Edit || kind == plat::Ctl::EditMulti ||
                              kind == plat::Ctl::EditNumber)
                            d.Type(c, "9");
                          touched += d.IsEnabled(c) && kind != plat::Ctl::Static;
                        }
                        d.Cancel();
                      }),
              "keep\x82\x5C")
        << id;
    EXPECT_GT(touched, 2) << id;
  }
  EXPECT_EQ(profile->writes(), 0);
  EXPECT_EQ(backend.pendingScripts(), 0u);
}

TEST_F(Dispatch, NullSelectionIsEmpty) {
  EXPECT_STREQ(tq::GetHtmlTagString(nullptr, 29021, nullptr), "<H1></H1>");
  EXPECT_STREQ(tq::GetHtmlTagString(nullptr, 29001, nullptr), "");
}

TEST_F(Dispatch, EachCallOverwritesTheBuffer) {
  const char* first = tq::GetHtmlTagString(nullptr, 29021, "a");
  std::string kept = first;
  const char* second = tq::GetHtmlTagString(nullptr, 29022, "b");
  EXPECT_EQ(kept, "<H1>a</H1>");
  EXPECT_STREQ(second, "<H2>b</H2>");
}

TEST_F(Dispatch, ExportsKeepTheHostsValues) {
  EXPECT_EQ(tq::GetHtmlVer(), 10141);
  int host;
  tq::SetAppInfo(3, &host, 0x40);
  EXPECT_EQ(HtmlApp().m_nAppNumber, 3);
  EXPECT_EQ(HtmlApp().m_hHostWnd, &host);
  EXPECT_EQ(HtmlApp().m_nToolBoxFlags, 0x40);
  tq::SetStringToTagquill("\tCtrl+1");
  EXPECT_EQ(HtmlApp().m_strHandedIn, "\tCtrl+1");
  tq::SetStringToTagquill(nullptr);
  EXPECT_EQ(HtmlApp().m_strHandedIn, "");
  EXPECT_EQ(tq::GetHtmlVer(), 10141);
  EXPECT_EQ(plat::ModuleStateGuard::depth(), 0);  // every export restored the state
}

TEST_F(Dispatch, ToolBoxCallsWithoutToolBoxDoNothing) {
  tq::MainGetFocus();
  tq::OnChangeToolBoxSetting(nullptr);
  EXPECT_EQ(HtmlApp().m_toolBox.sheet, nullptr);
  EXPECT_TRUE(backend.posted.empty());
  EXPECT_TRUE(backend.opened.empty());
}

TEST(StringTable, EveryIdHasCaptionLineFeedAndTooltip) {
  plat::SetTextEncoding(plat::Encoding::Utf8);
  EXPECT_EQ(tq::AllTagIds().size(), 168u);
  EXPECT_EQ(tq::LoadTagString(29002), nullptr);
  EXPECT_STREQ(tq::LoadTagString(29121), "見出し<H&1> (詳細)\n見出し<H1> (詳細)");
  EXPECT_EQ(tq::TagTooltip(29001), "ツールボックス表示");
  EXPECT_EQ(tq::TagTooltip(29115), "スタイル文内の要素定義");
  EXPECT_EQ(tq::TagTooltip(29398), "CSS内コメントアウト");
  EXPECT_EQ(tq::TagTooltip(29005), "新規HTML(Transitionalタイプ)");
  EXPECT_EQ(tq::TagTooltip(29050), "表組み罫線つき<TALBE BORDER>");
  int details = 0;
  for (int id : tq::AllTagIds()) {
    EXPECT_EQ(tq::TagTooltip(id).find('&'), std::string::npos) << id;
    details += tq::IsDetailCommand(id);
  }
  EXPECT_EQ(details, 81);  // the (詳細) commands and 29115
}

TEST(StringTable, Cp932TextsOnRequest) {
  plat::SetTextEncoding(plat::Encoding::Cp932);
  std::string cap = tq::TagCaption(29021);
  plat::SetTextEncoding(plat::Encoding::Utf8);
  EXPECT_EQ(cap, "\x8C\xA9\x8F\x6F\x82\xB5<H1>");  // 見出し in Shift-JIS
}

}  // namespace tqtest
