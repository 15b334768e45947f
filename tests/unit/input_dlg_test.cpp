#include <string>

#include "dialogs/form/input_dlg.h"
#include "fixture.h"

namespace tqtest {

using namespace tq;
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
      {"image", true, " SIZE=\"10px\""},   {"TEXT", true, " SIZE=\"10\""},
      {"", true, " SIZE=\"10\""},          {"password", true, " SIZE=\"10\""},
      {"checkbox", false, " SIZE=\"10px\""}, {"Text", false, " SIZE=\"10\""},
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
    for (int c : {IDC_IN_READONLY_CHK, IDC_IN_CHECKED_CHK, IDC_IN_SIZE_CHK, IDC_IN_MAXLEN_CHK, IDC_IN_SRC_CHK,
                  IDC_IN_ALT_CHK, IDC_IN_USEMAP_CHK, IDC_IN_ACCEPT_CHK, IDC_IN_SELECT_CHK, IDC_IN_CHANGE_CHK,
                  IDC_IN_ALIGN_CHK}) {
      EXPECT_EQ(d.GetCheck(c), 0) << c;
      EXPECT_FALSE(d.IsEnabled(c)) << c;
    }
    EXPECT_FALSE(d.IsEnabled(IDC_IN_SRC_BROWSE) || d.IsEnabled(IDC_IN_SIZE_SPIN));
    EXPECT_TRUE(d.IsEnabled(IDC_IN_TABINDEX_SPIN));
    Fill(d, {{IDC_IN_TYPE, "reset"}, {IDC_IN_NAME, "b"}, {IDC_IN_VALUE, "v"}, {IDC_IN_ACCESSKEY, "g"},
             {IDC_IN_ATTR, ""}});
    d.Ok();
  });
  EXPECT_EQ(r, "<BUTTON TYPE=\"reset\" NAME=\"b\" VALUE=\"v\" DISABLED TABINDEX=\"1\" ACCESSKEY=\"g\" "
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

}  // namespace tqtest
