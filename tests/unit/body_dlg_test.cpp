#include <string>
#include <vector>

#include "dialogs/document/body_dlg.h"
#include "fixture.h"

namespace tqtest {

using namespace tq;
using BodyDlg = Headless;

constexpr int kBody = 29116;
const int kChecks[] = {IDC_BD_ONLOAD_CHK, IDC_BD_ONUNLOAD_CHK, IDC_BD_ATTR_CHK,  IDC_BD_BKG_CHK,  IDC_BD_BGCOLOR_CHK,
                       IDC_BD_TEXT_CHK,   IDC_BD_LINK_CHK,     IDC_BD_ALINK_CHK, IDC_BD_VLINK_CHK};

TEST_F(BodyDlg, EmptyOtherAttributesLeaveALoneBlank) {
  std::string r = RunWith(kBody, "x", [](D& d) {
    Tick(d, IDC_BD_ATTR_CHK, IDC_BD_ATTR, "");
    Tick(d, IDC_BD_BGCOLOR_CHK, IDC_BD_BGCOLOR, "");
    d.Ok();
  });
  EXPECT_EQ(r, "<BODY  BGCOLOR=\"\">\r\nx\r\n</BODY>");
}

TEST_F(BodyDlg, ColourButtonsStartFromTheirColoursAndWriteHex) {
  backend.AnswerColor(std::nullopt);  // BGCOLOR cancelled
  backend.AnswerColor(0x000000);      // TEXT
  backend.AnswerColor(0x123456);      // LINK
  backend.AnswerColor(0x0000FF);      // ALINK: pure red
  backend.AnswerColor(0x400080);      // VLINK
  backend.AnswerColor(0xABCDEF);      // LINK again
  std::string r = RunWith(kBody, "", [](D& d) {
    for (int c : kChecks) d.Click(c);
    d.Type(IDC_BD_BGCOLOR, "Silver");
    ClickAll(d, {IDC_BD_BGCOLOR_PICK, IDC_BD_TEXT_PICK, IDC_BD_LINK_PICK});
    d.Type(IDC_BD_ONLOAD, "typed()");  // typed before a pick survives it
    ClickAll(d, {IDC_BD_ALINK_PICK, IDC_BD_VLINK_PICK});
    EXPECT_EQ(Texts(d, {IDC_BD_ONLOAD, IDC_BD_LINK}), "typed()|#563412|");
    ClickAll(d, {IDC_BD_LINK_PICK, IDC_BD_LINK_CHK, IDC_BD_ONUNLOAD_CHK, IDC_BD_ATTR_CHK, IDC_BD_BKG_CHK});
    d.Ok();
  });
  EXPECT_EQ(backend.colorRequests,
            (std::vector<uint32_t>{0xFFFFFF, 0x000000, 0x408000, 0x0000FF, 0x400080, 0x123456}));
  EXPECT_EQ(r, "<BODY onLoad=\"typed()\" BGCOLOR=\"Silver\" TEXT=\"#000000\" ALINK=\"#FF0000\" "
               "VLINK=\"#800040\">\r\n\r\n</BODY>");
  EXPECT_EQ(Str("BODY_116Link"), "<absent>");  // unchecked at OK

  // The colours are not remembered: the next run starts afresh.
  backend.colorRequests.clear();
  RunWith(kBody, "", [](D& d) {
    ClickAll(d, {IDC_BD_LINK_CHK, IDC_BD_LINK_PICK});
    d.Cancel();
  });
  EXPECT_EQ(backend.colorRequests, std::vector<uint32_t>{0x408000});
}

}  // namespace tqtest
