// The IMG command through the DLL's real dialog, with the image chosen in
// the real open-file dialog as a user would: the full path typed into its
// name box, then Open.
#include "dialogs/document/image_dlg.h"
#include "tests/e2e/e2e.h"

namespace e2e {
namespace {

using ImageDialog = HostTest;

TEST_F(ImageDialog, SourceChosenInTheOpenFileDialog) {
  const TempFile image("tqimg 表", "ソ.gif");  // 表 and ソ both end in the byte of a backslash
  DialogDriver driver;
  driver
      .Then([](HWND d) {
        EXPECT_EQ(WindowTextA(d), "画像<IMG>の設定");
        EXPECT_EQ(SpinRange(d, tq::IDC_IM_VSPACE_SPIN), std::make_pair(0, 32767));
        for (int c : {tq::IDC_IM_WIDTH_CHK, tq::IDC_IM_ISMAP_CHK, tq::IDC_IM_ALIGN_CHK, tq::IDC_IM_BORDER_CHK,
                      tq::IDC_IM_HSPACE_CHK})
          Click(d, c);
      })
      .Then([](HWND d) {
        Type(d, tq::IDC_IM_ALT, "ロゴ");
        Type(d, tq::IDC_IM_WIDTH, "32767");
        EXPECT_TRUE(GetWindowLongPtrA(GetDlgItem(d, tq::IDC_IM_WIDTH), GWL_STYLE) & ES_RIGHT);
        Click(d, tq::IDC_IM_SRC_BROWSE);
      })
      .Then([&](HWND dlg) {  // the open-file dialog
        EXPECT_EQ(WindowTextA(dlg), "画像ファイルの指定");
        Type(dlg, FileNameBox(dlg), image.path.c_str());
        Click(dlg, plat::IDOK);
      })
      .Then([&](HWND d) {
        EXPECT_EQ(ItemText(d, tq::IDC_IM_SRC), image.path);
        Screenshot(d, "image-dialog.bmp");
        Click(d, tq::IDC_IM_SRC_BROWSE);
      })
      .Then([&](HWND dlg) {  // the second browse starts in the remembered directory; cancelled
        char folder[MAX_PATH] = {};
        SendMessageA(dlg, CDM_GETFOLDERPATH, sizeof folder, reinterpret_cast<LPARAM>(folder));
        EXPECT_EQ(std::string(folder), image.dir);
        Click(dlg, plat::IDCANCEL);
      })
      .Then([](HWND d) { Click(d, plat::IDOK); });
  host_->RunTagCommand(29455);
  EXPECT_EQ(host_->Text(), "<IMG SRC=\"" + image.path +
                               "\" ALT=\"ロゴ\" WIDTH=\"32767\" ISMAP ALIGN=\"bottom\" BORDER=\"0\" HSPACE=\"0\">abc");
  EXPECT_EQ(Setting("IMG_455Src"), image.path);
  EXPECT_EQ(Setting("IMG_SrcPath"), image.dir);
}

}  // namespace
}  // namespace e2e
