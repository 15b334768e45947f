#include <string>

#include "dialogs/form/object_dlg.h"
#include "dialogs/form/param_dlg.h"
#include "fixture.h"

namespace tqtest {

using namespace tq;
using ObjectDlg = Headless;

// Pixels have no unit, percent has its sign; a unit is stored only with
// its box. (The order is in the golden file.)
TEST_F(ObjectDlg, PixelsWithoutUnitAndUnitsStoredWithTheirBoxes) {
  std::string r = RunWith(29456, "", [&](D& d) {
    ClickAll(d, {IDC_OB_HEIGHT_CHK, IDC_OB_WIDTH_CHK, IDC_OB_HEIGHT_PCT});
    Fill(d, {{IDC_OB_WIDTH, "10"}, {IDC_OB_HEIGHT, "20"}});
    d.Ok();
  });
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
    for (int c : {IDC_OB_DECLARE_CHK, IDC_OB_CLASSID_CHK, IDC_OB_TYPE_CHK, IDC_OB_CODETYPE_CHK,
                  IDC_OB_TABINDEX_CHK, IDC_OB_BORDER_CHK}) {
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
  EXPECT_EQ(Str("OBJ_458Data"), "A.class");
  EXPECT_EQ(Str("OBJ_456Data"), "<absent>");
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
  r = RunWith(29458, "", [](D& d) {
    Tick(d, IDC_OB_ARCHIVE_CHK, IDC_OB_ARCHIVE, "a.jar");
    d.Click(IDC_OB_ARCHIVE_ADD);
    d.Ok();
  });
  EXPECT_EQ(r, "<APPLET ARCHIVE=\"a.jar, C:\\lib\\c.jar\"></APPLET>");
  EXPECT_EQ(FileTitles(), std::vector<std::string>(4, "Archiveリソースの追加"));
}

TEST_F(ObjectDlg, ObjectWithParamsIsValidInABody) {
  std::string p1 = RunWith(29457, "", [](D& d) {
    Tick(d, IDC_PA_NAME_CHK, IDC_PA_NAME, "autostart");
    Tick(d, IDC_PA_VALUE_CHK, IDC_PA_VALUE, "true");
    Tick(d, IDC_PA_VTYPE_CHK, IDC_PA_VTYPE, "data");
    d.Ok();
  });
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
    Fill(d, {{IDC_OB_DATA, "movie.swf"}, {IDC_OB_TYPE, "application/x-shockwave-flash"}, {IDC_OB_WIDTH, "50"},
             {IDC_OB_HEIGHT, "200"}, {IDC_OB_NAME, "m"}, {IDC_OB_BORDER, "0"}, {IDC_OB_STANDBY, "読み込み中"},
             {IDC_OB_ARCHIVE, "a.zip b.zip"}, {IDC_OB_ALIGN, "middle"}, {IDC_OB_HSPACE, "5"}});
    d.Ok();
  });
  EXPECT_EQ(p2, "<PARAM ID=\"p2\" NAME=\"movie\" VALUE=\"a.swf\" VALUETYPE=\"ref\" "
                "TYPE=\"application/octet-stream\">");
  EXPECT_TRUE(ValidHtml("<P>" + object + "</P>"));

  std::string applet = RunWith(29458, p1, [](D& d) {
    ClickAll(d, {IDC_OB_DATA_CHK, IDC_OB_CODEBASE_CHK, IDC_OB_WIDTH_CHK, IDC_OB_HEIGHT_CHK, IDC_OB_USEMAP_CHK,
                 IDC_OB_ARCHIVE_CHK, IDC_OB_VSPACE_CHK});
    Fill(d, {{IDC_OB_DATA, "Clock.class"}, {IDC_OB_CODEBASE, "classes/"}, {IDC_OB_WIDTH, "100"},
             {IDC_OB_HEIGHT, "40"}, {IDC_OB_USEMAP, "a clock"}, {IDC_OB_ARCHIVE, "a.jar, b.jar"},
             {IDC_OB_VSPACE, "2"}});
    d.Ok();
  });
  EXPECT_TRUE(ValidHtml("<P>" + applet + "</P>"));
}

// A checked box gives its attribute even when its field is empty.
TEST_F(ObjectDlg, CheckedAndEmptyStillGivesTheAttribute) {
  std::string r = RunWith(29457, "", [](D& d) {
    Tick(d, IDC_PA_VALUE_CHK, IDC_PA_VALUE, "");
    Tick(d, IDC_PA_ID_CHK, IDC_PA_ID, "p");
    d.Ok();
  });
  EXPECT_EQ(r, "<PARAM ID=\"p\" VALUE=\"\">");
  EXPECT_EQ(Int("PARAM_457Flag"), 0x5);
  EXPECT_EQ(Str("PARAM_457Value"), "");
}

}  // namespace tqtest
