// The toolbox and its customization sheet on the headless model: labels,
// sizes, stored lists, placement, keyboard, and what the customization
// writes and tells the host.
#include <string>
#include <vector>

#include "fixture.h"
#include "toolbox/tb_set_page.h"
#include "toolbox/toolbox.h"
#include "toolbox/toolbox_hooks.h"

namespace tqtest {

using namespace tq;
using B = plat::HeadlessDialog::MadeButton;

TEST(ToolBoxRules, LabelsFromTagNamesAndTheTable) {
  plat::SetTextEncoding(plat::Encoding::Utf8);
  const LabelKind list = LabelKind::DefaultList, stored = LabelKind::Stored;
  const struct {
    int id;
    LabelKind kind;
    const char* label;
  } cases[] = {{29021, list, "H1"},           {29121, list, "H1 -"},       {29121, stored, "H1*"},
               {29050, stored, "TALBE BORDER"}, {29428, stored, "BD0*"},     {29005, stored, "NEW(Trans.)"},
               {29115, stored, "CSS"},  // no name, so no mark
               {29399, list, "COMMENT"},      {29001, stored, ""},         {0, stored, ""}};
  for (const auto& c : cases) EXPECT_EQ(ToolBoxLabel(c.id, c.kind), c.label) << c.id;
  EXPECT_TRUE(IsToolBoxDetailId(29100) && IsToolBoxDetailId(29199) && IsToolBoxDetailId(29499));
  EXPECT_FALSE(IsToolBoxDetailId(29099) || IsToolBoxDetailId(29200) || IsToolBoxDetailId(29399) ||
               IsToolBoxDetailId(29500));
}

TEST(ToolBoxRules, SizesFromTheBaseUnits) {
  // 11 at 20: the single-precision factor is just under 0.01.
  EXPECT_EQ((std::vector<int>{ToolBoxFontHeight(16), ToolBoxFontHeight(20), ToolBoxFontHeight(13)}),
            (std::vector<int>{9, 11, 7}));
  EXPECT_EQ((std::vector<int>{ToolBoxButtonWidth(8), ToolBoxButtonWidth(7), ToolBoxButtonHeight(16)}),
            (std::vector<int>{60, 52, 14}));
  EXPECT_EQ(ToolBoxFont(16, true).face, "MS ゴシック");
}

TEST(ToolBoxRules, StoredCommandValues) {
  EXPECT_EQ(ParseCommandValue("29121,29005"), (std::vector<int>{29121, 29005}));
  EXPECT_EQ(ParseCommandValue(",,29021,,abc,12x,"), (std::vector<int>{29021, 0, 12}));
  EXPECT_EQ(ParseCommandValue(""), (std::vector<int>{}));
  EXPECT_EQ(ParseCommandValue(" 7,-3,99999999999"), (std::vector<int>{7, -3, 2147483647}));
  EXPECT_EQ(FormatCommandValue({29021, 29121, 0}), "29021,29121,0");
  EXPECT_EQ(FormatCommandValue({}), "");
  EXPECT_EQ(ToolBoxName(kTitleValue, 3, 2), "ToolBox_3Title2");
  EXPECT_EQ(ToolBoxName(kLeftValue, 1), "TBox_1Left");
}

TEST(ToolBoxRules, PlacementFlags) {
  plat::Rect desk{0, 0, 1024, 768};
  auto p = PlaceToolBox(0, 100, desk, 5, 6);
  EXPECT_TRUE(p.x == 924 && p.y == 0 && !p.topmost);
  p = PlaceToolBox(0x20 | 0x40, 100, desk, 5, 6);  // the origin wins
  EXPECT_TRUE(p.x == 0 && p.y == 0);
  p = PlaceToolBox(0x40 | 0x10, 100, desk, 5, 6);
  EXPECT_TRUE(p.x == 5 && p.y == 6 && p.topmost);
}

class ToolBox : public Headless {
 protected:
  void TearDown() override {
    CloseToolBox(HtmlApp().m_toolBox);
    HtmlApp().ForgetToolBox();
    Headless::TearDown();
  }
  plat::HeadlessSheet& Open(plat::WindowHandle target = &target1) {
    tq::OnToolBox(target);
    EXPECT_NE(HtmlApp().m_toolBox.sheet, nullptr);
    plat::HeadlessSheet* s = backend.LastSheet();
    EXPECT_NE(s, nullptr);
    return *s;
  }
  static std::vector<std::string> Labels(const plat::HeadlessDialog& page) {
    std::vector<std::string> out;
    for (const B& b : page.LiveButtons()) out.push_back(b.text);
    return out;
  }
  bool Italic(const B& b) { return backend.fonts.at(reinterpret_cast<uintptr_t>(b.font) - 1).italic; }
  static inline int target1 = 0, target2 = 0, host = 0;
};

TEST_F(ToolBox, DefaultPagesTitlesAndFonts) {
  plat::HeadlessSheet& s = Open();
  EXPECT_EQ(s.caption(), "FOR HTML");
  EXPECT_FALSE(s.modal());
  EXPECT_EQ(s.TabTitles(), (std::vector<std::string>{"単純", "詳細"}));
  ASSERT_TRUE(s.PageMade(0) && s.PageMade(1));
  EXPECT_EQ(s.ActiveIndex(), 0);
  std::vector<B> p1 = s.Page(0).LiveButtons(), p2 = s.Page(1).LiveButtons();
  ASSERT_EQ(p1.size(), 27u);
  ASSERT_EQ(p2.size(), 27u);
  EXPECT_EQ(p1[0].text + p1[26].text + p2[0].text + p2[26].text, "H1TDH1 -TD -");
  EXPECT_EQ(p2[0].id, 29121);
  for (const B& b : p2) EXPECT_TRUE(Italic(b)) << b.text;
  for (const B& b : p1) EXPECT_FALSE(Italic(b)) << b.text;
  // Base units 8 x 16: buttons 60 x 14 in a column from the page's top.
  EXPECT_EQ(p1[0].rect, (plat::Rect{0, 0, 60, 14}));
  EXPECT_EQ(p1[26].rect, (plat::Rect{0, 364, 60, 378}));
  // Each page makes its own pair: 9 points high, MS Gothic, Shift-JIS.
  ASSERT_EQ(backend.fonts.size(), 4u);
  for (const plat::FontDesc& f : backend.fonts) {
    EXPECT_EQ(f.height, 9);
    EXPECT_EQ(f.charset, 128);
  }
  EXPECT_EQ(s.Page(0).focusedButton(), -1);  // no initial focus
}

TEST_F(ToolBox, StoredListsTitlesAndAppNumber) {
  tq::SetAppInfo(2, nullptr, 0);
  profile->WriteString("HTML", "ToolBox_2Cmd1", "29121,29005");
  profile->WriteString("HTML", "ToolBox_2Title2", "mine");
  profile->WriteString("HTML", "ToolBox_1Cmd2", "29021");  // another app's
  plat::HeadlessSheet& s = Open();
  std::vector<B> p1 = s.Page(0).LiveButtons();
  ASSERT_EQ(p1.size(), 2u);
  EXPECT_EQ(p1[0].text + p1[1].text, "H1*NEW(Trans.)");
  EXPECT_TRUE(Italic(p1[0]) && !Italic(p1[1]));
  EXPECT_EQ(s.TabTitles(), (std::vector<std::string>{"単純", "mine"}));
  EXPECT_EQ(s.Page(1).LiveButtons().size(), 27u);
}

TEST_F(ToolBox, ButtonsPostTheirCommandOnlyForCommandIds) {
  profile->WriteString("HTML", "ToolBox_1Cmd1", "abc,29021,29355");
  plat::HeadlessSheet& s = Open(&target2);
  std::vector<B> p1 = s.Page(0).LiveButtons();
  ASSERT_EQ(p1.size(), 3u);
  EXPECT_TRUE(p1[0].id == 0 && p1[0].text.empty());
  s.Page(0).ClickButton(0);
  EXPECT_TRUE(backend.posted.empty());
  s.Page(0).ClickButton(1);
  ASSERT_EQ(backend.posted.size(), 1u);
  const plat::PostedMessage& m = backend.posted[0];
  EXPECT_TRUE(m.window == &target2 && m.msg == 273u && m.wp == 29021u && m.lp == 0);
}

TEST_F(ToolBox, PagesFitTheLongerListThenOneRowLessAfterATabChange) {
  profile->WriteString("HTML", "ToolBox_1Cmd2", "29121,29123,29124");
  plat::HeadlessSheet& s = Open();
  EXPECT_EQ(HtmlApp().m_toolBox.sheet->m_nMax, 27);
  plat::Rect r0 = s.PageRectOf(0);
  EXPECT_EQ(r0, (plat::Rect{r0.left, r0.top, r0.left + 60, r0.top + 14 * 28}));
  EXPECT_EQ(s.PageRectOf(1), r0);
  plat::Rect w = s.WindowRect(), tab = s.TabRect();
  // The page began at 40 x 151 dialog units (80 x 302 pixels); the window
  // and the tab control changed as much as the page did.
  int dx = 60 - 80, dy = 14 * 28 - 302;
  EXPECT_TRUE(w.width() == 80 + 28 + dx && w.height() == 302 + 64 + dy);
  EXPECT_TRUE(tab.width() == 80 + 8 + dx && tab.height() == 302 + 28 + dy);

  s.ClickTab(1);
  EXPECT_EQ(s.PageRectOf(1).height(), 14 * 27);
  EXPECT_EQ(s.WindowRect().height(), w.height() - 14);
  EXPECT_EQ(s.TabRect().height(), tab.height() - 14);
  EXPECT_EQ(s.WindowRect().width(), w.width());
  s.ClickTab(0);
  EXPECT_EQ(s.PageRectOf(0).height(), 14 * 27);
  EXPECT_EQ(s.WindowRect().height(), w.height() - 14);  // already fitted: no change
}

TEST_F(ToolBox, EmptyPageStillHasFontsAndNoButtons) {
  profile->WriteString("HTML", "ToolBox_1Cmd1", ",,,");
  profile->WriteString("HTML", "ToolBox_1Cmd2", ",");
  plat::HeadlessSheet& s = Open();
  EXPECT_TRUE(s.Page(0).LiveButtons().empty());
  EXPECT_TRUE(s.Page(1).LiveButtons().empty());
  EXPECT_EQ(backend.fonts.size(), 4u);
  EXPECT_EQ(s.PageRectOf(0).height(), 14);  // max 0: one row
}

TEST_F(ToolBox, PlacedByFlagsAndRestoredAfterClosing) {
  backend.desktop = plat::Rect{0, 0, 800, 600};
  plat::HeadlessSheet* s = &Open();
  EXPECT_TRUE(s->WindowRect().left == 800 - s->WindowRect().width() && s->WindowRect().top == 0);
  EXPECT_FALSE(s->topmost());
  s->Move(123, 45);
  s->ClickTab(1);
  s->Close();
  EXPECT_FALSE(s->open());
  EXPECT_EQ(HtmlApp().m_toolBox.sheet, nullptr);
  EXPECT_TRUE(Int("TBox_1Left") == 123 && Int("TBox_1Top") == 45 && Int("TBox_1Page") == 1);

  tq::SetAppInfo(1, nullptr, 0x40 | 0x10);
  s = &Open();
  EXPECT_TRUE(s->WindowRect().left == 123 && s->WindowRect().top == 45);
  EXPECT_EQ(s->ActiveIndex(), 1);
  EXPECT_TRUE(s->topmost());
}

TEST_F(ToolBox, TabMovesAlongTheButtonsThenToTheOtherPage) {
  profile->WriteString("HTML", "ToolBox_1Cmd1", "29021,29021,29027");
  plat::HeadlessSheet& s = Open();
  plat::HeadlessDialog& p1 = s.Page(0);
  p1.KeyDown(0, 9);
  EXPECT_EQ(p1.focusedButton(), 1);  // the same id twice: by button, not by id
  p1.KeyDown(1, 9);
  EXPECT_EQ(p1.focusedButton(), 2);
  p1.KeyDown(2, 0x41);  // not Tab
  EXPECT_EQ(s.ActiveIndex(), 0);
  p1.KeyDown(2, 9);
  EXPECT_EQ(s.ActiveIndex(), 1);
  s.Page(1).KeyDown(26, 9);
  EXPECT_EQ(s.ActiveIndex(), 0);
}

TEST_F(ToolBox, ExportsBringForwardAndRebuild) {
  plat::HeadlessSheet& first = Open(&target1);
  plat::WindowHandle h = first.handle();
  tq::OnToolBox(&target2);  // already open: only to the front
  tq::MainGetFocus();
  EXPECT_EQ(backend.foreground, (std::vector<plat::WindowHandle>{h, h}));
  EXPECT_EQ(backend.sheets.size(), 1u);

  profile->WriteString("HTML", "ToolBox_1Cmd1", "29304");
  tq::OnChangeToolBoxSetting(&target2);
  EXPECT_FALSE(first.open());
  ASSERT_EQ(backend.sheets.size(), 2u);
  plat::HeadlessSheet& second = *backend.LastSheet();
  EXPECT_TRUE(second.open());
  EXPECT_EQ(Int("TBox_1Left"), first.WindowRect().left);  // the old one saved its place
  ASSERT_EQ(second.Page(0).LiveButtons().size(), 1u);
  second.Page(0).ClickButton(0);
  ASSERT_EQ(backend.posted.size(), 1u);
  EXPECT_TRUE(backend.posted[0].window == &target2 && backend.posted[0].wp == 29304u);

  // The application's exit closes it.
  HtmlApp().ExitInstance();
  EXPECT_FALSE(second.open());
  EXPECT_EQ(HtmlApp().m_toolBox.sheet, nullptr);
  EXPECT_EQ(backend.fontsAlive, 0);
}

// ---------------------------------------------------------------------------

class ToolBoxCustomize : public ToolBox {
 protected:
  void SetUp() override {
    ToolBox::SetUp();
    tq::SetAppInfo(1, &host, 0);
  }
  // Runs 29002 with the script; the selection comes back.
  void Customize(plat::SheetScript s) {
    backend.ExpectSheet(std::move(s));
    EXPECT_EQ(Run(29002, "sel"), "sel");
  }
  // "caption: text" of every message box, one a line.
  std::string Messages() const {
    std::string all;
    for (const auto& m : backend.messages) all += m.caption + ": " + m.text + "\n";
    return all;
  }
  bool PostedChange() const {
    for (const auto& p : backend.posted)
      if (p.window == &host && p.msg == 273 && p.wp == 11802 && p.lp == 0) return true;
    return false;
  }
};

TEST_F(ToolBoxCustomize, OkWithoutChangesWritesAndPostsNothing) {
  std::vector<std::string> all, shown;
  std::string title;
  Customize([&](plat::HeadlessSheet& s) {
    EXPECT_EQ(s.caption(), "HTMLツールボックスのカスタマイズ");
    EXPECT_EQ(s.TabTitles(), (std::vector<std::string>{"Page　A", "Page　B"}));
    all = s.Page(0).ListItems(IDC_TBS_ALL);
    shown = s.Page(0).ListItems(IDC_TBS_LIST);
    title = s.Page(0).GetText(IDC_TBS_TITLE);
    s.ClickTab(1);
    EXPECT_EQ(s.Page(1).GetText(IDC_TBS_TITLE), "詳細");
    s.Ok();
  });
  EXPECT_EQ(title, "単純");
  ASSERT_EQ(all.size(), 167u);  // every text but the toolbox command's
  auto h1 = std::find(all.begin(), all.end(), "見出し<H1>");
  ASSERT_NE(h1, all.end());
  EXPECT_EQ(*(h1 + 1), "見出し<H1> (詳細)");
  EXPECT_EQ(shown.size(), 27u);
  EXPECT_EQ(profile->writes(), 0);
  EXPECT_TRUE(backend.posted.empty());
}

TEST_F(ToolBoxCustomize, AddDeleteAndTheirMessages) {
  profile->WriteString("HTML", "ToolBox_1Cmd1", "29021,29027");
  std::vector<std::string> after;
  Customize([&](plat::HeadlessSheet& s) {
    plat::HeadlessDialog& p = s.Page(0);
    ClickAll(p, {IDC_TBS_ADD, IDC_TBS_DELETE});
    p.SelectText(IDC_TBS_ALL, "見出し<H1> (詳細)");
    p.Click(IDC_TBS_ADD);
    EXPECT_EQ(p.ListCurSel(IDC_TBS_LIST), 2);
    p.DoubleClick(IDC_TBS_ALL, 0);  // 29005
    p.Select(IDC_TBS_LIST, 0);
    p.Click(IDC_TBS_DELETE);
    after = p.ListItems(IDC_TBS_LIST);
    s.Ok();
  });
  EXPECT_EQ(Messages(), "追加: コマンド一覧で追加するコマンドを選択して実行してください。\n"
                        "削除: 削除する項目を表示するコマンドから選択して実行してください。\n");
  EXPECT_EQ(after, (std::vector<std::string>{"P", "H1*", "NEW(Trans.)"}));
  EXPECT_EQ(Strs({"ToolBox_1Cmd1", "ToolBox_1Title1"}), "29027,29121,29005|<absent>|");
  EXPECT_TRUE(PostedChange());
  EXPECT_EQ(backend.posted.size(), 1u);

  // The next toolbox shows what was stored.
  plat::HeadlessSheet& tb = Open();
  EXPECT_EQ(Labels(tb.Page(0)), (std::vector<std::string>{"P", "H1*", "NEW(Trans.)"}));
}

TEST_F(ToolBoxCustomize, UpDownAtTheEndsAndInBetween) {
  profile->WriteString("HTML", "ToolBox_1Cmd1", "29021,29027,29030");
  int writesBefore = profile->writes();
  Customize([&](plat::HeadlessSheet& s) {
    plat::HeadlessDialog& p = s.Page(0);
    ClickAll(p, {IDC_TBS_UP, IDC_TBS_DOWN});
    p.Select(IDC_TBS_LIST, 0);
    p.Click(IDC_TBS_UP);  // first: nothing
    p.Select(IDC_TBS_LIST, 2);
    p.Click(IDC_TBS_DOWN);  // last: nothing
    EXPECT_EQ(p.ListItems(IDC_TBS_LIST), (std::vector<std::string>{"H1", "P", "HR"}));
    s.Ok();
  });
  EXPECT_EQ(Messages(), "削除: 移動する項目を選択して実行してください。\n"
                        "削除: 移動する項目を選択して実行してください。\n");
  EXPECT_EQ(profile->writes(), writesBefore);
  EXPECT_FALSE(PostedChange());

  Customize([&](plat::HeadlessSheet& s) {
    plat::HeadlessDialog& p = s.Page(0);
    p.Select(IDC_TBS_LIST, 2);
    p.Click(IDC_TBS_UP);
    EXPECT_EQ(p.ListCurSel(IDC_TBS_LIST), 1);
    ClickAll(p, {IDC_TBS_UP, IDC_TBS_DOWN, IDC_TBS_DOWN});
    EXPECT_EQ(p.ListCurSel(IDC_TBS_LIST), 2);
    EXPECT_EQ(p.ListItems(IDC_TBS_LIST), (std::vector<std::string>{"H1", "P", "HR"}));
    p.Select(IDC_TBS_LIST, 0);
    p.Click(IDC_TBS_DOWN);
    EXPECT_EQ(p.ListItems(IDC_TBS_LIST), (std::vector<std::string>{"P", "H1", "HR"}));
    s.Ok();
  });
  EXPECT_EQ(Str("ToolBox_1Cmd1"), "29027,29021,29030");
}

TEST_F(ToolBoxCustomize, OnlyPageTwosTitleThenWithoutAHostWindow) {
  Customize([&](plat::HeadlessSheet& s) {
    s.ClickTab(1);
    s.Page(1).Type(IDC_TBS_TITLE, "タグ");
    s.Ok();
  });
  EXPECT_EQ(Str("ToolBox_1Title2"), "タグ");
  EXPECT_EQ(profile->writes(), 1);
  EXPECT_TRUE(PostedChange());
  EXPECT_EQ(Open().TabTitles(), (std::vector<std::string>{"単純", "タグ"}));

  // No host window: written, but nobody to tell.
  backend.posted.clear();
  tq::SetAppInfo(1, nullptr, 0);
  Customize([&](plat::HeadlessSheet& s) {
    s.Page(0).Type(IDC_TBS_TITLE, "t");
    s.Ok();
  });
  EXPECT_EQ(Str("ToolBox_1Title1"), "t");
  EXPECT_TRUE(backend.posted.empty());
}

TEST_F(ToolBoxCustomize, SaveBitsPerPage) {
  profile->WriteString("HTML", "ToolBox_1Cmd1", "29021");
  profile->WriteString("HTML", "ToolBox_1Cmd2", "29121");
  profile->WriteString("HTML", "ToolBox_1Title2", "x");
  plat::PropertySheet sheet("t", nullptr);
  CTBSetPage a(1, 1), b(2, 1);
  sheet.AddPage(&a);
  sheet.AddPage(&b);
  backend.ExpectSheet([](plat::HeadlessSheet& s) {
    s.Page(0).Click(IDC_TBS_CLEAR);  // answered OK
    s.ClickTab(1);
    s.Page(1).Type(IDC_TBS_TITLE, "y");
    s.Page(1).Click(IDC_TBS_DEFAULT);
    s.Ok();
  });
  ASSERT_EQ(sheet.DoModal(), plat::IDOK);
  EXPECT_EQ(a.Save(), kSavedList);  // a stored list cleared: written empty
  EXPECT_EQ(b.Save(), kSavedDefault | kSavedTitle);
  EXPECT_EQ(Str("ToolBox_1Cmd1") + Str("ToolBox_1Cmd2") + Str("ToolBox_1Title2"), "詳細");
  EXPECT_EQ(Messages(), "クリア: すべてのコマンドを削除し、表示するコマンドリストを空にします。\r\nよろしいですか？\n"
                        "Default: ツールボックスの内容をすべてデフォルトに戻します。\r\nよろしいですか？\n");
  EXPECT_EQ(backend.messages[0].flags & 0xF, plat::MB_OKCANCEL_);
}

// Clear leaves the default flag as it was: a default page cleared is
// saved as "default" (bit 1), a stored one as an empty list (bit 2).
TEST_F(ToolBoxCustomize, ClearedListReadsBackAsTheDefault) {
  Customize([&](plat::HeadlessSheet& s) {
    s.Page(0).Click(IDC_TBS_CLEAR);
    EXPECT_TRUE(s.Page(0).ListItems(IDC_TBS_LIST).empty());
    s.Ok();
  });
  EXPECT_EQ(Str("ToolBox_1Cmd1"), "");
  EXPECT_TRUE(PostedChange());
  EXPECT_EQ(Labels(Open().Page(0)).size(), 27u);
}

TEST_F(ToolBoxCustomize, RefusedQuestionsAndCancelChangeNothing) {
  profile->WriteString("HTML", "ToolBox_1Cmd1", "29021");
  int writes = profile->writes();
  backend.AnswerMessage(plat::IDCANCEL);
  backend.AnswerMessage(plat::IDCANCEL);
  Customize([&](plat::HeadlessSheet& s) {
    s.Page(0).Click(IDC_TBS_CLEAR);
    s.Page(0).Click(IDC_TBS_DEFAULT);
    EXPECT_EQ(s.Page(0).ListItems(IDC_TBS_LIST), (std::vector<std::string>{"H1"}));
    s.Ok();
  });
  EXPECT_EQ(profile->writes(), writes);
  Customize([&](plat::HeadlessSheet& s) {
    s.Page(0).Click(IDC_TBS_CLEAR);
    s.Page(0).Type(IDC_TBS_TITLE, "z");
    s.Cancel();
  });
  EXPECT_EQ(profile->writes(), writes);
  EXPECT_TRUE(backend.posted.empty());
}

}  // namespace tqtest
