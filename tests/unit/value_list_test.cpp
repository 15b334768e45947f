#include <string>

#include "dialogs/common/value_list_dlg.h"
#include "dialogs/common/value_lists.h"
#include "fixture.h"

namespace tqtest {

class ValueListTest : public Headless {
 protected:
  // Opens the chooser on list n and lets the script act; returns the result
  // ("<cancel>" when cancelled).
  std::string Choose(int n, plat::DialogScript script) {
    backend.Expect(std::move(script));
    tq::CValueListDlg dlg(nullptr);
    dlg.m_nList = n;
    return dlg.DoModal() == plat::IDOK ? dlg.m_strResult : "<cancel>";
  }
  std::string Pick(int n, const std::string& entry) {
    return Choose(n, [&](plat::HeadlessDialog& d) {
      d.SelectText(tq::IDC_VL_LIST, entry);
      d.Ok();
    });
  }
};

TEST_F(ValueListTest, ValuesAreCutAtTheFirstBlankOrTheLastForPositions) {
  EXPECT_EQ(Pick(106, "ja (日本語)"), "ja");
  EXPECT_EQ(Pick(111, "left top"), "left top");
  EXPECT_EQ(Pick(109, "repeat-x"), "repeat-x");
  EXPECT_EQ(Pick(114, "100"), "100");
  EXPECT_EQ(Pick(134, "aural "), "aural");
  EXPECT_EQ(Pick(108, "Teal ()"), "Teal");
  EXPECT_EQ(Pick(135, "keywords"), "keywords");
}

TEST_F(ValueListTest, EveryListHasItsTitleAndEntries) {
  struct Expect {
    int n;
    const char* title;
    int count;
    const char* first;
  };
  const Expect all[] = {
      {100, "REV/REL", 15, "alternate (代替文書)"}, {101, "REV/REL", 15, "alternate (代替文書)"},
      {102, "ALIGN", 5, "left"}, {103, "ALIGN", 5, "left"}, {104, "MIME", 14, "text/plain"},
      {105, "VALUETYPE", 3, "data"}, {106, "LANG", 25, "ar (アラビア語)"}, {107, "ALIGN", 4, "left (左寄せ)"},
      {108, "色の指定", 16, "Aqua (アクア)"}, {109, "背景画像の敷き詰め方", 4, "repeat (敷き詰める)"},
      {110, "背景画像のスクロール", 2, "scroll (スクロールさせる)"}, {111, "背景画像の位置", 9, "left top (左上隅)"},
      {112, "フォント･スタイル", 3, "normal (標準体)"}, {113, "フォント・ヴァリアント", 2, "normal (標準)"},
      {114, "文字の太さ(font-weight)", 13, "normal (標準)"}, {115, "文字の大きさ(font-size)", 9, "xx-small (絶対ｻｲｽﾞ･極々小)"},
      {116, "文字装飾(text-decoration)", 5, "none (なし)"}, {117, "行配置(text-align)", 4, "left (左寄せ)"},
      {118, "テキストの垂直位置(vertical-align)", 8, "baseline (ﾍﾞｰｽﾗｲﾝに合わす)"},
      {119, "英大文字/小文字変換(text-transform)", 4, "none (なし)"}, {120, "ALIGN", 3, "left (左寄せ)"},
      {121, "回り込み解除(CLEAR)", 4, "left"}, {122, "リスト項目の先頭記号(TYPE)", 5, "1 (数字)"},
      {123, "リスト項目の先頭記号(TYPE)", 3, "disc (黒丸)"}, {124, "リスト項目の先頭記号(TYPE)", 9, "disc (黒丸)"},
      {125, "上位要素が<OL>か<UL>かで適切なものを選択", 8, "1 (数字)"}, {126, "表タイトルの位置", 4, "left"},
      {127, "スクロールバーの表示/非表示", 3, "yes (付ける)"}, {128, "回り込みおよび垂直位置", 5, "left"},
      {129, "文字コードセット", 13, "iso-2022-jp (日本語JISコード)"}, {130, "フォームコントロールのタイプ(TYPE)", 10, "button (プッシュボタン)"},
      {131, "ボタンのタイプ", 3, "submit (OKボタン)"}, {132, "ALIGN", 4, "left"}, {133, "SCRIPTのMIMEタイプ", 3, "text/javascript"},
      {134, "MEDIA", 9, "screen (モニター)"}, {135, "NAME examples for <META>", 6, "title"},
  };
  for (const Expect& e : all) {
    std::vector<std::string> items;
    std::string title;
    Choose(e.n, [&](plat::HeadlessDialog& d) {
      items = d.ListItems(tq::IDC_VL_LIST);
      title = d.GetTitle();
      EXPECT_EQ(d.ListCurSel(tq::IDC_VL_LIST), -1);  // nothing preselected
      d.Cancel();
    });
    EXPECT_EQ(title, e.title) << e.n;
    ASSERT_EQ(static_cast<int>(items.size()), e.count) << e.n;
    EXPECT_EQ(items[0], e.first) << e.n;
  }
  EXPECT_EQ(tq::FindValueList(132)->entries[3], std::string("bottom"));
}

TEST_F(ValueListTest, UnknownListNoSelectionCancelAndDoubleClick) {
  std::string title;
  EXPECT_EQ(Choose(0, [&](plat::HeadlessDialog& d) {
              title = d.GetTitle();
              EXPECT_TRUE(d.ListItems(tq::IDC_VL_LIST).empty());
              d.Ok();
            }),
            "");
  EXPECT_EQ(title, "ダイアログ");
  EXPECT_EQ(Choose(99999, [](plat::HeadlessDialog& d) { d.Ok(); }), "");
  EXPECT_EQ(Choose(106, [](plat::HeadlessDialog& d) { d.Ok(); }), "");  // OK with nothing selected
  EXPECT_EQ(Choose(106, [](plat::HeadlessDialog& d) {
              d.Select(tq::IDC_VL_LIST, 3);
              d.Cancel();
            }),
            "<cancel>");
  EXPECT_EQ(Choose(122, [](plat::HeadlessDialog& d) { d.DoubleClick(tq::IDC_VL_LIST, 4); }), "i");
}

}  // namespace tqtest
