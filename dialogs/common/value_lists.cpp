// The fixed value lists of the value-list chooser (source text UTF-8).
#include "dialogs/common/value_lists.h"

namespace tq {

namespace {
const char* const k100[] = {
    "alternate (代替文書)",
    "stylesheet (ｽﾀｲﾙｼｰﾄ)",
    "start (最初の文書)",
    "next (次の文書)",
    "prev (前の文書)",
    "contents (目次)",
    "index (索引)",
    "glossary (用語集)",
    "copyright (著作権)",
    "chapter (章)",
    "section (節)",
    "subsection (小節)",
    "appendix (付録)",
    "help (ヘルプ)",
    "bookmark",
};
const char* const k102[] = {
    "left",
    "right",
    "top",
    "bottom",
    "middle",
};
const char* const k104[] = {
    "text/plain",
    "text/html",
    "text/css",
    "image/gif",
    "image/jpeg",
    "image/png",
    "audio/basic",
    "video/mpeg",
    "video/quicktime",
    "application/octet-stream",
    "application/mac-binhex40",
    "application/pdf",
    "application/zip",
    "application/x-www-form-urlencoded",
};
const char* const k105[] = {
    "data",
    "ref",
    "object",
};
const char* const k106[] = {
    "ar (アラビア語)",
    "de (ドイツ語)",
    "el (ギリシア語)",
    "en (英語)",
    "en-US (米英語)",
    "es (スペイン語)",
    "fa (ペルシア語)",
    "fr (フランス語)",
    "he (ヘブライ語)",
    "hi (ヒンズー語)",
    "id (インドネシア語)",
    "it (イタリア語)",
    "ja (日本語)",
    "ko (韓国語)",
    "la (ラテン語)",
    "ms (マレー語)",
    "nl (オランダ語)",
    "pl (ポーランド語)",
    "pt (ポルトガル語)",
    "ru (ロシア語)",
    "sa (サンスクリット語)",
    "th (タイ語)",
    "tr (トルコ語)",
    "ur (ウルドゥー語)",
    "zh (中国語)",
};
const char* const k107[] = {
    "left (左寄せ)",
    "right (右寄せ)",
    "center (ｾﾝﾀﾘﾝｸﾞ)",
    "justify (均等割付)",
};
const char* const k108[] = {
    "Aqua (アクア)",
    "Black (黒)",
    "Blue (青)",
    "Fuchsia (ピンク)",
    "Gray (灰色)",
    "Green (緑)",
    "Lime (黄緑)",
    "Maroon (栗色)",
    "Navy (紺)",
    "Olive (オリーブ色)",
    "Purple (紫)",
    "Red (赤)",
    "Silver (銀色)",
    "Teal ()",
    "White (白)",
    "Yellow (黄色)",
};
const char* const k109[] = {
    "repeat (敷き詰める)",
    "repeat-x (横方向へ敷き詰める)",
    "repeat-y (縦方向へ敷き詰める)",
    "no-repeat (ひとつだけ表示)",
};
const char* const k110[] = {
    "scroll (スクロールさせる)",
    "fixed (固定)",
};
const char* const k111[] = {
    "left top (左上隅)",
    "center top (中央上)",
    "right top (右上隅)",
    "left center (左中央)",
    "center center (中央)",
    "right center (右中央)",
    "left bottom (左下隅)",
    "center bottom (中央下)",
    "right bottom (右下隅)",
};
const char* const k112[] = {
    "normal (標準体)",
    "italic (ｲﾀﾘｯｸ体)",
    "oblique (斜体)",
};
const char* const k113[] = {
    "normal (標準)",
    "small-caps (ｽﾓｰﾙｷｬﾋﾟﾀﾙ体)",
};
const char* const k114[] = {
    "normal (標準)",
    "bold (太字)",
    "bolder (より太く)",
    "lighter (より補足)",
    "100",
    "200",
    "300",
    "400 (標準)",
    "500",
    "600",
    "700",
    "800",
    "900",
};
const char* const k115[] = {
    "xx-small (絶対ｻｲｽﾞ･極々小)",
    "x-small (絶対ｻｲｽﾞ･極小)",
    "small (絶対ｻｲｽﾞ･小)",
    "medium (絶対ｻｲｽﾞ･普通)",
    "large (絶対ｻｲｽﾞ･大)",
    "x-large (絶対ｻｲｽﾞ･極大)",
    "xx-large (絶対ｻｲｽﾞ･極々大)",
    "larger (相対ｻｲｽﾞ･より大きく)",
    "smaller (相対ｻｲｽﾞ･より小さく)",
};
const char* const k116[] = {
    "none (なし)",
    "underline (下線)",
    "overline (ｵｰﾊﾞｰﾗｲﾝ)",
    "line-through (取消し線)",
    "blink (点滅)",
};
const char* const k118[] = {
    "baseline (ﾍﾞｰｽﾗｲﾝに合わす)",
    "text-top (文字の上端に)",
    "text-bottom (文字の下底に)",
    "middle (中央を基準に)",
    "super (上付き文字)",
    "sub (下付き文字)",
    "top",
    "bottom",
};
const char* const k119[] = {
    "none (なし)",
    "capitalize (単語先頭を大文字に)",
    "uppercase (大文字化)",
    "lowercase (小文字化)",
};
const char* const k120[] = {
    "left (左寄せ)",
    "right (右寄せ)",
    "center (ｾﾝﾀﾘﾝｸﾞ)",
};
const char* const k121[] = {
    "left",
    "right",
    "all",
    "none",
};
const char* const k122[] = {
    "1 (数字)",
    "A (英大文字)",
    "a (英小文字)",
    "I (大文字のローマ数字)",
    "i (小文字のローマ数字)",
};
const char* const k123[] = {
    "disc (黒丸)",
    "circle (白丸)",
    "square (四角)",
};
const char* const k124[] = {
    "disc (黒丸)",
    "circle (白丸)",
    "square (四角)",
    "decimal (数字)",
    "upper-roman (大文字のローマ数字)",
    "lower-roman (小文字のローマ数字)",
    "upper-alpha (英大文字)",
    "lower-alpha (英小文字)",
    "none (記号をつけない)",
};
const char* const k125[] = {
    "1 (数字)",
    "A (英大文字)",
    "a (英小文字)",
    "I (大文字のローマ数字)",
    "i (小文字のローマ数字)",
    "disc (黒丸)",
    "circle (白丸)",
    "square (四角)",
};
const char* const k126[] = {
    "left",
    "right",
    "center",
    "bottom",
};
const char* const k127[] = {
    "yes (付ける)",
    "no (付けない)",
    "auto (自動)",
};
const char* const k129[] = {
    "iso-2022-jp (日本語JISコード)",
    "shift-jis (日本語シフトJISコード)",
    "x-euc-jp (日本語EUCコード)",
    "iso-8859-1 (欧文ASCII文字)",
    "iso-8859-2 (中央ヨーロッパ)",
    "iso-8859-6 (アラビア語)",
    "iso-8859-7 (ギリシャ語)",
    "iso-8859-8 (ヘブライ語)",
    "big5 (中国語伝統体)",
    "gb2312 (中国語簡略体)",
    "iso-2022-kr (韓国語)",
    "euc-kr (韓国語EUCコード)",
    "x-uer-defined (ユーザー定義)",
};
const char* const k130[] = {
    "button (プッシュボタン)",
    "checkbox (チェックボックス)",
    "radio (ラジオボタン)",
    "submit (OKボタン)",
    "reset (リセットボタン)",
    "file (ファイル選択)",
    "hidden (隠しコントロール)",
    "image (画像ボタン)",
    "password (伏せ字テキストボックス)",
    "text (テキストボックス)",
};
const char* const k131[] = {
    "submit (OKボタン)",
    "reset (リセットボタン)",
    "button (一般的ボタン)",
};
const char* const k132[] = {
    "left",
    "right",
    "top",
    "bottom",
};
const char* const k133[] = {
    "text/javascript",
    "text/vbscript",
    "text/tcl",
};
const char* const k134[] = {
    "screen (モニター)",
    "tty (テレタイプなど)",
    "tv (ＴＶなど)",
    "projection (プロジェクター)",
    "handheld (小スクリーン他)",
    "print (プリント)",
    "braille",
    "aural ",
    "all (すべて)",
};
const char* const k135[] = {
    "title",
    "author",
    "keywords",
    "description",
    "copyright",
    "date",
};

const ValueList kLists[] = {
    {list::kRev, "REV/REL", k100, 15},
    {list::kRel, "REV/REL", k100, 15},
    {list::kImageAlign, "ALIGN", k102, 5},
    {list::kObjectAlign, "ALIGN", k102, 5},
    {list::kMime, "MIME", k104, 14},
    {list::kValueType, "VALUETYPE", k105, 3},
    {list::kLang, "LANG", k106, 25},
    {list::kHeadingAlign, "ALIGN", k107, 4},
    {list::kColor, "色の指定", k108, 16},
    {list::kBackgroundRepeat, "背景画像の敷き詰め方", k109, 4},
    {list::kBackgroundAttachment, "背景画像のスクロール", k110, 2},
    {list::kBackgroundPosition, "背景画像の位置", k111, 9},
    {list::kFontStyle, "フォント･スタイル", k112, 3},
    {list::kFontVariant, "フォント・ヴァリアント", k113, 2},
    {list::kFontWeight, "文字の太さ(font-weight)", k114, 13},
    {list::kFontSize, "文字の大きさ(font-size)", k115, 9},
    {list::kTextDecoration, "文字装飾(text-decoration)", k116, 5},
    {list::kTextAlign, "行配置(text-align)", k107, 4},
    {list::kVerticalAlign, "テキストの垂直位置(vertical-align)", k118, 8},
    {list::kTextTransform, "英大文字/小文字変換(text-transform)", k119, 4},
    {list::kBlockAlign, "ALIGN", k120, 3},
    {list::kClear, "回り込み解除(CLEAR)", k121, 4},
    {list::kOlType, "リスト項目の先頭記号(TYPE)", k122, 5},
    {list::kUlType, "リスト項目の先頭記号(TYPE)", k123, 3},
    {list::kListStyleType, "リスト項目の先頭記号(TYPE)", k124, 9},
    {list::kLiType, "上位要素が<OL>か<UL>かで適切なものを選択", k125, 8},
    {list::kCaptionAlign, "表タイトルの位置", k126, 4},
    {list::kScrolling, "スクロールバーの表示/非表示", k127, 3},
    {list::kFrameAlign, "回り込みおよび垂直位置", k102, 5},
    {list::kCharset, "文字コードセット", k129, 13},
    {list::kInputType, "フォームコントロールのタイプ(TYPE)", k130, 10},
    {list::kButtonType, "ボタンのタイプ", k131, 3},
    {list::kLegendAlign, "ALIGN", k132, 4},
    {list::kScriptType, "SCRIPTのMIMEタイプ", k133, 3},
    {list::kMedia, "MEDIA", k134, 9},
    {list::kMetaName, "NAME examples for <META>", k135, 6},
};

}  // namespace

const ValueList* FindValueList(int number) {
  for (const ValueList& l : kLists)
    if (l.number == number) return &l;
  return nullptr;
}

}  // namespace tq
