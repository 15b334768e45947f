// The HEAD family dialog through the real DLL: picked from the host's
// menu, driven on its real controls, with screenshots of the dialog and of
// the value-list chooser for a person to look at; and what Cancel leaves.
#include "dialogs/common/value_list_dlg.h"
#include "dialogs/document/head_dlg.h"
#include "tests/e2e/e2e.h"

namespace e2e {
namespace {

using HeadDialog = HostTest;

TEST_F(HeadDialog, TitleWithLangPickedFromItsList) {
  Select("文書の表題");
  DialogDriver driver;
  driver
      .Then([](HWND d) {
        EXPECT_EQ(WindowTextA(d), "<TITLE>の設定");
        EXPECT_FALSE(Enabled(d, tq::IDC_HD_PROFILE_CHK));
        EXPECT_FALSE(Enabled(d, tq::IDC_HD_LANG));
        Click(d, tq::IDC_HD_LANG_CHK);
      })
      .Then([](HWND d) {
        Screenshot(d, "head-dialog.bmp");
        EXPECT_TRUE(Enabled(d, tq::IDC_HD_LANG));
        Type(d, tq::IDC_HD_LANG, "en");
        Click(d, tq::IDC_HD_LANG_LIST);
      })
      .Then([](HWND list) {
        EXPECT_EQ(WindowTextA(list), "LANG");
        EXPECT_EQ(ListCount(list, tq::IDC_VL_LIST), 25);
        SelectListEntry(list, tq::IDC_VL_LIST, 12);  // "ja (日本語)"
        InvalidateRect(list, nullptr, TRUE);
      })
      .Then([](HWND list) {  // idle again, painted with the selection
        Screenshot(list, "value-list.bmp");
        Click(list, plat::IDOK);
      })
      .Then([](HWND d) {
        EXPECT_EQ(ItemText(d, tq::IDC_HD_LANG), "ja");
        Click(d, tq::IDC_HD_DIR_CHK);
        Click(d, tq::IDC_HD_RTL);
      })
      .Then([](HWND d) { Click(d, plat::IDOK); });
  PickFromMenu(29111);
  EXPECT_EQ(host_->Text(), "<TITLE LANG=\"ja\" DIR=\"rtl\">文書の表題</TITLE>");
  EXPECT_EQ(Setting("HEAD_111Lang"), "ja");
}

// The dialog is modal on the host window; Cancel gives the selection back
// and writes nothing, whatever was changed before.
TEST_F(HeadDialog, CancelGivesTheSelectionBackAndWritesNothing) {
  Select("文書の表題");
  HWND host = host_->hwnd();
  DialogDriver driver;
  driver
      .Then([host](HWND d) {
        EXPECT_EQ(GetWindow(d, GW_OWNER), host);
        EXPECT_EQ(ClassName(d), "#32770");
        EXPECT_FALSE(IsWindowEnabled(host));
        Click(d, tq::IDC_HD_LANG_CHK);
      })
      .Then([](HWND d) {
        Type(d, tq::IDC_HD_LANG, "fr");
        Click(d, plat::IDCANCEL);
      });
  PickFromMenu(29111);
  EXPECT_TRUE(IsWindowEnabled(host));
  EXPECT_EQ(host_->Text(), "文書の表題");
  EXPECT_EQ(ValueCount(), 0);
}

}  // namespace
}  // namespace e2e
