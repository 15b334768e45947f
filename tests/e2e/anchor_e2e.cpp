// The A command through the DLL's real dialog: a typed address, a relation
// from the value-list chooser, a shape from the dialog's own list that
// offers the coordinates, and the up-down control of the tab order.
#include "dialogs/common/value_list_dlg.h"
#include "dialogs/document/anchor_dlg.h"
#include "tests/e2e/e2e.h"

namespace e2e {
namespace {

using AnchorDialog = HostTest;

TEST_F(AnchorDialog, AddressRelationShapeAndTabOrderAroundTheSelection) {
  DialogDriver driver;
  driver
      .Then([](HWND d) {
        EXPECT_EQ(WindowTextA(d), "アンカ/リンク/オブジェクトに関する設定 <A>");
        EXPECT_FALSE(Enabled(d, tq::IDC_AN_NOHREF_CHK) || Enabled(d, tq::IDC_AN_ALT) ||
                     Enabled(d, tq::IDC_AN_REL_LIST));
        Type(d, tq::IDC_AN_HREF, "index.htm");
        Click(d, tq::IDC_AN_REL_CHK);
        Click(d, tq::IDC_AN_SHAPE_CHK);
        Click(d, tq::IDC_AN_TABINDEX_CHK);
      })
      .Then([](HWND d) { Click(d, tq::IDC_AN_REL_LIST); })
      .Then([](HWND list) {  // list 101
        EXPECT_EQ(WindowTextA(list), "REV/REL");
        SelectListEntry(list, tq::IDC_VL_LIST, "next");
        Click(list, plat::IDOK);
      })
      .Then([](HWND d) {
        EXPECT_EQ(ItemText(d, tq::IDC_AN_REL), "next");
        SelectListEntry(d, tq::IDC_AN_SHAPE_LIST, "default");
        EXPECT_FALSE(Enabled(d, tq::IDC_AN_COORDS) || Enabled(d, tq::IDC_AN_COORDS_LABEL));
        SelectListEntry(d, tq::IDC_AN_SHAPE_LIST, "circle");
        EXPECT_TRUE(Enabled(d, tq::IDC_AN_COORDS) && Enabled(d, tq::IDC_AN_COORDS_LABEL));
        Type(d, tq::IDC_AN_COORDS, "5,5,5");
        SpinUp(d, tq::IDC_AN_TABINDEX_SPIN);
      })
      .Then([](HWND d) {
        Screenshot(d, "anchor-dialog.bmp");
        Click(d, plat::IDOK);
      });
  host_->RunTagCommand(29445);
  EXPECT_EQ(host_->Text(), "<A HREF=\"index.htm\" REL=\"next\" SHAPE=\"circle\" COORDS=\"5,5,5\" TABINDEX=\"2\">abc</A>");
  EXPECT_EQ(SettingInt("AL_445Flag"), 0x20 | 0x100 | 0x200);
}

}  // namespace
}  // namespace e2e
