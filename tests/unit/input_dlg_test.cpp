#include <string>

#include "dialogs/common/value_list_dlg.h"
#include "dialogs/form/input_dlg.h"
#include "fixture.h"

namespace tqtest {

using namespace tq;
using D = plat::HeadlessDialog;

class InputDlg : public Headless {
 protected:
  std::string RunWith(int id, const std::string& sel, plat::DialogScript s) {
    backend.Expect(std::move(s));
    return Run(id, sel);
  }
  // The chooser's next opening picks the entry starting with prefix.
  void ChooseNext(const std::string& title, const std::string& prefix) {
    backend.Expect([title, prefix](D& list) {
      EXPECT_EQ(list.GetTitle(), title);
      list.SelectText(IDC_VL_LIST, prefix);
      list.Ok();
    });
  }
};

TEST_F(InputDlg, FirstUseOfInputAndButton) {
  std::string shown[3];
  bool nameOn = false;
  std::string r = RunWith(29466, "abc", [&](D& d) {
    shown[0] = d.GetText(IDC_IN_TYPE);
    shown[1] = d.GetText(IDC_IN_SIZE);
    shown[2] = d.GetText(IDC_IN_TABINDEX);
    nameOn = d.GetCheck(IDC_IN_NAME_CHK) == 1 && d.IsEnabled(IDC_IN_NAME);
    d.Ok();
  });
  EXPECT_EQ(r, "<INPUT TYPE=\"text\" NAME=\"\">abc");
  EXPECT_EQ(shown[0], "text");
  EXPECT_EQ(shown[1], "0");
  EXPECT_EQ(shown[2], "1");
  EXPECT_TRUE(nameOn);
  EXPECT_EQ(Int("INPUT_466Flag"), 3);
  EXPECT_EQ(Str("INPUT_466Size"), "<absent>");

  bool buttonName = true;
  r = RunWith(29472, "abc", [&](D& d) {
    shown[0] = d.GetText(IDC_IN_TYPE);
    buttonName = d.GetCheck(IDC_IN_NAME_CHK) == 1;
    d.Ok();
  });
  EXPECT_EQ(r, "<BUTTON TYPE=\"submit\">abc</BUTTON>");
  EXPECT_EQ(shown[0], "submit");
  EXPECT_FALSE(buttonName);
  EXPECT_EQ(Int("INPUT_472Flag"), 1);
  EXPECT_EQ(backend.opened, (std::vector<std::string>{"<INPUT>の設定", "<BUTTON>の設定"}));
}

TEST_F(InputDlg, TypeRulesFromTheListOnlyEverAddOrRemoveTheirChecks) {
  std::string r = RunWith(29466, "", [&](D& d) {
    d.Click(IDC_IN_MAXLEN_CHK);
    d.Click(IDC_IN_CHECKED_CHK);
    ChooseNext("フォームコントロールのタイプ(TYPE)", "image");
    d.Click(IDC_IN_TYPE_LIST);
    EXPECT_EQ(d.GetText(IDC_IN_TYPE), "image");
    EXPECT_EQ(d.GetCheck(IDC_IN_SRC_CHK), 1);
    EXPECT_TRUE(d.IsEnabled(IDC_IN_SRC_BROWSE));
    EXPECT_EQ(d.GetCheck(IDC_IN_MAXLEN_CHK), 0);
    EXPECT_FALSE(d.IsEnabled(IDC_IN_MAXLEN_SPIN));
    EXPECT_EQ(d.GetCheck(IDC_IN_CHECKED_CHK), 0);
    // Back to text: SRC stays, MAXLENGTH does not come back by itself.
    ChooseNext("フォームコントロールのタイプ(TYPE)", "text");
    d.Click(IDC_IN_TYPE_LIST);
    EXPECT_EQ(d.GetCheck(IDC_IN_SRC_CHK), 1);
    EXPECT_EQ(d.GetCheck(IDC_IN_MAXLEN_CHK), 0);
    ChooseNext("フォームコントロールのタイプ(TYPE)", "radio");
    d.Click(IDC_IN_TYPE_LIST);
    EXPECT_EQ(d.GetCheck(IDC_IN_VALUE_CHK), 1);
    EXPECT_TRUE(d.IsEnabled(IDC_IN_VALUE));
    d.Click(IDC_IN_CHECKED_CHK);
    d.Type(IDC_IN_NAME, "r");
    d.Type(IDC_IN_VALUE, "1");
    d.Type(IDC_IN_SRC, "b.gif");
    d.Ok();
  });
  EXPECT_EQ(r, "<INPUT TYPE=\"radio\" NAME=\"r\" VALUE=\"1\" CHECKED SRC=\"b.gif\">");
  EXPECT_EQ(Int("INPUT_466Flag"), 0x10F);

  // A typed type counts at opening, ignoring case; submit leaves NAME alone.
  profile->WriteString("HTML", "INPUT_466Type", "SUBMIT");
  profile->WriteInt("HTML", "INPUT_466Flag", 0x1 | 0x8 | 0x80);
  r = RunWith(29466, "", [](D& d) {
    EXPECT_EQ(d.GetCheck(IDC_IN_NAME_CHK), 0);
    EXPECT_EQ(d.GetCheck(IDC_IN_CHECKED_CHK), 0);
    EXPECT_FALSE(d.IsEnabled(IDC_IN_MAXLEN));
    d.Ok();
  });
  EXPECT_EQ(r, "<INPUT TYPE=\"SUBMIT\">");
  // With the TYPE box off the rules do not run at opening.
  profile->WriteInt("HTML", "INPUT_466Flag", 0x8);
  r = RunWith(29466, "", [](D& d) { d.Ok(); });
  EXPECT_EQ(r, "<INPUT CHECKED>");
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

TEST_F(InputDlg, EveryAttributeInOrderAndRememberedNextTime) {
  std::string r = RunWith(29466, "x", [](D& d) {
    for (int c : {IDC_IN_ATTR_CHK, IDC_IN_ALIGN_CHK, IDC_IN_CHANGE_CHK, IDC_IN_SELECT_CHK,
                  IDC_IN_BLUR_CHK, IDC_IN_FOCUS_CHK, IDC_IN_ACCEPT_CHK, IDC_IN_ACCESSKEY_CHK,
                  IDC_IN_TABINDEX_CHK, IDC_IN_USEMAP_CHK, IDC_IN_ALT_CHK, IDC_IN_SRC_CHK,
                  IDC_IN_MAXLEN_CHK, IDC_IN_SIZE_CHK, IDC_IN_READONLY_CHK, IDC_IN_DISABLED_CHK,
                  IDC_IN_CHECKED_CHK, IDC_IN_VALUE_CHK})
      d.Click(c);
    d.Type(IDC_IN_NAME, "n");
    d.Type(IDC_IN_VALUE, "v");
    d.Type(IDC_IN_SIZE, "5");
    d.Type(IDC_IN_MAXLEN, "8");
    d.Type(IDC_IN_SRC, "s.gif");
    d.Type(IDC_IN_ALT, "a");
    d.Type(IDC_IN_USEMAP, "#m");
    d.Type(IDC_IN_TABINDEX, "3");
    d.Type(IDC_IN_ACCESSKEY, "k");
    d.Type(IDC_IN_ACCEPT, "text/plain");
    d.Type(IDC_IN_FOCUS, "f()");
    d.Type(IDC_IN_BLUR, "b()");
    d.Type(IDC_IN_SELECT, "s()");
    d.Type(IDC_IN_CHANGE, "c()");
    d.Type(IDC_IN_ALIGN, "left");
    d.Type(IDC_IN_ATTR, "\r\nID=\"i\"\r\n  CLASS=\"c\" \r\n");
    d.Ok();
  });
  EXPECT_EQ(r, "<INPUT TYPE=\"text\" NAME=\"n\" VALUE=\"v\" CHECKED DISABLED READONLY SIZE=\"5\" "
               "MAXLENGTH=\"8\" SRC=\"s.gif\" ALT=\"a\" USEMAP=\"#m\" TABINDEX=\"3\" ACCESSKEY=\"k\" "
               "ACCEPT=\"text/plain\" onFocus=\"f()\" onBlur=\"b()\" onSelect=\"s()\" onChange=\"c()\" "
               "ALIGN=\"left\" ID=\"i\"   CLASS=\"c\">x");
  EXPECT_EQ(Int("INPUT_466Flag"), 0xFFFFF);
  EXPECT_EQ(Str("INPUT_466Attr"), "\r\nID=\"i\"\r\n  CLASS=\"c\" \r\n");
  EXPECT_EQ(Str("INPUT_466MaxLength"), "8");
  EXPECT_EQ(Str("INPUT_466OnChange"), "c()");

  // Reopened: the fields come back; unchecked texts keep their old value.
  r = RunWith(29466, "", [](D& d) {
    EXPECT_EQ(d.GetText(IDC_IN_USEMAP), "#m");
    EXPECT_EQ(d.GetCheck(IDC_IN_READONLY_CHK), 1);
    EXPECT_EQ(d.GetCheck(IDC_IN_CHECKED_CHK), 0);  // a text box is never checked
    for (int c : {IDC_IN_ATTR_CHK, IDC_IN_ALIGN_CHK, IDC_IN_CHANGE_CHK, IDC_IN_SELECT_CHK,
                  IDC_IN_BLUR_CHK, IDC_IN_FOCUS_CHK, IDC_IN_ACCEPT_CHK, IDC_IN_ACCESSKEY_CHK,
                  IDC_IN_TABINDEX_CHK, IDC_IN_USEMAP_CHK, IDC_IN_ALT_CHK, IDC_IN_SRC_CHK,
                  IDC_IN_MAXLEN_CHK, IDC_IN_SIZE_CHK, IDC_IN_READONLY_CHK, IDC_IN_DISABLED_CHK,
                  IDC_IN_VALUE_CHK})
      d.Click(c);
    EXPECT_FALSE(d.IsEnabled(IDC_IN_ATTR_EDIT));
    EXPECT_FALSE(d.IsEnabled(IDC_IN_TABINDEX_SPIN));
    d.Type(IDC_IN_NAME, "m");
    d.Ok();
  });
  EXPECT_EQ(r, "<INPUT TYPE=\"text\" NAME=\"m\">");
  EXPECT_EQ(Str("INPUT_466Alt"), "a");
  EXPECT_EQ(Str("INPUT_472Name"), "<absent>");  // BUTTON keeps its own slot
}

TEST_F(InputDlg, ButtonOffersOnlyWhatAButtonHasEvenWhenStored) {
  profile->WriteInt("HTML", "INPUT_472Flag", 0xFFFFF);
  std::string r = RunWith(29472, "Go", [&](D& d) {
    for (int c : {IDC_IN_READONLY_CHK, IDC_IN_CHECKED_CHK, IDC_IN_SIZE_CHK, IDC_IN_MAXLEN_CHK,
                  IDC_IN_SRC_CHK, IDC_IN_ALT_CHK, IDC_IN_USEMAP_CHK, IDC_IN_ACCEPT_CHK,
                  IDC_IN_SELECT_CHK, IDC_IN_CHANGE_CHK, IDC_IN_ALIGN_CHK}) {
      EXPECT_EQ(d.GetCheck(c), 0) << c;
      EXPECT_FALSE(d.IsEnabled(c)) << c;
    }
    EXPECT_FALSE(d.IsEnabled(IDC_IN_SRC_BROWSE));
    EXPECT_FALSE(d.IsEnabled(IDC_IN_SIZE_SPIN));
    EXPECT_TRUE(d.IsEnabled(IDC_IN_TABINDEX_SPIN));
    d.Type(IDC_IN_NAME, "b");
    d.Type(IDC_IN_VALUE, "v");
    d.Type(IDC_IN_ACCESSKEY, "g");
    d.Type(IDC_IN_ATTR, "");
    ChooseNext("ボタンのタイプ", "reset");
    d.Click(IDC_IN_TYPE_LIST);
    d.Ok();
  });
  EXPECT_EQ(r, "<BUTTON TYPE=\"reset\" NAME=\"b\" VALUE=\"v\" DISABLED TABINDEX=\"1\" ACCESSKEY=\"g\" "
               "onFocus=\"\" onBlur=\"\" >Go</BUTTON>");
  EXPECT_EQ(Int("INPUT_472Flag"), 0x1 | 0x2 | 0x4 | 0x10 | 0x800 | 0x1000 | 0x4000 | 0x8000 | 0x80000);
}

TEST_F(InputDlg, ListsAndBrowsersFillTheirFields) {
  backend.AnswerFile("C:\\img\\btn.gif");
  backend.AnswerFile("C:\\js\\on\\focus.js");
  backend.AnswerFile(std::nullopt);
  std::string r = RunWith(29466, "", [&](D& d) {
    d.Click(IDC_IN_NAME_CHK);
    for (int c : {IDC_IN_ACCEPT_CHK, IDC_IN_ALIGN_CHK, IDC_IN_SRC_CHK, IDC_IN_FOCUS_CHK, IDC_IN_BLUR_CHK})
      d.Click(c);
    ChooseNext("MIME", "image/gif");
    d.Click(IDC_IN_ACCEPT_LIST);
    EXPECT_EQ(d.GetText(IDC_IN_ACCEPT), "image/gif");
    ChooseNext("MIME", "image/png");
    d.Click(IDC_IN_ACCEPT_LIST);
    backend.Expect([](D& list) { list.Cancel(); });
    d.Click(IDC_IN_ACCEPT_LIST);
    ChooseNext("ALIGN", "middle");
    d.Click(IDC_IN_ALIGN_LIST);
    d.Click(IDC_IN_SRC_BROWSE);
    d.Click(IDC_IN_FOCUS_BROWSE);
    d.Type(IDC_IN_BLUR, "kept");
    d.Click(IDC_IN_BLUR_BROWSE);  // cancelled
    d.Ok();
  });
  EXPECT_EQ(r, "<INPUT TYPE=\"text\" SRC=\"C:\\img\\btn.gif\" ACCEPT=\"image/gif, image/png\" "
               "onFocus=\"C:\\js\\on\\focus.js\" onBlur=\"kept\" ALIGN=\"middle\">");
  ASSERT_EQ(backend.fileRequests.size(), 3u);
  EXPECT_EQ(backend.fileRequests[0].title, "画像ボタンのためのURI(SRC)");
  EXPECT_EQ(backend.fileRequests[1].title, "フォーカス時のスクリプト指定(onFocus)");
  EXPECT_EQ(backend.fileRequests[2].title, "フォーカス喪失時のスクリプト指定(onBlur)");
  EXPECT_EQ(Str("INPUT_SrcPath"), "C:\\img");
  EXPECT_EQ(Str("INPUT_OnFocusPath"), "C:\\js\\on");
  EXPECT_EQ(Str("INPUT_OnBlurPath"), "<absent>");
}

TEST_F(InputDlg, OtherAttributesComeFromTheBasicDialogUnderThisSlot) {
  const bool basicOpens = plat::FindTemplate(2000) != nullptr;
  std::string r = RunWith(29472, "", [&](D& d) {
    d.Click(IDC_IN_ATTR_CHK);
    d.Type(IDC_IN_ATTR, "CLASS=\"typed\"");
    if (basicOpens)
      backend.Expect([](D& b) {
        b.Click(b.FindByLabel("CLASS指定"));
        b.Type(b.EditFor("CLASS指定"), "c");
        b.Ok();
      });
    d.Click(IDC_IN_ATTR_EDIT);
    d.Ok();
  });
  EXPECT_EQ(r, basicOpens ? "<BUTTON TYPE=\"submit\" CLASS=\"c\"></BUTTON>"
                          : "<BUTTON TYPE=\"submit\" CLASS=\"typed\"></BUTTON>");
  if (basicOpens) {
    EXPECT_EQ(Str("Bsc_472Class"), "c");
  }
}

TEST_F(InputDlg, CancelReturnsTheSelectionAndWritesNothing) {
  std::string r = RunWith(29466, "keep", [](D& d) {
    d.Type(IDC_IN_NAME, "n");
    d.Cancel();
  });
  EXPECT_EQ(r, "keep");
  EXPECT_EQ(profile->writes(), 0);
}

TEST_F(InputDlg, ControlsAreValidInAForm) {
  auto input = [&](const char* type, std::initializer_list<int> boxes, const char* attr) {
    profile->WriteString("HTML", "INPUT_466Type", type);
    profile->WriteInt("HTML", "INPUT_466Flag", 1);
    return RunWith(29466, "", [&](D& d) {
      for (int c : boxes) d.Click(c);
      d.Type(IDC_IN_NAME, "f");
      d.Type(IDC_IN_VALUE, "1");
      d.Type(IDC_IN_SIZE, "20");
      d.Type(IDC_IN_MAXLEN, "40");
      d.Type(IDC_IN_SRC, "go.gif");
      d.Type(IDC_IN_ALT, "go");
      d.Type(IDC_IN_ACCEPT, "image/png");
      d.Type(IDC_IN_ALIGN, "middle");
      d.Type(IDC_IN_FOCUS, "f()");
      d.Type(IDC_IN_ATTR, attr);
      d.Ok();
    });
  };
  std::string text = input("text", {IDC_IN_SIZE_CHK, IDC_IN_MAXLEN_CHK, IDC_IN_READONLY_CHK,
                                    IDC_IN_FOCUS_CHK, IDC_IN_ATTR_CHK},
                           "ID=\"t1\"\r\nCLASS=\"c\"");
  std::string box = input("checkbox", {IDC_IN_CHECKED_CHK, IDC_IN_DISABLED_CHK}, "");
  std::string image = input("image", {IDC_IN_ALT_CHK, IDC_IN_ALIGN_CHK}, "");
  std::string file = input("file", {IDC_IN_ACCEPT_CHK}, "");
  std::string button = RunWith(29472, "Send", [](D& d) {
    d.Click(IDC_IN_NAME_CHK);
    d.Click(IDC_IN_VALUE_CHK);
    d.Type(IDC_IN_NAME, "b");
    d.Type(IDC_IN_VALUE, "go");
    d.Ok();
  });
  EXPECT_TRUE(ValidHtml("<FORM ACTION=\"x.cgi\"><P>" + text + box + image + file + button + "</P></FORM>"));
}

}  // namespace tqtest
