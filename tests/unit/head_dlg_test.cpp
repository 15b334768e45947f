#include <string>

#include "dialogs/document/head_dlg.h"
#include "fixture.h"

namespace tqtest {

using namespace tq;
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
  EXPECT_EQ(RunWith(29110, "", [](D& d) {
              ClickAll(d, {IDC_HD_DIR_CHK, IDC_HD_RTL});
              d.Ok();
            }),
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
  EXPECT_EQ(r, "<META LANG=\"\" DIR=\"rtl\" HTTP-EQUIV=\"Content-Type\" NAME=\"author\" CONTENT=\"a, b\" "
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
  r = RunWith(29112, "", [](D& d) {
    ClickAll(d, {IDC_HD_HREF_CHK, IDC_HD_HREF_BROWSE});
    d.Ok();
  });
  EXPECT_EQ(r, "<BASE HREF=\"plain.htm\">");
  EXPECT_EQ(Str("HEAD_HrefPath"), "<absent>");
}

TEST_F(HeadDlg, BuiltElementsAreValidInsideHead) {
  std::string title = RunWith(29111, "Doc", [](D& d) {
    Tick(d, IDC_HD_LANG_CHK, IDC_HD_LANG, "ja");
    d.Ok();
  });
  std::string base = RunWith(29112, "", [](D& d) {
    Tick(d, IDC_HD_HREF_CHK, IDC_HD_HREF, "http://example.com/");
    Tick(d, IDC_HD_TARGET_CHK, IDC_HD_TARGET, "_top");
    d.Ok();
  });
  std::string meta = RunWith(29113, "", [](D& d) {
    Tick(d, IDC_HD_NAME_CHK, IDC_HD_NAME, "author");
    Tick(d, IDC_HD_SCHEME_CHK, IDC_HD_SCHEME, "x");
    d.Type(IDC_HD_CONTENT, "me");
    d.Ok();
  });
  std::string style = RunWith(29114, "P { color: red }", [](D& d) {
    Tick(d, IDC_HD_MEDIA_CHK, IDC_HD_MEDIA, "screen");
    d.Ok();
  });
  EXPECT_TRUE(ValidHtml(title + "\n" + base + "\n" + meta + "\n" + style, Context::Head));
  std::string head = RunWith(29110, title, [](D& d) {
    Tick(d, IDC_HD_PROFILE_CHK, IDC_HD_PROFILE, "http://example.com/p");
    d.Ok();
  });
  EXPECT_TRUE(ValidHtml("<HTML>" + head + "<BODY></BODY></HTML>", Context::Document));
}

}  // namespace tqtest
