// The IMG command through the DLL's real dialog, with the image chosen in
// the real open-file dialog as a user would: the full path typed into its
// name box, then Open.
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "dialogs/document/image_dlg.h"
#include "tests/e2e/driver.h"
#include "tests/e2e/e2e.h"
#include "platform/win32/win32_api.h"

namespace e2e {
namespace {

const char kKey[] = "Software\\Brambleware\\Tagquill\\HTML";

std::string Registry(const char* name) {
  char buf[1024] = {};
  DWORD size = sizeof buf;
  if (RegGetValueA(HKEY_CURRENT_USER, kKey, name, RRF_RT_REG_SZ, nullptr, buf, &size) != ERROR_SUCCESS)
    return "<absent>";
  return buf;
}

// The file name box: a combo box in newer dialogs, an edit box in older.
int FileNameBox(HWND dlg) { return GetDlgItem(dlg, cmb13) ? cmb13 : edt1; }

class ImageDialog : public ::testing::Test {
 protected:
  void SetUp() override {
    RegDeleteKeyA(HKEY_CURRENT_USER, kKey);
    // 表 and ソ both end in the byte of a backslash.
    char tmp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, tmp);
    dir_ = std::string(tmp) + "tqimg 表" + std::to_string(GetCurrentProcessId());
    ASSERT_TRUE(CreateDirectoryA(dir_.c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS);
    file_ = dir_ + "\\ソ.gif";
    HANDLE h = CreateFileA(file_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    CloseHandle(h);
    host_.reset(tqhost::HostWindow::Create(Dll(), tqhost::HostOptions()));
    ASSERT_NE(host_, nullptr);
    host_->SetText("abc");
    host_->Select(0, -1);
  }
  void TearDown() override {
    host_.reset();
    DeleteFileA(file_.c_str());
    RemoveDirectoryA(dir_.c_str());
    RegDeleteKeyA(HKEY_CURRENT_USER, kKey);
  }
  std::string dir_, file_;
  std::unique_ptr<tqhost::HostWindow> host_;
};

TEST_F(ImageDialog, SourceChosenInTheOpenFileDialog) {
  std::string fileTitle, src, startDir;
  LONG_PTR sizeStyle = 0;
  int lo = -1, hi = 0;
  DialogDriver driver;
  driver
      .Then([&](HWND d) {
        EXPECT_EQ(WindowTextA(d), "画像<IMG>の設定");
        SendDlgItemMessageA(d, tq::IDC_IM_VSPACE_SPIN, UDM_GETRANGE32, reinterpret_cast<WPARAM>(&lo),
                            reinterpret_cast<LPARAM>(&hi));
        for (int c : {tq::IDC_IM_WIDTH_CHK, tq::IDC_IM_ISMAP_CHK, tq::IDC_IM_ALIGN_CHK, tq::IDC_IM_BORDER_CHK,
                      tq::IDC_IM_HSPACE_CHK})
          Click(d, c);
      })
      .Then([&](HWND d) {
        SetDlgItemTextA(d, tq::IDC_IM_ALT, "ロゴ");
        SetDlgItemTextA(d, tq::IDC_IM_WIDTH, "32767");
        sizeStyle = GetWindowLongPtrA(GetDlgItem(d, tq::IDC_IM_WIDTH), GWL_STYLE);
        Click(d, tq::IDC_IM_SRC_BROWSE);
      })
      .Then([&](HWND dlg) {  // the open-file dialog
        fileTitle = WindowTextA(dlg);
        SetDlgItemTextA(dlg, FileNameBox(dlg), file_.c_str());
        Click(dlg, plat::IDOK);
      })
      .Then([&](HWND d) {
        src = ItemText(d, tq::IDC_IM_SRC);
        Screenshot(d, "image-dialog.bmp");
        Click(d, tq::IDC_IM_SRC_BROWSE);
      })
      .Then([&](HWND dlg) {  // the second browse starts in the remembered directory
        char folder[MAX_PATH] = {};
        SendMessageA(dlg, CDM_GETFOLDERPATH, sizeof folder, reinterpret_cast<LPARAM>(folder));
        startDir = folder;
        Click(dlg, plat::IDCANCEL);
      })
      .Then([](HWND d) { Click(d, plat::IDOK); });
  host_->RunTagCommand(29455);
  EXPECT_EQ(driver.pending(), 0u);
  EXPECT_EQ(fileTitle, "画像ファイルの指定");
  EXPECT_EQ(src, file_);
  EXPECT_EQ(startDir, dir_);
  EXPECT_TRUE(sizeStyle & ES_RIGHT);
  EXPECT_EQ(lo, 0);
  EXPECT_EQ(hi, 32767);
  EXPECT_EQ(host_->Text(), "<IMG SRC=\"" + file_ +
                               "\" ALT=\"ロゴ\" WIDTH=\"32767\" ISMAP ALIGN=\"bottom\" BORDER=\"0\" HSPACE=\"0\">abc");
  EXPECT_EQ(Registry("IMG_455Src"), file_);
  EXPECT_EQ(Registry("IMG_SrcPath"), dir_);
}

}  // namespace
}  // namespace e2e
