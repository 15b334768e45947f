// Message boxes and the common dialogs through the Win32 backend.
#include <string>

#include <gtest/gtest.h>

#include "plat/dialog.h"
#include "plat/window.h"
#include "platform/win32/win32_backend.h"
#include "tests/e2e/driver.h"
#include "platform/win32/win32_api.h"

namespace e2e {
namespace {

class Owner {
 public:
  Owner() : h_(CreateWindowExA(0, "STATIC", "owner", WS_OVERLAPPED, 0, 0, 200, 100, nullptr, nullptr,
                               GetModuleHandleA(nullptr), nullptr)) {}
  ~Owner() { DestroyWindow(h_); }
  HWND get() const { return h_; }

 private:
  HWND h_;
};

plat::Backend& Backend() { return plat::TheWin32Backend(); }

TEST(Win32Common, MessageBoxShowsTheTextsAndAnswers) {
  Owner owner;
  std::string text, caption;
  DialogDriver drive;
  drive.Then([&](HWND box) {
    caption = WindowTextA(box);
    text = MessageBoxText(box);
    Click(box, IDNO);
  });
  EXPECT_EQ(Backend().MessageBox(owner.get(), "値が正しくありません。\\表", "", plat::MB_YESNO_), plat::IDNO_);
  EXPECT_EQ(text, "値が正しくありません。\\表");
  EXPECT_EQ(caption, "");  // an empty caption stays empty
}

TEST(Win32Common, FilterNamesAndPatternsSplitOnlyAtRealBars) {
  // "ポ" is 0x83 0x7C: its second byte looks like a bar.
  EXPECT_EQ(plat::win32::FilterToNul("ポ(*.htm)|*.htm|All|*.*||"),
            std::string("ポ(*.htm)\0*.htm\0All\0*.*\0\0", 25));
  EXPECT_EQ(plat::win32::FilterToNul("A|*.a"), std::string("A\0*.a\0\0", 7));
  EXPECT_EQ(plat::win32::FilterToNul(""), std::string("\0\0", 2));
}

class OpenFile : public ::testing::Test {
 protected:
  void SetUp() override {
    char tmp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, tmp);
    dir_ = std::string(tmp) + "tqe2e ポ表" + std::to_string(GetCurrentProcessId());
    ASSERT_TRUE(CreateDirectoryA(dir_.c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS);
    file_ = dir_ + "\\a.htm";
    HANDLE h = CreateFileA(file_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    CloseHandle(h);
  }
  void TearDown() override {
    DeleteFileA(file_.c_str());
    RemoveDirectoryA(dir_.c_str());
  }
  static std::string CurrentDir() {
    char buf[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, buf);
    return buf;
  }
  std::string dir_, file_;
};

TEST_F(OpenFile, StartsInTheGivenDirectoryAndReturnsTheFullPath) {
  Owner owner;
  plat::FileDialogRequest req;
  req.initialDir = dir_;
  req.title = "参照 ポ";
  req.filter = "ポータル(*.htm)|*.htm|すべて(*.*)|*.*||";
  const std::string before = CurrentDir();
  std::string title;
  std::vector<std::string> types;
  DialogDriver drive;
  drive.Then([&](HWND dlg) {
    title = WindowTextA(dlg);
    HWND combo = GetDlgItem(dlg, cmb1);
    for (int i = 0, n = static_cast<int>(SendMessageA(combo, CB_GETCOUNT, 0, 0)); i < n; ++i) {
      char item[256] = {};
      SendMessageA(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(item));
      types.push_back(item);
    }
    // The file name box: a combo box in newer dialogs, an edit box in older.
    SetDlgItemTextA(dlg, GetDlgItem(dlg, cmb13) ? cmb13 : edt1, "a.htm");
    Click(dlg, plat::IDOK);
  });
  auto path = Backend().OpenFile(owner.get(), req);
  ASSERT_TRUE(path.has_value());
  EXPECT_EQ(*path, file_);
  EXPECT_EQ(title, "参照 ポ");
  EXPECT_EQ(types, (std::vector<std::string>{"ポータル(*.htm)", "すべて(*.*)"}));
  EXPECT_EQ(CurrentDir(), before);
}

TEST_F(OpenFile, CancelChoosesNothing) {
  Owner owner;
  plat::FileDialogRequest req;
  req.initialDir = dir_;
  DialogDriver drive;
  drive.Then([](HWND dlg) { Click(dlg, plat::IDCANCEL); });
  EXPECT_FALSE(Backend().OpenFile(owner.get(), req).has_value());
}

TEST(Win32Common, ColourDialogStartsFromTheGivenColour) {
  Owner owner;
  DialogDriver drive;
  drive.Then([](HWND dlg) { Click(dlg, plat::IDOK); });
  EXPECT_EQ(Backend().ChooseColor(owner.get(), 0x408000), std::optional<uint32_t>(0x408000));
  drive.Then([](HWND dlg) { Click(dlg, plat::IDCANCEL); });
  EXPECT_FALSE(Backend().ChooseColor(owner.get(), 0xFFFFFF).has_value());
}

TEST(Win32Common, FontDialogGivesTheChosenFace) {
  Owner owner;
  std::string face;
  DialogDriver drive;
  drive
      .Then([](HWND dlg) {
        HWND faces = GetDlgItem(dlg, cmb1);
        SendMessageA(faces, CB_SETCURSEL, 0, 0);
        SendMessageA(dlg, WM_COMMAND, MAKEWPARAM(cmb1, CBN_SELCHANGE), reinterpret_cast<LPARAM>(faces));
      })
      .Then([&](HWND dlg) {
        face = ItemText(dlg, cmb1);
        Click(dlg, plat::IDOK);
      });
  auto chosen = Backend().ChooseFont(owner.get());
  ASSERT_TRUE(chosen.has_value());
  EXPECT_FALSE(face.empty());
  EXPECT_EQ(chosen->face, face);
  EXPECT_GT(chosen->pointSize10, 0);

  drive.Then([](HWND dlg) { Click(dlg, plat::IDCANCEL); });
  EXPECT_FALSE(Backend().ChooseFont(owner.get()).has_value());
}

}  // namespace
}  // namespace e2e
