// The HTML menu built into a real menu through the test host window, and
// the host's menu object as the DLL reads it.
#include <cstring>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "res/string_table.h"
#include "tests/e2e/e2e.h"

namespace e2e {
namespace {

constexpr int kSep = 0;

// Ids of a submenu from ranges, kSep for a separator.
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
  const char* caption;  // nullptr: a separator in the host's menu itself
  std::vector<int> ids;
};

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

std::string MenuText(HMENU m, int pos) {
  char s[512] = {};
  GetMenuStringA(m, static_cast<UINT>(pos), s, sizeof s, MF_BYPOSITION);
  return s;
}

// A menu as text, an item a line: "id text", "-" for a separator, a
// popup's caption with its items indented below it.
std::string Listing(HMENU m, const std::string& indent = "") {
  std::string out;
  for (int i = 0, n = GetMenuItemCount(m); i < n; ++i) {
    if (HMENU sub = GetSubMenu(m, i))
      out += indent + MenuText(m, i) + "\n" + Listing(sub, indent + "  ");
    else if (GetMenuState(m, static_cast<UINT>(i), MF_BYPOSITION) & MF_SEPARATOR)
      out += indent + "-\n";
    else
      out += indent + std::to_string(GetMenuItemID(m, i)) + " " + MenuText(m, i) + "\n";
  }
  return out;
}

std::unique_ptr<tqhost::HostWindow> MakeHost(int appNumber, bool answer = true) {
  tqhost::HostOptions o;
  o.appNumber = appNumber;
  o.answerKeyText = answer;
  return std::unique_ptr<tqhost::HostWindow>(tqhost::HostWindow::Create(Dll(), o));
}

// Application number 1 is asked for a key text per item, once, in menu
// order, never for the toolbox items; other numbers are never asked. A
// host that does not answer gets the last text handed in.
TEST(HtmlMenu, CaptionsAndKeyTextsPerApplicationNumber) {
  const struct {
    int appNumber;
    bool answers;
    const char* handedIn;
  } kHosts[] = {{1, true, nullptr}, {2, true, nullptr}, {1, false, "\tShift+F9"}};
  for (const auto& h : kHosts) {
    SCOPED_TRACE("application " + std::to_string(h.appNumber) + (h.answers ? "" : ", silent"));
    if (h.handedIn) Dll().SetStringToTagquill(h.handedIn);
    auto host = MakeHost(h.appNumber, h.answers);
    ASSERT_TRUE(host);
    std::vector<int> asked;
    auto item = [&](int id) {
      asked.push_back(id);
      std::string key = h.appNumber != 1 ? "" : h.handedIn ? h.handedIn : tqhost::KeyText(id);
      std::string caption = id == 29399 ? "コメントアウト(&O)" : id == 29398 ? "CSS内コメントアウト(&U)" : tq::TagCaption(id);
      EXPECT_FALSE(caption.empty()) << id;
      return std::to_string(id) + " " + caption + key + "\n";
    };
    std::string want;
    for (const Popup& p : Layout()) {
      want += p.caption ? std::string(p.caption) + "\n" : "-\n";
      for (int id : p.ids) want += id == kSep ? "  -\n" : "  " + item(id);
    }
    want += item(29399);  // one at a time: asked is in menu order
    want += item(29398);
    want += "-\n29001 ツールボックス表示(&X)\n29002 ツールボックスの設定(&W)\n";
    EXPECT_EQ(Listing(host->htmlMenu()), want);
    if (h.appNumber == 1) {
      EXPECT_EQ(host->asked(), asked);
      for (LPARAM lp : host->askedLParams()) EXPECT_EQ(lp, 0);
    } else {
      EXPECT_TRUE(host->asked().empty());
    }
  }
}

TEST(HtmlMenu, AMenuPickGoesThroughTheHost) {
  auto host = MakeHost(1);
  ASSERT_TRUE(host);
  host->SetText("xx abc yy");
  host->Select(3, 6);
  SendMessageA(host->hwnd(), WM_COMMAND, 29021, 0);
  EXPECT_EQ(host->Text(), "xx <H1>abc</H1> yy");
}

// Never the table pointer itself.
TEST(HtmlMenu, TheMenuObjectIsReadAfterItsTablePointer) {
  HMENU decoy = CreatePopupMenu(), target = CreatePopupMenu();
  TagquillMenuObject wrong = {decoy, nullptr};  // a handle where the table pointer goes
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
