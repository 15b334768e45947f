#include <string>
#include <vector>

#include "dialogs.h"

namespace tqtest {

using namespace tq;

using AnchorDlg = Headless;

// Each element withdraws what it lacks, even when the stored flag has it.
TEST_F(AnchorDlg, EachElementOffersOnlyItsOwnAttributes) {
  const int ids[] = {29445, 29446, 29447, 29448};
  const char* offered[] = {
      "CHARSET TYPE NAME HREF HREFLANG REL REV ACCESSKEY SHAPE TABINDEX ONFOCUS ONBLUR TARGET ATTR",
      "CHARSET TYPE HREF HREFLANG REL REV TARGET ATTR",
      "NAME ATTR",
      "HREF NOHREF ALT ACCESSKEY SHAPE TABINDEX ONFOCUS ONBLUR TARGET ATTR",
  };
  const std::vector<std::pair<int, const char*>> controls = {
      {IDC_AN_CHARSET_CHK, "CHARSET"},   {IDC_AN_TYPE_CHK, "TYPE"},
      {IDC_AN_NAME_CHK, "NAME"},         {IDC_AN_HREF, "HREF"},
      {IDC_AN_NOHREF_CHK, "NOHREF"},     {IDC_AN_ALT, "ALT"},
      {IDC_AN_HREFLANG_CHK, "HREFLANG"}, {IDC_AN_REL_CHK, "REL"},
      {IDC_AN_REV_CHK, "REV"},           {IDC_AN_ACCESSKEY_CHK, "ACCESSKEY"},
      {IDC_AN_SHAPE_CHK, "SHAPE"},       {IDC_AN_TABINDEX_CHK, "TABINDEX"},
      {IDC_AN_FOCUS_CHK, "ONFOCUS"},     {IDC_AN_BLUR_CHK, "ONBLUR"},
      {IDC_AN_TARGET_CHK, "TARGET"},     {IDC_AN_ATTR_CHK, "ATTR"},
  };
  for (int i = 0; i < 4; ++i) {
    std::string on;
    RunWith(ids[i], "", [&](D& d) {
      for (const auto& [id, name] : controls)
        if (d.IsEnabled(id)) on += on.empty() ? name : std::string(" ") + name;
      d.Ok();
    });
    EXPECT_EQ(on, offered[i]) << ids[i];
  }
  // A map is named whatever its flag says; A gets no NOHREF, AREA no end tag.
  EXPECT_EQ(RunWith(29445, "x", [](D& d) { d.Ok(); }), "<A>x</A>");
  const std::string area = RunWith(29448, "", OkAfter({{IDC_AN_HREF, "#a"}, {IDC_AN_ALT, "alt"}, {IDC_AN_NOHREF_CHK}}));
  EXPECT_EQ(area, "<AREA HREF=\"#a\" NOHREF ALT=\"alt\">");
  const std::string map = RunWith(29447, area, [](D& d) { d.Ok(); });
  EXPECT_EQ(map, "<MAP NAME=\"\">" + area + "</MAP>");
  EXPECT_TRUE(ValidHtml(map));
  EXPECT_EQ(backend.opened[1], "アンカ/リンク/オブジェクトに関する設定 <LINK>");
}

TEST_F(AnchorDlg, ShapeListDecidesCoordinatesTypingDoesNot) {
  std::string r = RunWith(29448, "", [](D& d) {
    EXPECT_EQ(d.ListItems(IDC_AN_SHAPE_LIST),
              (std::vector<std::string>{"default (画像全体)", "rect (長方形)", "circle (円形)", "poly (多角形)"}));
    EXPECT_FALSE(d.IsEnabled(IDC_AN_SHAPE_LIST));
    d.Click(IDC_AN_SHAPE_CHK);
    EXPECT_TRUE(d.IsEnabled(IDC_AN_COORDS_LABEL));
    d.Type(IDC_AN_COORDS, "0,0,9,9");
    d.Select(IDC_AN_SHAPE_LIST, 0);
    EXPECT_EQ(Texts(d, {IDC_AN_SHAPE, IDC_AN_COORDS}), "default|0,0,9,9|");
    EXPECT_FALSE(d.IsEnabled(IDC_AN_COORDS));
    d.Select(IDC_AN_SHAPE_LIST, 3);
    EXPECT_TRUE(d.IsEnabled(IDC_AN_COORDS));
    d.Type(IDC_AN_SHAPE, "DEFAULT");
    ClickAll(d, {IDC_AN_TARGET_CHK, IDC_AN_TARGET_CHK});  // another box does not judge the shape
    EXPECT_TRUE(d.IsEnabled(IDC_AN_COORDS));              // until the list or SHAPE is clicked
    d.Ok();
  });
  EXPECT_EQ(r, "<AREA SHAPE=\"DEFAULT\">");
  EXPECT_EQ(Str("AL_448Coords"), "<absent>");
  r = RunWith(29448, "", [](D& d) {
    EXPECT_FALSE(d.IsEnabled(IDC_AN_COORDS));
    d.Select(IDC_AN_SHAPE_LIST, 2);
    Fill(d, {{IDC_AN_COORDS, ""}, {IDC_AN_ALT, "c"}});
    d.Ok();
  });
  EXPECT_EQ(r, "<AREA ALT=\"c\" SHAPE=\"circle\">");
  EXPECT_TRUE(ValidHtml("<MAP NAME=\"m\">" + r + "</MAP>"));
}

TEST_F(AnchorDlg, StyleSheetLinkIsValidInTheHead) {
  std::string link = RunWith(29446, "", OkAfter({{IDC_AN_REL_CHK}, {IDC_AN_TYPE_CHK}, {IDC_AN_HREF, "s.css"},
                                                 {IDC_AN_REL, "stylesheet"}, {IDC_AN_TYPE, "text/css"}}));
  EXPECT_EQ(link, "<LINK TYPE=\"text/css\" HREF=\"s.css\" REL=\"stylesheet\">");
  EXPECT_TRUE(ValidHtml(link, Context::Head));
}

using BodyDlg = Headless;

constexpr int kBody = 29116;
const int kChecks[] = {IDC_BD_ONLOAD_CHK, IDC_BD_ONUNLOAD_CHK, IDC_BD_ATTR_CHK,  IDC_BD_BKG_CHK,  IDC_BD_BGCOLOR_CHK,
                       IDC_BD_TEXT_CHK,   IDC_BD_LINK_CHK,     IDC_BD_ALINK_CHK, IDC_BD_VLINK_CHK};

TEST_F(BodyDlg, EmptyOtherAttributesLeaveALoneBlank) {
  std::string r = RunWith(kBody, "x", OkAfter({{IDC_BD_ATTR_CHK, IDC_BD_ATTR, ""},
                                               {IDC_BD_BGCOLOR_CHK, IDC_BD_BGCOLOR, ""}}));
  EXPECT_EQ(r, "<BODY  BGCOLOR=\"\">\r\nx\r\n</BODY>");
}

TEST_F(BodyDlg, ColourButtonsStartFromTheirColoursAndWriteHex) {
  backend.AnswerColor(std::nullopt);  // BGCOLOR cancelled
  backend.AnswerColor(0x000000);      // TEXT
  backend.AnswerColor(0x123456);      // LINK
  backend.AnswerColor(0x0000FF);      // ALINK: pure red
  backend.AnswerColor(0x400080);      // VLINK
  backend.AnswerColor(0xABCDEF);      // LINK again
  std::string r = RunWith(kBody, "", [](D& d) {
    for (int c : kChecks) d.Click(c);
    d.Type(IDC_BD_BGCOLOR, "Silver");
    ClickAll(d, {IDC_BD_BGCOLOR_PICK, IDC_BD_TEXT_PICK, IDC_BD_LINK_PICK});
    d.Type(IDC_BD_ONLOAD, "typed()");  // typed before a pick survives it
    ClickAll(d, {IDC_BD_ALINK_PICK, IDC_BD_VLINK_PICK});
    EXPECT_EQ(Texts(d, {IDC_BD_ONLOAD, IDC_BD_LINK}), "typed()|#563412|");
    ClickAll(d, {IDC_BD_LINK_PICK, IDC_BD_LINK_CHK, IDC_BD_ONUNLOAD_CHK, IDC_BD_ATTR_CHK, IDC_BD_BKG_CHK});
    d.Ok();
  });
  EXPECT_EQ(backend.colorRequests, (std::vector<uint32_t>{0xFFFFFF, 0x000000, 0x408000, 0x0000FF, 0x400080, 0x123456}));
  EXPECT_EQ(r,
            "<BODY onLoad=\"typed()\" BGCOLOR=\"Silver\" TEXT=\"#000000\" ALINK=\"#FF0000\" "
            "VLINK=\"#800040\">\r\n\r\n</BODY>");
  EXPECT_EQ(Str("BODY_116Link"), "<absent>");  // unchecked at OK

  // The colours are not remembered: the next run starts afresh.
  backend.colorRequests.clear();
  RunWith(kBody, "", [](D& d) {
    ClickAll(d, {IDC_BD_LINK_CHK, IDC_BD_LINK_PICK});
    d.Cancel();
  });
  EXPECT_EQ(backend.colorRequests, std::vector<uint32_t>{0x408000});
}

using HeadDlg = Headless;

TEST_F(HeadDlg, StyleTypeIsUnconditionalAndAttributesKeepTheirOrder) {
  std::string r = RunWith(29114, "P{}", [](D& d) {
    d.Type(IDC_HD_TYPE, "");
    ClickAll(d, {IDC_HD_LANG_CHK, IDC_HD_MEDIA_CHK, IDC_HD_TITLE_CHK, IDC_HD_DIR_CHK});
    d.Type(IDC_HD_LANG, "ja");
    d.Type(IDC_HD_MEDIA, "screen");
    d.Type(IDC_HD_TITLE, "\"q\"");  // inserted as typed
    d.Ok();
  });
  EXPECT_EQ(r, "<STYLE TYPE=\"\" TITLE=\"\"q\"\" MEDIA=\"screen\" LANG=\"ja\" DIR=\"ltr\">\r\nP{}\r\n</STYLE>\r\n");
  EXPECT_EQ(Int("HEAD_114Flag"), 0x10 | 0x20 | 0x40 | 0x80);
  EXPECT_EQ(Str("HEAD_114Type"), "");
}

TEST_F(HeadDlg, DirRtlBitsAreSetAndClearedTogether) {
  EXPECT_EQ(RunWith(29110, "",
                    OkAfter({{IDC_HD_DIR_CHK}, {IDC_HD_RTL}})),
            "<HEAD DIR=\"rtl\">\r\n\r\n</HEAD>\r\n");
  EXPECT_EQ(Int("HEAD_110Flag"), 0x180);
  RunWith(29110, "", [](D& d) {
    EXPECT_EQ(d.GetCheck(IDC_HD_RTL), 1);
    d.Click(IDC_HD_DIR_CHK);
    EXPECT_FALSE(d.IsEnabled(IDC_HD_RTL));
    d.Ok();
  });
  EXPECT_EQ(Int("HEAD_110Flag"), 0);
}

TEST_F(HeadDlg, MetaFieldsValueListsAndWithdrawnBoxes) {
  profile->WriteInt("HTML", "HEAD_113Flag", 0x7FFFFFFF);  // every bit, even those META cannot use
  std::string r = RunWith(29113, "", [&](D& d) {
    EXPECT_EQ(d.GetCheck(IDC_HD_PROFILE_CHK), 0);
    EXPECT_FALSE(d.IsEnabled(IDC_HD_TYPE));
    d.Type(IDC_HD_CONTENT, "a, b");
    d.Type(IDC_HD_HTTPEQUIV, "Content-Type");
    d.Type(IDC_HD_NAME, "author");
    CancelNext();
    d.Click(IDC_HD_LANG_LIST);  // a cancelled chooser changes nothing
    d.Ok();
  });
  EXPECT_EQ(r,
            "<META LANG=\"\" DIR=\"rtl\" HTTP-EQUIV=\"Content-Type\" NAME=\"author\" CONTENT=\"a, b\" "
            "SCHEME=\"\">");
  EXPECT_EQ(Int("HEAD_113Flag"), 0x40 | 0x80 | 0x100 | 0x800 | 0x1000 | 0x4000);
}

// The path browser and its directory, once for every dialog: the last
// backslash is found stepping over double-byte characters, a path without
// one fills the field but stores no directory.
TEST_F(HeadDlg, BrowsedPathsAndTheirDirectories) {
  backend.AnswerFile("C:\\\x95\x5C\\\x83\x5C.htm");  // C:\表\ソ.htm
  backend.AnswerFile("C:\\x\\y\\z.htm");
  backend.AnswerFile(std::nullopt);
  plat::SetTextEncoding(plat::Encoding::Cp932);
  std::string r = RunWith(29110, "", [&](D& d) {
    ClickAll(d, {IDC_HD_PROFILE_CHK, IDC_HD_PROFILE_BROWSE, IDC_HD_PROFILE_ADD});
    d.Click(IDC_HD_PROFILE_ADD);  // cancelled
    d.Ok();
  });
  plat::SetTextEncoding(plat::Encoding::Utf8);
  EXPECT_EQ(r, "<HEAD PROFILE=\"C:\\\x95\x5C\\\x83\x5C.htm C:\\x\\y\\z.htm\">\r\n\r\n</HEAD>\r\n");
  ASSERT_EQ(backend.fileRequests.size(), 3u);
  EXPECT_EQ(backend.fileRequests[0].initialDir, "");
  EXPECT_EQ(backend.fileRequests[1].initialDir, "C:\\\x95\x5C");
  EXPECT_EQ(backend.fileRequests[2].initialDir, "C:\\x\\y");
  EXPECT_EQ(backend.fileRequests[0].filter, "All Files(*.*)|*.*||");
  EXPECT_EQ(Str("HEAD_ProfilePath"), "C:\\x\\y");

  backend.AnswerFile("plain.htm");
  r = RunWith(29112, "", OkAfter({{IDC_HD_HREF_CHK}, {IDC_HD_HREF_BROWSE}}));
  EXPECT_EQ(r, "<BASE HREF=\"plain.htm\">");
  EXPECT_EQ(Str("HEAD_HrefPath"), "<absent>");
}

TEST_F(HeadDlg, BuiltElementsAreValidInsideHead) {
  std::string title = RunWith(29111, "Doc", OkAfter({{IDC_HD_LANG_CHK, IDC_HD_LANG, "ja"}}));
  std::string base = RunWith(29112, "", OkAfter({{IDC_HD_HREF_CHK, IDC_HD_HREF, "http://example.com/"},
                                                 {IDC_HD_TARGET_CHK, IDC_HD_TARGET, "_top"}}));
  std::string meta = RunWith(29113, "", OkAfter({{IDC_HD_NAME_CHK, IDC_HD_NAME, "author"},
                                                 {IDC_HD_SCHEME_CHK, IDC_HD_SCHEME, "x"}, {IDC_HD_CONTENT, "me"}}));
  std::string style = RunWith(29114, "P { color: red }", OkAfter({{IDC_HD_MEDIA_CHK, IDC_HD_MEDIA, "screen"}}));
  EXPECT_TRUE(ValidHtml(title + "\n" + base + "\n" + meta + "\n" + style, Context::Head));
  std::string head = RunWith(29110, title, OkAfter({{IDC_HD_PROFILE_CHK, IDC_HD_PROFILE, "http://example.com/p"}}));
  EXPECT_TRUE(ValidHtml("<HTML>" + head + "<BODY></BODY></HTML>", Context::Document));
}

using TableDlg = Headless;

TEST_F(TableDlg, FramesRulesAndBorder) {
  // A list entry gives the word before its blank, keeping what was typed
  // elsewhere; typing after it wins.
  std::string r = RunWith(29151, "x", [](D& d) {
    ClickAll(d, {IDC_TB_FRAME_CHK, IDC_TB_RULES_CHK});
    Tick(d, IDC_TB_BORDER_CHK, IDC_TB_BORDER, "5");
    EXPECT_TRUE(d.IsEnabled(IDC_TB_BORDER_SPIN));
    d.SelectText(IDC_TB_FRAME_LIST, "hsides");
    d.SelectText(IDC_TB_RULES_LIST, "groups");
    d.Type(IDC_TB_RULES, "rows");
    d.Ok();
  });
  EXPECT_EQ(r, "<TABLE BORDER=\"5\" FRAME=\"hsides\" RULES=\"rows\">\r\nx\r\n</TABLE>");
  EXPECT_EQ(Str("Tbl_151Border"), "5");
  EXPECT_EQ(Int("Tbl_151Flag"), 0x1 | 0x20 | 0x40);
}

// The units follow their numbers and come back; unchecking a box drops its
// unit bit too but keeps its stored text. (The order is in the golden file.)
TEST_F(TableDlg, UnitsFollowTheNumbersAndComeBack) {
  std::string r = RunWith(29151, "", OkAfter({{IDC_TB_WIDTH_CHK}, {IDC_TB_SPACING_CHK}, {IDC_TB_PADDING_CHK},
                                              {IDC_TB_WIDTH_PCT}, {IDC_TB_PADDING_PCT}, {IDC_TB_WIDTH, "80"},
                                              {IDC_TB_SPACING, "-3"}, {IDC_TB_PADDING, "10"}}));
  EXPECT_EQ(r, "<TABLE WIDTH=\"80%\" CELLSPACING=\"-3px\" CELLPADDING=\"10%\">\r\n\r\n</TABLE>");
  EXPECT_EQ(Int("Tbl_151Flag"), 0x2 | 0x4 | 0x80 | 0x400 | 0x800);
  r = RunWith(29151, "c", [](D& d) {
    EXPECT_EQ(Checked(d, {IDC_TB_WIDTH_PCT, IDC_TB_SPACING_PX, IDC_TB_PADDING_PCT}), 3);
    ClickAll(d, {IDC_TB_WIDTH_CHK, IDC_TB_SPACING_CHK});
    EXPECT_FALSE(d.IsEnabled(IDC_TB_WIDTH_PCT));
    d.Type(IDC_TB_PADDING, "0");
    d.Ok();
  });
  EXPECT_EQ(r, "<TABLE CELLPADDING=\"0%\">\r\nc\r\n</TABLE>");
  EXPECT_EQ(Int("Tbl_151Flag"), 0x400 | 0x800);
  EXPECT_EQ(Str("Tbl_151Width"), "80");
}

// A whole table made with the table, column group, row group, row and cell
// dialogs, as a user builds one from the inside out.
TEST_F(TableDlg, TableOfGroupsRowsAndCellsIsValidHtml) {
  auto cell = [&](int id, const std::string& text, const std::string& attr) {
    return RunWith(id, text, [attr](D& d) {
      CheckAll(d, {IDC_TC_SCOPE_CHK, IDC_TC_ALIGN_CHK, IDC_TC_VALIGN_CHK, IDC_TC_ABBR_CHK, IDC_TC_HEADERS_CHK,
                   IDC_TC_ATTR_CHK});
      Fill(d, {{IDC_TC_ABBR, "a"}, {IDC_TC_HEADERS, "h"}, {IDC_TC_CHAROFF, "2"}});
      d.Type(IDC_TC_ATTR, attr);
      d.SelectText(IDC_TC_SCOPE_LIST, "col");
      d.SelectText(IDC_TC_ALIGN_LIST, "char");
      d.SelectText(IDC_TC_VALIGN_LIST, "middle");
      d.Ok();
    });
  };
  auto group = [&](int id, const std::string& inner) {
    return RunWith(id, inner, [](D& d) {
      CheckAll(d, {IDC_CG_SPAN_CHK, IDC_CG_WIDTH_CHK, IDC_CG_ALIGN_CHK, IDC_CG_VALIGN_CHK});
      d.Type(IDC_CG_WIDTH, "50");
      d.SelectText(IDC_CG_ALIGN_LIST, "left");
      d.SelectText(IDC_CG_VALIGN_LIST, "top");
      d.Ok();
    });
  };
  const std::string head = group(29155, group(29158, cell(29159, "Year", "ID=\"h\"")));
  const std::string row1 = group(29158, cell(29160, "2001", "CLASS=\"c\"\r\n"));
  const std::string row2 = group(29158, cell(29160, "2002", "CLASS=\"c\"\r\n"));
  const std::string inner = group(29153, "") + "\r\n" + head + "\r\n" + group(29156, row1 + row2);
  std::string table = RunWith(29151, inner, [](D& d) {
    ClickAll(d, {IDC_TB_BORDER_CHK, IDC_TB_WIDTH_CHK, IDC_TB_SUMMARY_CHK, IDC_TB_FRAME_CHK, IDC_TB_RULES_CHK,
                 IDC_TB_SPACING_CHK, IDC_TB_PADDING_CHK, IDC_TB_ATTR_CHK, IDC_TB_WIDTH_PCT});
    Fill(d, {{IDC_TB_SUMMARY, "Amounts"}, {IDC_TB_FRAME, "hsides"}, {IDC_TB_ATTR, "ID=\"t\"\r\nCLASS=\"f\""}});
    d.Ok();
  });
  EXPECT_NE(table.find("<TD ABBR=\"a\" HEADERS=\"h\" SCOPE=\"col\" ALIGN=\"char\" CHAR=\".\" CHAROFF=\"2px\" "
                       "VALIGN=\"middle\" CLASS=\"c\">2002</TD>"),
            std::string::npos);
  EXPECT_TRUE(ValidHtml(table));
}

using ColGroupDlg = Headless;

namespace {

// The alignment-character controls go together: all enabled or none.
bool AllOrNone(D& d, std::initializer_list<int> ids) {
  const int n = Enabled(d, ids);
  EXPECT_TRUE(n == 0 || n == static_cast<int>(ids.size())) << n;
  return n != 0;
}
bool ColCharOffered(D& d) {
  return AllOrNone(d, {IDC_CG_CHAR_LABEL, IDC_CG_CHAR, IDC_CG_CHAROFF_LABEL, IDC_CG_CHAROFF, IDC_CG_CHAROFF_SPIN});
}
bool CellCharOffered(D& d) {
  return AllOrNone(d, {IDC_TC_CHAR_LABEL, IDC_TC_CHAR, IDC_TC_CHAROFF_LABEL, IDC_TC_CHAROFF, IDC_TC_CHAROFF_SPIN,
                       IDC_TC_CHAROFF_PX, IDC_TC_CHAROFF_PCT});
}

}  // namespace

TEST_F(ColGroupDlg, ColumnGroupsSpanAndWidthInFixedOrder) {
  std::string r = RunWith(29154, "", OkAfter({{IDC_CG_SPAN_CHK}}));
  EXPECT_EQ(r, "<COL SPAN=\"1\"></COL>");
  EXPECT_EQ(Str("Clg_154Span"), "1");

  r = RunWith(29153, "<COL>", [](D& d) {
    ClickAll(d, {IDC_CG_ATTR_CHK, IDC_CG_VALIGN_CHK, IDC_CG_ALIGN_CHK, IDC_CG_WIDTH_CHK, IDC_CG_SPAN_CHK});
    Fill(d, {{IDC_CG_SPAN, "3"}, {IDC_CG_WIDTH, "30"}, {IDC_CG_ATTR, "ID=\"g\"\r\nCLASS=\"n\""}});
    d.Click(IDC_CG_WIDTH_PCT);
    d.SelectText(IDC_CG_ALIGN_LIST, "char");
    d.Type(IDC_CG_CHAROFF, "");
    d.Click(IDC_CG_CHAROFF_PCT);
    d.SelectText(IDC_CG_VALIGN_LIST, "bottom");
    d.Ok();
  });
  // An empty CHAROFF is left out, and so is its percent bit.
  EXPECT_EQ(r,
            "<COLGROUP SPAN=\"3\" WIDTH=\"30%\" ALIGN=\"char\" CHAR=\".\" VALIGN=\"bottom\" ID=\"g\" "
            "CLASS=\"n\"><COL></COLGROUP>");
  EXPECT_EQ(Int("Clg_153Flag"), 0x1 | 0x2 | 0x4 | 0x10 | 0x80 | 0x100);
  EXPECT_EQ(Str("Clg_153AlignCharOff"), "<absent>");

  r = RunWith(29153, "", [](D& d) {
    EXPECT_EQ(Checked(d, {IDC_CG_WIDTH_PCT, IDC_CG_CHAROFF_PX}), 2);  // the CHAROFF bit was not stored
    EXPECT_TRUE(ColCharOffered(d));
    EXPECT_EQ(d.GetText(IDC_CG_CHAROFF), "0");
    ClickAll(d, {IDC_CG_CHAROFF_PCT, IDC_CG_WIDTH_PX, IDC_CG_SPAN_CHK, IDC_CG_VALIGN_CHK, IDC_CG_ATTR_CHK});
    d.Ok();
  });
  EXPECT_EQ(r, "<COLGROUP WIDTH=\"30px\" ALIGN=\"char\" CHAR=\".\" CHAROFF=\"0%\"></COLGROUP>");
  EXPECT_EQ(Int("Clg_153Flag"), 0x2 | 0x10 | 0x20);
  EXPECT_EQ(Int("Clg_154Flag"), 0x1);  // COL keeps its own slot
}

TEST_F(ColGroupDlg, RowGroupsAndRowsGiveUpSpanAndWidthEvenWhenStored) {
  for (int id : {29155, 29156, 29157, 29158}) {
    const int slot = id - 29000;
    profile->WriteInt("HTML", SettingName("Clg_%dFlag", slot), 0x1 | 0x2 | 0x4 | 0x10);
    std::string r = RunWith(id, "", [](D& d) {
      EXPECT_EQ(Checked(d, {IDC_CG_SPAN_CHK, IDC_CG_WIDTH_CHK}), 0);
      EXPECT_EQ(Enabled(d, {IDC_CG_SPAN_CHK, IDC_CG_WIDTH_CHK, IDC_CG_SPAN, IDC_CG_WIDTH_PCT}), 0);
      EXPECT_TRUE(d.IsEnabled(IDC_CG_ALIGN_LIST));
      d.Ok();
    });
    EXPECT_EQ(r.substr(r.find(' ')), " ALIGN=\"center\">" + std::string(id == 29158 ? "</TR>" : ""));
    EXPECT_EQ(Int(SettingName("Clg_%dFlag", slot)), 0x10) << id;
  }
}

TEST_F(ColGroupDlg, AlignmentCharacterControlsFollowTheAlignBox) {
  RunWith(29158, "", [](D& d) {
    d.Click(IDC_CG_ALIGN_CHK);
    EXPECT_FALSE(ColCharOffered(d));
    d.SelectText(IDC_CG_ALIGN_LIST, "char");
    EXPECT_TRUE(ColCharOffered(d));
    d.Click(IDC_CG_ALIGN_CHK);
    EXPECT_FALSE(ColCharOffered(d));
    EXPECT_TRUE(d.IsEnabled(IDC_CG_CHAROFF_PCT));
    d.Click(IDC_CG_ALIGN_CHK);
    EXPECT_TRUE(ColCharOffered(d));
    d.Type(IDC_CG_ALIGN, "Char");
    d.Type(IDC_CG_CHAR, ",");
    d.Ok();
  });
  EXPECT_EQ(Strs({"Clg_158AlignChar", "Clg_158Align"}), ",|Char|");
}

using TableCellDlg = Headless;

TEST_F(TableCellDlg, CenterIsNotCharacterAlignment) {
  std::string r = RunWith(29159, "h", [&](D& d) {
    d.Click(IDC_TC_ALIGN_CHK);
    EXPECT_FALSE(CellCharOffered(d));  // "center" is not character alignment
    d.Ok();
  });
  EXPECT_EQ(r, "<TH ALIGN=\"center\">h</TH>");
  EXPECT_EQ(Int("Tcl_159Flag"), 0x40);
}

TEST_F(TableCellDlg, CharacterAlignmentDecidesCharAndCharOff) {
  // "CHAR" typed counts as char; an empty CHAR drops only CHAR; the
  // percent bit is stored only with an emitted CHAROFF.
  std::string r = RunWith(29160, "", [](D& d) {
    Tick(d, IDC_TC_ALIGN_CHK, IDC_TC_ALIGN, "CHAR");
    EXPECT_FALSE(CellCharOffered(d));  // typing does not re-apply the rule
    d.Ok();
  });
  EXPECT_EQ(r, "<TD ALIGN=\"CHAR\" CHAR=\".\" CHAROFF=\"0px\"></TD>");
  EXPECT_EQ(Int("Tcl_160Flag"), 0x40);

  r = RunWith(29160, "", [](D& d) {
    EXPECT_TRUE(CellCharOffered(d));  // stored "CHAR" offers them at once
    d.Type(IDC_TC_CHAR, "");
    d.Click(IDC_TC_CHAROFF_PCT);
    d.Type(IDC_TC_CHAROFF, "-2");
    d.Ok();
  });
  EXPECT_EQ(r, "<TD ALIGN=\"CHAR\" CHAROFF=\"-2%\"></TD>");
  EXPECT_EQ(Int("Tcl_160Flag"), 0x40 | 0x80);
  EXPECT_EQ(Str("Tcl_160Char"), ".");  // not emitted, not written

  r = RunWith(29160, "", OkAfter({{IDC_TC_CHAROFF, ""}}));
  EXPECT_EQ(r, "<TD ALIGN=\"CHAR\" CHAR=\".\"></TD>");
  EXPECT_EQ(Int("Tcl_160Flag"), 0x40);  // "%" still selected, but no CHAROFF

  // Choosing from the list switches the controls at once; a non-char
  // alignment emits neither, whatever the fields hold.
  r = RunWith(29160, "", [](D& d) {
    EXPECT_EQ(d.GetCheck(IDC_TC_CHAROFF_PX), 1);
    d.SelectText(IDC_TC_ALIGN_LIST, "char");
    EXPECT_TRUE(CellCharOffered(d));
    d.Type(IDC_TC_CHAR, ",");
    d.SelectText(IDC_TC_ALIGN_LIST, "left");
    EXPECT_FALSE(CellCharOffered(d));
    EXPECT_EQ(d.GetText(IDC_TC_CHAR), ",");  // taken in before the choice
    d.SelectText(IDC_TC_ALIGN_LIST, "char");
    d.Click(IDC_TC_ALIGN_CHK);
    EXPECT_FALSE(CellCharOffered(d));
    EXPECT_FALSE(d.IsEnabled(IDC_TC_ALIGN_LIST));
    d.Click(IDC_TC_ALIGN_CHK);
    EXPECT_TRUE(CellCharOffered(d));
    d.SelectText(IDC_TC_ALIGN_LIST, "justify");
    d.Ok();
  });
  EXPECT_EQ(r, "<TD ALIGN=\"justify\"></TD>");
  EXPECT_EQ(Str("Tcl_160Char"), ".");
}

}  // namespace tqtest
