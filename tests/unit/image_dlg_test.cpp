#include <string>
#include <vector>

#include "dialogs/common/value_list_dlg.h"
#include "dialogs/document/image_dlg.h"
#include "fixture.h"

namespace tqtest {

using namespace tq;
using D = plat::HeadlessDialog;

class ImageDlg : public Headless {
 protected:
  std::string RunWith(const std::string& sel, plat::DialogScript s) {
    backend.Expect(std::move(s));
    return Run(29455, sel);
  }
};

TEST_F(ImageDlg, FirstRunGivesSrcAndAltOnlyAndShowsTheDefaults) {
  std::vector<std::string> shown;
  bool anyGoverned = false, alwaysOn = false;
  std::string r = RunWith("abc", [&](D& d) {
    for (int c : {IDC_IM_ALIGN, IDC_IM_BORDER, IDC_IM_HSPACE, IDC_IM_VSPACE}) shown.push_back(d.GetText(c));
    for (int c : {IDC_IM_LONGDESC_BROWSE, IDC_IM_WIDTH_PCT, IDC_IM_HEIGHT_SPIN, IDC_IM_USEMAP, IDC_IM_ALIGN_LIST,
                  IDC_IM_BORDER_PIX, IDC_IM_HSPACE, IDC_IM_VSPACE_SPIN, IDC_IM_ATTR_EDIT})
      anyGoverned = anyGoverned || d.IsEnabled(c);
    alwaysOn = d.IsEnabled(IDC_IM_SRC) && d.IsEnabled(IDC_IM_ALT) && d.IsEnabled(IDC_IM_SRC_BROWSE);
    EXPECT_EQ(d.GetCheck(IDC_IM_WIDTH_PIX), 1);
    d.Ok();
  });
  EXPECT_EQ(r, "<IMG SRC=\"\" ALT=\"\">abc");
  EXPECT_EQ(backend.opened, std::vector<std::string>{"画像<IMG>の設定"});
  EXPECT_EQ(shown, (std::vector<std::string>{"bottom", "0", "0", "0"}));
  EXPECT_FALSE(anyGoverned);
  EXPECT_TRUE(alwaysOn);
  EXPECT_EQ(Str("IMG_455Src"), "");
  EXPECT_EQ(Str("IMG_455Alt"), "");
  EXPECT_EQ(Str("IMG_455Align"), "<absent>");
  EXPECT_EQ(Int("IMG_455Flag"), 0);
}

TEST_F(ImageDlg, EveryAttributeInOrderAndRememberedPerBox) {
  std::string r = RunWith("", [&](D& d) {
    // Clicked against the output order: the order is fixed by the dialog.
    for (int c : {IDC_IM_VSPACE_CHK, IDC_IM_HSPACE_CHK, IDC_IM_BORDER_CHK, IDC_IM_ALIGN_CHK, IDC_IM_ATTR_CHK,
                  IDC_IM_ISMAP_CHK, IDC_IM_USEMAP_CHK, IDC_IM_HEIGHT_CHK, IDC_IM_WIDTH_CHK, IDC_IM_LONGDESC_CHK})
      d.Click(c);
    d.Type(IDC_IM_SRC, "a b.gif");
    d.Type(IDC_IM_ALT, " 地図 ");
    d.Type(IDC_IM_LONGDESC, "d.htm");
    d.Type(IDC_IM_WIDTH, "120");
    d.Type(IDC_IM_HEIGHT, "50");
    d.Click(IDC_IM_HEIGHT_PCT);
    d.Type(IDC_IM_USEMAP, "#m");
    d.Type(IDC_IM_HSPACE, "3");
    d.Type(IDC_IM_VSPACE, "4");
    backend.Expect([](D& list) {
      EXPECT_EQ(list.GetTitle(), "ALIGN");
      EXPECT_EQ(list.ListItems(IDC_VL_LIST), (std::vector<std::string>{"left", "right", "top", "bottom", "middle"}));
      list.SelectText(IDC_VL_LIST, "middle");
      list.Ok();
    });
    d.Click(IDC_IM_ALIGN_LIST);
    d.Type(IDC_IM_ATTR, "\r\nID=\"i\"\r\n\r\nCLASS=\"k\" \r\n");
    backend.Expect([](D& b) { b.Cancel(); });  // a cancelled editor changes nothing
    d.Click(IDC_IM_ATTR_EDIT);
    d.Ok();
  });
  EXPECT_EQ(r, "<IMG SRC=\"a b.gif\" ALT=\" 地図 \" LONGDESC=\"d.htm\" WIDTH=\"120\" HEIGHT=\"50%\" USEMAP=\"#m\" "
               "ISMAP ID=\"i\" CLASS=\"k\" ALIGN=\"middle\" BORDER=\"0\" HSPACE=\"3\" VSPACE=\"4\">");
  EXPECT_EQ(backend.pendingScripts(), 0u);
  EXPECT_EQ(Int("IMG_455Flag"), 0x1 | 0x2 | 0x10 | 0x20 | 0x80 | 0x100 | 0x200 | 0x800 | 0x1000 | 0x4000 | 0x10000);
  EXPECT_EQ(Str("IMG_455WD"), "120");
  EXPECT_EQ(Str("IMG_455Align"), "middle");
  EXPECT_EQ(Str("IMG_455Attr"), "\r\nID=\"i\"\r\n\r\nCLASS=\"k\" \r\n");

  // Reopened as left; an unchecked box keeps its stored text, and a unit
  // is stored only with its box.
  r = RunWith("x", [](D& d) {
    EXPECT_EQ(d.GetText(IDC_IM_SRC), "a b.gif");
    EXPECT_EQ(d.GetText(IDC_IM_VSPACE), "4");
    EXPECT_EQ(d.GetCheck(IDC_IM_HEIGHT_PCT), 1);
    EXPECT_TRUE(d.IsEnabled(IDC_IM_HEIGHT_SPIN));
    d.Click(IDC_IM_BORDER_PCT);
    for (int c : {IDC_IM_LONGDESC_CHK, IDC_IM_WIDTH_CHK, IDC_IM_HEIGHT_CHK, IDC_IM_ATTR_CHK, IDC_IM_ALIGN_CHK,
                  IDC_IM_HSPACE_CHK, IDC_IM_VSPACE_CHK})
      d.Click(c);
    d.Type(IDC_IM_USEMAP, "#n");
    d.Ok();
  });
  EXPECT_EQ(r, "<IMG SRC=\"a b.gif\" ALT=\" 地図 \" USEMAP=\"#n\" ISMAP BORDER=\"0%\">x");
  EXPECT_EQ(Int("IMG_455Flag"), 0x80 | 0x100 | 0x1000 | 0x2000);
  EXPECT_EQ(Str("IMG_455WD"), "120");
}

TEST_F(ImageDlg, BrowsedPathsSetTheFieldsAndRememberTheirDirectories) {
  profile->WriteString("HTML", "IMG_LongdescPath", "D:\\docs");
  backend.AnswerFile("C:\\\x95\x5C\\\x83\x5C.gif");  // C:\表\ソ.gif in Shift-JIS
  backend.AnswerFile(std::nullopt);
  backend.AnswerFile("d.htm");
  plat::SetTextEncoding(plat::Encoding::Cp932);
  std::string r = RunWith("\x95\x5C", [](D& d) {
    d.Type(IDC_IM_ALT, "alt");
    d.Click(IDC_IM_SRC_BROWSE);
    d.Click(IDC_IM_SRC_BROWSE);  // cancelled
    d.Click(IDC_IM_LONGDESC_CHK);
    d.Click(IDC_IM_LONGDESC_BROWSE);  // no backslash: no directory
    d.Ok();
  });
  plat::SetTextEncoding(plat::Encoding::Utf8);
  EXPECT_EQ(r, "<IMG SRC=\"C:\\\x95\x5C\\\x83\x5C.gif\" ALT=\"alt\" LONGDESC=\"d.htm\">\x95\x5C");
  EXPECT_EQ(Str("IMG_SrcPath"), "C:\\\x95\x5C");
  EXPECT_EQ(Str("IMG_LongdescPath"), "D:\\docs");
  ASSERT_EQ(backend.fileRequests.size(), 3u);
  EXPECT_EQ(backend.fileRequests[0].initialDir, "");
  EXPECT_EQ(backend.fileRequests[0].title, plat::Utf8ToCp932("画像ファイルの指定"));
  EXPECT_EQ(backend.fileRequests[1].initialDir, "C:\\\x95\x5C");
  EXPECT_EQ(backend.fileRequests[2].initialDir, "D:\\docs");
  EXPECT_EQ(backend.fileRequests[2].title, plat::Utf8ToCp932("LONGDESCファイルの指定"));
  EXPECT_EQ(backend.fileRequests[2].filter, "All Files(*.*)|*.*||");
  EXPECT_EQ(Str("IMG_455Src"), "C:\\\x95\x5C\\\x83\x5C.gif");
}

TEST_F(ImageDlg, CancelReturnsTheSelectionAndWritesNothing) {
  std::string r = RunWith("keep", [](D& d) {
    d.Click(IDC_IM_ISMAP_CHK);
    d.Type(IDC_IM_SRC, "a.gif");
    d.Cancel();
  });
  EXPECT_EQ(r, "keep");
  EXPECT_EQ(profile->writes(), 0);
}

TEST_F(ImageDlg, TypicalImageWithAttributesFromTheBasicDialogIsValid) {
  std::string r = RunWith(" caption", [this](D& d) {
    for (int c : {IDC_IM_HEIGHT_CHK, IDC_IM_ALIGN_CHK, IDC_IM_HSPACE_CHK, IDC_IM_USEMAP_CHK, IDC_IM_ATTR_CHK})
      d.Click(c);
    d.Type(IDC_IM_SRC, "img/logo.gif");
    d.Type(IDC_IM_ALT, "ロゴ");
    d.Type(IDC_IM_HEIGHT, "50");
    d.Click(IDC_IM_HEIGHT_PCT);
    d.Type(IDC_IM_USEMAP, "#nav");
    d.Type(IDC_IM_ALIGN, "left");
    backend.Expect([](D& b) {
      EXPECT_EQ(b.GetTitle(), "基本的な属性の設定 <IMG>");
      b.Click(b.FindByLabel("TITLE指定"));
      b.Type(b.EditFor("TITLE指定"), "logo");
      b.Ok();
    });
    d.Click(IDC_IM_ATTR_EDIT);  // what was typed before stays
    d.Ok();
  });
  EXPECT_EQ(r, "<IMG SRC=\"img/logo.gif\" ALT=\"ロゴ\" HEIGHT=\"50%\" USEMAP=\"#nav\" TITLE=\"logo\" "
               "ALIGN=\"left\" HSPACE=\"0\"> caption");
  EXPECT_EQ(Str("Bsc_455Title"), "logo");
  EXPECT_TRUE(ValidHtml("<P>" + r + "</P><MAP NAME=\"nav\"><AREA HREF=\"a.htm\" ALT=\"a\"></MAP>"));
}

}  // namespace tqtest
