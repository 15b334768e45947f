// The HTML menu built into a real menu through the test host window.
#include <cstring>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "tests/e2e/e2e.h"

namespace e2e {
namespace {

constexpr int kSep = 0;

// Ids of a submenu, kSep for its separator.
std::vector<int> Items(std::initializer_list<std::pair<int, int>> ranges) {
  std::vector<int> ids;
  for (auto [first, last] : ranges) {
    if (first == kSep) ids.push_back(kSep);
    for (int id = first; first != kSep && id <= last; ++id) ids.push_back(id);
  }
  return ids;
}
const std::pair<int, int> S{kSep, kSep};

struct Popup {
  const char* caption;
  std::vector<int> ids;
};

// The layout of the host's HTML menu: popups, with nullptr for a separator
// in the host's menu itself.
const std::vector<Popup>& Layout() {
  static const std::vector<Popup> layout = {
      {"新規HTML(&N)", Items({{29005, 29007}})},
      {"ヘッダ情報(&D)", Items({{29010, 29014}, S, {29110, 29115}})},
      {"本体(&Y)", Items({{29016, 29016}, S, {29116, 29116}})},
      {"フレーム(&F)", Items({{29065, 29066}, {29360, 29360}, S, {29165, 29166}, {29460, 29460}})},
      {nullptr, {}},
      {"見出し/段落/区切り線など(&H)", Items({{29021, 29030}, S, {29121, 29130}})},
      {"文字装飾(&J)", Items({{29301, 29311}, S, {29401, 29411}})},
      {"改行(&B)", Items({{29315, 29315}, S, {29415, 29415}})},
      {"範囲指定(&V)", Items({{29031, 29031}, {29316, 29316}, S, {29131, 29131}, {29416, 29416}})},
      {"引用(&Q)", Items({{29317, 29317}, {29032, 29032}, S, {29417, 29417}, {29132, 29132}})},
      {"各種ｲﾝﾗｲﾝ要素(&E)", Items({{29420, 29428}})},
      {nullptr, {}},
      {"箇条書き(&L)", Items({{29040, 29042}, {29335, 29337}, S, {29140, 29142}, {29435, 29437}})},
      {"作表(&T)", Items({{29050, 29052}, {29058, 29060}, S, {29151, 29160}})},
      {"アンカ・リンク・マップ(&A)", Items({{29345, 29348}, S, {29445, 29448}})},
      {"画像・ｵﾌﾞｼﾞｪｸﾄ・ｱﾌﾟﾚｯﾄ(&I)", Items({{29355, 29358}, S, {29455, 29458}})},
      {"スクリプト(&P)", Items({{29070, 29071}, S, {29170, 29171}})},
      {"フォーム(&M)", Items({{29072, 29073}, {29365, 29372}, S, {29172, 29173}, {29465, 29472}})},
      {nullptr, {}},
  };
  return layout;
}

// A caption per submenu, first and last item, from the string table.
const std::map<int, std::string>& SomeCaptions() {
  static const std::map<int, std::string> c = {
      {29005, "新規HTML(&Transitionalタイプ)"}, {29007, "新規HTML(&Frameタイプ)"},
      {29010, "ヘッダ<&HEAD>"}, {29115, "スタイル文内の要素定義(&C)"},
      {29016, "本体<&BODY>"}, {29116, "本体<BO&DY> (詳細)"},
      {29065, "フレーム定義<FRAMES&ET>"}, {29460, "ｲﾝﾗｲﾝﾌﾚｰﾑ<&IFRAME> (詳細)"},
      {29021, "見出し<H1>"}, {29130, "区切り線<H&R> (詳細)"},
      {29301, "太字<&B>"}, {29411, "等幅フォント<TT> (詳細)"},
      {29315, "改行<&BR>"}, {29415, "改行<B&R> (詳細)"},
      {29031, "範囲指定(ﾌﾞﾛｯｸ)<DI&V>"}, {29416, "範囲指定(ｲﾝﾗｲﾝ)<&SPAN> (詳細)"},
      {29317, "ｲﾝﾗｲﾝ引用<&Q>"}, {29132, "ブロック引用<BLOCKQ&UOTE> (詳細)"},
      {29420, "定義<D&FN> (詳細)"}, {29428, "テキスト方向の強制変更<&BD0> (詳細)"},
      {29040, "順序なしリスト<&UL>"}, {29437, "定義型リストの内容<DD> (詳細)"},
      {29050, "表組み罫線つき<TALBE BORDER>"}, {29160, "セル<TD> (詳細)"},
      {29345, "アンカ<A>"}, {29448, "イメージマップの領域<A&REA> (詳細)"},
      {29355, "画像<I&MG>"}, {29458, "Javaアプレット<&APPLET> (詳細)"},
      {29070, "スクリプト <&SCRIPT>"}, {29171, "ノースクリプト <N&OSCRIPT> (詳細)"},
      {29072, "フォーム<FOR&M>"}, {29472, "ボタン<&BUTTON> (詳細)"},
  };
  return c;
}

std::string MenuText(HMENU m, int pos) {
  int n = GetMenuStringA(m, static_cast<UINT>(pos), nullptr, 0, MF_BYPOSITION);
  std::string s(static_cast<size_t>(n) + 1, '\0');
  int got = GetMenuStringA(m, static_cast<UINT>(pos), s.data(), n + 1, MF_BYPOSITION);
  s.resize(got < 0 ? 0 : static_cast<size_t>(got));
  return s;
}

bool IsSeparator(HMENU m, int pos) {
  return (GetMenuState(m, static_cast<UINT>(pos), MF_BYPOSITION) & MF_SEPARATOR) != 0;
}

struct Item {
  int id;  // kSep for a separator
  std::string text;
};

// Every item of every submenu, in menu order; and the items of the HTML
// menu itself after the popups.
struct Built {
  std::vector<std::vector<Item>> submenus;
  std::vector<Item> tail;
};

Built Read(tqhost::HostWindow& host) {
  Built b;
  HMENU html = host.htmlMenu();
  const auto& layout = Layout();
  int count = GetMenuItemCount(html);
  EXPECT_EQ(count, static_cast<int>(layout.size()) + 5);
  for (int pos = 0; pos < count; ++pos) {
    if (pos < static_cast<int>(layout.size())) {
      const Popup& p = layout[pos];
      if (!p.caption) {
        EXPECT_TRUE(IsSeparator(html, pos)) << "host menu position " << pos;
        continue;
      }
      HMENU sub = GetSubMenu(html, pos);
      EXPECT_NE(sub, nullptr) << p.caption;
      EXPECT_EQ(MenuText(html, pos), p.caption);
      std::vector<Item> items;
      for (int i = 0, n = GetMenuItemCount(sub); i < n; ++i)
        items.push_back({IsSeparator(sub, i) ? kSep : static_cast<int>(GetMenuItemID(sub, i)),
                         MenuText(sub, i)});
      b.submenus.push_back(std::move(items));
    } else {
      b.tail.push_back({IsSeparator(html, pos) ? kSep : static_cast<int>(GetMenuItemID(html, pos)),
                        MenuText(html, pos)});
    }
  }
  return b;
}

std::vector<int> Ids(const std::vector<Item>& items) {
  std::vector<int> ids;
  for (const Item& i : items) ids.push_back(i.id);
  return ids;
}

std::unique_ptr<tqhost::HostWindow> MakeHost(int appNumber, bool answer = true) {
  tqhost::HostOptions o;
  o.appNumber = appNumber;
  o.answerKeyText = answer;
  std::unique_ptr<tqhost::HostWindow> host(tqhost::HostWindow::Create(Dll(), o));
  EXPECT_NE(host, nullptr);
  return host;
}

bool EndsWith(const std::string& text, const std::string& suffix) {
  return text.size() >= suffix.size() &&
         text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}

// Caption minus the key text the host handed over for it.
std::string WithoutSuffix(const std::string& text, const std::string& suffix) {
  if (!EndsWith(text, suffix)) return "(no " + suffix.substr(1) + " at the end of: " + text + ")";
  return text.substr(0, text.size() - suffix.size());
}

TEST(HtmlMenu, LayoutAndKeyTextsForAppNumberOne) {
  auto host = MakeHost(1);
  ASSERT_TRUE(host);
  Built b = Read(*host);
  std::vector<int> expectAsked;
  size_t sub = 0;
  for (const Popup& p : Layout()) {
    if (!p.caption) continue;
    ASSERT_LT(sub, b.submenus.size());
    const std::vector<Item>& items = b.submenus[sub++];
    EXPECT_EQ(Ids(items), p.ids) << p.caption;
    for (const Item& it : items) {
      if (it.id == kSep) {
        EXPECT_EQ(it.text, "");
        continue;
      }
      expectAsked.push_back(it.id);
      std::string caption = WithoutSuffix(it.text, tqhost::KeyText(it.id));
      EXPECT_FALSE(caption.empty()) << it.id;
      EXPECT_EQ(caption.find('\t'), std::string::npos) << it.id << ": " << it.text;
      auto known = SomeCaptions().find(it.id);
      if (known != SomeCaptions().end()) {
        EXPECT_EQ(caption, known->second) << it.id;
      }
    }
  }
  ASSERT_EQ(b.tail.size(), 5u);
  EXPECT_EQ(b.tail[0].id, 29399);
  EXPECT_EQ(b.tail[0].text, "コメントアウト(&O)" + tqhost::KeyText(29399));
  EXPECT_EQ(b.tail[1].id, 29398);
  EXPECT_EQ(b.tail[1].text, "CSS内コメントアウト(&U)" + tqhost::KeyText(29398));
  EXPECT_EQ(b.tail[2].id, kSep);
  EXPECT_EQ(b.tail[3].id, 29001);
  EXPECT_EQ(b.tail[3].text, "ツールボックス表示(&X)");
  EXPECT_EQ(b.tail[4].id, 29002);
  EXPECT_EQ(b.tail[4].text, "ツールボックスの設定(&W)");
  expectAsked.push_back(29399);
  expectAsked.push_back(29398);
  // Asked once per item, in menu order, never for the toolbox items.
  EXPECT_EQ(host->asked(), expectAsked);
  for (LPARAM lp : host->askedLParams()) EXPECT_EQ(lp, 0);
}

TEST(HtmlMenu, OtherAppNumbersAreNotAsked) {
  auto one = MakeHost(1);
  auto two = MakeHost(2);
  ASSERT_TRUE(one && two);
  EXPECT_TRUE(two->asked().empty());
  Built a = Read(*one), b = Read(*two);
  ASSERT_EQ(a.submenus.size(), b.submenus.size());
  for (size_t s = 0; s < a.submenus.size(); ++s) {
    ASSERT_EQ(Ids(a.submenus[s]), Ids(b.submenus[s]));
    for (size_t i = 0; i < a.submenus[s].size(); ++i) {
      const Item& it = b.submenus[s][i];
      if (it.id == kSep) continue;
      EXPECT_EQ(it.text, WithoutSuffix(a.submenus[s][i].text, tqhost::KeyText(it.id)));
    }
  }
  ASSERT_EQ(b.tail.size(), 5u);
  EXPECT_EQ(b.tail[0].text, "コメントアウト(&O)");
  EXPECT_EQ(b.tail[1].text, "CSS内コメントアウト(&U)");
}

TEST(HtmlMenu, SilentHostGetsTheLastHandedInTextAgain) {
  Dll().SetStringToTagquill("\tShift+F9");
  auto host = MakeHost(1, /*answer=*/false);
  ASSERT_TRUE(host);
  Built b = Read(*host);
  EXPECT_FALSE(host->asked().empty());
  for (const auto& items : b.submenus) {
    for (const Item& it : items) {
      if (it.id != kSep) {
        EXPECT_TRUE(EndsWith(it.text, "\tShift+F9")) << it.text;
      }
    }
  }
  EXPECT_EQ(b.tail[0].text, "コメントアウト(&O)\tShift+F9");
  EXPECT_EQ(b.tail[3].text, "ツールボックス表示(&X)");
}

// The host hands over its selection and replaces only that.
TEST(HtmlMenu, AMenuPickGoesThroughTheHost) {
  auto host = MakeHost(1);
  ASSERT_TRUE(host);
  host->SetText("xx abc yy");
  host->Select(3, 6);
  SendMessageA(host->hwnd(), WM_COMMAND, 29021, 0);
  EXPECT_EQ(host->Text(), "xx <H1>abc</H1> yy");
}

}  // namespace
}  // namespace e2e

