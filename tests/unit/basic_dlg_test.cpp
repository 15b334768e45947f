#include <string>
#include <vector>

#include "dialogs.h"

namespace tqtest {

using namespace tq;

// Check boxes in flag-bit order.
const int kChecks[] = {IDC_BS_ID_CHK,    IDC_BS_CLASS_CHK, IDC_BS_TITLE_CHK, IDC_BS_STYLE_CHK,
                       IDC_BS_LANG_CHK,  IDC_BS_DIR_CHK,   IDC_BS_EVENT_CHK, IDC_BS_ALIGN_CHK,
                       IDC_BS_OTHER_CHK, IDC_BS_WIDTH_CHK, IDC_BS_SIZE_CHK,  IDC_BS_NOSHADE_CHK};

class BasicDlg : public Headless {
 protected:
  std::string RunWith(int id, const std::string& sel, plat::DialogScript s) {
    ExpectWithNested(std::move(s));
    return Run(id, sel);
  }
  // Opened by another dialog, as its other-attributes editor.
  std::string Open(int id, plat::DialogScript s) {
    ExpectWithNested(std::move(s));
    CBasicDlg dlg(nullptr);
    dlg.Init(id, "handed in");
    return dlg.DoModal() == plat::IDOK ? dlg.m_strResult : "<cancelled>";
  }
  // The next chooser checks its title and size and picks the entry
  // starting so.
  void Chooser(const std::string& title, const std::string& value, size_t entries) {
    Nested([=](D& list) {
      EXPECT_EQ(list.GetTitle(), title);
      EXPECT_EQ(list.ListItems(IDC_VL_LIST).size(), entries);
      list.SelectText(IDC_VL_LIST, value);
      list.Ok();
    });
  }
  // A script for a dialog the next run opens from its own (they are taken
  // in the order the dialogs open, after the run's own script).
  void Nested(plat::DialogScript s) { nested_.push_back(std::move(s)); }

