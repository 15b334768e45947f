#include <string>

#include "dialogs/form/frame_dlg.h"
#include "dialogs/form/frame_set_dlg.h"
#include "fixture.h"

namespace tqtest {

using namespace tq;
using D = plat::HeadlessDialog;

class FrameSetDlg : public Headless {
 protected:
  std::string RunWith(int id, const std::string& sel, plat::DialogScript s) {
    backend.Expect(std::move(s));
    return Run(id, sel);
  }
};

TEST_F(FrameSetDlg, FirstUseWrapsTheSelectionOnLinesOfItsOwn) {
  bool anyEnabled = false;
  std::string r = RunWith(29165, "abc", [&](D& d) {
    for (int c : {IDC_FS_ROWS, IDC_FS_COLS, IDC_FS_ONLOAD, IDC_FS_ONLOAD_BROWSE, IDC_FS_ONUNLOAD,
                  IDC_FS_ONUNLOAD_BROWSE, IDC_FS_ATTR, IDC_FS_ATTR_EDIT})
      anyEnabled = anyEnabled || d.IsEnabled(c);
    d.Ok();
  });
  EXPECT_EQ(r, "<FRAMESET>\r\nabc\r\n</FRAMESET>");
  EXPECT_FALSE(anyEnabled);
  EXPECT_EQ(backend.opened, std::vector<std::string>{"<FRAMESET>の設定"});
  EXPECT_EQ(Int("FRSET_165Flag"), 0);
  EXPECT_EQ(Run(29165, ""), "<FRAMESET>\r\n\r\n</FRAMESET>");
}

TEST_F(FrameSetDlg, AttributesInOrderRememberedAndCoreTextJoined) {
  std::string r = RunWith(29165, "x", [](D& d) {
    d.Click(IDC_FS_COLS_CHK);
    d.Type(IDC_FS_COLS, "*,*");
    d.Click(IDC_FS_ROWS_CHK);
    d.Type(IDC_FS_ROWS, "50%,*");
    d.Ok();
  });
  EXPECT_EQ(r, "<FRAMESET ROWS=\"50%,*\" COLS=\"*,*\">\r\nx\r\n</FRAMESET>");
  EXPECT_EQ(Int("FRSET_165Flag"), 3);

  r = RunWith(29165, "", [](D& d) {
    EXPECT_EQ(d.GetText(IDC_FS_ROWS), "50%,*");
    EXPECT_TRUE(d.IsEnabled(IDC_FS_COLS));
    d.Click(IDC_FS_ROWS_CHK);  // off: neither emitted nor stored
    d.Type(IDC_FS_ROWS, "lost");
    d.Click(IDC_FS_ONUNLOAD_CHK);
    d.Type(IDC_FS_ONUNLOAD, "bye()");
    d.Click(IDC_FS_ONLOAD_CHK);
    d.Type(IDC_FS_ONLOAD, "hi()");
    d.Click(IDC_FS_ATTR_CHK);
    d.Type(IDC_FS_ATTR, "\r\nID=\"f\"\r\n\r\n  CLASS=\"c\" \r\n");
    d.Ok();
  });
  EXPECT_EQ(r, "<FRAMESET COLS=\"*,*\" onLoad=\"hi()\" onUnload=\"bye()\" ID=\"f\"   CLASS=\"c\">\r\n"
               "\r\n</FRAMESET>");
  EXPECT_EQ(Int("FRSET_165Flag"), 0x1E);
  EXPECT_EQ(Str("FRSET_165Rows"), "50%,*");
  EXPECT_EQ(Str("FRSET_165Attr"), "\r\nID=\"f\"\r\n\r\n  CLASS=\"c\" \r\n");
}

TEST_F(FrameSetDlg, ScriptBrowsersKeepTheirOwnDirectories) {
  backend.AnswerFile("C:\\js\\load.js");
  backend.AnswerFile("D:\\u\\v\\unload.js");
  backend.AnswerFile(std::nullopt);
  std::string r = RunWith(29165, "", [](D& d) {
    d.Click(IDC_FS_ONLOAD_CHK);
    d.Click(IDC_FS_ONUNLOAD_CHK);
    d.Click(IDC_FS_ONLOAD_BROWSE);
    d.Click(IDC_FS_ONUNLOAD_BROWSE);
    d.Click(IDC_FS_ONLOAD_BROWSE);  // cancelled: the field stays
    d.Ok();
  });
  EXPECT_EQ(r, "<FRAMESET onLoad=\"C:\\js\\load.js\" onUnload=\"D:\\u\\v\\unload.js\">\r\n\r\n</FRAMESET>");
  ASSERT_EQ(backend.fileRequests.size(), 3u);
  EXPECT_EQ(backend.fileRequests[0].title, "OnLoadスクリプトの設定");
  EXPECT_EQ(backend.fileRequests[1].title, "OnUnloadスクリプトの設定");
  EXPECT_EQ(backend.fileRequests[2].initialDir, "C:\\js");
  EXPECT_EQ(Str("FRSET_OnLoadPath"), "C:\\js");
  EXPECT_EQ(Str("FRSET_OnUnloadPath"), "D:\\u\\v");
}

TEST_F(FrameSetDlg, CoreAttributesComeFromTheBasicDialogUnderThisSlot) {
  const bool basicOpens = plat::FindTemplate(2000) != nullptr;
  profile->WriteString("HTML", "FRSET_165Attr", "ID=\"old\"");
  std::string r = RunWith(29165, "s", [&](D& d) {
    d.Click(IDC_FS_ATTR_CHK);
    if (basicOpens)
      backend.Expect([](D& b) {
        b.Click(b.FindByLabel("ID指定"));
        b.Type(b.EditFor("ID指定"), "top");
        b.Ok();
      });
    d.Click(IDC_FS_ATTR_EDIT);
    d.Ok();
  });
  if (basicOpens) {
    EXPECT_EQ(r, "<FRAMESET ID=\"top\">\r\ns\r\n</FRAMESET>");
    EXPECT_EQ(Str("FRSET_165Attr"), "\r\nID=\"top\"");
    EXPECT_EQ(Str("Bsc_165ID"), "top");
  } else {  // a cancelled basic dialog changes nothing
    EXPECT_EQ(r, "<FRAMESET ID=\"old\">\r\ns\r\n</FRAMESET>");
  }
}

TEST_F(FrameSetDlg, CancelReturnsTheSelectionAndWritesNothing) {
  std::string r = RunWith(29165, "keep", [](D& d) {
    d.Click(IDC_FS_ROWS_CHK);
    d.Type(IDC_FS_ROWS, "*");
    d.Cancel();
  });
  EXPECT_EQ(r, "keep");
  EXPECT_EQ(profile->writes(), 0);
}

TEST_F(FrameSetDlg, FramesetOfFramesIsAValidFramesetDocument) {
  std::string top = RunWith(29166, "", [](D& d) {
    d.Click(IDC_FR_NAME_CHK);
    d.Type(IDC_FR_NAME, "top");
    d.Click(IDC_FR_SRC_CHK);
    d.Type(IDC_FR_SRC, "top.htm");
    d.Click(IDC_FR_BORDER_CHK);
    d.Click(IDC_FR_BORDER_OFF);
    d.Click(IDC_FR_NORESIZE_CHK);
    d.Click(IDC_FR_SCROLL_CHK);  // "auto" by default
    d.Ok();
  });
  std::string main = RunWith(29166, "", [](D& d) {
    d.Click(IDC_FR_LONGDESC_CHK);
    d.Type(IDC_FR_LONGDESC, "about.htm");
    d.Click(IDC_FR_SRC_CHK);
    d.Type(IDC_FR_SRC, "main.htm");
    d.Click(IDC_FR_MGNW_CHK);
    d.Click(IDC_FR_MGNH_CHK);
    d.Click(IDC_FR_ATTR_CHK);
    d.Type(IDC_FR_ATTR, "\r\nID=\"m\"\r\nTITLE=\"main\"");
    d.Ok();
  });
  std::string set = RunWith(29165, top + "\r\n" + main, [](D& d) {
    d.Click(IDC_FS_ROWS_CHK);
    d.Type(IDC_FS_ROWS, "20%,*");
    d.Click(IDC_FS_ONLOAD_CHK);
    d.Type(IDC_FS_ONLOAD, "init()");
    d.Click(IDC_FS_ATTR_CHK);
    d.Type(IDC_FS_ATTR, "\r\nCLASS=\"site\"");
    d.Ok();
  });
  EXPECT_TRUE(ValidHtml(set, Context::Frameset));
  std::string outer = RunWith(29165, set, [](D& d) {
    d.Click(IDC_FS_ROWS_CHK);  // remembered checked: off; onLoad and CLASS stay
    d.Click(IDC_FS_COLS_CHK);
    d.Type(IDC_FS_COLS, "150,*");
    d.Ok();
  });
  EXPECT_TRUE(ValidHtml(outer, Context::Frameset));
}

}  // namespace tqtest
