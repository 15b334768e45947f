// What each element dialog shows on an empty profile: its title, the
// defaults in its fields and which controls wait for their boxes. What OK
// then builds and writes is in the command-line golden file.
#include <map>
#include <string>
#include <vector>

#include "dialogs.h"

namespace tqtest {

using namespace tq;

class FirstUse : public Headless {
 public:
  template <class Dlg>
  std::string Open(int id, plat::DialogScript s) {
    return OpenDlg<Dlg>(id, std::move(s), "sel");
  }
};

TEST_F(FirstUse, TitleDefaultsAndControlsWaitingForTheirBoxes) {
  const std::map<int, const char*> titles = {
      {29455, "画像<IMG>の設定"},       {29457, "パラメタ<PARAM>の設定"}, {29151, "作表に関する属性の設定 <TABLE>"},
      {29160, "作表に関する設定 <TD>"}, {29159, "作表に関する設定 <TH>"}, {29170, "<SCRIPT>の設定"},
      {29172, "<FORM>の設定"},          {29165, "<FRAMESET>の設定"},      {29166, "<FRAME> の設定"},
      {29460, "<IFRAME> の設定"},       {29466, "<INPUT>の設定"},         {29472, "<BUTTON>の設定"},
      {29456, "<OBJECT>の設定"},        {29458, "<APPLET>の設定"},        {29116, "<BODY>の設定"},
      {29470, "<TEXTAREA>の設定"},      {29467, "<SELECT>の設定"},        {29110, "<HEAD>の設定"},
      {29111, "<TITLE>の設定"},         {29112, "<BASE>の設定"},          {29113, "<META>の設定"},
      {29114, "<STYLE>の設定"},        {29153, "作表に関する設定 <COLGROUP>"}, {29158, "作表に関する設定 <TR>"},
  };
  // The fields' texts, each followed by "|".
  const std::map<int, std::pair<std::vector<int>, const char*>> defaults = {
      {29455, {{IDC_IM_ALIGN, IDC_IM_BORDER, IDC_IM_HSPACE, IDC_IM_VSPACE}, "bottom|0|0|0|"}},
      {29151,
       {{IDC_TB_BORDER, IDC_TB_WIDTH, IDC_TB_SUMMARY, IDC_TB_FRAME, IDC_TB_RULES, IDC_TB_SPACING, IDC_TB_PADDING,
         IDC_TB_ATTR},
        "1|1||border|all|1|1||"}},
      {29160,
       {{IDC_TC_ABBR, IDC_TC_AXIS, IDC_TC_HEADERS, IDC_TC_SCOPE, IDC_TC_COLSPAN, IDC_TC_ROWSPAN, IDC_TC_ALIGN,
         IDC_TC_CHAR, IDC_TC_CHAROFF, IDC_TC_VALIGN, IDC_TC_ATTR},
        "||||1|1|center|.|0|baseline||"}},
      {29172, {{IDC_FM_ENCTYPE, IDC_FM_CHARSET}, "application/x-www-form-urlencoded|shift-jis|"}},
      {29166, {{IDC_FR_MGNW, IDC_FR_MGNH, IDC_FR_SCROLL}, "1|1|auto|"}},
      {29466, {{IDC_IN_TYPE, IDC_IN_SIZE, IDC_IN_TABINDEX}, "text|0|1|"}},
      {29472, {{IDC_IN_TYPE}, "submit|"}},
      {29456, {{IDC_OB_TABINDEX}, "1|"}},
      {29470, {{IDC_TA_TABINDEX}, "1|"}},
      {29153,
       {{IDC_CG_SPAN, IDC_CG_WIDTH, IDC_CG_ALIGN, IDC_CG_CHAR, IDC_CG_CHAROFF, IDC_CG_VALIGN, IDC_CG_ATTR},
        "1||center|.|0|baseline||"}},
  };
  // Off until their boxes are checked, or withdrawn from the element.
  const std::map<int, std::vector<int>> off = {
      {29455,
       {IDC_IM_LONGDESC_BROWSE, IDC_IM_WIDTH_PCT, IDC_IM_HEIGHT_SPIN, IDC_IM_USEMAP, IDC_IM_ALIGN_LIST,
        IDC_IM_BORDER_PIX, IDC_IM_HSPACE, IDC_IM_VSPACE_SPIN, IDC_IM_ATTR_EDIT}},
      {29457, {IDC_PA_ID, IDC_PA_NAME, IDC_PA_VALUE, IDC_PA_VTYPE_LIST, IDC_PA_TYPE_LIST}},
      {29151,
       {IDC_TB_BORDER, IDC_TB_BORDER_SPIN, IDC_TB_WIDTH_PCT, IDC_TB_SUMMARY, IDC_TB_FRAME_LIST, IDC_TB_RULES,
        IDC_TB_SPACING_PX, IDC_TB_PADDING_SPIN, IDC_TB_ATTR, IDC_TB_ATTR_EDIT}},
      {29160,
       {IDC_TC_ABBR, IDC_TC_SCOPE_LIST, IDC_TC_COLSPAN_SPIN, IDC_TC_ALIGN, IDC_TC_VALIGN_LIST, IDC_TC_ATTR_EDIT,
        IDC_TC_CHAR, IDC_TC_CHAROFF_PCT}},
      {29170, {IDC_SC_LANG, IDC_SC_CHARSET_LIST, IDC_SC_SRC_BROWSE}},
      {29172, {IDC_FM_POST, IDC_FM_CHARSET_ADD, IDC_FM_ATTR_EDIT}},
      {29165,
       {IDC_FS_ROWS, IDC_FS_COLS, IDC_FS_ONLOAD, IDC_FS_ONLOAD_BROWSE, IDC_FS_ONUNLOAD, IDC_FS_ONUNLOAD_BROWSE,
        IDC_FS_ATTR, IDC_FS_ATTR_EDIT}},
      {29166, {IDC_FR_WIDTH_CHK, IDC_FR_HEIGHT_CHK, IDC_FR_ALIGN_CHK, IDC_FR_BORDER_ON, IDC_FR_SCROLL_LIST}},
      {29460, {IDC_FR_NORESIZE_CHK}},
      {29472, {IDC_IN_NAME}},
      {29456,
       {IDC_OB_CLASSID_BROWSE, IDC_OB_ARCHIVE_ADD, IDC_OB_WIDTH_PCT, IDC_OB_TABINDEX_SPIN, IDC_OB_ALIGN_LIST,
        IDC_OB_ATTR_EDIT}},
      {29116,
       {IDC_BD_ONLOAD, IDC_BD_ONLOAD_BROWSE, IDC_BD_ATTR, IDC_BD_ATTR_EDIT, IDC_BD_BKG_BROWSE, IDC_BD_BGCOLOR,
        IDC_BD_VLINK_PICK}},
      {29470, {IDC_TA_SIZE_CHK, IDC_TA_MULTIPLE_CHK}},
      {29153, {IDC_CG_SPAN_SPIN, IDC_CG_WIDTH_PX, IDC_CG_ALIGN_LIST, IDC_CG_VALIGN, IDC_CG_ATTR_EDIT, IDC_CG_CHAR}},
      {29158, {IDC_CG_SPAN_CHK, IDC_CG_WIDTH, IDC_CG_ALIGN_LIST, IDC_CG_CHAROFF_SPIN}},
  };
  // On from the start: SCRIPT's TYPE always, INPUT's NAME (BUTTON's not),
  // the boxes FRAME and IFRAME, TEXTAREA and SELECT do not share, and the
  // units of CHAROFF.
  const std::map<int, std::vector<int>> on = {
      {29455, {IDC_IM_SRC, IDC_IM_ALT, IDC_IM_SRC_BROWSE}},
      {29170, {IDC_SC_TYPE_LIST}},
      {29172, {IDC_FM_ACTION_BROWSE}},
      {29166, {IDC_FR_NORESIZE_CHK}},
      {29460, {IDC_FR_WIDTH_CHK, IDC_FR_ALIGN_CHK}},
      {29466, {IDC_IN_NAME}},
      {29470, {IDC_TA_COLS, IDC_TA_ROWS_SPIN, IDC_TA_COLS_LABEL, IDC_TA_READONLY_CHK, IDC_TA_SELECT_CHK}},
      {29153, {IDC_CG_CHAROFF_PX, IDC_CG_CHAROFF_PCT}},
  };
  const std::map<int, std::vector<int>> checked = {
      {29455, {IDC_IM_WIDTH_PIX}}, {29151, {IDC_TB_WIDTH_PX, IDC_TB_SPACING_PX, IDC_TB_PADDING_PX}},
      {29172, {IDC_FM_GET}},       {29166, {IDC_FR_BORDER_ON, IDC_FR_WIDTH_PX}},
      {29466, {IDC_IN_NAME_CHK}},  {29456, {IDC_OB_BORDER_PIX}},
  };
  auto of = [](const std::map<int, std::vector<int>>& m, int id) {
    auto it = m.find(id);
    return it == m.end() ? std::vector<int>{} : it->second;
  };
  for (const auto& [id, title] : titles) {
    backend.opened.clear();
    RunWith(id, "s", [&, id = id](D& d) {
      if (auto it = defaults.find(id); it != defaults.end()) {
        std::string texts;
        for (int f : it->second.first) texts += d.GetText(f) + "|";
        EXPECT_EQ(texts, it->second.second) << id;
      }
      for (int c : of(off, id)) EXPECT_FALSE(d.IsEnabled(c)) << id << " " << c;
      for (int c : of(on, id)) EXPECT_TRUE(d.IsEnabled(c)) << id << " " << c;
      for (int c : of(checked, id)) EXPECT_EQ(d.GetCheck(c), 1) << id << " " << c;
      d.Ok();
    });
    EXPECT_EQ(backend.opened, std::vector<std::string>{title}) << id;
  }
}

// The style dialogs: OK with nothing checked builds nothing and writes only
// the flag word; a box ticked and then cancelled writes nothing.
TEST_F(FirstUse, StyleDialogsBuildNothingUncheckedAndCancelWritesNothing) {
  using Opener = std::string (FirstUse::*)(int, plat::DialogScript);
  struct Case {
    Opener open;
    int id;
    const char* title;
    const char* flag;
    int box;
  };
  const Case cases[] = {
      {&FirstUse::Open<CStyleDlg>, 29127, "スタイルの設定 <P>", "Syl_127Flag", IDC_SY_BORDER_CHK},
      {&FirstUse::Open<CStyleFontDlg>, 29121, " STYLE : フォントの設定 <H1>", "StlFnt_121Flag", IDC_FN_WEIGHT_CHK},
      {&FirstUse::Open<CStyleColorDlg>, 29121, " STYLE : 画像・背景の設定 <H1>", "SylClr_121Flag", IDC_CL_COLOR_CHK},
      {&FirstUse::Open<CStyleTextDlg>, 29121, " STYLE : テキストの設定 <H1>", "SylTxt_121Flag", IDC_TX_LS_CHK},
      {&FirstUse::Open<CStyleElementDlg>, 29121, " STYLE : 要素の回り込みなどの設定 <H1>", "SylElm_121Flag",
       IDC_EL_DISP_CHK},
      {&FirstUse::Open<CListStyleDlg>, 29140, "リストに関する属性の設定 <UL>", "LtSyl_140Flag", IDC_LS_TYPE_CHK},
      {&FirstUse::Open<CStyleMarginDlg>, 29121, " STYLE : Margin/Paddingの設定 <H1>", "SylMgn_121Flag",
       IDC_MG_MTOP_CHK},
      {&FirstUse::Open<CStyleBorderDlg>, 29121, " STYLE : 枠(Border)の設定 <H1>", "BDR_121Flag", IDC_BD_TOP_CHK},
  };
  for (const Case& c : cases) {
    SetUp();
    EXPECT_EQ((this->*c.open)(c.id, [](D& d) { d.Ok(); }), "") << c.flag;
    EXPECT_EQ(Int(c.flag), 0);
    EXPECT_EQ(profile->writes(), 1) << c.flag;
    EXPECT_EQ((this->*c.open)(c.id,
                              [&](D& d) {
                                d.Click(c.box);
                                d.Cancel();
                              }),
              "<cancelled>");
    EXPECT_EQ(profile->writes(), 1) << c.flag;
    EXPECT_EQ(backend.opened.at(0), c.title);
  }
}

// The group dialogs' defaults, and the controls off until their boxes.
TEST_F(FirstUse, GroupDialogsOpenWithTheirDefaults) {
  using Opener = std::string (FirstUse::*)(int, plat::DialogScript);
  struct Case {
    Opener open;
    int id;
    const char* title;
    std::vector<int> fields;
    const char* texts;
    std::vector<int> off, checked;
  };
  const Case cases[] = {
      {&FirstUse::Open<CStyleTextDlg>, 29121, " STYLE : テキストの設定 <H1>",
       {IDC_TX_WS, IDC_TX_LS, IDC_TX_VAPER, IDC_TX_IND, IDC_TX_LH, IDC_TX_DECO, IDC_TX_TALIGN, IDC_TX_VAKW,
        IDC_TX_TRANS},
       "0|0|0|0|1|none|left|baseline|none|",
       {IDC_TX_WS_NORMAL, IDC_TX_WS, IDC_TX_LS_PT, IDC_TX_DECO, IDC_TX_IND_PERCENT, IDC_TX_LH_NORMAL, IDC_TX_LH_RATIO},
       {IDC_TX_WS_NORMAL, IDC_TX_LS_NORMAL, IDC_TX_LH_NORMAL, IDC_TX_WS_PX, IDC_TX_LS_PX, IDC_TX_IND_PX,
        IDC_TX_LH_RATIO}},
      {&FirstUse::Open<CStyleFontDlg>, 29115, " STYLE : フォントの設定 スタイル文内の要素定義",
       {IDC_FN_STYLE, IDC_FN_VARIANT, IDC_FN_WEIGHT, IDC_FN_SIZEKW, IDC_FN_SIZE},
       "normal|normal|normal|medium||",
       {IDC_FN_FAMILY, IDC_FN_FAMILY_BROWSE, IDC_FN_STYLE, IDC_FN_STYLE_LIST, IDC_FN_VARIANT, IDC_FN_VARIANT_LIST,
        IDC_FN_WEIGHT, IDC_FN_WEIGHT_LIST, IDC_FN_SIZEKW_CHK, IDC_FN_SIZEKW, IDC_FN_SIZEKW_LIST, IDC_FN_SIZE,
        IDC_FN_SIZE_SPIN, IDC_FN_PT, IDC_FN_PX, IDC_FN_MM, IDC_FN_EM, IDC_FN_PERCENT},
       {IDC_FN_PT}},
  };
  for (const Case& c : cases) {
    backend.opened.clear();
    (this->*c.open)(c.id, [&](D& d) {
      std::string texts;
      for (int f : c.fields) texts += d.GetText(f) + "|";
      EXPECT_EQ(texts, c.texts) << c.title;
      for (int id : c.off) EXPECT_FALSE(d.IsEnabled(id)) << c.title << " " << id;
      for (int id : c.checked) EXPECT_EQ(d.GetCheck(id), 1) << c.title << " " << id;
      d.Ok();
    });
    EXPECT_EQ(backend.opened, std::vector<std::string>{c.title});
  }
}

}  // namespace tqtest
