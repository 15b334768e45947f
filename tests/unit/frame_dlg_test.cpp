#include <string>

#include "dialogs/common/value_list_dlg.h"
#include "dialogs/form/frame_dlg.h"
#include "fixture.h"

namespace tqtest {

using namespace tq;
using D = plat::HeadlessDialog;

class FrameDlg : public Headless {
 protected:
  std::string RunWith(int id, const std::string& sel, plat::DialogScript s) {
    backend.Expect(std::move(s));
    return Run(id, sel);
  }
};

TEST_F(FrameDlg, FirstUseOfFrameAndInlineFrame) {
  std::string shown[3];
  bool frameHas[4] = {};
  std::string r = RunWith(29166, "abc", [&](D& d) {
    shown[0] = d.GetText(IDC_FR_MGNW);
    shown[1] = d.GetText(IDC_FR_MGNH);
    shown[2] = d.GetText(IDC_FR_SCROLL);
    frameHas[0] = d.IsEnabled(IDC_FR_WIDTH_CHK) || d.IsEnabled(IDC_FR_HEIGHT_CHK) ||
                  d.IsEnabled(IDC_FR_ALIGN_CHK);
    frameHas[1] = d.IsEnabled(IDC_FR_NORESIZE_CHK);
    frameHas[2] = d.GetCheck(IDC_FR_BORDER_ON) == 1 && d.GetCheck(IDC_FR_WIDTH_PX) == 1;
    frameHas[3] = d.IsEnabled(IDC_FR_BORDER_ON) || d.IsEnabled(IDC_FR_SCROLL_LIST);
    d.Ok();
  });
  EXPECT_EQ(r, "<FRAME>abc");
  EXPECT_EQ(shown[0], "1");
  EXPECT_EQ(shown[1], "1");
  EXPECT_EQ(shown[2], "auto");
  EXPECT_FALSE(frameHas[0]);
  EXPECT_TRUE(frameHas[1]);
  EXPECT_TRUE(frameHas[2]);
  EXPECT_FALSE(frameHas[3]);
  EXPECT_EQ(Int("FRM_166Flag"), 0);
  EXPECT_EQ(Str("FRM_166MgnW"), "<absent>");  // defaults are not written unless checked

  bool inlineHas[2] = {};
  r = RunWith(29460, "abc", [&](D& d) {
    inlineHas[0] = d.IsEnabled(IDC_FR_WIDTH_CHK) && d.IsEnabled(IDC_FR_ALIGN_CHK);
    inlineHas[1] = d.IsEnabled(IDC_FR_NORESIZE_CHK);
    d.Ok();
  });
  EXPECT_EQ(r, "<IFRAME>abc</IFRAME>");
  EXPECT_TRUE(inlineHas[0]);
  EXPECT_FALSE(inlineHas[1]);
  EXPECT_EQ(backend.opened, (std::vector<std::string>{"<FRAME> の設定", "<IFRAME> の設定"}));
}

TEST_F(FrameDlg, FrameSourceBorderAndMargin) {
  std::string r = RunWith(29166, "", [](D& d) {
    d.Click(IDC_FR_SRC_CHK);
    d.Type(IDC_FR_SRC, "a.htm");
    d.Click(IDC_FR_BORDER_CHK);
    d.Click(IDC_FR_BORDER_OFF);
    d.Click(IDC_FR_MGNW_CHK);
    d.Ok();
  });
  EXPECT_EQ(r, "<FRAME SRC=\"a.htm\" FRAMEBORDER=\"0\" MARGINWIDTH=\"1\">");
  EXPECT_EQ(Int("FRM_166Flag"), 0x3C);
  EXPECT_EQ(Str("FRM_166MgnW"), "1");
  EXPECT_EQ(Str("FRM_166Src"), "a.htm");

  // Reopened: the choice comes back; switching the border box off drops it.
  r = RunWith(29166, "", [](D& d) {
    EXPECT_EQ(d.GetCheck(IDC_FR_BORDER_OFF), 1);
    d.Click(IDC_FR_BORDER_CHK);
    EXPECT_FALSE(d.IsEnabled(IDC_FR_BORDER_OFF));
    d.Ok();
  });
  EXPECT_EQ(r, "<FRAME SRC=\"a.htm\" MARGINWIDTH=\"1\">");
  EXPECT_EQ(Int("FRM_166Flag"), 0x24);
}

TEST_F(FrameDlg, InlineFrameUnitsAndEveryAttributeInOrder) {
  std::string r = RunWith(29460, "x", [](D& d) {
    d.Click(IDC_FR_HEIGHT_CHK);
    d.Type(IDC_FR_HEIGHT, "50");
    d.Click(IDC_FR_HEIGHT_PCT);
    d.Click(IDC_FR_WIDTH_CHK);
    d.Type(IDC_FR_WIDTH, "300");
    d.Ok();
  });
  EXPECT_EQ(r, "<IFRAME WIDTH=\"300px\" HEIGHT=\"50%\">x</IFRAME>");
  EXPECT_EQ(Int("FRM_460Flag"), 0x1A00);

  r = RunWith(29460, "", [&](D& d) {
    EXPECT_EQ(d.GetCheck(IDC_FR_HEIGHT_PCT), 1);
    EXPECT_EQ(d.GetCheck(IDC_FR_WIDTH_PX), 1);
    d.Click(IDC_FR_WIDTH_PCT);
    for (int c : {IDC_FR_ATTR_CHK, IDC_FR_ALIGN_CHK, IDC_FR_SCROLL_CHK, IDC_FR_MGNH_CHK, IDC_FR_MGNW_CHK,
                  IDC_FR_BORDER_CHK, IDC_FR_SRC_CHK, IDC_FR_NAME_CHK, IDC_FR_LONGDESC_CHK})
      d.Click(c);
    d.Type(IDC_FR_LONGDESC, "d.htm");
    d.Type(IDC_FR_NAME, "n");
    d.Type(IDC_FR_SRC, "s.htm");
    d.Type(IDC_FR_MGNW, "4");
    d.Type(IDC_FR_MGNH, "");
    d.Type(IDC_FR_ALIGN, "left");
    d.Type(IDC_FR_ATTR, "ID=\"i\"\r\n");
    d.Ok();
  });
  EXPECT_EQ(r, "<IFRAME LONGDESC=\"d.htm\" NAME=\"n\" SRC=\"s.htm\" FRAMEBORDER=\"1\" MARGINWIDTH=\"4\" "
               "MARGINHEIGHT=\"\" SCROLLING=\"auto\" WIDTH=\"300%\" HEIGHT=\"50%\" ALIGN=\"left\" ID=\"i\">"
               "</IFRAME>");
  EXPECT_EQ(Int("FRM_460Flag"), 0x7F6F);
  EXPECT_EQ(Str("FRM_460LondDesc"), "d.htm");
  EXPECT_EQ(Str("FRM_460Attr"), "ID=\"i\"\r\n");
  EXPECT_EQ(Str("FRM_166Flag"), "<absent>");  // FRAME keeps its own slot
}

TEST_F(FrameDlg, BoxesTheElementLacksAreWithdrawnEvenWhenStored) {
  profile->WriteInt("HTML", "FRM_166Flag", 0x7FFF);
  profile->WriteInt("HTML", "FRM_460Flag", 0x7FFF);
  RunWith(29166, "", [](D& d) {
    EXPECT_EQ(d.GetCheck(IDC_FR_ALIGN_CHK), 0);
    EXPECT_FALSE(d.IsEnabled(IDC_FR_ALIGN));
    EXPECT_FALSE(d.IsEnabled(IDC_FR_WIDTH_PCT));
    EXPECT_TRUE(d.IsEnabled(IDC_FR_NAME));
    d.Ok();
  });
  EXPECT_EQ(Int("FRM_166Flag"), 0x7FFF & ~(0x200 | 0x400 | 0x800 | 0x1000 | 0x2000));
  RunWith(29460, "", [](D& d) {
    EXPECT_EQ(d.GetCheck(IDC_FR_NORESIZE_CHK), 0);
    d.Ok();
  });
  EXPECT_EQ(Int("FRM_460Flag"), 0x7FFF & ~0x80);
}

TEST_F(FrameDlg, ListsAndBrowsersFillTheirFields) {
  backend.AnswerFile("C:\\doc\\long.htm");
  backend.AnswerFile("C:\\site\\f\\a.htm");
  std::string r = RunWith(29460, "", [&](D& d) {
    for (int c : {IDC_FR_LONGDESC_CHK, IDC_FR_SRC_CHK, IDC_FR_SCROLL_CHK, IDC_FR_ALIGN_CHK}) d.Click(c);
    d.Click(IDC_FR_LONGDESC_BROWSE);
    d.Click(IDC_FR_SRC_BROWSE);
    backend.Expect([](D& list) {
      EXPECT_EQ(list.GetTitle(), "スクロールバーの表示/非表示");
      list.SelectText(IDC_VL_LIST, "no");
      list.Ok();
    });
    d.Click(IDC_FR_SCROLL_LIST);
    backend.Expect([](D& list) {
      EXPECT_EQ(list.GetTitle(), "回り込みおよび垂直位置");
      list.SelectText(IDC_VL_LIST, "middle");
      list.Ok();
    });
    d.Click(IDC_FR_ALIGN_LIST);
    backend.Expect([](D& list) { list.Cancel(); });
    d.Click(IDC_FR_ALIGN_LIST);
    d.Ok();
  });
  EXPECT_EQ(r, "<IFRAME LONGDESC=\"C:\\doc\\long.htm\" SRC=\"C:\\site\\f\\a.htm\" SCROLLING=\"no\" "
               "ALIGN=\"middle\"></IFRAME>");
  ASSERT_EQ(backend.fileRequests.size(), 2u);
  EXPECT_EQ(backend.fileRequests[0].title, "LONGDESCのURI設定");
  EXPECT_EQ(backend.fileRequests[1].title, "SRCのURI設定");
  EXPECT_EQ(Str("FRM_LongDescPath"), "C:\\doc");
  EXPECT_EQ(Str("FRM_SRCPath"), "C:\\site\\f");
}

TEST_F(FrameDlg, OtherAttributesComeFromTheBasicDialogUnderThisSlot) {
  const bool basicOpens = plat::FindTemplate(2000) != nullptr;
  std::string r = RunWith(29460, "", [&](D& d) {
    d.Click(IDC_FR_ATTR_CHK);
    d.Type(IDC_FR_ATTR, "CLASS=\"typed\"");
    if (basicOpens)
      backend.Expect([](D& b) {
        b.Click(b.FindByLabel("CLASS指定"));
        b.Type(b.EditFor("CLASS指定"), "c");
        b.Ok();
      });
    d.Click(IDC_FR_ATTR_EDIT);
    d.Ok();
  });
  EXPECT_EQ(r, basicOpens ? "<IFRAME CLASS=\"c\"></IFRAME>" : "<IFRAME CLASS=\"typed\"></IFRAME>");
  if (basicOpens) {
    EXPECT_EQ(Str("Bsc_460Class"), "c");
  }
}

TEST_F(FrameDlg, CancelReturnsTheSelectionAndWritesNothing) {
  std::string r = RunWith(29166, "keep", [](D& d) {
    d.Click(IDC_FR_NAME_CHK);
    d.Type(IDC_FR_NAME, "n");
    d.Cancel();
  });
  EXPECT_EQ(r, "keep");
  EXPECT_EQ(profile->writes(), 0);
}

TEST_F(FrameDlg, InlineFrameIsValidInABody) {
  std::string r = RunWith(29460, "Your browser shows no inline frames.", [](D& d) {
    for (int c : {IDC_FR_SRC_CHK, IDC_FR_NAME_CHK, IDC_FR_BORDER_CHK, IDC_FR_SCROLL_CHK, IDC_FR_WIDTH_CHK,
                  IDC_FR_HEIGHT_CHK, IDC_FR_ALIGN_CHK, IDC_FR_MGNH_CHK, IDC_FR_LONGDESC_CHK})
      d.Click(c);
    d.Type(IDC_FR_SRC, "inner.htm");
    d.Type(IDC_FR_NAME, "inner");
    d.Type(IDC_FR_LONGDESC, "inner-desc.htm");
    d.Type(IDC_FR_WIDTH, "300");
    d.Type(IDC_FR_HEIGHT, "50");
    d.Click(IDC_FR_HEIGHT_PCT);
    d.Type(IDC_FR_ALIGN, "right");
    d.Ok();
  });
  EXPECT_TRUE(ValidHtml("<P>" + r + "</P>"));
}

}  // namespace tqtest
