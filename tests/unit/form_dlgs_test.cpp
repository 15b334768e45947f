#include <string>

#include "dialogs.h"

namespace tqtest {

using namespace tq;

using FormDlg = Headless;

constexpr int kForm = 29172;

// post comes back, and is dropped with METHOD.
TEST_F(FormDlg, PostIsRememberedAndGoesWithMethod) {
  RunWith(kForm, "", OkAfter({{IDC_FM_METHOD_CHK}, {IDC_FM_POST}}));
  std::string r = RunWith(kForm, "", [](D& d) {
    EXPECT_EQ(d.GetCheck(IDC_FM_POST), 1);
    d.Click(IDC_FM_METHOD_CHK);
    d.Ok();
  });
  EXPECT_EQ(r, "<FORM ACTION=\"\"></FORM>");
  EXPECT_EQ(Int("FORM_172Flag"), 0);
  RunWith(kForm, "", [](D& d) {
    EXPECT_EQ(d.GetCheck(IDC_FM_GET), 1);
    d.Click(IDC_FM_METHOD_CHK);
    d.Ok();
  });
  EXPECT_EQ(Int("FORM_172Flag"), 2);
}

TEST_F(FormDlg, CharsetsAreAppendedAndAnEmptyChoiceEmptiesTheField) {
  std::string r = RunWith(kForm, "", [&](D& d) {
    ClickAll(d, {IDC_FM_ENCTYPE_CHK, IDC_FM_CHARSET_CHK});
    Pick("iso-2022-jp", "文字コードセット");
    d.Click(IDC_FM_CHARSET_ADD);
    EXPECT_EQ(d.GetText(IDC_FM_CHARSET), "shift-jis, iso-2022-jp");
    d.Type(IDC_FM_CHARSET, "");
    Pick("euc-kr");
    d.Click(IDC_FM_CHARSET_ADD);
    backend.Expect([](D& list) { list.Ok(); });  // OK with nothing chosen
    d.Click(IDC_FM_ENCTYPE_LIST);
    d.Ok();
  });
  EXPECT_EQ(r, "<FORM ACTION=\"\" ENCTYPE=\"\" ACCEPT-CHARSET=\", euc-kr\"></FORM>");
}

using FormItemDlg = Headless;

const int kAllBoxes[] = {IDC_FI_LABEL_CHK,    IDC_FI_FOR_CHK,      IDC_FI_VALUE_CHK, IDC_FI_ACCESSKEY_CHK,
                         IDC_FI_DISABLED_CHK, IDC_FI_SELECTED_CHK, IDC_FI_ALIGN_CHK, IDC_FI_FOCUS_CHK,
                         IDC_FI_BLUR_CHK,     IDC_FI_ATTR_CHK};

TEST_F(FormItemDlg, EachElementOffersOnlyItsOwnBoxes) {
  struct Case {
    int id;
    std::vector<int> offered;
  } cases[] = {
      {29465, {IDC_FI_FOR_CHK, IDC_FI_ACCESSKEY_CHK, IDC_FI_FOCUS_CHK, IDC_FI_BLUR_CHK, IDC_FI_ATTR_CHK}},
      {29468, {IDC_FI_LABEL_CHK, IDC_FI_DISABLED_CHK, IDC_FI_ATTR_CHK}},
      {29469, {IDC_FI_LABEL_CHK, IDC_FI_VALUE_CHK, IDC_FI_DISABLED_CHK, IDC_FI_SELECTED_CHK, IDC_FI_ATTR_CHK}},
      {29471, {IDC_FI_ACCESSKEY_CHK, IDC_FI_ALIGN_CHK, IDC_FI_ATTR_CHK}},
  };
  for (const Case& c : cases) {
    std::vector<int> enabled;
    RunWith(c.id, "abc", [&](D& d) {
      for (int b : kAllBoxes)
        if (d.IsEnabled(b)) enabled.push_back(b);
      d.Ok();
    });
    EXPECT_EQ(enabled, c.offered) << c.id;
  }
  EXPECT_EQ(backend.opened,
            (std::vector<std::string>{"<LABEL>の設定", "<OPTGROUP>の設定", "<OPTION>の設定", "<LEGEND>の設定"}));
}

TEST_F(FormItemDlg, EveryAttributeInOrderWhenOffered) {
  // LABEL offers the events; its boxes keep bit order around the others'.
  std::string r = RunWith(29465, "L", [](D& d) {
    for (int b : kAllBoxes) d.Click(b);  // withdrawn boxes take no click
    Fill(d, {{IDC_FI_FOR, "f"},
             {IDC_FI_ACCESSKEY, "k"},
             {IDC_FI_FOCUS, "f()"},
             {IDC_FI_BLUR, "b()"},
             {IDC_FI_ATTR, "ID=\"i\"\r\n CLASS=\"c\"\r\n\r\n"}});
    d.Ok();
  });
  EXPECT_EQ(r, "<LABEL FOR=\"f\" ACCESSKEY=\"k\" onFocus=\"f()\" onBlur=\"b()\" ID=\"i\"  CLASS=\"c\">L</LABEL>");
  EXPECT_EQ(Int("FMM_465Flag"), 0x38A);
  EXPECT_EQ(Strs({"FMM_465Attr", "FMM_465OnBlur"}), "ID=\"i\"\r\n CLASS=\"c\"\r\n\r\n|b()|");

  r = RunWith(29468, "O", [](D& d) {
    for (int b : kAllBoxes) d.Click(b);
    d.Type(IDC_FI_LABEL, "g");
    d.Ok();
  });
  EXPECT_EQ(r, "<OPTGROUP LABEL=\"g\" DISABLED >O</OPTGROUP>");
  EXPECT_EQ(Int("FMM_468Flag"), 0x211);
}

TEST_F(FormItemDlg, EachBoxGovernsOnlyItsOwnControls) {
  profile->WriteInt("HTML", "FMM_465Flag", 0x180);
  RunWith(29465, "", [](D& d) {
    d.Click(IDC_FI_FOCUS_CHK);
    EXPECT_FALSE(d.IsEnabled(IDC_FI_FOCUS) || d.IsEnabled(IDC_FI_FOCUS_BROWSE));
    EXPECT_TRUE(d.IsEnabled(IDC_FI_BLUR) && d.IsEnabled(IDC_FI_BLUR_BROWSE));
    d.Cancel();
  });
}

// The form dialogs nest their results: options into groups into a list,
// a legend and labelled controls into a field set.
TEST_F(FormItemDlg, NestedFormElementsAreValid) {
  auto option = [&](const char* value, bool selected) {
    profile->WriteInt("HTML", "FMM_469Flag", 0);
    return RunWith(29469, std::string("Item ") + value, [&](D& d) {
      Tick(d, IDC_FI_VALUE_CHK, IDC_FI_VALUE, value);
      if (selected) d.Click(IDC_FI_SELECTED_CHK);
      d.Ok();
    });
  };
  std::string group = RunWith(29468, option("1", false) + option("2", true), OkAfter({{IDC_FI_LABEL_CHK, IDC_FI_LABEL, "Numbers"}}));
  std::string list = RunWith(29467, group + option("3", false), OkAfter({{IDC_TA_NAME_CHK, IDC_TA_NAME, "n"},
                                                                         {IDC_TA_MULTIPLE_CHK}}));
  std::string legend = RunWith(29471, "Who", OkAfter({{IDC_FI_ALIGN_CHK, IDC_FI_ALIGN, "top"}}));
  std::string field = RunWith(29466, "", OkAfter({{IDC_IN_ATTR_CHK, IDC_IN_ATTR, "ID=\"who\""}, {IDC_IN_NAME, "who"}}));
  std::string label = RunWith(29465, "Name", OkAfter({{IDC_FI_FOR_CHK, IDC_FI_FOR, "who"},
                                                      {IDC_FI_ACCESSKEY_CHK, IDC_FI_ACCESSKEY, "n"},
                                                      {IDC_FI_FOCUS_CHK, IDC_FI_FOCUS, "hint()"},
                                                      {IDC_FI_ATTR_CHK, IDC_FI_ATTR, "CLASS=\"l\""}}));
  EXPECT_TRUE(ValidHtml("<FORM ACTION=\"x.cgi\"><FIELDSET>" + legend + label + field + list + "</FIELDSET></FORM>"));
  EXPECT_NE(list.find("<OPTGROUP LABEL=\"Numbers\"><OPTION VALUE=\"1\">"), std::string::npos);
}

using InputDlg = Headless;

TEST_F(InputDlg, TypeRulesFromTheListOnlyEverAddOrRemoveTheirChecks) {
  const std::string title = "フォームコントロールのタイプ(TYPE)";
  std::string r = RunWith(29466, "", [&](D& d) {
    ClickAll(d, {IDC_IN_MAXLEN_CHK, IDC_IN_CHECKED_CHK});
    Pick("image", title);
    d.Click(IDC_IN_TYPE_LIST);
    EXPECT_EQ(d.GetText(IDC_IN_TYPE), "image");
    EXPECT_EQ(d.GetCheck(IDC_IN_SRC_CHK), 1);
    EXPECT_TRUE(d.IsEnabled(IDC_IN_SRC_BROWSE));
    EXPECT_EQ(d.GetCheck(IDC_IN_MAXLEN_CHK) + d.GetCheck(IDC_IN_CHECKED_CHK), 0);
    EXPECT_FALSE(d.IsEnabled(IDC_IN_MAXLEN_SPIN));
    // Back to text: SRC stays, MAXLENGTH does not come back by itself.
    Pick("text", title);
    d.Click(IDC_IN_TYPE_LIST);
    EXPECT_EQ(d.GetCheck(IDC_IN_SRC_CHK), 1);
    EXPECT_EQ(d.GetCheck(IDC_IN_MAXLEN_CHK), 0);
    Pick("radio", title);
    d.Click(IDC_IN_TYPE_LIST);
    EXPECT_EQ(d.GetCheck(IDC_IN_VALUE_CHK), 1);
    EXPECT_TRUE(d.IsEnabled(IDC_IN_VALUE));
    d.Click(IDC_IN_CHECKED_CHK);
    Fill(d, {{IDC_IN_NAME, "r"}, {IDC_IN_VALUE, "1"}, {IDC_IN_SRC, "b.gif"}});
    d.Ok();
  });
  EXPECT_EQ(r, "<INPUT TYPE=\"radio\" NAME=\"r\" VALUE=\"1\" CHECKED SRC=\"b.gif\">");
  EXPECT_EQ(Int("INPUT_466Flag"), 0x10F);

  // A typed type counts at opening, ignoring case; submit leaves NAME alone.
  profile->WriteString("HTML", "INPUT_466Type", "SUBMIT");
  profile->WriteInt("HTML", "INPUT_466Flag", 0x1 | 0x8 | 0x80);
  r = RunWith(29466, "", [](D& d) {
    EXPECT_EQ(d.GetCheck(IDC_IN_NAME_CHK) + d.GetCheck(IDC_IN_CHECKED_CHK), 0);
    EXPECT_FALSE(d.IsEnabled(IDC_IN_MAXLEN));
    d.Ok();
  });
  EXPECT_EQ(r, "<INPUT TYPE=\"SUBMIT\">");
  // With the TYPE box off the rules do not run at opening.
  profile->WriteInt("HTML", "INPUT_466Flag", 0x8);
  EXPECT_EQ(RunWith(29466, "", [](D& d) { d.Ok(); }), "<INPUT CHECKED>");
}

TEST_F(InputDlg, SizeUnitFollowsTheTypeEvenWithTheTypeBoxOff) {
  struct Case {
    const char* type;
    bool typeOn;
    const char* size;
  } cases[] = {
      {"image", true, " SIZE=\"10px\""},    {"TEXT", true, " SIZE=\"10\""},        {"", true, " SIZE=\"10\""},
      {"password", true, " SIZE=\"10\""},   {"checkbox", false, " SIZE=\"10px\""}, {"Text", false, " SIZE=\"10\""},
      {"whatever", true, " SIZE=\"10px\""},
  };
  for (const Case& c : cases) {
    profile->WriteString("HTML", "INPUT_466Type", c.type);
    profile->WriteInt("HTML", "INPUT_466Flag", (c.typeOn ? 0x1 : 0) | 0x40);
    std::string r = RunWith(29466, "", [](D& d) {
      d.Type(IDC_IN_SIZE, "10");
      for (int c : {IDC_IN_NAME_CHK, IDC_IN_SRC_CHK})
        if (d.GetCheck(c)) d.Click(c);
      d.Ok();
    });
    std::string type = c.typeOn ? std::string(" TYPE=\"") + c.type + "\"" : "";
    EXPECT_EQ(r, "<INPUT" + type + c.size + ">") << c.type;
  }
}

TEST_F(InputDlg, ButtonOffersOnlyWhatAButtonHasEvenWhenStored) {
  profile->WriteInt("HTML", "INPUT_472Flag", 0xFFFFF);
  std::string r = RunWith(29472, "Go", [&](D& d) {
    for (int c :
         {IDC_IN_READONLY_CHK, IDC_IN_CHECKED_CHK, IDC_IN_SIZE_CHK, IDC_IN_MAXLEN_CHK, IDC_IN_SRC_CHK, IDC_IN_ALT_CHK,
          IDC_IN_USEMAP_CHK, IDC_IN_ACCEPT_CHK, IDC_IN_SELECT_CHK, IDC_IN_CHANGE_CHK, IDC_IN_ALIGN_CHK}) {
      EXPECT_EQ(d.GetCheck(c), 0) << c;
      EXPECT_FALSE(d.IsEnabled(c)) << c;
    }
    EXPECT_FALSE(d.IsEnabled(IDC_IN_SRC_BROWSE) || d.IsEnabled(IDC_IN_SIZE_SPIN));
    EXPECT_TRUE(d.IsEnabled(IDC_IN_TABINDEX_SPIN));
    Fill(d,
         {{IDC_IN_TYPE, "reset"}, {IDC_IN_NAME, "b"}, {IDC_IN_VALUE, "v"}, {IDC_IN_ACCESSKEY, "g"}, {IDC_IN_ATTR, ""}});
    d.Ok();
  });
  EXPECT_EQ(r,
            "<BUTTON TYPE=\"reset\" NAME=\"b\" VALUE=\"v\" DISABLED TABINDEX=\"1\" ACCESSKEY=\"g\" "
            "onFocus=\"\" onBlur=\"\" >Go</BUTTON>");
  EXPECT_TRUE(ValidHtml("<FORM ACTION=\"x.cgi\"><P>" + r + "</P></FORM>"));
  EXPECT_EQ(Int("INPUT_472Flag"), 0x1 | 0x2 | 0x4 | 0x10 | 0x800 | 0x1000 | 0x4000 | 0x8000 | 0x80000);
}

// Each MIME type chosen is appended to the list.
TEST_F(InputDlg, AcceptedTypesAreAppended) {
  std::string r = RunWith(29466, "", [&](D& d) {
    ClickAll(d, {IDC_IN_NAME_CHK, IDC_IN_ACCEPT_CHK});
    Pick("image/gif", "MIME");
    d.Click(IDC_IN_ACCEPT_LIST);
    EXPECT_EQ(d.GetText(IDC_IN_ACCEPT), "image/gif");
    Pick("image/png", "MIME");
    d.Click(IDC_IN_ACCEPT_LIST);
    CancelNext();
    d.Click(IDC_IN_ACCEPT_LIST);
    d.Ok();
  });
  EXPECT_EQ(r, "<INPUT TYPE=\"text\" ACCEPT=\"image/gif, image/png\">");
}

using ObjectDlg = Headless;

// Pixels have no unit, percent has its sign; a unit is stored only with
// its box. (The order is in the golden file.)
TEST_F(ObjectDlg, PixelsWithoutUnitAndUnitsStoredWithTheirBoxes) {
  std::string r = RunWith(29456, "", OkAfter({{IDC_OB_HEIGHT_CHK}, {IDC_OB_WIDTH_CHK}, {IDC_OB_HEIGHT_PCT},
                                              {IDC_OB_WIDTH, "10"}, {IDC_OB_HEIGHT, "20"}}));
  EXPECT_EQ(r, "<OBJECT WIDTH=\"10\" HEIGHT=\"20%\"></OBJECT>");
  const int flag = Int("OBJ_456Flag");
  EXPECT_EQ(flag & 0x1800, 0x1800);  // HEIGHT and its percent
  RunWith(29456, "", [](D& d) {
    EXPECT_EQ(d.GetCheck(IDC_OB_HEIGHT_PCT), 1);
    d.Click(IDC_OB_HEIGHT_CHK);
    d.Ok();
  });
  EXPECT_EQ(Int("OBJ_456Flag"), flag & ~(0x800 | 0x1000));
}

TEST_F(ObjectDlg, AppletRelabelsThreeBoxesAndWithdrawsTheObjectOnes) {
  profile->WriteInt("HTML", "OBJ_458Flag", 0x10000 | 0x40000 | 0x80000 | 0x1 | 0x8000);
  std::string r = RunWith(29458, "abc", [&](D& d) {
    EXPECT_EQ(d.GetText(IDC_OB_DATA_CHK) + d.GetText(IDC_OB_STANDBY_CHK) + d.GetText(IDC_OB_USEMAP_CHK),
              "CODEOBJECTALT");
    for (int c : {IDC_OB_DECLARE_CHK, IDC_OB_CLASSID_CHK, IDC_OB_TYPE_CHK, IDC_OB_CODETYPE_CHK, IDC_OB_TABINDEX_CHK,
                  IDC_OB_BORDER_CHK}) {
      EXPECT_EQ(d.GetCheck(c), 0) << c;
      EXPECT_FALSE(d.IsEnabled(c)) << c;
    }
    EXPECT_FALSE(d.IsEnabled(IDC_OB_BORDER));
    EXPECT_TRUE(d.IsEnabled(IDC_OB_NAME));
    d.Click(IDC_OB_NAME_CHK);  // off
    Tick(d, IDC_OB_DATA_CHK, IDC_OB_DATA, "A.class");
    Tick(d, IDC_OB_STANDBY_CHK, IDC_OB_STANDBY, "x.ser");
    Tick(d, IDC_OB_USEMAP_CHK, IDC_OB_USEMAP, "an applet");
    d.Ok();
  });
  EXPECT_EQ(r, "<APPLET CODE=\"A.class\" OBJECT=\"x.ser\" ALT=\"an applet\">abc</APPLET>");
  EXPECT_EQ(Int("OBJ_458Flag"), 0x8 | 0x80 | 0x4000);
  EXPECT_EQ(Strs({"OBJ_458Data", "OBJ_456Data"}), "A.class|<absent>|");
}

// Archives are appended: blank-separated for OBJECT, comma-separated for
// APPLET; an empty list gets just the path.
TEST_F(ObjectDlg, ArchivesAppended) {
  for (const char* path : {"C:\\lib\\a.jar", "C:\\lib\\b.jar"}) backend.AnswerFile(path);
  backend.AnswerFile(std::nullopt);
  backend.AnswerFile("C:\\lib\\c.jar");
  std::string r = RunWith(29456, "", [](D& d) {
    // The third is cancelled.
    ClickAll(d, {IDC_OB_ARCHIVE_CHK, IDC_OB_ARCHIVE_ADD, IDC_OB_ARCHIVE_ADD, IDC_OB_ARCHIVE_ADD});
    d.Ok();
  });
  EXPECT_EQ(r, "<OBJECT ARCHIVE=\"C:\\lib\\a.jar C:\\lib\\b.jar\"></OBJECT>");
  EXPECT_EQ(backend.fileRequests[1].initialDir, "C:\\lib");
  r = RunWith(29458, "", OkAfter({{IDC_OB_ARCHIVE_CHK, IDC_OB_ARCHIVE, "a.jar"}, {IDC_OB_ARCHIVE_ADD}}));
  EXPECT_EQ(r, "<APPLET ARCHIVE=\"a.jar, C:\\lib\\c.jar\"></APPLET>");
  EXPECT_EQ(FileTitles(), std::vector<std::string>(4, "Archiveリソースの追加"));
}

TEST_F(ObjectDlg, ObjectWithParamsIsValidInABody) {
  std::string p1 = RunWith(29457, "", OkAfter({{IDC_PA_NAME_CHK, IDC_PA_NAME, "autostart"},
                                               {IDC_PA_VALUE_CHK, IDC_PA_VALUE, "true"},
                                               {IDC_PA_VTYPE_CHK, IDC_PA_VTYPE, "data"}}));
  std::string p2 = RunWith(29457, "", [](D& d) {  // the same slot: NAME, VALUE, VALUETYPE stay
    Fill(d, {{IDC_PA_NAME, "movie"}, {IDC_PA_VALUE, "a.swf"}, {IDC_PA_VTYPE, "ref"}});
    Tick(d, IDC_PA_TYPE_CHK, IDC_PA_TYPE, "application/octet-stream");
    Tick(d, IDC_PA_ID_CHK, IDC_PA_ID, "p2");
    d.Ok();
  });
  std::string object = RunWith(29456, p1 + "\r\n" + p2 + "\r\nFallback text", [](D& d) {
    ClickAll(d, {IDC_OB_DECLARE_CHK, IDC_OB_DATA_CHK, IDC_OB_TYPE_CHK, IDC_OB_WIDTH_CHK, IDC_OB_HEIGHT_CHK,
                 IDC_OB_NAME_CHK, IDC_OB_TABINDEX_CHK, IDC_OB_BORDER_CHK, IDC_OB_STANDBY_CHK, IDC_OB_ARCHIVE_CHK,
                 IDC_OB_ALIGN_CHK, IDC_OB_HSPACE_CHK, IDC_OB_WIDTH_PCT});
    Fill(d, {{IDC_OB_DATA, "movie.swf"},
             {IDC_OB_TYPE, "application/x-shockwave-flash"},
             {IDC_OB_WIDTH, "50"},
             {IDC_OB_HEIGHT, "200"},
             {IDC_OB_NAME, "m"},
             {IDC_OB_BORDER, "0"},
             {IDC_OB_STANDBY, "読み込み中"},
             {IDC_OB_ARCHIVE, "a.zip b.zip"},
             {IDC_OB_ALIGN, "middle"},
             {IDC_OB_HSPACE, "5"}});
    d.Ok();
  });
  EXPECT_EQ(p2,
            "<PARAM ID=\"p2\" NAME=\"movie\" VALUE=\"a.swf\" VALUETYPE=\"ref\" "
            "TYPE=\"application/octet-stream\">");
  EXPECT_TRUE(ValidHtml("<P>" + object + "</P>"));

  std::string applet = RunWith(29458, p1, [](D& d) {
    ClickAll(d, {IDC_OB_DATA_CHK, IDC_OB_CODEBASE_CHK, IDC_OB_WIDTH_CHK, IDC_OB_HEIGHT_CHK, IDC_OB_USEMAP_CHK,
                 IDC_OB_ARCHIVE_CHK, IDC_OB_VSPACE_CHK});
    Fill(d, {{IDC_OB_DATA, "Clock.class"},
             {IDC_OB_CODEBASE, "classes/"},
             {IDC_OB_WIDTH, "100"},
             {IDC_OB_HEIGHT, "40"},
             {IDC_OB_USEMAP, "a clock"},
             {IDC_OB_ARCHIVE, "a.jar, b.jar"},
             {IDC_OB_VSPACE, "2"}});
    d.Ok();
  });
  EXPECT_TRUE(ValidHtml("<P>" + applet + "</P>"));
}

// A checked box gives its attribute even when its field is empty.
TEST_F(ObjectDlg, CheckedAndEmptyStillGivesTheAttribute) {
  std::string r = RunWith(29457, "", OkAfter({{IDC_PA_VALUE_CHK, IDC_PA_VALUE, ""}, {IDC_PA_ID_CHK, IDC_PA_ID, "p"}}));
  EXPECT_EQ(r, "<PARAM ID=\"p\" VALUE=\"\">");
  EXPECT_EQ(Int("PARAM_457Flag"), 0x5);
  EXPECT_EQ(Str("PARAM_457Value"), "");
}

using FrameDlg = Headless;

TEST_F(FrameDlg, FrameSourceBorderAndMargin) {
  std::string r = RunWith(29166, "", OkAfter({{IDC_FR_SRC_CHK, IDC_FR_SRC, "a.htm"}, {IDC_FR_BORDER_CHK},
                                              {IDC_FR_BORDER_OFF}, {IDC_FR_MGNW_CHK}}));
  EXPECT_EQ(r, "<FRAME SRC=\"a.htm\" FRAMEBORDER=\"0\" MARGINWIDTH=\"1\">");
  EXPECT_EQ(Int("FRM_166Flag"), 0x3C);
  EXPECT_EQ(Str("FRM_166MgnW"), "1");

  // Reopened: the choice comes back; switching the border box off drops it.
  r = RunWith(29166, "", [](D& d) {
    EXPECT_EQ(d.GetCheck(IDC_FR_BORDER_OFF), 1);
    d.Click(IDC_FR_BORDER_CHK);
    EXPECT_FALSE(d.IsEnabled(IDC_FR_BORDER_OFF));
    d.Ok();
  });
  EXPECT_EQ(r, "<FRAME SRC=\"a.htm\" MARGINWIDTH=\"1\">");
  EXPECT_EQ(Int("FRM_166Flag"), 0x24);
}

TEST_F(FrameDlg, FramesetOfFramesIsAValidFramesetDocument) {
  std::string top = RunWith(29166, "", OkAfter({{IDC_FR_NAME_CHK, IDC_FR_NAME, "top"},
                                                {IDC_FR_SRC_CHK, IDC_FR_SRC, "top.htm"}, {IDC_FR_BORDER_CHK},
                                                {IDC_FR_BORDER_OFF}, {IDC_FR_NORESIZE_CHK}, {IDC_FR_SCROLL_CHK}}));
  std::string main = RunWith(29166, "", OkAfter({{IDC_FR_LONGDESC_CHK, IDC_FR_LONGDESC, "about.htm"},
                                                 {IDC_FR_SRC_CHK, IDC_FR_SRC, "main.htm"}, {IDC_FR_MGNW_CHK},
                                                 {IDC_FR_MGNH_CHK},
                                                 {IDC_FR_ATTR_CHK, IDC_FR_ATTR, "\r\nID=\"m\"\r\nTITLE=\"main\""}}));
  std::string set = RunWith(29165, top + "\r\n" + main, OkAfter({{IDC_FS_ROWS_CHK, IDC_FS_ROWS, "20%,*"},
                                                                 {IDC_FS_ONLOAD_CHK, IDC_FS_ONLOAD, "init()"},
                                                                 {IDC_FS_ATTR_CHK, IDC_FS_ATTR, "\r\nCLASS=\"site\""}}));
  // Nested in another set: ROWS off (remembered checked), onLoad and CLASS stay.
  std::string outer = RunWith(29165, set, OkAfter({{IDC_FS_ROWS_CHK}, {IDC_FS_COLS_CHK, IDC_FS_COLS, "150,*"}}));
  EXPECT_TRUE(ValidHtml(outer, Context::Frameset));
}

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
    EXPECT_EQ(Texts(d, {IDC_EV_PAIRS, IDC_EV_EVENT}), "onBlur = \"typed()\"|onFocus|");
    d.Type(IDC_EV_SCRIPT, "f(\"x\")");
    d.Click(IDC_EV_ADD);
    d.Click(IDC_EV_ADD);  // the same event may come twice
    d.Ok();
  });
  ASSERT_EQ(backend.messages.size(), 2u);
  EXPECT_EQ(backend.messages[0].text + backend.messages[1].text,
            "イベントが指定されていません。スクリプトが指定されていません。");
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