namespace e2e {
namespace {

// The host hands over its framework menu object: the DLL reads the handle
// after the table pointer, never the table pointer itself.
TEST(HtmlMenu, TheMenuObjectIsReadAfterItsTablePointer) {
  HMENU decoy = CreatePopupMenu(), target = CreatePopupMenu();
  // A handle where the table pointer goes, none in the handle's place.
  TagquillMenuObject wrong = {decoy, nullptr};
  Dll().MakeHtmlMenu(&wrong);
  EXPECT_EQ(GetMenuItemCount(decoy), 0);

  tqhost::HostMenu menu(target);
  const void* words[2];
  static_assert(sizeof menu == sizeof words);
  std::memcpy(words, &menu, sizeof words);
  EXPECT_NE(words[0], static_cast<const void*>(target));  // a real table pointer first
  EXPECT_EQ(words[1], static_cast<const void*>(target));
  Dll().MakeHtmlMenu(&menu);
  int popups = 0, items = 0;
  for (int i = 0; i < GetMenuItemCount(target); ++i) {
    if (GetSubMenu(target, i)) ++popups;
    else if (GetMenuItemID(target, i) != 0) ++items;
  }
  EXPECT_EQ(popups, 16);
  EXPECT_EQ(items, 4);
  DestroyMenu(target);
  DestroyMenu(decoy);
}

}  // namespace
}  // namespace e2e
