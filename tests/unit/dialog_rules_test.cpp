// Rules the dialogs share, stated once over all of them: a check box
// governs its field and the field is remembered per slot; a path browser
// fills its field and remembers its directory at once; a chooser fills its
// field and a cancelled one changes nothing; boxes an element lacks are
// withdrawn; what the dialogs build is valid HTML.
#include <algorithm>
#include <string>
#include <vector>

#include "dialogs.h"

namespace tqtest {

using namespace tq;

class DialogRules : public Headless {
 public:
  using Opener = std::string (DialogRules::*)(int, plat::DialogScript);
  // A command's own dialog, run as the host does.
  std::string Cmd(int id, plat::DialogScript s) { return RunWith(id, "s", std::move(s)); }
  // A style group dialog, opened as the composer opens it.
  template <class Dlg>
  std::string Group(int id, plat::DialogScript s) {
    return OpenDlg<Dlg>(id, std::move(s), "s");
  }
};

using R = DialogRules;

TEST_F(DialogRules, BoxGovernsItsFieldWhichIsRememberedAndKeptWhenUnchecked) {
  struct Case {
    R::Opener open;
    int id, box, edit;
    const char* text;
    const char* key;
  };
  const Case cases[] = {
      {&R::Cmd, 29121, IDC_BS_ID_CHK, IDC_BS_ID, "q1", "Bsc_121ID"},
      {&R::Cmd, 29455, IDC_IM_LONGDESC_CHK, IDC_IM_LONGDESC, "q2.htm", "IMG_455Longdesc"},
      {&R::Cmd, 29457, IDC_PA_NAME_CHK, IDC_PA_NAME, "q3", "PARAM_457Name"},
      {&R::Cmd, 29151, IDC_TB_SUMMARY_CHK, IDC_TB_SUMMARY, "q4", "Tbl_151Summary"},
      {&R::Cmd, 29160, IDC_TC_ABBR_CHK, IDC_TC_ABBR, "q5", "Tcl_160Abbr"},
      {&R::Cmd, 29153, IDC_CG_ATTR_CHK, IDC_CG_ATTR, "CLASS=\"q6\"", "Clg_153OtherAttr"},
      {&R::Cmd, 29170, IDC_SC_LANG_CHK, IDC_SC_LANG, "q7", "SCRIPT_170Language"},
      {&R::Cmd, 29172, IDC_FM_TARGET_CHK, IDC_FM_TARGET, "q8", "FORM_172Target"},
      {&R::Cmd, 29165, IDC_FS_ROWS_CHK, IDC_FS_ROWS, "9%,*", "FRSET_165Rows"},
      {&R::Cmd, 29166, IDC_FR_NAME_CHK, IDC_FR_NAME, "q10", "FRM_166Name"},
      {&R::Cmd, 29460, IDC_FR_LONGDESC_CHK, IDC_FR_LONGDESC, "q11", "FRM_460LondDesc"},
      {&R::Cmd, 29466, IDC_IN_ALT_CHK, IDC_IN_ALT, "q12", "INPUT_466Alt"},
      {&R::Cmd, 29456, IDC_OB_NAME_CHK, IDC_OB_NAME, "q13", "OBJ_456Name"},
      {&R::Cmd, 29458, IDC_OB_DATA_CHK, IDC_OB_DATA, "Q14.class", "OBJ_458Data"},
      {&R::Cmd, 29116, IDC_BD_TEXT_CHK, IDC_BD_TEXT, "q15", "BODY_116Text"},
      {&R::Cmd, 29470, IDC_TA_NAME_CHK, IDC_TA_NAME, "q16", "TXTAR_470Name"},
      {&R::Cmd, 29467, IDC_TA_CHANGE_CHK, IDC_TA_CHANGE, "q17()", "TXTAR_467OnChange"},
      {&R::Cmd, 29112, IDC_HD_TARGET_CHK, IDC_HD_TARGET, "q18", "HEAD_112Target"},
      {&R::Cmd, 29445, IDC_AN_REL_CHK, IDC_AN_REL, "q19", "AL_445Rel"},
      {&R::Cmd, 29469, IDC_FI_LABEL_CHK, IDC_FI_LABEL, "q20", "FMM_469Label"},
      {&R::Group<CStyleDlg>, 29121, IDC_SY_COLOR_CHK, IDC_SY_COLOR, "color:Red;", "Syl_121Color"},
      {&R::Group<CStyleFontDlg>, 29121, IDC_FN_FAMILY_CHK, IDC_FN_FAMILY, "serif", "StlFnt_121Family"},
      {&R::Group<CStyleMarginDlg>, 29121, IDC_MG_MTOP_CHK, IDC_MG_MTOP, "7px", "SylMgn_121MTop"},
      {&R::Group<CStyleBorderDlg>, 29121, IDC_BD_TOP_CHK, IDC_BD_TOP, "thin solid", "BDR_121Top"},
      {&R::Group<CStyleElementDlg>, 29121, IDC_EL_W_CHK, IDC_EL_W, "57", "SylElm_121Width"},
      {&R::Group<CListStyleDlg>, 29140, IDC_LS_OTHER_CHK, IDC_LS_OTHER, "margin:0;", "LtSyl_140Other"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.key);
    std::string r = (this->*c.open)(c.id, [&](D& d) {
      EXPECT_FALSE(d.IsEnabled(c.edit));
      Tick(d, c.box, c.edit, c.text);
      EXPECT_TRUE(d.IsEnabled(c.edit));
      d.Ok();
    });
    EXPECT_NE(r.find(c.text), std::string::npos) << r;
    EXPECT_EQ(Str(c.key), c.text);
    r = (this->*c.open)(c.id, [&](D& d) {
      EXPECT_EQ(d.GetCheck(c.box), 1);
      EXPECT_EQ(d.GetText(c.edit), c.text);
      d.Click(c.box);
      EXPECT_FALSE(d.IsEnabled(c.edit));
      d.Ok();
    });
    EXPECT_EQ(r.find(c.text), std::string::npos) << r;
    EXPECT_EQ(Str(c.key), c.text);
  }
}

// The directory is written as soon as a path is browsed, so even a
// cancelled dialog keeps it; a cancelled browse keeps the field.
TEST_F(DialogRules, BrowseFillsTheFieldAndRemembersTheDirectory) {
  struct Case {
    R::Opener open;
    int id, box, button, field;
    const char* title;
    const char* key;
  };
  const Case cases[] = {
      {&R::Cmd, 29455, 0, IDC_IM_SRC_BROWSE, IDC_IM_SRC, "画像ファイルの指定", "IMG_SrcPath"},
      {&R::Cmd, 29455, IDC_IM_LONGDESC_CHK, IDC_IM_LONGDESC_BROWSE, IDC_IM_LONGDESC, "LONGDESCファイルの指定",
       "IMG_LongdescPath"},
      {&R::Cmd, 29460, IDC_FR_LONGDESC_CHK, IDC_FR_LONGDESC_BROWSE, IDC_FR_LONGDESC, "LONGDESCのURI設定",
       "FRM_LongDescPath"},
      {&R::Cmd, 29166, IDC_FR_SRC_CHK, IDC_FR_SRC_BROWSE, IDC_FR_SRC, "SRCのURI設定", "FRM_SRCPath"},
      {&R::Cmd, 29470, IDC_TA_SELECT_CHK, IDC_TA_SELECT_BROWSE, IDC_TA_SELECT,
       "要素が選択された時のスクリプト指定(onSelect)", "TXTAR_OnSelectPath"},
      {&R::Cmd, 29467, IDC_TA_CHANGE_CHK, IDC_TA_CHANGE_BROWSE, IDC_TA_CHANGE,
       "内容が変更された時のスクリプト指定(onChange)", "TXTAR_OnChangePath"},
      {&R::Cmd, 29470, IDC_TA_FOCUS_CHK, IDC_TA_FOCUS_BROWSE, IDC_TA_FOCUS, "フォーカス時のスクリプト指定(onFocus)",
       "TXTAR_OnFocusPath"},
      {&R::Cmd, 29470, IDC_TA_BLUR_CHK, IDC_TA_BLUR_BROWSE, IDC_TA_BLUR, "フォーカス喪失時のスクリプト指定(onBlur)",
       "TXTAR_OnBlurPath"},
      {&R::Cmd, 29170, IDC_SC_SRC_CHK, IDC_SC_SRC_BROWSE, IDC_SC_SRC, "スクリプトのソースURI(SRC)", "SCRIPT_SrcPath"},
      {&R::Cmd, 29165, IDC_FS_ONLOAD_CHK, IDC_FS_ONLOAD_BROWSE, IDC_FS_ONLOAD, "OnLoadスクリプトの設定",
       "FRSET_OnLoadPath"},
      {&R::Cmd, 29165, IDC_FS_ONUNLOAD_CHK, IDC_FS_ONUNLOAD_BROWSE, IDC_FS_ONUNLOAD, "OnUnloadスクリプトの設定",
       "FRSET_OnUnloadPath"},
      {&R::Cmd, 29172, 0, IDC_FM_ACTION_BROWSE, IDC_FM_ACTION, "フォームを処理するURI(ACTION)", "FORM_ActionPath"},
      {&R::Cmd, 29172, IDC_FM_SUBMIT_CHK, IDC_FM_SUBMIT_BROWSE, IDC_FM_SUBMIT, "OK時に実行するスクリプト(onSubmit)",
       "FORM_OnSubmitPath"},
      {&R::Cmd, 29172, IDC_FM_RESET_CHK, IDC_FM_RESET_BROWSE, IDC_FM_RESET, "リセット時に実行するスクリプト(onReset)",
       "FORM_OnResetPath"},
      {&R::Cmd, 29116, IDC_BD_ONLOAD_CHK, IDC_BD_ONLOAD_BROWSE, IDC_BD_ONLOAD, "ロード時のスクリプト指定(onLoad)",
       "BODY_OnLoadPath"},
      {&R::Cmd, 29116, IDC_BD_ONUNLOAD_CHK, IDC_BD_ONUNLOAD_BROWSE, IDC_BD_ONUNLOAD,
       "アンロード時のスクリプト指定(onUnload)", "BODY_OnUnloadPath"},
      {&R::Cmd, 29116, IDC_BD_BKG_CHK, IDC_BD_BKG_BROWSE, IDC_BD_BKG, "背景画像の指定(BACKGROUND)",
       "BODY_BackGroundPath"},
      {&R::Cmd, 29456, IDC_OB_DATA_CHK, IDC_OB_DATA_BROWSE, IDC_OB_DATA, "オブジェクトDATAの設定", "Obj_DataPath"},
      {&R::Cmd, 29458, IDC_OB_DATA_CHK, IDC_OB_DATA_BROWSE, IDC_OB_DATA, "アプレットCODEの設定", "Obj_DataPath"},
      {&R::Cmd, 29456, IDC_OB_CLASSID_CHK, IDC_OB_CLASSID_BROWSE, IDC_OB_CLASSID, "CLASSIDの設定", "Obj_ClassIDPath"},
      {&R::Cmd, 29456, IDC_OB_CODEBASE_CHK, IDC_OB_CODEBASE_BROWSE, IDC_OB_CODEBASE, "CODEBASEの設定",
       "Obj_CodebasePath"},
      {&R::Cmd, 29445, 0, IDC_AN_HREF_BROWSE, IDC_AN_HREF, "HREFの指定", "Ank_HrefPath"},
      {&R::Cmd, 29445, IDC_AN_FOCUS_CHK, IDC_AN_FOCUS_BROWSE, IDC_AN_FOCUS, "OnFocusスクリプトの指定",
       "Ank_OnFocusPath"},
      {&R::Cmd, 29448, IDC_AN_BLUR_CHK, IDC_AN_BLUR_BROWSE, IDC_AN_BLUR, "OnBlurスクリプトの指定", "Ank_OnBlurPath"},
      {&R::Cmd, 29466, IDC_IN_SRC_CHK, IDC_IN_SRC_BROWSE, IDC_IN_SRC, "画像ボタンのためのURI(SRC)", "INPUT_SrcPath"},
      {&R::Cmd, 29466, IDC_IN_USEMAP_CHK, IDC_IN_USEMAP_BROWSE, IDC_IN_USEMAP, "イメージマップの指定(USEMAP)",
       "INPUT_UsemapPath"},
      {&R::Cmd, 29466, IDC_IN_FOCUS_CHK, IDC_IN_FOCUS_BROWSE, IDC_IN_FOCUS, "フォーカス時のスクリプト指定(onFocus)",
       "INPUT_OnFocusPath"},
      {&R::Cmd, 29472, IDC_IN_BLUR_CHK, IDC_IN_BLUR_BROWSE, IDC_IN_BLUR, "フォーカス喪失時のスクリプト指定(onBlur)",
       "INPUT_OnBlurPath"},
      {&R::Cmd, 29466, IDC_IN_SELECT_CHK, IDC_IN_SELECT_BROWSE, IDC_IN_SELECT,
       "要素が選択された時のスクリプト指定(onSelect)", "INPUT_OnSelectPath"},
      {&R::Cmd, 29466, IDC_IN_CHANGE_CHK, IDC_IN_CHANGE_BROWSE, IDC_IN_CHANGE,
       "内容が変更された時のスクリプト指定(onChange)", "INPUT_OnChangePath"},
      {&R::Cmd, 29465, IDC_FI_FOCUS_CHK, IDC_FI_FOCUS_BROWSE, IDC_FI_FOCUS, "フォーカス時のスクリプト指定(onFocus)",
       "FMM_OnFocusPath"},
      {&R::Cmd, 29465, IDC_FI_BLUR_CHK, IDC_FI_BLUR_BROWSE, IDC_FI_BLUR, "フォーカス喪失時のスクリプト指定(onBlur)",
       "FMM_OnBlurPath"},
      {&R::Cmd, 29112, IDC_HD_HREF_CHK, IDC_HD_HREF_BROWSE, IDC_HD_HREF, "HREFの設定", "HEAD_HrefPath"},
      {&R::Cmd, 29132, IDC_BS_OTHER_CHK, IDC_BS_OTHER_LIST, IDC_BS_OTHER, "引用文書のURI", "Bsc_Path"},
      {&R::Group<CStyleColorDlg>, 29121, IDC_CL_IMAGE_CHK, IDC_CL_IMAGE_BROWSE, IDC_CL_IMAGE, "背景画像の指定",
       "StyClr_ImgPath"},
      {&R::Group<CListStyleDlg>, 29142, IDC_LS_IMAGE_CHK, IDC_LS_IMAGE_BROWSE, IDC_LS_IMAGE,
       "リストの先頭記号にする画像ファイル", "List_Path"},
  };
  const std::string path = "C:\\my dir\\sub\\f 1.x";
  for (const Case& c : cases) {
    SCOPED_TRACE(c.key);
    SetUp();
    backend.AnswerFile(path);
    backend.AnswerFile(std::nullopt);
    (this->*c.open)(c.id, [&](D& d) {
      if (c.box) d.Click(c.box);
      d.Click(c.button);
      EXPECT_EQ(d.GetText(c.field), path);
      d.Click(c.button);
      EXPECT_EQ(d.GetText(c.field), path);
      d.Cancel();
    });
    EXPECT_EQ(FileTitles(), (std::vector<std::string>{c.title, c.title}));
    ASSERT_EQ(backend.fileRequests.size(), 2u);
    EXPECT_EQ(backend.fileRequests[0].initialDir, "");
    EXPECT_EQ(backend.fileRequests[1].initialDir, "C:\\my dir\\sub");
    EXPECT_EQ(Str(c.key), "C:\\my dir\\sub");
    EXPECT_EQ(profile->writes(), 1);
  }
}

// A chooser's entry gives its field the word before the blank; a cancelled
// chooser leaves the field as it was.
TEST_F(DialogRules, ChoosersFillTheirFields) {
  struct Case {
    R::Opener open;
    int id, box, button, field;
    const char* title;
    const char* pick;
  };
  const Case cases[] = {
      {&R::Cmd, 29455, IDC_IM_ALIGN_CHK, IDC_IM_ALIGN_LIST, IDC_IM_ALIGN, "ALIGN", "middle"},
      {&R::Cmd, 29457, IDC_PA_VTYPE_CHK, IDC_PA_VTYPE_LIST, IDC_PA_VTYPE, "VALUETYPE", "data"},
      {&R::Cmd, 29457, IDC_PA_TYPE_CHK, IDC_PA_TYPE_LIST, IDC_PA_TYPE, "MIME", "video/mpeg"},
      {&R::Cmd, 29170, IDC_SC_CHARSET_CHK, IDC_SC_CHARSET_LIST, IDC_SC_CHARSET, "", "shift-jis"},
      {&R::Cmd, 29170, 0, IDC_SC_TYPE_LIST, IDC_SC_TYPE, "SCRIPTのMIMEタイプ", "text/javascript"},
      {&R::Cmd, 29172, IDC_FM_ENCTYPE_CHK, IDC_FM_ENCTYPE_LIST, IDC_FM_ENCTYPE, "MIME", "text/plain"},
      {&R::Cmd, 29460, IDC_FR_SCROLL_CHK, IDC_FR_SCROLL_LIST, IDC_FR_SCROLL, "スクロールバーの表示/非表示", "no"},
      {&R::Cmd, 29460, IDC_FR_ALIGN_CHK, IDC_FR_ALIGN_LIST, IDC_FR_ALIGN, "回り込みおよび垂直位置", "middle"},
      {&R::Cmd, 29456, IDC_OB_TYPE_CHK, IDC_OB_TYPE_LIST, IDC_OB_TYPE, "MIME", "application/octet-stream"},
      {&R::Cmd, 29456, IDC_OB_CODETYPE_CHK, IDC_OB_CODETYPE_LIST, IDC_OB_CODETYPE, "MIME", "application/zip"},
      {&R::Cmd, 29445, IDC_AN_CHARSET_CHK, IDC_AN_CHARSET_LIST, IDC_AN_CHARSET, "文字コードセット", "x-euc-jp"},
      {&R::Cmd, 29445, IDC_AN_TYPE_CHK, IDC_AN_TYPE_LIST, IDC_AN_TYPE, "MIME", "text/css"},
      {&R::Cmd, 29445, IDC_AN_HREFLANG_CHK, IDC_AN_HREFLANG_LIST, IDC_AN_HREFLANG, "LANG", "en-US"},
      {&R::Cmd, 29445, IDC_AN_REL_CHK, IDC_AN_REL_LIST, IDC_AN_REL, "REV/REL", "stylesheet"},
      {&R::Cmd, 29445, IDC_AN_REV_CHK, IDC_AN_REV_LIST, IDC_AN_REV, "REV/REL", "prev"},
      {&R::Cmd, 29466, IDC_IN_ALIGN_CHK, IDC_IN_ALIGN_LIST, IDC_IN_ALIGN, "ALIGN", "middle"},
      {&R::Cmd, 29472, IDC_IN_TYPE_CHK, IDC_IN_TYPE_LIST, IDC_IN_TYPE, "ボタンのタイプ", "reset"},
      {&R::Cmd, 29471, IDC_FI_ALIGN_CHK, IDC_FI_ALIGN_LIST, IDC_FI_ALIGN, "ALIGN", "top"},
      {&R::Cmd, 29113, IDC_HD_NAME_CHK, IDC_HD_NAME_LIST, IDC_HD_NAME, "NAME examples for <META>", "author"},
      {&R::Group<CStyleFontDlg>, 29121, IDC_FN_WEIGHT_CHK, IDC_FN_WEIGHT_LIST, IDC_FN_WEIGHT, "文字の太さ(font-weight)",
       "bold"},
      {&R::Group<CStyleTextDlg>, 29121, IDC_TX_DECO_CHK, IDC_TX_DECO_LIST, IDC_TX_DECO, "文字装飾(text-decoration)",
       "line-through"},
      {&R::Group<CStyleTextDlg>, 29121, IDC_TX_TALIGN_CHK, IDC_TX_TALIGN_LIST, IDC_TX_TALIGN, "行配置(text-align)",
       "justify"},
      {&R::Group<CStyleTextDlg>, 29121, IDC_TX_TRANS_CHK, IDC_TX_TRANS_LIST, IDC_TX_TRANS,
       "英大文字/小文字変換(text-transform)", "uppercase"},
      {&R::Group<CListStyleDlg>, 29141, IDC_LS_TYPE_CHK, IDC_LS_TYPE_LIST, IDC_LS_TYPE, "リスト項目の先頭記号(TYPE)",
       "square"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.pick);
    (this->*c.open)(c.id, [&](D& d) {
      if (c.box && !d.GetCheck(c.box)) d.Click(c.box);
      Pick(c.pick, c.title);
      d.Click(c.button);
      EXPECT_EQ(d.GetText(c.field), c.pick);
      CancelNext();
      d.Click(c.button);
      EXPECT_EQ(d.GetText(c.field), c.pick);
      d.Ok();
    });
    EXPECT_EQ(backend.pendingScripts(), 0u);
  }
}

// Boxes an element lacks are withdrawn even when the stored flags have
// them checked, and OK drops their bits.
TEST_F(DialogRules, BoxesAnElementLacksAreWithdrawnEvenWhenStored) {
  struct Case {
    R::Opener open;
    int id;
    const char* key;
    int stored, kept;
  };
  const Case cases[] = {
      {&R::Cmd, 29467, "TXTAR_467Flag", 0x7FF1, 0x7FF1 & ~(0x40 | 0x1000)},
      {&R::Cmd, 29470, "TXTAR_470Flag", 0x7FF1, 0x7FF1 & ~(0x10 | 0x80)},
      {&R::Cmd, 29166, "FRM_166Flag", 0x7FFF, 0x7FFF & ~(0x200 | 0x400 | 0x800 | 0x1000 | 0x2000)},
      {&R::Cmd, 29460, "FRM_460Flag", 0x7FFF, 0x7FFF & ~0x80},
      {&R::Cmd, 29468, "FMM_468Flag", 0x3FF, 0x211},
      {&R::Cmd, 29446, "AL_446Flag", 0x3FFF, 0x3FFF & ~(0x4 | 0x8 | 0x80 | 0x100 | 0x200 | 0x400 | 0x800)},
      // A block-level element aligns its text, never itself; a text-level
      // one the other way round, and has no position, sizes or white space.
      {&R::Group<CStyleTextDlg>, 29121, "SylTxt_121Flag", 0x4000 | 0x8000 | 0x2000, 0x2000},
      {&R::Group<CStyleTextDlg>, 29401, "SylTxt_401Flag", 0x4000 | 0x2000, 0x4000},
      {&R::Group<CStyleColorDlg>, 29401, "SylClr_401Flag", 0x20 | 0x40, 0},
      {&R::Group<CStyleElementDlg>, 29300, "SylElm_300Flag", 0x1 | 0x80 | 0x4000 | 0x40000 | 0x100000,
       0x40000 | 0x100000},
  };
  for (const Case& c : cases) {
    profile->WriteInt("HTML", c.key, c.stored);
    (this->*c.open)(c.id, [&](D& d) {
      // (A style dialog's keyword box keeps its check under a withdrawn group.)
      for (int id : d.ControlIds())
        if (c.open == &R::Cmd && d.KindOf(id) == plat::Ctl::Check && !d.IsEnabled(id)) {
          EXPECT_EQ(d.GetCheck(id), 0) << c.id << " " << id;
        }
      d.Ok();
    });
    EXPECT_EQ(Int(c.key), c.kept) << c.id;
  }
}

// Each element with every box its dialog offers, with typical values, is
// valid HTML; the units chosen follow their numbers, and other attributes
// are joined into the tag but remembered as typed. (The bytes with every
// field set are in the command-line golden file.)
TEST_F(DialogRules, TypicalElementsAreValidWithTheirUnitsAndOtherAttributes) {
  struct Set {
    int box, edit;  // 0: none
    const char* text;
  };
  struct Case {
    int id;
    const char *sel, *before, *after;
    Context where;
    std::vector<Set> sets;
    std::vector<const char*> has;
    const char* otherKey;  // where the other attributes are remembered
  };
  const char* kForm = "<FORM ACTION=\"x.cgi\"><P>";
  const char* kOther = "\r\nID=\"i\"\r\n\r\n  CLASS=\"c\" \r\n";  // joined: ID="i"   CLASS="c"
  const Case cases[] = {
      {29455, "", "<P>", "</P><MAP NAME=\"m\"><AREA HREF=\"a.htm\" ALT=\"a\"></MAP>", Context::Body,
       {{0, IDC_IM_SRC, "a b.gif"}, {0, IDC_IM_ALT, " 地図 "}, {IDC_IM_LONGDESC_CHK, IDC_IM_LONGDESC, "d.htm"},
        {IDC_IM_WIDTH_CHK, IDC_IM_WIDTH, "120"}, {IDC_IM_HEIGHT_CHK, IDC_IM_HEIGHT, "50"}, {IDC_IM_HEIGHT_PCT, 0, ""},
        {IDC_IM_USEMAP_CHK, IDC_IM_USEMAP, "#m"}, {IDC_IM_ISMAP_CHK, 0, ""}, {IDC_IM_ALIGN_CHK, IDC_IM_ALIGN, "middle"},
        {IDC_IM_BORDER_CHK, IDC_IM_BORDER, "2"}, {IDC_IM_BORDER_PCT, 0, ""}, {IDC_IM_HSPACE_CHK, IDC_IM_HSPACE, "3"},
        {IDC_IM_VSPACE_CHK, IDC_IM_VSPACE, "4"}, {IDC_IM_ATTR_CHK, IDC_IM_ATTR, kOther}},
       {"WIDTH=\"120\" HEIGHT=\"50%\"", "BORDER=\"2%\""}, "IMG_455Attr"},
      {29460, "x", "<P>", "</P>", Context::Body,
       {{IDC_FR_LONGDESC_CHK, IDC_FR_LONGDESC, "d.htm"}, {IDC_FR_NAME_CHK, IDC_FR_NAME, "n"},
        {IDC_FR_SRC_CHK, IDC_FR_SRC, "s.htm"}, {IDC_FR_BORDER_CHK, 0, ""}, {IDC_FR_MGNW_CHK, IDC_FR_MGNW, "4"},
        {IDC_FR_MGNH_CHK, IDC_FR_MGNH, ""}, {IDC_FR_SCROLL_CHK, 0, ""}, {IDC_FR_WIDTH_CHK, IDC_FR_WIDTH, "300"},
        {IDC_FR_HEIGHT_CHK, IDC_FR_HEIGHT, "50"}, {IDC_FR_HEIGHT_PCT, 0, ""}, {IDC_FR_ALIGN_CHK, IDC_FR_ALIGN, "left"},
        {IDC_FR_ATTR_CHK, IDC_FR_ATTR, kOther}},
       {"WIDTH=\"300px\" HEIGHT=\"50%\""}, "FRM_460Attr"},
      {29470, "T", kForm, "</P></FORM>", Context::Body,
       {{IDC_TA_NAME_CHK, IDC_TA_NAME, "n"}, {0, IDC_TA_COLS, "30"}, {0, IDC_TA_ROWS, "4"},
        {IDC_TA_DISABLED_CHK, 0, ""},
        {IDC_TA_READONLY_CHK, 0, ""}, {IDC_TA_TABINDEX_CHK, IDC_TA_TABINDEX, "7"},
        {IDC_TA_ACCESSKEY_CHK, IDC_TA_ACCESSKEY, "k"}, {IDC_TA_FOCUS_CHK, IDC_TA_FOCUS, "f()"},
        {IDC_TA_BLUR_CHK, IDC_TA_BLUR, "b()"}, {IDC_TA_SELECT_CHK, IDC_TA_SELECT, "s()"},
        {IDC_TA_CHANGE_CHK, IDC_TA_CHANGE, "c()"}, {IDC_TA_ATTR_CHK, IDC_TA_ATTR, kOther}},
       {}, "TXTAR_470Attr"},
      {29467, "<OPTION>T", kForm, "</P></FORM>", Context::Body,
       {{IDC_TA_NAME_CHK, IDC_TA_NAME, "n"}, {IDC_TA_SIZE_CHK, IDC_TA_SIZE, "3"}, {IDC_TA_DISABLED_CHK, 0, ""},
        {IDC_TA_MULTIPLE_CHK, 0, ""}, {IDC_TA_TABINDEX_CHK, IDC_TA_TABINDEX, "7"},
        {IDC_TA_FOCUS_CHK, IDC_TA_FOCUS, "f()"}, {IDC_TA_BLUR_CHK, IDC_TA_BLUR, "b()"},
        {IDC_TA_CHANGE_CHK, IDC_TA_CHANGE, "c()"}, {IDC_TA_ATTR_CHK, IDC_TA_ATTR, kOther}},
       {}, "TXTAR_467Attr"},
      {29466, "x", kForm, "</P></FORM>", Context::Body,
       {{0, IDC_IN_NAME, "n"}, {IDC_IN_VALUE_CHK, IDC_IN_VALUE, "v"}, {IDC_IN_CHECKED_CHK, 0, ""},
        {IDC_IN_DISABLED_CHK, 0, ""}, {IDC_IN_READONLY_CHK, 0, ""}, {IDC_IN_SIZE_CHK, IDC_IN_SIZE, "5"},
        {IDC_IN_MAXLEN_CHK, IDC_IN_MAXLEN, "8"}, {IDC_IN_SRC_CHK, IDC_IN_SRC, "s.gif"},
        {IDC_IN_ALT_CHK, IDC_IN_ALT, "a"},
        {IDC_IN_USEMAP_CHK, IDC_IN_USEMAP, "#m"}, {IDC_IN_TABINDEX_CHK, IDC_IN_TABINDEX, "3"},
        {IDC_IN_ACCESSKEY_CHK, IDC_IN_ACCESSKEY, "k"}, {IDC_IN_ACCEPT_CHK, IDC_IN_ACCEPT, "text/plain"},
        {IDC_IN_FOCUS_CHK, IDC_IN_FOCUS, "f()"}, {IDC_IN_BLUR_CHK, IDC_IN_BLUR, "b()"},
        {IDC_IN_SELECT_CHK, IDC_IN_SELECT, "s()"}, {IDC_IN_CHANGE_CHK, IDC_IN_CHANGE, "c()"},
        {IDC_IN_ALIGN_CHK, IDC_IN_ALIGN, "left"}, {IDC_IN_ATTR_CHK, IDC_IN_ATTR, kOther}},
       {"SIZE=\"5\""}, "INPUT_466Attr"},
      {29172, "<P>x</P>", "", "", Context::Body,
       {{0, IDC_FM_ACTION, "/cgi/a"}, {IDC_FM_METHOD_CHK, 0, ""}, {IDC_FM_POST, 0, ""},
        {IDC_FM_ENCTYPE_CHK, IDC_FM_ENCTYPE, "multipart/form-data"}, {IDC_FM_CHARSET_CHK, 0, ""},
        {IDC_FM_TARGET_CHK, IDC_FM_TARGET, "_self"}, {IDC_FM_SUBMIT_CHK, IDC_FM_SUBMIT, "return ok()"},
        {IDC_FM_RESET_CHK, IDC_FM_RESET, "r()"}, {IDC_FM_ATTR_CHK, IDC_FM_ATTR, kOther}},
       {"METHOD=\"post\""}, "FORM_172Attr"},
      {29116, "", "<HTML><HEAD><TITLE>t</TITLE></HEAD>\r\n", "\r\n</HTML>", Context::Document,
       {{IDC_BD_ONLOAD_CHK, IDC_BD_ONLOAD, "init()"}, {IDC_BD_ONUNLOAD_CHK, IDC_BD_ONUNLOAD, "done()"},
        {IDC_BD_ATTR_CHK, IDC_BD_ATTR, kOther}, {IDC_BD_BKG_CHK, IDC_BD_BKG, "img\\bg.png"},
        {IDC_BD_BGCOLOR_CHK, IDC_BD_BGCOLOR, "White"}, {IDC_BD_TEXT_CHK, IDC_BD_TEXT, "#000000"},
        {IDC_BD_LINK_CHK, IDC_BD_LINK, "blue"}, {IDC_BD_ALINK_CHK, IDC_BD_ALINK, "#FF0000"},
        {IDC_BD_VLINK_CHK, IDC_BD_VLINK, "purple"}},
       {}, "BODY_116Attr"},
      {29445, "go", "<P>", "</P>", Context::Body,
       {{IDC_AN_CHARSET_CHK, IDC_AN_CHARSET, "shift-jis"}, {IDC_AN_TYPE_CHK, IDC_AN_TYPE, "text/html"},
        {IDC_AN_NAME_CHK, IDC_AN_NAME, "n"}, {0, IDC_AN_HREF, "a.htm"}, {IDC_AN_HREFLANG_CHK, IDC_AN_HREFLANG, "ja"},
        {IDC_AN_REL_CHK, IDC_AN_REL, "next"}, {IDC_AN_REV_CHK, IDC_AN_REV, "prev"},
        {IDC_AN_ACCESSKEY_CHK, IDC_AN_ACCESSKEY, "k"}, {IDC_AN_SHAPE_CHK, IDC_AN_COORDS, "1,2,3,4"},
        {IDC_AN_TABINDEX_CHK, IDC_AN_TABINDEX, "2"}, {IDC_AN_FOCUS_CHK, IDC_AN_FOCUS, "f()"},
        {IDC_AN_BLUR_CHK, IDC_AN_BLUR, "b()"}, {IDC_AN_TARGET_CHK, IDC_AN_TARGET, "_top"},
        {IDC_AN_ATTR_CHK, IDC_AN_ATTR, kOther}},
       {"SHAPE=\"rect\" COORDS=\"1,2,3,4\""}, "AL_445Attr"},
      {29160, "42.5", "<TABLE><TR>", "</TR></TABLE>", Context::Body,
       {{IDC_TC_ABBR_CHK, IDC_TC_ABBR, "amt"}, {IDC_TC_AXIS_CHK, IDC_TC_AXIS, "money"},
        {IDC_TC_HEADERS_CHK, IDC_TC_HEADERS, "i"}, {IDC_TC_SCOPE_CHK, IDC_TC_SCOPE, "colgroup"},
        {IDC_TC_COLSPAN_CHK, IDC_TC_COLSPAN, "2"}, {IDC_TC_ROWSPAN_CHK, IDC_TC_ROWSPAN, "0"},
        {IDC_TC_ALIGN_CHK, IDC_TC_ALIGN, "char"}, {IDC_TC_VALIGN_CHK, IDC_TC_VALIGN, "top"},
        {IDC_TC_ATTR_CHK, IDC_TC_ATTR, kOther}},
       {"CHAR=\".\" CHAROFF=\"0px\""}, "Tcl_160OtherAttr"},
      {29170, "var a = 1;", "", "", Context::Head,
       {{0, IDC_SC_TYPE, "text/javascript"}, {IDC_SC_LANG_CHK, IDC_SC_LANG, "JavaScript"},
        {IDC_SC_CHARSET_CHK, IDC_SC_CHARSET, "shift-jis"}, {IDC_SC_SRC_CHK, IDC_SC_SRC, "a.js"},
        {IDC_SC_DEFER_CHK, 0, ""}},
       {}, nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.id);
    const std::string r = RunWith(c.id, c.sel, [&](D& d) {
      for (const Set& s : c.sets) {
        if (s.box && !d.GetCheck(s.box)) d.Click(s.box);
        if (s.edit) d.Type(s.edit, s.text);
      }
      d.Ok();
    });
    EXPECT_TRUE(ValidHtml(c.before + r + c.after, c.where));
    for (const char* part : c.has) EXPECT_NE(r.find(part), std::string::npos) << part << " in " << r;
    const bool other = std::any_of(c.sets.begin(), c.sets.end(), [&](const Set& s) { return s.text == kOther; });
    EXPECT_EQ(r.find("ID=\"i\"   CLASS=\"c\"") != std::string::npos, other) << r;
    if (c.otherKey) {
      EXPECT_EQ(Str(c.otherKey), kOther);
    }
  }
}

}  // namespace tqtest
