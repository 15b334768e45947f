// Message boxes and the open-file dialog through the Win32 backend. The
// colour, font and cancelled open-file dialogs are driven through the
// BODY, font style and image dialogs' end-to-end tests.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "plat/dialog.h"
#include "plat/window.h"
#include "platform/win32/win32_backend.h"
#include "tests/e2e/driver.h"
#include "platform/win32/win32_api.h"

namespace e2e {
namespace {

plat::Backend& Backend() { return plat::TheWin32Backend(); }

TEST(Win32Common, MessageBoxShowsTheTextsAndAnswers) {
  Owner owner;
  DialogDriver drive;
  drive.Then([](HWND box) {
    EXPECT_EQ(WindowTextA(box), "");  // an empty caption stays empty
    EXPECT_EQ(MessageBoxText(box), "値が正しくありません。\\表");
    Click(box, IDNO);
  });
  EXPECT_EQ(Backend().MessageBox(owner.get(), "値が正しくありません。\\表", "", plat::MB_YESNO_), plat::IDNO_);
}

TEST(Win32Common, FilterNamesAndPatternsSplitOnlyAtRealBars) {
  // "ポ" is 0x83 0x7C: its second byte looks like a bar.
  EXPECT_EQ(plat::win32::FilterToNul("ポ(*.htm)|*.htm|All|*.*||"),
            std::string("ポ(*.htm)\0*.htm\0All\0*.*\0\0", 25));
  EXPECT_EQ(plat::win32::FilterToNul("A|*.a"), std::string("A\0*.a\0\0", 7));
  EXPECT_EQ(plat::win32::FilterToNul(""), std::string("\0\0", 2));
}

TEST(Win32Common, OpenFileStartsInTheGivenDirectoryAndReturnsTheFullPath) {
  const TempFile file("tqe2e ポ表", "a.htm");
  Owner owner;
  plat::FileDialogRequest req;
  req.initialDir = file.dir;
  req.title = "参照 ポ";
  req.filter = "ポータル(*.htm)|*.htm|すべて(*.*)|*.*||";
  auto currentDir = [] {
    char buf[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, buf);
    return std::string(buf);
  };
  const std::string before = currentDir();
  std::vector<std::string> types;
  DialogDriver drive;
  drive.Then([&](HWND dlg) {
    EXPECT_EQ(WindowTextA(dlg), "参照 ポ");
    HWND combo = GetDlgItem(dlg, cmb1);
    for (int i = 0, n = static_cast<int>(SendMessageA(combo, CB_GETCOUNT, 0, 0)); i < n; ++i) {
      char item[256] = {};
      SendMessageA(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(item));
      types.push_back(item);
    }
    Type(dlg, FileNameBox(dlg), "a.htm");
    Click(dlg, plat::IDOK);
  });
  auto path = Backend().OpenFile(owner.get(), req);
  ASSERT_TRUE(path.has_value());
  EXPECT_EQ(*path, file.path);
  EXPECT_EQ(types, (std::vector<std::string>{"ポータル(*.htm)", "すべて(*.*)"}));
  EXPECT_EQ(currentDir(), before);
}

}  // namespace
}  // namespace e2e
