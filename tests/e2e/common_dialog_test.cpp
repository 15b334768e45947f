// The filter of the Win32 open-file dialog, made from the framework's
// bar-separated form. The dialogs themselves are driven through the DLL's
// dialogs (dialogs_e2e.cpp).
#include <string>

#include <gtest/gtest.h>

#include "platform/win32/win32_backend.h"

namespace e2e {
namespace {

TEST(Win32Common, FilterNamesAndPatternsSplitOnlyAtRealBars) {
  // "ポ" is 0x83 0x7C: its second byte looks like a bar.
  EXPECT_EQ(plat::win32::FilterToNul("ポ(*.htm)|*.htm|All|*.*||"),
            std::string("ポ(*.htm)\0*.htm\0All\0*.*\0\0", 25));
  EXPECT_EQ(plat::win32::FilterToNul("A|*.a"), std::string("A\0*.a\0\0", 7));
  EXPECT_EQ(plat::win32::FilterToNul(""), std::string("\0\0", 2));
}

}  // namespace
}  // namespace e2e
