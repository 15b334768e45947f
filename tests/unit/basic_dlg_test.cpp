#include <string>
#include <vector>

#include "dialogs/common/basic_dlg.h"
#include "dialogs/common/event_dlg.h"
#include "dialogs/common/text_rules.h"
#include "dialogs/common/value_list_dlg.h"
#include "fixture.h"

namespace tqtest {

using namespace tq;
using D = plat::HeadlessDialog;

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
  // The next chooser checks its title and picks the entry starting so.
  void Pick(const std::string& title, const std::string& value, size_t entries = 0) {
    Nested([=](D& list) {
      EXPECT_EQ(list.GetTitle(), title);
      if (entries) {
        EXPECT_EQ(list.ListItems(IDC_VL_LIST).size(), entries);
      }
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

TEST_F(BasicDlg, HeadingWithIdIsTheWholeElementAndIsRemembered) {
  std::string r = RunWith(29121, "T", [](D& d) {
    EXPECT_FALSE(d.IsEnabled(IDC_BS_ID));
    d.Click(IDC_BS_ID_CHK);
    EXPECT_TRUE(d.IsEnabled(IDC_BS_ID));
    d.Type(IDC_BS_ID, "a");
    d.Ok();
  });
  EXPECT_EQ(r, "<H1 ID=\"a\">T</H1>");
  EXPECT_EQ(Str("Bsc_121ID"), "a");
  EXPECT_EQ(Int("Bsc_121Flag"), 1);
  EXPECT_EQ(profile->writes(), 2);

  // The next run shows it again; unchecking keeps the value but not the bit.
  r = RunWith(29121, "", [](D& d) {
    EXPECT_EQ(d.GetCheck(IDC_BS_ID_CHK), 1);
    EXPECT_EQ(d.GetText(IDC_BS_ID), "a");
    d.Click(IDC_BS_ID_CHK);
    d.Ok();
  });
  EXPECT_EQ(r, "<H1></H1>");
  EXPECT_EQ(Str("Bsc_121ID"), "a");
  EXPECT_EQ(Int("Bsc_121Flag"), 0);
  EXPECT_EQ(Str("Bsc_127Flag"), "<absent>");  // P has a slot of its own
  EXPECT_EQ(backend.opened,
            (std::vector<std::string>{"基本的な属性の設定 <H1>", "基本的な属性の設定 <H1>"}));
}

TEST_F(BasicDlg, CheckedFieldsComeInTheirFixedOrder) {
  std::string r = RunWith(29131, "x", [](D& d) {
    for (int c : {IDC_BS_ALIGN_CHK, IDC_BS_EVENT_CHK, IDC_BS_DIR_CHK, IDC_BS_LANG_CHK, IDC_BS_STYLE_CHK,
                  IDC_BS_TITLE_CHK, IDC_BS_CLASS_CHK, IDC_BS_ID_CHK})
      d.Click(c);
    d.Type(IDC_BS_ID, "i");
    d.Type(IDC_BS_CLASS, "c");
    d.Type(IDC_BS_TITLE, "");
    d.Type(IDC_BS_STYLE, "color:red;\r\n\r\n  margin:0 \r\n");
    d.Type(IDC_BS_LANG, "ja");
    d.Type(IDC_BS_DIR, "ltr");
    d.Type(IDC_BS_EVENT, "onClick = \"a()\"\r\nonDblClick = \"b()\"");
    d.Type(IDC_BS_ALIGN, "center");
    d.Ok();
  });
  EXPECT_EQ(r, "<DIV ID=\"i\" CLASS=\"c\" TITLE=\"\" STYLE=\"color:red;   margin:0\" LANG=\"ja\" DIR=\"ltr\" "
               "onClick = \"a()\" onDblClick = \"b()\" ALIGN=\"center\">x</DIV>");
  EXPECT_EQ(Int("Bsc_131Flag"), 0xFF);
  EXPECT_EQ(Str("Bsc_131Style"), "color:red;\r\n\r\n  margin:0 \r\n");  // stored as typed
  EXPECT_EQ(Str("Bsc_131Event"), "onClick = \"a()\"\r\nonDblClick = \"b()\"");
  EXPECT_EQ(Str("Bsc_131OtherA"), "center");
  EXPECT_EQ(Str("Bsc_131Title"), "");
}

TEST_F(BasicDlg, ListsTakeTheirContentOnOwnLinesAndCompactNotNoshade) {
  EXPECT_EQ(RunWith(29140, "T", [](D& d) { d.Ok(); }), "<UL>\r\nT\r\n</UL>");

  std::string caps[3];
  Pick("リスト項目の先頭記号(TYPE)", "A", 5);
  std::string r = RunWith(29141, "<LI>a", [&](D& d) {
    caps[0] = d.GetText(IDC_BS_OTHER_CHK);
    caps[1] = d.GetText(IDC_BS_WIDTH_CHK);
    caps[2] = d.GetText(IDC_BS_NOSHADE_CHK);
    EXPECT_FALSE(d.IsEnabled(IDC_BS_ALIGN_CHK));
    EXPECT_FALSE(d.IsEnabled(IDC_BS_SIZE_CHK));
    for (int c : {IDC_BS_NOSHADE_CHK, IDC_BS_WIDTH_CHK, IDC_BS_OTHER_CHK}) d.Click(c);
    d.Type(IDC_BS_WIDTH, "3");
    d.Click(IDC_BS_OTHER_LIST);
    d.Ok();
  });
  EXPECT_EQ(r, "<OL TYPE=\"A\" START=\"3\" COMPACT>\r\n<LI>a\r\n</OL>");
  EXPECT_EQ(caps[0], "先頭記号");
  EXPECT_EQ(caps[1], "番号の最初");
  EXPECT_EQ(caps[2], "COMPACT指定");
  EXPECT_EQ(Int("Bsc_141Flag"), 0xB00);
  EXPECT_EQ(Str("Bsc_141OtherB"), "A");
  EXPECT_EQ(Str("Bsc_141Width"), "3");

  Pick("リスト項目の先頭記号(TYPE)", "square", 3);
  r = RunWith(29140, "", [](D& d) {
    d.Click(IDC_BS_OTHER_CHK);
    d.Click(IDC_BS_OTHER_LIST);
    d.Click(IDC_BS_NOSHADE_CHK);
    d.Ok();
  });
  EXPECT_EQ(r, "<UL TYPE=\"square\" COMPACT>\r\n\r\n</UL>");

  r = RunWith(29142, "<DT>t<DD>d", [](D& d) {
    EXPECT_EQ(d.GetText(IDC_BS_NOSHADE_CHK), "COMPACT指定");
    EXPECT_FALSE(d.IsEnabled(IDC_BS_OTHER_CHK));
    d.Click(IDC_BS_NOSHADE_CHK);
    d.Ok();
  });
  EXPECT_EQ(r, "<DL COMPACT>\r\n<DT>t<DD>d\r\n</DL>");
}

TEST_F(BasicDlg, EmptyElementsHaveNoEndTag) {
  std::string r = RunWith(29130, "", [](D& d) {
    EXPECT_EQ(d.GetText(IDC_BS_NOSHADE_CHK), "NOS&HADE指定");
    EXPECT_FALSE(d.IsEnabled(IDC_BS_LANG_CHK));
    EXPECT_FALSE(d.IsEnabled(IDC_BS_DIR_CHK));
    EXPECT_FALSE(d.IsEnabled(IDC_BS_OTHER_CHK));
    d.Click(IDC_BS_SIZE_CHK);
    d.Type(IDC_BS_SIZE, "2");
    d.Click(IDC_BS_NOSHADE_CHK);
    d.Ok();
  });
  EXPECT_EQ(r, "<HR SIZE=\"2\" NOSHADE>");
  EXPECT_EQ(Int("Bsc_130Flag"), 0xC00);

  Pick("回り込み解除(CLEAR)", "all", 4);
  r = RunWith(29415, "T", [](D& d) {
    EXPECT_EQ(d.GetText(IDC_BS_OTHER_CHK), "CLEAR指定");
    d.Click(IDC_BS_OTHER_CHK);
    d.Click(IDC_BS_OTHER_LIST);
    d.Ok();
  });
  EXPECT_EQ(r, "<BR CLEAR=\"all\">T");

  Pick("上位要素が<OL>か<UL>かで適切なものを選択", "i", 8);
  r = RunWith(29435, "item", [](D& d) {
    EXPECT_EQ(d.GetText(IDC_BS_OTHER_CHK), "TYPE");
    EXPECT_EQ(d.GetText(IDC_BS_WIDTH_CHK), "VALUE");
    d.Click(IDC_BS_OTHER_CHK);
    d.Click(IDC_BS_OTHER_LIST);
    d.Click(IDC_BS_WIDTH_CHK);
    d.Type(IDC_BS_WIDTH, "4");
    d.Ok();
  });
  EXPECT_EQ(r, "<LI TYPE=\"i\" VALUE=\"4\">item");

  EXPECT_EQ(RunWith(29436, "t", [](D& d) { d.Ok(); }), "<DT>t");
  EXPECT_EQ(RunWith(29437, "d", [](D& d) { d.Ok(); }), "<DD>d");
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
    profile->WriteInt("HTML", "Bsc_" + std::to_string(o.id - 29000) + "Flag", 0xFFF);
    int enabled = 0, checked = 0;
    std::vector<int> badEdits;
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
      for (const auto& dep : deps)
        if (d.IsEnabled(dep[1]) != d.IsEnabled(dep[0])) badEdits.push_back(dep[1]);
      d.Ok();
    });
    EXPECT_EQ(enabled, o.bits) << o.id;
    EXPECT_EQ(checked, o.bits) << o.id;
    EXPECT_TRUE(badEdits.empty()) << o.id;
    EXPECT_EQ(Int("Bsc_" + std::to_string(o.id - 29000) + "Flag"), o.bits) << o.id;
  }
}

TEST_F(BasicDlg, AttributeModeGivesTheCheckedAttributesOnePerLine) {
  std::string r = Open(29151, [](D& d) {
    EXPECT_EQ(d.GetTitle(), "基本的な属性の設定 <TABLE>");
    d.Click(IDC_BS_ID_CHK);
    d.Type(IDC_BS_ID, "x");
    d.Click(IDC_BS_CLASS_CHK);
    d.Type(IDC_BS_CLASS, "y");
    d.Ok();
  });
  EXPECT_EQ(r, "\r\nID=\"x\"\r\nCLASS=\"y\"");
  EXPECT_EQ(Str("Bsc_151ID"), "x");
  EXPECT_EQ(Str("Bsc_151Class"), "y");
  EXPECT_EQ(Int("Bsc_151Flag"), 3);

  EXPECT_EQ(Open(29151, [](D& d) {
              d.Click(IDC_BS_ID_CHK);
              d.Click(IDC_BS_CLASS_CHK);
              d.Ok();
            }),
            "");
  EXPECT_EQ(Int("Bsc_151Flag"), 0);

  r = Open(29445, [](D& d) {
    d.Click(IDC_BS_EVENT_CHK);
    d.Type(IDC_BS_EVENT, "onClick = \"a()\"\r\n");
    d.Click(IDC_BS_STYLE_CHK);
    d.Type(IDC_BS_STYLE, "color:red;\r\nmargin:0");
    d.Ok();
  });
  EXPECT_EQ(r, "\r\nSTYLE=\"color:red; margin:0\"\r\nonClick = \"a()\"");
}

TEST_F(BasicDlg, CitedDocumentOfQuotationsComesFromThePathBrowser) {
  backend.AnswerFile("C:\\doc\\src.htm");
  std::string r = RunWith(29132, "<P>q</P>", [](D& d) {
    EXPECT_EQ(d.GetText(IDC_BS_OTHER_CHK), "CITE指定");
    d.Click(IDC_BS_OTHER_CHK);
    d.Click(IDC_BS_ID_CHK);
    d.Type(IDC_BS_ID, "typed");
    d.Click(IDC_BS_OTHER_LIST);
    EXPECT_EQ(d.GetText(IDC_BS_ID), "typed");  // the edit boxes were taken first
    d.Ok();
  });
  EXPECT_EQ(r, "<BLOCKQUOTE ID=\"typed\" CITE=\"C:\\doc\\src.htm\"><P>q</P></BLOCKQUOTE>");
  ASSERT_EQ(backend.fileRequests.size(), 1u);
  EXPECT_EQ(backend.fileRequests[0].title, "引用文書のURI");
  EXPECT_EQ(backend.fileRequests[0].initialDir, "");
  EXPECT_EQ(Str("Bsc_Path"), "C:\\doc");
  EXPECT_EQ(Str("Bsc_132OtherB"), "C:\\doc\\src.htm");
  EXPECT_EQ(Int("Bsc_132Flag"), 0x101);

  // Q starts where the last browse ended; a cancelled browse changes nothing.
  r = RunWith(29417, "q", [](D& d) {
    d.Click(IDC_BS_OTHER_CHK);
    d.Type(IDC_BS_OTHER, "a.htm");
    d.Click(IDC_BS_OTHER_LIST);
    d.Ok();
  });
  EXPECT_EQ(r, "<Q CITE=\"a.htm\">q</Q>");
  ASSERT_EQ(backend.fileRequests.size(), 2u);
  EXPECT_EQ(backend.fileRequests[1].initialDir, "C:\\doc");
}

TEST_F(BasicDlg, ChoosersForLanguageAndAlignment) {
  struct Case {
    int id;
    const char* title;
    size_t entries;
    const char* pick;
    const char* element;
  };
  const Case cases[] = {
      {29122, "ALIGN", 4, "justify", "H2"}, {29127, "ALIGN", 4, "right", "P"},
      {29130, "ALIGN", 3, "center", "HR"},  {29131, "ALIGN", 3, "left", "DIV"},
      {29152, "表タイトルの位置", 4, "bottom", "CAPTION"},
  };
  for (const Case& c : cases) {
    Pick(c.title, c.pick, c.entries);
    Nested([](D& list) { list.Cancel(); });  // a cancelled chooser keeps the value
    std::string r = RunWith(c.id, "", [](D& d) {
      d.Click(IDC_BS_ALIGN_CHK);
      d.Click(IDC_BS_ALIGN_LIST);
      d.Click(IDC_BS_ALIGN_LIST);
      d.Ok();
    });
    std::string name = c.element;
    std::string end = name == "HR" ? "" : "</" + name + ">";
    EXPECT_EQ(r, "<" + name + " ALIGN=\"" + c.pick + "\">" + end);
  }

  Pick("LANG", "ja", 25);
  std::string r = RunWith(29416, "s", [](D& d) {
    d.Click(IDC_BS_LANG_CHK);
    d.Click(IDC_BS_LANG_LIST);
    d.Ok();
  });
  EXPECT_EQ(r, "<SPAN LANG=\"ja\">s</SPAN>");
}

TEST_F(BasicDlg, EventsComeFromTheEventsDialogUnderThisSlot) {
  Nested([](D& ev) {
    ev.Type(IDC_EV_EVENT, "onClick");
    ev.Type(IDC_EV_SCRIPT, "a()");
    ev.Click(IDC_EV_ADD);
    ev.Ok();
  });
  Nested([](D& ev) { ev.Cancel(); });
  std::string r = RunWith(29408, "s", [](D& d) {
    d.Click(IDC_BS_EVENT_CHK);
    d.Click(IDC_BS_EVENT_EDIT);
    d.Click(IDC_BS_EVENT_EDIT);
    d.Ok();
  });
  EXPECT_EQ(r, "<STRONG onClick = \"a()\">s</STRONG>");
  EXPECT_EQ(Str("Evnt_408Evnts"), "onClick = \"a()\"");
  EXPECT_EQ(Str("Bsc_408Event"), "onClick = \"a()\"");
}

TEST_F(BasicDlg, StyleButtonOpensTheListStyleDialogForListsAndTheComposerOtherwise) {
  // Each opener passes its own id and the handed-in text; a cancelled or
  // missing style dialog leaves the field as typed.
  struct Case {
    int id, templateId;
  };
  for (const Case c : {Case{29140, 2012}, Case{29142, 2012}, Case{29121, 2003}, Case{29151, 2003}}) {
    const bool opens = plat::FindTemplate(c.templateId) != nullptr;
    int seen = 0;
    if (opens)
      Nested([&](D& s) {
        seen = s.dialog().templateId();
        s.Cancel();
      });
    std::string r = Open(c.id, [](D& d) {
      d.Click(IDC_BS_STYLE_CHK);
      d.Type(IDC_BS_STYLE, "color:red;");
      d.Click(IDC_BS_STYLE_EDIT);
      EXPECT_EQ(d.GetText(IDC_BS_STYLE), "color:red;");
      d.Ok();
    });
    if (opens) {
      EXPECT_EQ(seen, c.templateId) << c.id;
    }
    EXPECT_NE(r.find("STYLE=\"color:red;\""), std::string::npos) << c.id;
  }
  EXPECT_EQ(backend.pendingScripts(), 0u);
}

TEST_F(BasicDlg, NoscriptIsBuiltAsAnElementAroundTheSelection) {
  std::string r = RunWith(29171, "<P>no script</P>", [](D& d) {
    d.Click(IDC_BS_CLASS_CHK);
    d.Type(IDC_BS_CLASS, "n");
    d.Ok();
  });
  EXPECT_EQ(r, "<NOSCRIPT CLASS=\"n\"><P>no script</P></NOSCRIPT>");
}

TEST_F(BasicDlg, CancelReturnsTheSelectionAndWritesNothing) {
  std::string r = RunWith(29121, "keep", [](D& d) {
    d.Click(IDC_BS_ID_CHK);
    d.Type(IDC_BS_ID, "x");
    d.Cancel();
  });
  EXPECT_EQ(r, "keep");
  EXPECT_EQ(profile->writes(), 0);
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
      d.Type(IDC_BS_CLASS, "c");
      d.Type(IDC_BS_TITLE, "t");
      d.Type(IDC_BS_STYLE, "color:red;\r\nmargin:0");
      d.Type(IDC_BS_LANG, "ja");
      d.Type(IDC_BS_DIR, "ltr");
      d.Type(IDC_BS_EVENT, "onClick = \"a()\"\r\nonKeyUp = \"b()\"");
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
  std::string br = RunWith(29415, "", [](D& d) {
    for (int c : {IDC_BS_ID_CHK, IDC_BS_CLASS_CHK, IDC_BS_OTHER_CHK}) d.Click(c);
    d.Type(IDC_BS_ID, "br1");
    d.Type(IDC_BS_OTHER, "all");
    d.Ok();
  });
  EXPECT_TRUE(ValidHtml(h1 + "\n" + p + "\n" + pre + "\n" + hr + "\n" + ol + "\n<P>" + br + q + bdo + "</P>\n" +
                        bq + "\n" + noscript + "\n<TABLE>" + cap + "<TR><TD>x</TD></TR></TABLE>"));

  // Two lines of other attributes from attribute mode, joined as an opener does.
  std::string attrs = Open(29151, [](D& d) {
    d.Click(IDC_BS_ID_CHK);
    d.Type(IDC_BS_ID, "t");
    d.Click(IDC_BS_TITLE_CHK);
    d.Type(IDC_BS_TITLE, "table");
    d.Ok();
  });
  EXPECT_TRUE(ValidHtml("<TABLE " + NormalizeWhitespace(attrs) + "><TR><TD>x</TD></TR></TABLE>"));
}

}  // namespace tqtest
