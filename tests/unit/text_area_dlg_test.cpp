#include <string>

#include "dialogs/form/text_area_dlg.h"
#include "fixture.h"

namespace tqtest {

using namespace tq;
using D = plat::HeadlessDialog;

class TextAreaDlg : public Headless {
 protected:
  std::string RunWith(int id, const std::string& sel, plat::DialogScript s) {
    backend.Expect(std::move(s));
    return Run(id, sel);
  }
};

TEST_F(TextAreaDlg, FirstUseOfTextAreaAndSelect) {
  std::string tabindex;
  bool areaHas[3] = {};
  std::string r = RunWith(29470, "abc", [&](D& d) {
    tabindex = d.GetText(IDC_TA_TABINDEX);
    areaHas[0] = d.IsEnabled(IDC_TA_COLS) && d.IsEnabled(IDC_TA_ROWS_SPIN) && d.IsEnabled(IDC_TA_COLS_LABEL);
    areaHas[1] = d.IsEnabled(IDC_TA_SIZE_CHK) || d.IsEnabled(IDC_TA_MULTIPLE_CHK);
    areaHas[2] = d.IsEnabled(IDC_TA_READONLY_CHK) && d.IsEnabled(IDC_TA_SELECT_CHK);
    d.Ok();
  });
  EXPECT_EQ(r, "<TEXTAREA COLS=\"\" ROWS=\"\">abc</TEXTAREA>");
  EXPECT_EQ(tabindex, "1");
  EXPECT_TRUE(areaHas[0]);
  EXPECT_FALSE(areaHas[1]);
  EXPECT_TRUE(areaHas[2]);
  EXPECT_EQ(Int("TXTAR_470Flag"), 0);
  EXPECT_EQ(Str("TXTAR_470Cols"), "");  // written on every OK

  bool selectHas[3] = {};
  r = RunWith(29467, "abc", [&](D& d) {
    selectHas[0] = d.IsEnabled(IDC_TA_COLS) || d.IsEnabled(IDC_TA_ROWS) || d.IsEnabled(IDC_TA_COLS_SPIN) ||
                   d.IsEnabled(IDC_TA_ROWS_LABEL);
    selectHas[1] = d.IsEnabled(IDC_TA_SIZE_CHK) && d.IsEnabled(IDC_TA_MULTIPLE_CHK);
    selectHas[2] = d.IsEnabled(IDC_TA_READONLY_CHK) || d.IsEnabled(IDC_TA_SELECT_CHK);
    d.Ok();
  });
  EXPECT_EQ(r, "<SELECT>abc</SELECT>");
  EXPECT_FALSE(selectHas[0]);
  EXPECT_TRUE(selectHas[1]);
  EXPECT_FALSE(selectHas[2]);
  EXPECT_EQ(Str("TXTAR_467Cols"), "<absent>");
  EXPECT_EQ(backend.opened, (std::vector<std::string>{"<TEXTAREA>の設定", "<SELECT>の設定"}));
}

TEST_F(TextAreaDlg, TextAreaSizeAndTabIndexRememberedNextTime) {
  std::string r = RunWith(29470, "abc", [](D& d) {
    d.Click(IDC_TA_NAME_CHK);
    d.Type(IDC_TA_NAME, "t");
    d.Type(IDC_TA_COLS, "40");
    d.Type(IDC_TA_ROWS, "5");
    d.Click(IDC_TA_TABINDEX_CHK);
    d.Type(IDC_TA_TABINDEX, "2");
    d.Ok();
  });
  EXPECT_EQ(r, "<TEXTAREA NAME=\"t\" COLS=\"40\" ROWS=\"5\" TABINDEX=\"2\">abc</TEXTAREA>");
  EXPECT_EQ(Int("TXTAR_470Flag"), 0x101);

  r = RunWith(29470, "", [](D& d) {
    EXPECT_EQ(d.GetCheck(IDC_TA_TABINDEX_CHK), 1);
    EXPECT_EQ(d.GetText(IDC_TA_COLS), "40");
    d.Click(IDC_TA_NAME_CHK);
    EXPECT_FALSE(d.IsEnabled(IDC_TA_NAME));
    d.Type(IDC_TA_ROWS, "");
    d.Ok();
  });
  EXPECT_EQ(r, "<TEXTAREA COLS=\"40\" ROWS=\"\" TABINDEX=\"2\"></TEXTAREA>");
  EXPECT_EQ(Str("TXTAR_470Rows"), "");
  EXPECT_EQ(Str("TXTAR_470Name"), "t");  // unchecked: the old value stays
  EXPECT_EQ(Str("TXTAR_467Name"), "<absent>");
}

TEST_F(TextAreaDlg, EveryAttributeInOrder) {
  auto all = [](D& d) {
    for (int c : {IDC_TA_ATTR_CHK, IDC_TA_CHANGE_CHK, IDC_TA_SELECT_CHK, IDC_TA_BLUR_CHK, IDC_TA_FOCUS_CHK,
                  IDC_TA_ACCESSKEY_CHK, IDC_TA_TABINDEX_CHK, IDC_TA_MULTIPLE_CHK, IDC_TA_READONLY_CHK,
                  IDC_TA_DISABLED_CHK, IDC_TA_SIZE_CHK, IDC_TA_NAME_CHK})
      d.Click(c);  // clicks on withdrawn boxes do nothing
    d.Type(IDC_TA_NAME, "n");
    d.Type(IDC_TA_COLS, "30");
    d.Type(IDC_TA_ROWS, "4");
    d.Type(IDC_TA_SIZE, "3");
    d.Type(IDC_TA_TABINDEX, "7");
    d.Type(IDC_TA_ACCESSKEY, "k");
    d.Type(IDC_TA_FOCUS, "f()");
    d.Type(IDC_TA_BLUR, "b()");
    d.Type(IDC_TA_SELECT, "s()");
    d.Type(IDC_TA_CHANGE, "c()");
    d.Type(IDC_TA_ATTR, "ID=\"x\"\r\n\r\nCLASS=\"y\"\r\n");
    d.Ok();
  };
  std::string r = RunWith(29470, "T", all);
  EXPECT_EQ(r, "<TEXTAREA NAME=\"n\" COLS=\"30\" ROWS=\"4\" DISABLED READONLY TABINDEX=\"7\" ACCESSKEY=\"k\" "
               "onFocus=\"f()\" onBlur=\"b()\" onSelect=\"s()\" onChange=\"c()\" ID=\"x\" CLASS=\"y\">T</TEXTAREA>");
  EXPECT_EQ(Int("TXTAR_470Flag"), 0x7F61);
  EXPECT_EQ(Str("TXTAR_470Attr"), "ID=\"x\"\r\n\r\nCLASS=\"y\"\r\n");
  EXPECT_EQ(Str("TXTAR_470Size"), "<absent>");

  r = RunWith(29467, "T", all);
  EXPECT_EQ(r, "<SELECT NAME=\"n\" SIZE=\"3\" DISABLED MULTIPLE TABINDEX=\"7\" ACCESSKEY=\"k\" "
               "onFocus=\"f()\" onBlur=\"b()\" onChange=\"c()\" ID=\"x\" CLASS=\"y\">T</SELECT>");
  EXPECT_EQ(Int("TXTAR_467Flag"), 0x6FB1);
  EXPECT_EQ(Str("TXTAR_467OnSelect"), "<absent>");
}

TEST_F(TextAreaDlg, BoxesTheElementLacksAreWithdrawnEvenWhenStored) {
  profile->WriteInt("HTML", "TXTAR_467Flag", 0x7FF1);
  RunWith(29467, "", [](D& d) {
    EXPECT_EQ(d.GetCheck(IDC_TA_READONLY_CHK), 0);
    EXPECT_EQ(d.GetCheck(IDC_TA_SELECT_CHK), 0);
    EXPECT_FALSE(d.IsEnabled(IDC_TA_SELECT_BROWSE));
    EXPECT_TRUE(d.IsEnabled(IDC_TA_CHANGE_BROWSE));
    d.Ok();
  });
  EXPECT_EQ(Int("TXTAR_467Flag"), 0x7FF1 & ~(0x40 | 0x1000));
  profile->WriteInt("HTML", "TXTAR_470Flag", 0x7FF1);
  RunWith(29470, "", [](D& d) {
    EXPECT_FALSE(d.IsEnabled(IDC_TA_SIZE_SPIN));
    d.Ok();
  });
  EXPECT_EQ(Int("TXTAR_470Flag"), 0x7FF1 & ~(0x10 | 0x80));
}

TEST_F(TextAreaDlg, BrowsersAndTheBasicDialogFillTheirFields) {
  backend.AnswerFile("C:\\js\\sel.js");
  backend.AnswerFile("change.js");  // no directory to remember
  const bool basicOpens = plat::FindTemplate(2000) != nullptr;
  std::string r = RunWith(29470, "", [&](D& d) {
    for (int c : {IDC_TA_SELECT_CHK, IDC_TA_CHANGE_CHK, IDC_TA_ATTR_CHK}) d.Click(c);
    d.Click(IDC_TA_SELECT_BROWSE);
    d.Click(IDC_TA_CHANGE_BROWSE);
    d.Type(IDC_TA_ATTR, "CLASS=\"typed\"");
    if (basicOpens)
      backend.Expect([](D& b) {
        b.Click(b.FindByLabel("CLASS指定"));
        b.Type(b.EditFor("CLASS指定"), "c");
        b.Ok();
      });
    d.Click(IDC_TA_ATTR_EDIT);
    d.Ok();
  });
  EXPECT_EQ(r, std::string("<TEXTAREA COLS=\"\" ROWS=\"\" onSelect=\"C:\\js\\sel.js\" onChange=\"change.js\" ") +
                   (basicOpens ? "CLASS=\"c\"" : "CLASS=\"typed\"") + "></TEXTAREA>");
  ASSERT_EQ(backend.fileRequests.size(), 2u);
  EXPECT_EQ(backend.fileRequests[0].title, "要素が選択された時のスクリプト指定(onSelect)");
  EXPECT_EQ(backend.fileRequests[1].title, "内容が変更された時のスクリプト指定(onChange)");
  EXPECT_EQ(Str("TXTAR_OnSelectPath"), "C:\\js");
  EXPECT_EQ(Str("TXTAR_OnChangePath"), "<absent>");
}

TEST_F(TextAreaDlg, CancelReturnsTheSelectionAndWritesNothing) {
  std::string r = RunWith(29470, "keep", [](D& d) {
    d.Type(IDC_TA_COLS, "9");
    d.Cancel();
  });
  EXPECT_EQ(r, "keep");
  EXPECT_EQ(profile->writes(), 0);
}

TEST_F(TextAreaDlg, TextAreaIsValidInAForm) {
  std::string r = RunWith(29470, "Your text", [](D& d) {
    for (int c : {IDC_TA_NAME_CHK, IDC_TA_READONLY_CHK, IDC_TA_TABINDEX_CHK, IDC_TA_ACCESSKEY_CHK,
                  IDC_TA_CHANGE_CHK})
      d.Click(c);
    d.Type(IDC_TA_NAME, "body");
    d.Type(IDC_TA_COLS, "40");
    d.Type(IDC_TA_ROWS, "5");
    d.Type(IDC_TA_ACCESSKEY, "t");
    d.Type(IDC_TA_CHANGE, "check(this)");
    d.Ok();
  });
  EXPECT_TRUE(ValidHtml("<FORM ACTION=\"x.cgi\"><P>" + r + "</P></FORM>"));
}

}  // namespace tqtest
