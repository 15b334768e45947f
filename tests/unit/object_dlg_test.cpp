#include <string>

#include "dialogs/common/value_list_dlg.h"
#include "dialogs/form/object_dlg.h"
#include "dialogs/form/param_dlg.h"
#include "fixture.h"

namespace tqtest {

using namespace tq;
using D = plat::HeadlessDialog;

class ObjectDlg : public Headless {
 protected:
  std::string RunWith(int id, const std::string& sel, plat::DialogScript s) {
    backend.Expect(std::move(s));
    return Run(id, sel);
  }
};

TEST_F(ObjectDlg, FirstUseOfObjectAndApplet) {
  std::string tabindex;
  bool anyEnabled = false;
  std::string r = RunWith(29456, "abc", [&](D& d) {
    tabindex = d.GetText(IDC_OB_TABINDEX);
    for (int c : {IDC_OB_CLASSID_BROWSE, IDC_OB_ARCHIVE_ADD, IDC_OB_WIDTH_PCT, IDC_OB_TABINDEX_SPIN,
                  IDC_OB_ALIGN_LIST, IDC_OB_ATTR_EDIT})
      anyEnabled = anyEnabled || d.IsEnabled(c);
    EXPECT_EQ(d.GetCheck(IDC_OB_BORDER_PIX), 1);
    d.Ok();
  });
  EXPECT_EQ(r, "<OBJECT>abc</OBJECT>");
  EXPECT_EQ(tabindex, "1");
  EXPECT_FALSE(anyEnabled);
  EXPECT_EQ(Int("OBJ_456Flag"), 0);
  EXPECT_EQ(Run(29458, "abc"), "<APPLET>abc</APPLET>");
  EXPECT_EQ(backend.opened, (std::vector<std::string>{"<OBJECT>の設定", "<APPLET>の設定"}));
}

TEST_F(ObjectDlg, DeclaredDataWithTypeFromTheListAndPercentWidth) {
  std::string r = RunWith(29456, "abc", [&](D& d) {
    d.Click(IDC_OB_DECLARE_CHK);
    d.Click(IDC_OB_DATA_CHK);
    d.Type(IDC_OB_DATA, "a.swf");
    d.Click(IDC_OB_TYPE_CHK);
    backend.Expect([](D& list) {
      EXPECT_EQ(list.GetTitle(), "MIME");
      list.SelectText(IDC_VL_LIST, "application/octet-stream");
      list.Ok();
    });
    d.Click(IDC_OB_TYPE_LIST);
    d.Click(IDC_OB_WIDTH_CHK);
    d.Type(IDC_OB_WIDTH, "50");
    d.Click(IDC_OB_WIDTH_PCT);
    d.Ok();
  });
  EXPECT_EQ(r, "<OBJECT DECLARE DATA=\"a.swf\" TYPE=\"application/octet-stream\" WIDTH=\"50%\">abc</OBJECT>");
  EXPECT_EQ(Int("OBJ_456Flag"), 0x319);
  EXPECT_EQ(Str("OBJ_456Type"), "application/octet-stream");
}

TEST_F(ObjectDlg, EveryObjectAttributeInOrderPixelsWithoutUnit) {
  std::string r = RunWith(29456, "", [&](D& d) {
    const int boxes[] = {IDC_OB_ATTR_CHK,   IDC_OB_VSPACE_CHK,   IDC_OB_HSPACE_CHK,  IDC_OB_BORDER_CHK,
                         IDC_OB_ALIGN_CHK,  IDC_OB_TABINDEX_CHK, IDC_OB_NAME_CHK,    IDC_OB_USEMAP_CHK,
                         IDC_OB_HEIGHT_CHK, IDC_OB_WIDTH_CHK,    IDC_OB_STANDBY_CHK, IDC_OB_ARCHIVE_CHK,
                         IDC_OB_CODETYPE_CHK, IDC_OB_TYPE_CHK,   IDC_OB_DATA_CHK,    IDC_OB_CODEBASE_CHK,
                         IDC_OB_CLASSID_CHK};
    for (int c : boxes) d.Click(c);
    d.Type(IDC_OB_CLASSID, "clsid:1");
    d.Type(IDC_OB_CODEBASE, "http://x/");
    d.Type(IDC_OB_DATA, "d");
    d.Type(IDC_OB_TYPE, "t/t");
    d.Type(IDC_OB_CODETYPE, "c/c");
    d.Type(IDC_OB_ARCHIVE, "a.zip");
    d.Type(IDC_OB_STANDBY, "wait");
    d.Type(IDC_OB_WIDTH, "10");
    d.Type(IDC_OB_HEIGHT, "20");
    d.Click(IDC_OB_HEIGHT_PCT);
    d.Type(IDC_OB_USEMAP, "#m");
    d.Type(IDC_OB_NAME, "o");
    d.Type(IDC_OB_ALIGN, "left");
    d.Type(IDC_OB_BORDER, "2");
    d.Type(IDC_OB_HSPACE, "3");
    d.Type(IDC_OB_VSPACE, "4");
    d.Type(IDC_OB_ATTR, "\r\nID=\"i\"\r\nCLASS=\"k\"");
    d.Ok();
  });
  EXPECT_EQ(r, "<OBJECT CLASSID=\"clsid:1\" CODEBASE=\"http://x/\" DATA=\"d\" TYPE=\"t/t\" CODETYPE=\"c/c\" "
               "ARCHIVE=\"a.zip\" STANDBY=\"wait\" WIDTH=\"10\" HEIGHT=\"20%\" USEMAP=\"#m\" NAME=\"o\" "
               "TABINDEX=\"1\" ALIGN=\"left\" BORDER=\"2\" HSPACE=\"3\" VSPACE=\"4\" ID=\"i\" CLASS=\"k\">"
               "</OBJECT>");
  EXPECT_EQ(Int("OBJ_456Flag"), 0xE7D9FE);
  EXPECT_EQ(Str("OBJ_456TbIdx"), "1");
  EXPECT_EQ(Str("OBJ_456Attr"), "\r\nID=\"i\"\r\nCLASS=\"k\"");

  // Reopened with the same boxes; a unit is stored only with its box.
  RunWith(29456, "", [](D& d) {
    EXPECT_EQ(d.GetText(IDC_OB_VSPACE), "4");
    EXPECT_EQ(d.GetCheck(IDC_OB_HEIGHT_PCT), 1);
    d.Click(IDC_OB_HEIGHT_CHK);
    d.Ok();
  });
  EXPECT_EQ(Int("OBJ_456Flag"), 0xE7D9FE & ~(0x800 | 0x1000));
}

TEST_F(ObjectDlg, AppletRelabelsThreeBoxesAndWithdrawsTheObjectOnes) {
  profile->WriteInt("HTML", "OBJ_458Flag", 0x10000 | 0x40000 | 0x80000 | 0x1 | 0x8000);
  std::string labels[3];
  std::string r = RunWith(29458, "abc", [&](D& d) {
    labels[0] = d.GetText(IDC_OB_DATA_CHK);
    labels[1] = d.GetText(IDC_OB_STANDBY_CHK);
    labels[2] = d.GetText(IDC_OB_USEMAP_CHK);
    for (int c : {IDC_OB_DECLARE_CHK, IDC_OB_CLASSID_CHK, IDC_OB_TYPE_CHK, IDC_OB_CODETYPE_CHK,
                  IDC_OB_TABINDEX_CHK, IDC_OB_BORDER_CHK}) {
      EXPECT_EQ(d.GetCheck(c), 0) << c;
      EXPECT_FALSE(d.IsEnabled(c)) << c;
    }
    EXPECT_FALSE(d.IsEnabled(IDC_OB_BORDER));
    EXPECT_TRUE(d.IsEnabled(IDC_OB_NAME));
    d.Click(IDC_OB_NAME_CHK);  // off
    d.Click(IDC_OB_DATA_CHK);
    d.Type(IDC_OB_DATA, "A.class");
    d.Click(IDC_OB_STANDBY_CHK);
    d.Type(IDC_OB_STANDBY, "x.ser");
    d.Click(IDC_OB_USEMAP_CHK);
    d.Type(IDC_OB_USEMAP, "an applet");
    d.Ok();
  });
  EXPECT_EQ(labels[0], "CODE");
  EXPECT_EQ(labels[1], "OBJECT");
  EXPECT_EQ(labels[2], "ALT");
  EXPECT_EQ(r, "<APPLET CODE=\"A.class\" OBJECT=\"x.ser\" ALT=\"an applet\">abc</APPLET>");
  EXPECT_EQ(Int("OBJ_458Flag"), 0x8 | 0x80 | 0x4000);
  EXPECT_EQ(Str("OBJ_458Data"), "A.class");
  EXPECT_EQ(Str("OBJ_458Stdby"), "x.ser");
  EXPECT_EQ(Str("OBJ_456Data"), "<absent>");
}

TEST_F(ObjectDlg, BrowsersAndArchivesAppended) {
  backend.AnswerFile("C:\\lib\\a.jar");
  backend.AnswerFile("C:\\lib\\b.jar");
  backend.AnswerFile(std::nullopt);
  backend.AnswerFile("C:\\obj\\movie.swf");
  backend.AnswerFile("C:\\cls\\x.ocx");
  backend.AnswerFile("D:\\base\\");
  std::string r = RunWith(29456, "", [](D& d) {
    for (int c : {IDC_OB_ARCHIVE_CHK, IDC_OB_DATA_CHK, IDC_OB_CLASSID_CHK, IDC_OB_CODEBASE_CHK}) d.Click(c);
    d.Click(IDC_OB_ARCHIVE_ADD);  // an empty list gets just the path
    d.Click(IDC_OB_ARCHIVE_ADD);
    d.Click(IDC_OB_ARCHIVE_ADD);  // cancelled
    d.Click(IDC_OB_DATA_BROWSE);
    d.Click(IDC_OB_CLASSID_BROWSE);
    d.Click(IDC_OB_CODEBASE_BROWSE);
    d.Ok();
  });
  EXPECT_EQ(r, "<OBJECT CLASSID=\"C:\\cls\\x.ocx\" CODEBASE=\"D:\\base\\\" DATA=\"C:\\obj\\movie.swf\" "
               "ARCHIVE=\"C:\\lib\\a.jar C:\\lib\\b.jar\"></OBJECT>");
  ASSERT_EQ(backend.fileRequests.size(), 6u);
  EXPECT_EQ(backend.fileRequests[0].title, "Archiveリソースの追加");
  EXPECT_EQ(backend.fileRequests[1].initialDir, "C:\\lib");
  EXPECT_EQ(backend.fileRequests[3].title, "オブジェクトDATAの設定");
  EXPECT_EQ(backend.fileRequests[4].title, "CLASSIDの設定");
  EXPECT_EQ(backend.fileRequests[5].title, "CODEBASEの設定");
  EXPECT_EQ(Str("Obj_ArchivePath"), "C:\\lib");
  EXPECT_EQ(Str("Obj_DataPath"), "C:\\obj");
  EXPECT_EQ(Str("Obj_ClassIDPath"), "C:\\cls");
  EXPECT_EQ(Str("Obj_CodebasePath"), "D:\\base");

  // An applet's archives are separated by commas.
  backend.AnswerFile("C:\\lib\\c.jar");
  backend.AnswerFile("C:\\app\\Main.class");
  r = RunWith(29458, "", [](D& d) {
    d.Click(IDC_OB_ARCHIVE_CHK);
    d.Type(IDC_OB_ARCHIVE, "a.jar");
    d.Click(IDC_OB_ARCHIVE_ADD);
    d.Click(IDC_OB_DATA_CHK);
    d.Click(IDC_OB_DATA_BROWSE);
    d.Ok();
  });
  EXPECT_EQ(r, "<APPLET CODE=\"C:\\app\\Main.class\" ARCHIVE=\"a.jar, C:\\lib\\c.jar\"></APPLET>");
  EXPECT_EQ(backend.fileRequests[7].title, "アプレットCODEの設定");
}

TEST_F(ObjectDlg, ListsForCodeTypeAndAlign) {
  std::string r = RunWith(29456, "", [&](D& d) {
    d.Click(IDC_OB_CODETYPE_CHK);
    d.Click(IDC_OB_ALIGN_CHK);
    backend.Expect([](D& list) {
      list.SelectText(IDC_VL_LIST, "application/zip");
      list.Ok();
    });
    d.Click(IDC_OB_CODETYPE_LIST);
    backend.Expect([](D& list) {
      EXPECT_EQ(list.GetTitle(), "ALIGN");
      EXPECT_EQ(list.ListItems(IDC_VL_LIST).size(), 5u);
      list.SelectText(IDC_VL_LIST, "middle");
      list.Ok();
    });
    d.Click(IDC_OB_ALIGN_LIST);
    d.Ok();
  });
  EXPECT_EQ(r, "<OBJECT CODETYPE=\"application/zip\" ALIGN=\"middle\"></OBJECT>");
}

TEST_F(ObjectDlg, OtherAttributesComeFromTheBasicDialogUnderThisSlot) {
  const bool basicOpens = plat::FindTemplate(2000) != nullptr;
  std::string r = RunWith(29458, "", [&](D& d) {
    d.Click(IDC_OB_ATTR_CHK);
    if (basicOpens)
      backend.Expect([](D& b) {
        b.Click(b.FindByLabel("TITLE指定"));
        b.Type(b.EditFor("TITLE指定"), "clock");
        b.Ok();
      });
    d.Click(IDC_OB_ATTR_EDIT);
    d.Ok();
  });
  // With the box checked and nothing in it, only the separating blank is left.
  EXPECT_EQ(r, basicOpens ? "<APPLET TITLE=\"clock\"></APPLET>" : "<APPLET ></APPLET>");
  if (basicOpens) {
    EXPECT_EQ(Str("Bsc_458Title"), "clock");
  }
}

TEST_F(ObjectDlg, CancelReturnsTheSelectionAndWritesNothing) {
  std::string r = RunWith(29458, "keep", [](D& d) {
    d.Click(IDC_OB_NAME_CHK);
    d.Type(IDC_OB_NAME, "n");
    d.Cancel();
  });
  EXPECT_EQ(r, "keep");
  EXPECT_EQ(profile->writes(), 0);
}

TEST_F(ObjectDlg, ObjectWithParamsIsValidInABody) {
  std::string p1 = RunWith(29457, "", [](D& d) {
    d.Click(IDC_PA_NAME_CHK);
    d.Type(IDC_PA_NAME, "autostart");
    d.Click(IDC_PA_VALUE_CHK);
    d.Type(IDC_PA_VALUE, "true");
    d.Click(IDC_PA_VTYPE_CHK);
    d.Type(IDC_PA_VTYPE, "data");
    d.Ok();
  });
  std::string p2 = RunWith(29457, "", [](D& d) {  // the same slot: NAME, VALUE, VALUETYPE stay
    d.Type(IDC_PA_NAME, "movie");
    d.Type(IDC_PA_VALUE, "a.swf");
    d.Type(IDC_PA_VTYPE, "ref");
    d.Click(IDC_PA_TYPE_CHK);
    d.Type(IDC_PA_TYPE, "application/octet-stream");
    d.Click(IDC_PA_ID_CHK);
    d.Type(IDC_PA_ID, "p2");
    d.Ok();
  });
  std::string object = RunWith(29456, p1 + "\r\n" + p2 + "\r\nFallback text", [](D& d) {
    for (int c : {IDC_OB_DECLARE_CHK, IDC_OB_DATA_CHK, IDC_OB_TYPE_CHK, IDC_OB_WIDTH_CHK, IDC_OB_HEIGHT_CHK,
                  IDC_OB_NAME_CHK, IDC_OB_TABINDEX_CHK, IDC_OB_BORDER_CHK, IDC_OB_STANDBY_CHK,
                  IDC_OB_ARCHIVE_CHK, IDC_OB_ALIGN_CHK, IDC_OB_HSPACE_CHK})
      d.Click(c);
    d.Type(IDC_OB_DATA, "movie.swf");
    d.Type(IDC_OB_TYPE, "application/x-shockwave-flash");
    d.Type(IDC_OB_WIDTH, "50");
    d.Click(IDC_OB_WIDTH_PCT);
    d.Type(IDC_OB_HEIGHT, "200");
    d.Type(IDC_OB_NAME, "m");
    d.Type(IDC_OB_BORDER, "0");
    d.Type(IDC_OB_STANDBY, "読み込み中");
    d.Type(IDC_OB_ARCHIVE, "a.zip b.zip");
    d.Type(IDC_OB_ALIGN, "middle");
    d.Type(IDC_OB_HSPACE, "5");
    d.Ok();
  });
  EXPECT_EQ(p2, "<PARAM ID=\"p2\" NAME=\"movie\" VALUE=\"a.swf\" VALUETYPE=\"ref\" "
                "TYPE=\"application/octet-stream\">");
  EXPECT_TRUE(ValidHtml("<P>" + object + "</P>"));

  std::string applet = RunWith(29458, p1, [](D& d) {
    for (int c : {IDC_OB_DATA_CHK, IDC_OB_CODEBASE_CHK, IDC_OB_WIDTH_CHK, IDC_OB_HEIGHT_CHK, IDC_OB_USEMAP_CHK,
                  IDC_OB_ARCHIVE_CHK, IDC_OB_VSPACE_CHK})
      d.Click(c);
    d.Type(IDC_OB_DATA, "Clock.class");
    d.Type(IDC_OB_CODEBASE, "classes/");
    d.Type(IDC_OB_WIDTH, "100");
    d.Type(IDC_OB_HEIGHT, "40");
    d.Type(IDC_OB_USEMAP, "a clock");
    d.Type(IDC_OB_ARCHIVE, "a.jar, b.jar");
    d.Type(IDC_OB_VSPACE, "2");
    d.Ok();
  });
  EXPECT_TRUE(ValidHtml("<P>" + applet + "</P>"));
}

}  // namespace tqtest