 private:
  void ExpectWithNested(plat::DialogScript s) {
    backend.Expect(std::move(s));
    for (auto& n : nested_) backend.Expect(std::move(n));
    nested_.clear();
  }
  std::vector<plat::DialogScript> nested_;
};

TEST_F(BasicDlg, HeadingWithIdIsTheWholeElementWithOneWritePerValue) {
  std::string r = RunWith(29121, "T", OkAfter({{IDC_BS_ID_CHK, IDC_BS_ID, "a"}}));
  EXPECT_EQ(r, "<H1 ID=\"a\">T</H1>");
  EXPECT_EQ(Int("Bsc_121Flag"), 1);
  EXPECT_EQ(profile->writes(), 2);
  EXPECT_EQ(backend.opened, std::vector<std::string>{"基本的な属性の設定 <H1>"});
  EXPECT_EQ(RunWith(29171, "<P>x</P>", [](D& d) { d.Ok(); }), "<NOSCRIPT><P>x</P></NOSCRIPT>");
}

TEST_F(BasicDlg, CheckedFieldsComeInTheirFixedOrder) {
  std::string r = RunWith(29131, "x", [](D& d) {
    ClickAll(d, {IDC_BS_ALIGN_CHK, IDC_BS_EVENT_CHK, IDC_BS_DIR_CHK, IDC_BS_LANG_CHK, IDC_BS_STYLE_CHK,
                 IDC_BS_TITLE_CHK, IDC_BS_CLASS_CHK, IDC_BS_ID_CHK});
    Fill(d, {{IDC_BS_ID, "i"}, {IDC_BS_CLASS, "c"}, {IDC_BS_TITLE, ""},
             {IDC_BS_STYLE, "color:red;\r\n\r\n  margin:0 \r\n"}, {IDC_BS_LANG, "ja"}, {IDC_BS_DIR, "ltr"},
             {IDC_BS_EVENT, "onClick = \"a()\"\r\nonDblClick = \"b()\""}, {IDC_BS_ALIGN, "center"}});
    d.Ok();
  });
  EXPECT_EQ(r, "<DIV ID=\"i\" CLASS=\"c\" TITLE=\"\" STYLE=\"color:red;   margin:0\" LANG=\"ja\" DIR=\"ltr\" "
               "onClick = \"a()\" onDblClick = \"b()\" ALIGN=\"center\">x</DIV>");
  EXPECT_EQ(Int("Bsc_131Flag"), 0xFF);
  EXPECT_EQ(Str("Bsc_131Style"), "color:red;\r\n\r\n  margin:0 \r\n");  // stored as typed
  EXPECT_EQ(Str("Bsc_131OtherA"), "center");
}

TEST_F(BasicDlg, ListsTakeTheirContentOnOwnLinesAndCompactNotNoshade) {
  EXPECT_EQ(RunWith(29140, "T", [](D& d) { d.Ok(); }), "<UL>\r\nT\r\n</UL>");

  Chooser("リスト項目の先頭記号(TYPE)", "A", 5);
  std::string r = RunWith(29141, "<LI>a", [&](D& d) {
    EXPECT_EQ(d.GetText(IDC_BS_OTHER_CHK) + "|" + d.GetText(IDC_BS_WIDTH_CHK) + "|" + d.GetText(IDC_BS_NOSHADE_CHK),
              "先頭記号|番号の最初|COMPACT指定");
    EXPECT_FALSE(d.IsEnabled(IDC_BS_ALIGN_CHK) || d.IsEnabled(IDC_BS_SIZE_CHK));
    ClickAll(d, {IDC_BS_NOSHADE_CHK, IDC_BS_OTHER_CHK, IDC_BS_OTHER_LIST});
    Tick(d, IDC_BS_WIDTH_CHK, IDC_BS_WIDTH, "3");
    d.Ok();
  });
  EXPECT_EQ(r, "<OL TYPE=\"A\" START=\"3\" COMPACT>\r\n<LI>a\r\n</OL>");
  EXPECT_EQ(Int("Bsc_141Flag"), 0xB00);
  EXPECT_EQ(Str("Bsc_141OtherB"), "A");

  Chooser("リスト項目の先頭記号(TYPE)", "square", 3);
  r = RunWith(29140, "", OkAfter({{IDC_BS_OTHER_CHK}, {IDC_BS_OTHER_LIST}, {IDC_BS_NOSHADE_CHK}}));
  EXPECT_EQ(r, "<UL TYPE=\"square\" COMPACT>\r\n\r\n</UL>");

  r = RunWith(29142, "<DT>t<DD>d", [](D& d) {
    EXPECT_FALSE(d.IsEnabled(IDC_BS_OTHER_CHK));
    d.Click(IDC_BS_NOSHADE_CHK);
    d.Ok();
  });
  EXPECT_EQ(r, "<DL COMPACT>\r\n<DT>t<DD>d\r\n</DL>");
}

TEST_F(BasicDlg, EmptyElementsHaveNoEndTag) {
  std::string r = RunWith(29130, "", [](D& d) {
    EXPECT_EQ(d.GetText(IDC_BS_NOSHADE_CHK), "NOS&HADE指定");
    Tick(d, IDC_BS_SIZE_CHK, IDC_BS_SIZE, "2");
    d.Click(IDC_BS_NOSHADE_CHK);
    d.Ok();
  });
  EXPECT_EQ(r, "<HR SIZE=\"2\" NOSHADE>");
  EXPECT_EQ(Int("Bsc_130Flag"), 0xC00);

  Chooser("回り込み解除(CLEAR)", "all", 4);
  r = RunWith(29415, "T", [](D& d) {
    EXPECT_EQ(d.GetText(IDC_BS_OTHER_CHK), "CLEAR指定");
    ClickAll(d, {IDC_BS_OTHER_CHK, IDC_BS_OTHER_LIST});
    d.Ok();
  });
  EXPECT_EQ(r, "<BR CLEAR=\"all\">T");

  Chooser("上位要素が<OL>か<UL>かで適切なものを選択", "i", 8);
  r = RunWith(29435, "item", [](D& d) {
    EXPECT_EQ(d.GetText(IDC_BS_OTHER_CHK) + d.GetText(IDC_BS_WIDTH_CHK), "TYPEVALUE");
    ClickAll(d, {IDC_BS_OTHER_CHK, IDC_BS_OTHER_LIST});
    Tick(d, IDC_BS_WIDTH_CHK, IDC_BS_WIDTH, "4");
    d.Ok();
  });
  EXPECT_EQ(r, "<LI TYPE=\"i\" VALUE=\"4\">item");
}

// Which check boxes each kind of element offers, as flag bits.
struct Offer {
  int id;
  int bits;
};
constexpr int kCommon = 0x7F;  // ID .. EVENT
const Offer kOffers[] = {
    {29121, kCommon | 0x80},  {29126, kCommon | 0x80},  {29127, kCommon | 0x80},
    {29128, kCommon | 0x200}, {29129, kCommon},         {29130, 0xF | 0x40 | 0x80 | 0x200 | 0x400 | 0x800},
    {29131, kCommon | 0x80},  {29132, kCommon | 0x100}, {29140, kCommon | 0x100 | 0x800},
    {29141, kCommon | 0xB00}, {29142, kCommon | 0x800}, {29152, kCommon | 0x80},
    {29171, kCommon},         {29173, kCommon},         {29401, kCommon},
    {29415, kCommon | 0x100}, {29417, kCommon | 0x100}, {29428, 0x3F},
    {29435, kCommon | 0x300}, {29437, kCommon},         {29116, kCommon},
    {29151, kCommon},         {29165, 0xF},             {29166, 0xF},
    {29458, 0xF},             {29460, 0xF},             {29472, kCommon},
};

TEST_F(BasicDlg, EachElementOffersItsBoxesAndStoredBitsOfOthersAreCleared) {
  for (const Offer& o : kOffers) {
    const std::string flag = SettingName("Bsc_%dFlag", o.id - 29000);
    profile->WriteInt("HTML", flag, 0xFFF);
    int enabled = 0, checked = 0;
    Open(o.id, [&](D& d) {
      for (int i = 0; i < 12; ++i) {
        if (d.IsEnabled(kChecks[i])) enabled |= 1 << i;
        if (d.GetCheck(kChecks[i])) checked |= 1 << i;
      }
      // A withdrawn box leaves its edit box and button off too.
      const int deps[][2] = {{IDC_BS_LANG_CHK, IDC_BS_LANG},       {IDC_BS_LANG_CHK, IDC_BS_LANG_LIST},
                             {IDC_BS_EVENT_CHK, IDC_BS_EVENT_EDIT}, {IDC_BS_ALIGN_CHK, IDC_BS_ALIGN_LIST},
                             {IDC_BS_OTHER_CHK, IDC_BS_OTHER},      {IDC_BS_OTHER_CHK, IDC_BS_OTHER_LIST},
                             {IDC_BS_WIDTH_CHK, IDC_BS_WIDTH},      {IDC_BS_SIZE_CHK, IDC_BS_SIZE}};
      for (const auto& dep : deps) EXPECT_EQ(d.IsEnabled(dep[1]), d.IsEnabled(dep[0])) << o.id << " " << dep[1];
      d.Ok();
    });
    EXPECT_EQ(enabled, o.bits) << o.id;
    EXPECT_EQ(checked, o.bits) << o.id;
    EXPECT_EQ(Int(flag), o.bits) << o.id;
  }
}

TEST_F(BasicDlg, AttributeModeGivesTheCheckedAttributesOnePerLine) {
  std::string r = Open(29151, [](D& d) {
    EXPECT_EQ(d.GetTitle(), "基本的な属性の設定 <TABLE>");
    Tick(d, IDC_BS_ID_CHK, IDC_BS_ID, "x");
    Tick(d, IDC_BS_CLASS_CHK, IDC_BS_CLASS, "y");
    d.Ok();
  });
  EXPECT_EQ(r, "\r\nID=\"x\"\r\nCLASS=\"y\"");
  EXPECT_EQ(Str("Bsc_151Class"), "y");
  EXPECT_EQ(Int("Bsc_151Flag"), 3);

  EXPECT_EQ(Open(29151, OkAfter({{IDC_BS_ID_CHK}, {IDC_BS_CLASS_CHK}})),
            "");

  r = Open(29445, OkAfter({{IDC_BS_EVENT_CHK, IDC_BS_EVENT, "onClick = \"a()\"\r\n"},
                           {IDC_BS_STYLE_CHK, IDC_BS_STYLE, "color:red;\r\nmargin:0"}}));
  EXPECT_EQ(r, "\r\nSTYLE=\"color:red; margin:0\"\r\nonClick = \"a()\"");
}

// Every dialog's other-attributes button: the basic dialog under the
// dialog's own slot, the boxes typed before it kept; cancelled, it changes
// nothing.
TEST_F(BasicDlg, OtherAttributesButtonsOfTheElementDialogs) {
  struct Case {
    int id, box, edit, button, otherBox, otherEdit;
    const char* expected;
  } cases[] = {
      {29151, IDC_TB_ATTR_CHK, IDC_TB_ATTR, IDC_TB_ATTR_EDIT, IDC_TB_BORDER_CHK, IDC_TB_BORDER,
       "<TABLE BORDER=\"v\" CLASS=\"c\">\r\ns\r\n</TABLE>"},
      {29159, IDC_TC_ATTR_CHK, IDC_TC_ATTR, IDC_TC_ATTR_EDIT, IDC_TC_ABBR_CHK, IDC_TC_ABBR,
       "<TH ABBR=\"v\" CLASS=\"c\">s</TH>"},
      {29158, IDC_CG_ATTR_CHK, IDC_CG_ATTR, IDC_CG_ATTR_EDIT, IDC_CG_VALIGN_CHK, IDC_CG_VALIGN,
       "<TR VALIGN=\"v\" CLASS=\"c\">s</TR>"},
      {29165, IDC_FS_ATTR_CHK, IDC_FS_ATTR, IDC_FS_ATTR_EDIT, IDC_FS_ROWS_CHK, IDC_FS_ROWS,
       "<FRAMESET ROWS=\"v\" CLASS=\"c\">\r\ns\r\n</FRAMESET>"},
      {29460, IDC_FR_ATTR_CHK, IDC_FR_ATTR, IDC_FR_ATTR_EDIT, IDC_FR_NAME_CHK, IDC_FR_NAME,
       "<IFRAME NAME=\"v\" CLASS=\"c\">s</IFRAME>"},
      {29458, IDC_OB_ATTR_CHK, IDC_OB_ATTR, IDC_OB_ATTR_EDIT, IDC_OB_NAME_CHK, IDC_OB_NAME,
       "<APPLET NAME=\"v\" CLASS=\"c\">s</APPLET>"},
      {29465, IDC_FI_ATTR_CHK, IDC_FI_ATTR, IDC_FI_ATTR_EDIT, IDC_FI_FOR_CHK, IDC_FI_FOR,
       "<LABEL FOR=\"v\" CLASS=\"c\">s</LABEL>"},
      {29470, IDC_TA_ATTR_CHK, IDC_TA_ATTR, IDC_TA_ATTR_EDIT, IDC_TA_NAME_CHK, IDC_TA_NAME,
       "<TEXTAREA NAME=\"v\" COLS=\"\" ROWS=\"\" CLASS=\"c\">s</TEXTAREA>"},
      {29472, IDC_IN_ATTR_CHK, IDC_IN_ATTR, IDC_IN_ATTR_EDIT, IDC_IN_NAME_CHK, IDC_IN_NAME,
       "<BUTTON TYPE=\"submit\" NAME=\"v\" CLASS=\"c\">s</BUTTON>"},
      {29445, IDC_AN_ATTR_CHK, IDC_AN_ATTR, IDC_AN_ATTR_EDIT, IDC_AN_NAME_CHK, IDC_AN_NAME,
       "<A NAME=\"v\" CLASS=\"c\">s</A>"},
      {29172, IDC_FM_ATTR_CHK, IDC_FM_ATTR, IDC_FM_ATTR_EDIT, IDC_FM_TARGET_CHK, IDC_FM_TARGET,
       "<FORM ACTION=\"\" TARGET=\"v\" CLASS=\"c\">s</FORM>"},
      // BODY takes the edit boxes only once the basic dialog is confirmed.
      {29116, IDC_BD_ATTR_CHK, IDC_BD_ATTR, IDC_BD_ATTR_EDIT, IDC_BD_BGCOLOR_CHK, IDC_BD_BGCOLOR,
       "<BODY CLASS=\"c\" BGCOLOR=\"v\">\r\ns\r\n</BODY>"},
      {29455, IDC_IM_ATTR_CHK, IDC_IM_ATTR, IDC_IM_ATTR_EDIT, IDC_IM_ALIGN_CHK, IDC_IM_ALIGN,
       "<IMG SRC=\"\" ALT=\"\" CLASS=\"c\" ALIGN=\"v\">s"},
  };
  for (const Case& c : cases) {
    Nested([](D& b) { b.Cancel(); });
    Nested(OkAfter({{IDC_BS_CLASS_CHK, IDC_BS_CLASS, "c"}}));
    std::string r = RunWith(c.id, "s", [&](D& d) {
      Tick(d, c.box, c.edit, "CLASS=\"typed\"");
      d.Click(c.button);
      EXPECT_EQ(d.GetText(c.edit), "CLASS=\"typed\"") << c.id;
      Tick(d, c.otherBox, c.otherEdit, "v");
      d.Click(c.button);
      EXPECT_EQ(d.GetText(c.otherEdit), "v") << c.id;
      d.Ok();
    });
    EXPECT_EQ(r, c.expected);
    EXPECT_EQ(Str(SettingName("Bsc_%dClass", c.id - 29000)), "c") << c.id;
  }
}

TEST_F(BasicDlg, CitedDocumentOfQuotationsComesFromThePathBrowser) {
  backend.AnswerFile("C:\\doc\\src.htm");
  std::string r = RunWith(29132, "<P>q</P>", [](D& d) {
    EXPECT_EQ(d.GetText(IDC_BS_OTHER_CHK), "CITE指定");
    d.Click(IDC_BS_OTHER_CHK);
    Tick(d, IDC_BS_ID_CHK, IDC_BS_ID, "typed");
    d.Click(IDC_BS_OTHER_LIST);
    EXPECT_EQ(d.GetText(IDC_BS_ID), "typed");  // the edit boxes were taken first
    d.Ok();
  });
  EXPECT_EQ(r, "<BLOCKQUOTE ID=\"typed\" CITE=\"C:\\doc\\src.htm\"><P>q</P></BLOCKQUOTE>");
  RunWith(29417, "q", [](D& d) {
    ClickAll(d, {IDC_BS_OTHER_CHK, IDC_BS_OTHER_LIST});
    d.Cancel();
  });
  EXPECT_EQ(backend.fileRequests.at(1).initialDir, "C:\\doc");  // Q starts where BLOCKQUOTE ended
}

// The alignment lists differ by element; a cancelled chooser keeps the value.
TEST_F(BasicDlg, ChoosersForLanguageAndAlignment) {
  struct Case {
    int id;
    const char* title;
    size_t entries;
    const char* pick;
    const char* result;
  };
  const Case cases[] = {
      {29122, "ALIGN", 4, "justify", "<H2 ALIGN=\"justify\"></H2>"},
      {29130, "ALIGN", 3, "center", "<HR ALIGN=\"center\">"},
      {29131, "ALIGN", 3, "left", "<DIV ALIGN=\"left\"></DIV>"},
      {29152, "表タイトルの位置", 4, "bottom", "<CAPTION ALIGN=\"bottom\"></CAPTION>"},
  };
  for (const Case& c : cases) {
    Chooser(c.title, c.pick, c.entries);
    Nested([](D& list) { list.Cancel(); });
    EXPECT_EQ(RunWith(c.id, "", OkAfter({{IDC_BS_ALIGN_CHK}, {IDC_BS_ALIGN_LIST}, {IDC_BS_ALIGN_LIST}})),
              c.result);
  }
  Chooser("LANG", "ja", 25);
  EXPECT_EQ(RunWith(29416, "s", OkAfter({{IDC_BS_LANG_CHK}, {IDC_BS_LANG_LIST}})),
            "<SPAN LANG=\"ja\">s</SPAN>");
}

TEST_F(BasicDlg, EventsComeFromTheEventsDialogUnderThisSlot) {
  Nested(OkAfter({{IDC_EV_EVENT, "onClick"}, {IDC_EV_SCRIPT, "a()"}, {IDC_EV_ADD}}));
  Nested([](D& ev) { ev.Cancel(); });
  std::string r = RunWith(29408, "s", OkAfter({{IDC_BS_EVENT_CHK}, {IDC_BS_EVENT_EDIT}, {IDC_BS_EVENT_EDIT}}));
  EXPECT_EQ(r, "<STRONG onClick = \"a()\">s</STRONG>");
  EXPECT_EQ(Strs({"Evnt_408Evnts", "Bsc_408Event"}), "onClick = \"a()\"|onClick = \"a()\"|");
}

TEST_F(BasicDlg, StyleButtonOpensTheListStyleDialogForListsAndTheComposerOtherwise) {
  // A cancelled style dialog leaves the field as typed.
  for (const auto& [id, templateId] : {std::pair{29140, 2012}, {29142, 2012}, {29121, 2003}, {29151, 2003}}) {
    int seen = 0;
    Nested([&seen](D& s) {
      seen = s.dialog().templateId();
      s.Cancel();
    });
    std::string r = Open(id, [](D& d) {
      Tick(d, IDC_BS_STYLE_CHK, IDC_BS_STYLE, "color:red;");
      d.Click(IDC_BS_STYLE_EDIT);
      EXPECT_EQ(d.GetText(IDC_BS_STYLE), "color:red;");
      d.Ok();
    });
    EXPECT_EQ(seen, templateId) << id;
    EXPECT_NE(r.find("STYLE=\"color:red;\""), std::string::npos) << id;
  }
}

TEST_F(BasicDlg, TypicalElementsAreValidHtml) {
  int serial = 0;
  // Every box the element offers, filled with typical values.
  auto with = [&](const char* align, const char* other, const char* width, const char* size) {
    const std::string id = "e" + std::to_string(++serial);
    return [=](D& d) {
      for (int c : kChecks)
        if (d.IsEnabled(c)) d.Click(c);
      d.Type(IDC_BS_ID, id);
      Fill(d, {{IDC_BS_CLASS, "c"}, {IDC_BS_TITLE, "t"}, {IDC_BS_STYLE, "color:red;\r\nmargin:0"},
               {IDC_BS_LANG, "ja"}, {IDC_BS_DIR, "ltr"},
               {IDC_BS_EVENT, "onClick = \"a()\"\r\nonKeyUp = \"b()\""}});
      if (align) d.Type(IDC_BS_ALIGN, align);
      if (other) d.Type(IDC_BS_OTHER, other);
      if (width) d.Type(IDC_BS_WIDTH, width);
      if (size) d.Type(IDC_BS_SIZE, size);
      d.Ok();
    };
  };
  std::string h1 = RunWith(29121, "Title", with("center", nullptr, nullptr, nullptr));
  std::string p = RunWith(29127, "Text", with("justify", nullptr, nullptr, nullptr));
  std::string pre = RunWith(29128, "code", with(nullptr, nullptr, "80", nullptr));
  std::string hr = RunWith(29130, "", with("left", nullptr, "50%", "2"));
  std::string li = RunWith(29435, "one", with(nullptr, "i", "3", nullptr));
  std::string ol = RunWith(29141, li, with(nullptr, "I", "3", nullptr));
  std::string q = RunWith(29417, "q", with(nullptr, "q.htm", nullptr, nullptr));
  std::string bq = RunWith(29132, "<P>quoted</P>", with(nullptr, "b.htm", nullptr, nullptr));
  std::string bdo = RunWith(29428, "abc", with(nullptr, nullptr, nullptr, nullptr));
  std::string noscript = RunWith(29171, "<P>none</P>", with(nullptr, nullptr, nullptr, nullptr));
  std::string cap = RunWith(29152, "Cap", with("bottom", nullptr, nullptr, nullptr));
  // BR takes only the core attributes and CLEAR.
  std::string br = RunWith(29415, "", OkAfter({{IDC_BS_ID_CHK}, {IDC_BS_CLASS_CHK}, {IDC_BS_OTHER_CHK},
                                               {IDC_BS_ID, "br1"}, {IDC_BS_OTHER, "all"}}));
  EXPECT_TRUE(ValidHtml(h1 + "\n" + p + "\n" + pre + "\n" + hr + "\n" + ol + "\n<P>" + br + q + bdo + "</P>\n" +
                        bq + "\n" + noscript + "\n<TABLE>" + cap + "<TR><TD>x</TD></TR></TABLE>"));

  // Two lines of other attributes from attribute mode, joined as an opener does.
  std::string attrs = Open(29151, OkAfter({{IDC_BS_ID_CHK, IDC_BS_ID, "t"},
                                           {IDC_BS_TITLE_CHK, IDC_BS_TITLE, "table"}}));
  EXPECT_TRUE(ValidHtml("<TABLE " + NormalizeWhitespace(attrs) + "><TR><TD>x</TD></TR></TABLE>"));
}

}  // namespace tqtest
