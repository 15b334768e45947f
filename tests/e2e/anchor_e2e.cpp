// The A command through the DLL's real dialog: a typed address, a relation
// from the value-list chooser, a shape from the dialog's own list that
// offers the coordinates, and the up-down control of the tab order.
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "app/html_app.h"
#include "dialogs/common/value_list_dlg.h"
#include "dialogs/document/anchor_dlg.h"
#include "tests/e2e/driver.h"
#include "tests/e2e/e2e.h"
#include "platform/win32/win32_api.h"

namespace e2e {
namespace {

const char kKey[] = "Software\\Brambleware\\Tagquill\\HTML";

bool Enabled(HWND d, int id) { return IsWindowEnabled(GetDlgItem(d, id)) != FALSE; }

TEST(AnchorDialog, AddressRelationShapeAndTabOrderAroundTheSelection) {
  RegDeleteKeyA(HKEY_CURRENT_USER, kKey);
  std::unique_ptr<tqhost::HostWindow> host(tqhost::HostWindow::Create(Dll(), tqhost::HostOptions()));
  ASSERT_NE(host, nullptr);
  host->SetText("abc");
  host->Select(0, -1);
  std::string title, listTitle, rel;
  bool withdrawn = false, coordsBefore = true, coordsAfter = false;
  DialogDriver driver;
  driver
      .Then([&](HWND d) {
        title = WindowTextA(d);
        withdrawn = !Enabled(d, tq::IDC_AN_NOHREF_CHK) && !Enabled(d, tq::IDC_AN_ALT) &&
                    !Enabled(d, tq::IDC_AN_REL_LIST);
        SetDlgItemTextA(d, tq::IDC_AN_HREF, "index.htm");
        Click(d, tq::IDC_AN_REL_CHK);
        Click(d, tq::IDC_AN_SHAPE_CHK);
        Click(d, tq::IDC_AN_TABINDEX_CHK);
      })
      .Then([](HWND d) { Click(d, tq::IDC_AN_REL_LIST); })
      .Then([&](HWND list) {  // list 101
        listTitle = WindowTextA(list);
        SelectListEntry(list, tq::IDC_VL_LIST, "next");
        Click(list, plat::IDOK);
      })
      .Then([&](HWND d) {
        rel = ItemText(d, tq::IDC_AN_REL);
        SelectListEntry(d, tq::IDC_AN_SHAPE_LIST, "default");
        coordsBefore = Enabled(d, tq::IDC_AN_COORDS) || Enabled(d, tq::IDC_AN_COORDS_LABEL);
        SelectListEntry(d, tq::IDC_AN_SHAPE_LIST, "circle");
        coordsAfter = Enabled(d, tq::IDC_AN_COORDS) && Enabled(d, tq::IDC_AN_COORDS_LABEL);
        SetDlgItemTextA(d, tq::IDC_AN_COORDS, "5,5,5");
        SendDlgItemMessageA(d, tq::IDC_AN_TABINDEX_SPIN, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 1));
        SendDlgItemMessageA(d, tq::IDC_AN_TABINDEX_SPIN, WM_LBUTTONUP, 0, MAKELPARAM(2, 1));
      })
      .Then([](HWND d) {
        Screenshot(d, "anchor-dialog.bmp");
        Click(d, plat::IDOK);
      });
  host->RunTagCommand(29445);
  EXPECT_EQ(driver.pending(), 0u);
  EXPECT_EQ(title, "アンカ/リンク/オブジェクトに関する設定 <A>");
  EXPECT_TRUE(withdrawn);
  EXPECT_EQ(listTitle, "REV/REL");
  EXPECT_EQ(rel, "next");
  EXPECT_FALSE(coordsBefore);
  EXPECT_TRUE(coordsAfter);
  EXPECT_EQ(host->Text(), "<A HREF=\"index.htm\" REL=\"next\" SHAPE=\"circle\" COORDS=\"5,5,5\" TABINDEX=\"2\">abc</A>");
  EXPECT_EQ(HtmlApp().GetProfileInt("HTML", "AL_445Flag", -1), 0x20 | 0x100 | 0x200);
  host.reset();
  RegDeleteKeyA(HKEY_CURRENT_USER, kKey);
}

}  // namespace
}  // namespace e2e
