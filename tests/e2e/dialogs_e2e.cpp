// The DLL's real dialogs picked from the host's menu and driven on their
// real controls: one chain per kind of control and of nested dialog (the
// value-list chooser, the colour, font and open-file dialogs, message
// boxes, the basic dialog, the style composer and the group dialogs behind
// it). Each chain is a row of steps, one step per idle turn of whichever
// dialog is in front, and the text the host holds afterwards. Screenshots
// of the nested dialogs, which the layout test does not open.
#include <algorithm>
#include <string>
#include <vector>

#include "res/ids/anchor_dlg.h"
#include "res/ids/basic_dlg.h"
#include "res/ids/body_dlg.h"
#include "res/ids/event_dlg.h"
#include "res/ids/head_dlg.h"
#include "res/ids/image_dlg.h"
#include "res/ids/list_style_dlg.h"
#include "res/ids/style_border_dlg.h"
#include "res/ids/style_dlg.h"
#include "res/ids/style_element_dlg.h"
#include "res/ids/style_font_dlg.h"
#include "res/ids/style_margin_dlg.h"
#include "res/ids/style_rule_dlg.h"
#include "res/ids/value_list_dlg.h"
#include "app/html_app.h"
#include "tests/e2e/e2e.h"

namespace e2e {
namespace {

using namespace tq;
constexpr int kOk = plat::IDOK, kCancel = plat::IDCANCEL;
// The red, green and blue boxes of the colour dialog (dlgs.h's
// COLOR_RED..COLOR_BLUE, which mingw's headers lack).
enum : int { kRedBox = 706, kGreenBox, kBlueBox };

// What a step does to the dialog in front, or expects of it.
struct Act {
  enum Kind { kPress, kPut, kPick, kPickAt, kPickFirst, kSpin, kShot, kTitle, kShows, kOn, kOff, kBox } kind;
  int id = 0;
  const char* text = "";
  int index = 0;
};
Act Press(int id) { return {Act::kPress, id}; }
Act Put(int id, const char* text) { return {Act::kPut, id, text}; }
Act Pick(int id, const char* prefix) { return {Act::kPick, id, prefix}; }
Act PickAt(int id, int index) { return {Act::kPickAt, id, "", index}; }
Act PickFirst(int combo) { return {Act::kPickFirst, combo}; }  // the face chosen becomes {picked}
Act Spin(int id) { return {Act::kSpin, id}; }
Act Shot(const char* file) { return {Act::kShot, 0, file}; }  // first in its step: painted while idle
Act Title(const char* text) { return {Act::kTitle, 0, text}; }
Act Shows(int id, const char* text) { return {Act::kShows, id, text}; }
Act On(int id) { return {Act::kOn, id}; }
Act Off(int id) { return {Act::kOff, id}; }
Act Box(const char* text) { return {Act::kBox, 0, text}; }  // a message box's text

using Step = std::vector<Act>;

struct Chain {
  const char* name;
  int command;
  const char* selection;
  std::vector<Step> steps;
  const char* built;  // "{picked}" stands for the font face the font dialog listed first
  const char* setting = nullptr;  // one value the chain leaves in the registry; "": none at all
  const char* value = nullptr;
  void (*before)() = nullptr;
};

void PrintTo(const Chain& c, std::ostream* os) { *os << c.name; }

std::string g_picked;

// The dialogs open, the first over the host: a new one is owned by the
// one before it, which stays disabled while it is open.
std::vector<HWND> g_open;

void RunStep(HWND d, const Step& step) {
  auto seen = std::find(g_open.begin(), g_open.end(), d);
  if (seen == g_open.end()) {
    EXPECT_EQ(GetWindow(d, GW_OWNER), g_open.back()) << WindowTextA(d);
    g_open.push_back(d);
  } else {
    g_open.erase(seen + 1, g_open.end());
  }
  EXPECT_FALSE(IsWindowEnabled(g_open.end()[-2])) << WindowTextA(d);
  for (const Act& a : step) {
    SCOPED_TRACE(WindowTextA(d) + ", control " + std::to_string(a.id));
    switch (a.kind) {
      case Act::kPress: Click(d, a.id); break;
      case Act::kPut: Type(d, a.id, a.text); break;
      case Act::kPick: SelectListEntry(d, a.id, a.text); break;
      case Act::kPickAt: SelectListEntry(d, a.id, a.index); break;
      case Act::kPickFirst:
        g_picked = SelectFirstComboEntry(d, a.id);
        EXPECT_FALSE(g_picked.empty()) << "the font dialog lists no face";
        SelectFirstComboEntry(d, cmb2);  // style
        SelectFirstComboEntry(d, cmb3);  // size
        break;
      case Act::kSpin: SpinUp(d, a.id); break;
      case Act::kShot: Screenshot(d, a.text); break;
      case Act::kTitle: EXPECT_EQ(WindowTextA(d), a.text); break;
      case Act::kShows: EXPECT_EQ(ItemText(d, a.id), a.text); break;
      case Act::kOn: EXPECT_TRUE(Enabled(d, a.id)); break;
      case Act::kOff: EXPECT_FALSE(Enabled(d, a.id)); break;
      case Act::kBox: EXPECT_EQ(MessageBoxText(d), a.text); break;
    }
  }
}

const Chain kChains[] = {
    {"TitleLangFromTheChooserAndARadio", 29111, "文書の表題",
     {{Title("<TITLE>の設定"), Off(IDC_HD_LANG), Press(IDC_HD_LANG_CHK)},
      {Shot("head-dialog.bmp"), On(IDC_HD_LANG), Put(IDC_HD_LANG, "en"), Press(IDC_HD_LANG_LIST)},
      {Title("LANG"), PickAt(IDC_VL_LIST, 12)},  // "ja (日本語)"
      {Shot("value-list.bmp"), Press(kOk)},
      {Shows(IDC_HD_LANG, "ja"), Press(IDC_HD_DIR_CHK), Press(IDC_HD_RTL)},
      {Press(kOk)}},
     "<TITLE LANG=\"ja\" DIR=\"rtl\">文書の表題</TITLE>", "HEAD_111Lang", "ja"},

    // A relation from the chooser, a shape from the dialog's own list that
    // offers the coordinates, the tab order from its up-down control.
    {"AnchorChooserOwnListAndUpDown", 29445, "abc",
     {{Title("アンカ/リンク/オブジェクトに関する設定 <A>"), Off(IDC_AN_REL_LIST), Put(IDC_AN_HREF, "index.htm"),
       Press(IDC_AN_REL_CHK), Press(IDC_AN_SHAPE_CHK), Press(IDC_AN_TABINDEX_CHK)},
      {Press(IDC_AN_REL_LIST)},
      {Title("REV/REL"), Pick(IDC_VL_LIST, "next"), Press(kOk)},
      {Shows(IDC_AN_REL, "next"), Pick(IDC_AN_SHAPE_LIST, "default"),
       Off(IDC_AN_COORDS), Pick(IDC_AN_SHAPE_LIST, "circle"), On(IDC_AN_COORDS),
       Put(IDC_AN_COORDS, "5,5,5"), Spin(IDC_AN_TABINDEX_SPIN)},
      {Shot("anchor-dialog.bmp"), Press(kOk)}},
     "<A HREF=\"index.htm\" REL=\"next\" SHAPE=\"circle\" COORDS=\"5,5,5\" TABINDEX=\"2\">abc</A>"},

    // The colour dialog cancelled, then opened on LINK's start colour and
    // a colour typed in; the other attributes from the basic dialog.
    {"BodyColourDialogAndBasicDialog", 29116, "abc",
     {{Title("<BODY>の設定"), Off(IDC_BD_LINK_PICK), Press(IDC_BD_ONLOAD_CHK), Press(IDC_BD_ATTR_CHK),
       Press(IDC_BD_BKG_CHK), Press(IDC_BD_BGCOLOR_CHK), Press(IDC_BD_LINK_CHK)},
      {On(IDC_BD_LINK_PICK), Put(IDC_BD_ONLOAD, "init()"), Put(IDC_BD_BKG, "paper.gif"),
       Put(IDC_BD_BGCOLOR, "#FFFFCC"), Press(IDC_BD_LINK_PICK)},
      {Press(kCancel)},
      {Shows(IDC_BD_LINK, ""), Press(IDC_BD_LINK_PICK)},
      {Shows(kRedBox, "0"), Shows(kGreenBox, "128"), Shows(kBlueBox, "64"), Put(kRedBox, "18"),
       Put(kGreenBox, "52"), Put(kBlueBox, "86"), Press(kOk)},
      {Shows(IDC_BD_LINK, "#123456"), Press(IDC_BD_ATTR_EDIT)},
      {Title("基本的な属性の設定 <BODY>"), Press(IDC_BS_ID_CHK), Press(IDC_BS_LANG_CHK)},
      {Put(IDC_BS_ID, "page"), Put(IDC_BS_LANG, "ja"), Press(kOk)},
      {Shows(IDC_BD_ATTR, "\r\nID=\"page\"\r\nLANG=\"ja\""), Press(IDC_BD_ONUNLOAD_CHK), Press(IDC_BD_TEXT_CHK),
       Press(IDC_BD_ALINK_CHK), Press(IDC_BD_VLINK_CHK)},
      {Shot("body-dialog.bmp"), Press(IDC_BD_ONUNLOAD_CHK), Press(IDC_BD_TEXT_CHK), Press(IDC_BD_ALINK_CHK),
       Press(IDC_BD_VLINK_CHK)},
      {Press(kOk)}},
     "<BODY onLoad=\"init()\" ID=\"page\" LANG=\"ja\" BACKGROUND=\"paper.gif\" BGCOLOR=\"#FFFFCC\" "
     "LINK=\"#123456\">\r\nabc\r\n</BODY>",
     "BODY_116Link", "#123456"},

    // Rule -> composer -> font group -> the system font dialog, cancelled
    // and then confirmed; a multi-line box of the composer.
    {"StyleRuleComposerFontGroupAndFontDialog", 29115, "abc",
     {{Title("STYLEの設定"), Pick(IDC_SR_LIST, "TD "), Shows(IDC_SR_SELECTOR, "TD"), Press(IDC_SR_CHANGE)},
      {Title("スタイルの設定 <TD>"), Off(IDC_SY_FONT_CHANGE), Press(IDC_SY_FONT_CHK), Press(IDC_SY_ELEMENT_CHK),
       Press(IDC_SY_FONT_CHANGE)},
      {Title(" STYLE : フォントの設定 <TD>"), Press(IDC_FN_FAMILY_CHK), Press(IDC_FN_WEIGHT_CHK)},
      {Put(IDC_FN_WEIGHT, "bold"), Press(IDC_FN_FAMILY_BROWSE)},
      {Press(kCancel)},
      {Shows(IDC_FN_FAMILY, ""), Press(IDC_FN_FAMILY_BROWSE)},
      {PickFirst(cmb1), Press(kOk)},
      {Press(kOk)},
      {Put(IDC_SY_ELEMENT, "float:left;\r\nclear:both;")},
      {Shot("style-composer.bmp"), Press(kOk)},
      {Shot("style-rule-dialog.bmp"), Press(kOk)}},
     "TD  { font-family:'{picked}'; font-weight:bold; float:left; clear:both; }\r\nabc", "SylCss_Selecta",
     "TD"},

    // Modal on the host window; Cancel gives the selection back and writes
    // nothing, whatever was changed before.
    {"CancelGivesTheSelectionBackAndWritesNothing", 29111, "abc",
     {{Press(IDC_HD_LANG_CHK)}, {Put(IDC_HD_LANG, "fr"), Press(kCancel)}},
     "abc", ""},

    {"EmptySelectorRefusedThenCancelKeepsTheSelection", 29115, "keep",
     {{Put(IDC_SR_SELECTOR, "  "), Press(IDC_SR_CHANGE)},
      {Title("スタイル変更"), Box("セレクタ（要素）を指定してから実行してください"), Press(kOk)},
      {Title("STYLEの設定"), Press(kCancel)}},
     "keep", "SylCss_Selecta", "<absent>"},

    // Composer -> border group -> edge dialog -> the colour chooser list
    // and the colour dialog (started on a planted red).
    {"BorderEdgesWithChooserAndColourDialog", 29115, "abc",
     {{Put(IDC_SR_SELECTOR, "TD"), Press(IDC_SR_CHANGE)},
      {Press(IDC_SY_BORDER_CHK), Press(IDC_SY_BORDER_CHANGE)},
      {Title(" STYLE : 枠(Border)の設定 <TD>"), Press(IDC_BD_TOP_CHK), Press(IDC_BD_LEFT_CHK),
       Press(IDC_BD_TOP_CHANGE)},
      {Title("枠(Border)の設定 <TD>"), Off(IDC_EB_STYLE_LIST), Press(IDC_EB_WIDTH_CHK), Press(IDC_EB_BY_LENGTH),
       Press(IDC_EB_STYLE_CHK), Press(IDC_EB_COLOR_CHK)},
      {On(IDC_EB_LENGTH), Put(IDC_EB_LENGTH, "2"), Pick(IDC_EB_STYLE_LIST, "dashed"), Shows(IDC_EB_STYLE, "dashed"),
       Press(IDC_EB_COLOR_NAME)},
      {Title("色の指定"), Pick(IDC_VL_LIST, "Navy"), Press(kOk)},
      {Shows(IDC_EB_SWATCH, "Navy"), Shot("style-border-edge-name.bmp"), Press(kOk)},
      {Shows(IDC_BD_TOP, "2px dashed Navy"), Press(IDC_BD_LEFT_CHANGE)},
      {Shows(IDC_EB_LENGTH, "2"), Press(IDC_EB_THICK), Press(IDC_EB_COLOR_PICK)},  // the top edge's choices
      {Press(kOk)},
      {Shows(IDC_EB_SWATCH, ""), Shot("style-border-edge-colour.bmp"), Press(kOk)},
      {Shows(IDC_BD_LEFT, "thick dashed #FF0000"), Shot("style-border.bmp"), Press(kOk)},
      {Shows(IDC_SY_BORDER, "border-top:2px dashed Navy;\r\nborder-left:thick dashed #FF0000;"), Press(kOk)},
      {Press(kOk)}},
     "TD  { border-top:2px dashed Navy; border-left:thick dashed #FF0000; }\r\nabc", "EBD_160Length", "2",
     [] { HtmlApp().WriteProfileInt("HTML", "EBD_160Color", 0x0000FF); }},

    // H1's basic dialog -> composer -> margin/padding, twice through the
    // per-side dialog, and the element layout group.
    {"MarginSidesAndElementLayout", 29121, "abc",
     {{Press(IDC_BS_STYLE_CHK), Press(IDC_BS_STYLE_EDIT)},
      {Title("スタイルの設定 <H1>"), Press(IDC_SY_MARGIN_CHK), Press(IDC_SY_ELEMENT_CHK),
       Press(IDC_SY_MARGIN_CHANGE)},
      {Title(" STYLE : Margin/Paddingの設定 <H1>"), Press(IDC_MG_MTOP_CHK), Press(IDC_MG_MLEFT_CHK),
       Press(IDC_MG_MCHANGE)},
      {Title("marginの設定"), Off(IDC_BV_BOTTOM), On(IDC_BV_LEFT_PERCENT), Put(IDC_BV_TOP, "10"),
       Put(IDC_BV_LEFT, "5"), Press(IDC_BV_LEFT_PERCENT)},
      {Shot("style-box-value.bmp"), Press(kOk)},
      {Shows(IDC_MG_MLEFT, "5%"), Press(IDC_MG_PADDING_CHK), Press(IDC_MG_PCHANGE)},
      {Title("paddingの設定"), Put(IDC_BV_RIGHT, "2"), Press(IDC_BV_RIGHT_EM), Press(kOk)},
      {Shows(IDC_MG_PADDING, "0px 2em 0px 0px"), Shot("style-margin.bmp"), Press(kOk)},
      {Press(IDC_SY_ELEMENT_CHANGE)},
      {Title(" STYLE : 要素の回り込みなどの設定 <H1>"), Off(IDC_EL_W), Press(IDC_EL_W_CHK), Press(IDC_EL_FLOAT_CHK),
       Press(IDC_EL_DISP_CHK)},
      {On(IDC_EL_W), Put(IDC_EL_W, "50"), Press(IDC_EL_W_PERCENT), Press(IDC_EL_FLOAT_LEFT)},
      {Shot("style-element.bmp"), Press(kOk)},
      {Press(kOk)},
      {Press(kOk)}},
     "<H1 STYLE=\"margin-top:10px; margin-left:5%; padding:0px 2em 0px 0px; "
     "width:50%; float:left; display:block;\">abc</H1>",
     "MV_121PRight", "2"},

    // For a list the style button opens the list style dialog, and that
    // the composer for the rest.
    {"ListStyleWithChooserAndComposer", 29141, "abc",
     {{Press(IDC_BS_STYLE_CHK), Press(IDC_BS_STYLE_EDIT)},
      {Title("リストに関する属性の設定 <OL>"), Off(IDC_LS_INSIDE), Press(IDC_LS_TYPE_CHK), Press(IDC_LS_POS_CHK),
       Press(IDC_LS_INSIDE), Press(IDC_LS_OTHER_CHK), Press(IDC_LS_TYPE_LIST)},
      {Title("リスト項目の先頭記号(TYPE)"), PickAt(IDC_VL_LIST, 2), Press(kOk)},  // "square"
      {Shows(IDC_LS_TYPE, "square"), Press(IDC_LS_OTHER_CHANGE)},
      {Title("スタイルの設定 <OL>"), Press(IDC_SY_COLOR_CHK)},
      {Put(IDC_SY_COLOR, "color:Red;"), Press(kOk)},
      {Shot("list-style-dialog.bmp"), Press(kOk)},
      {Press(kOk)}},
     "<OL STYLE=\"list-style-type:square; list-style-position:inside; color:Red;\">\r\nabc\r\n</OL>"},

    {"EventsFromTheBasicDialog", 29121, "abc",
     {{Press(IDC_BS_EVENT_CHK), Press(IDC_BS_EVENT_EDIT)},
      {Title("Eventsの設定"), PickAt(IDC_EV_LIST, 2), Put(IDC_EV_SCRIPT, "a()"), Press(IDC_EV_ADD)},  // onClick
      {Shows(IDC_EV_EVENT, "onClick"), PickAt(IDC_EV_LIST, 0), Put(IDC_EV_SCRIPT, "b()"), Press(IDC_EV_ADD)},
      {Press(kOk)},
      {Press(kOk)}},
     "<H1 onClick = \"a()\" onLoad = \"b()\">abc</H1>", "Evnt_121Evnts", "onClick = \"a()\"\r\nonLoad = \"b()\""},
};

class DialogChain : public HostTest, public ::testing::WithParamInterface<Chain> {};

TEST_P(DialogChain, BuildsWhatTheControlsSay) {
  const Chain& c = GetParam();
  if (c.before) c.before();
  Select(c.selection);
  g_picked.clear();
  g_open = {host_->hwnd()};
  DialogDriver driver;
  for (const Step& s : c.steps) driver.Then([&s](HWND d) { RunStep(d, s); });
  PickFromMenu(c.command);
  std::string want = c.built;
  if (size_t at = want.find("{picked}"); at != std::string::npos) want.replace(at, 8, g_picked);
  EXPECT_EQ(host_->Text(), want);
  EXPECT_TRUE(IsWindowEnabled(host_->hwnd()));
  if (c.setting && *c.setting) {
    EXPECT_EQ(Setting(c.setting), c.value);
  } else if (c.setting) {
    EXPECT_EQ(ValueCount(), 0);
  }
}

INSTANTIATE_TEST_SUITE_P(Rows, DialogChain, ::testing::ValuesIn(kChains),
                         [](const ::testing::TestParamInfo<Chain>& i) { return std::string(i.param.name); });

using Dialogs = HostTest;

// The image chosen in the real open-file dialog by its full path, whose
// directory and name end in the byte of a backslash; the second browse
// starts where the first ended; the process's directory stays.
TEST_F(Dialogs, ImageSourceFromTheOpenFileDialog) {
  const TempFile image("tqimg 表", "ソ.gif");
  auto currentDir = [] {
    char buf[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, buf);
    return std::string(buf);
  };
  const std::string before = currentDir();
  DialogDriver driver;
  driver.Then([](HWND d) { Click(d, IDC_IM_SRC_BROWSE); })
      .Then([&](HWND dlg) {
        EXPECT_EQ(WindowTextA(dlg), "画像ファイルの指定");
        char type[64] = {};
        SendDlgItemMessageA(dlg, cmb1, CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(type));
        EXPECT_STREQ(type, "All Files(*.*)");
        Type(dlg, FileNameBox(dlg), image.path.c_str());
        Click(dlg, kOk);
      })
      .Then([&](HWND d) {
        EXPECT_EQ(ItemText(d, IDC_IM_SRC), image.path);
        Screenshot(d, "image-dialog.bmp");
        Click(d, IDC_IM_SRC_BROWSE);
      })
      .Then([&](HWND dlg) {
        char folder[MAX_PATH] = {};
        SendMessageA(dlg, CDM_GETFOLDERPATH, sizeof folder, reinterpret_cast<LPARAM>(folder));
        EXPECT_EQ(std::string(folder), image.dir);
        Click(dlg, kCancel);
      })
      .Then([](HWND d) { Click(d, kOk); });
  PickFromMenu(29455);
  EXPECT_EQ(host_->Text(), "<IMG SRC=\"" + image.path + "\" ALT=\"\">abc");
  EXPECT_EQ(Setting("IMG_SrcPath"), image.dir);
  EXPECT_EQ(currentDir(), before);
}

}  // namespace
}  // namespace e2e
