// The DLL's exports called the way a host calls them.
#include <string>

#include <gtest/gtest.h>

#include "tests/e2e/e2e.h"

namespace e2e {
namespace {

std::string Tag(int id, const char* sel) {
  const char* r = Dll().GetHtmlTagString(nullptr, id, sel);
  return r ? r : "(null)";
}

TEST(Exports, AllEightByPlainName) {
  for (const char* name : {"GetHtmlTagString", "GetHtmlVer", "MainGetFocus", "MakeHtmlMenu",
                           "OnChangeToolBoxSetting", "OnToolBox", "SetAppInfo", "SetStringToTagquill"})
    EXPECT_NE(GetProcAddress(Dll().module, name), nullptr) << name;
  // Not decorated as a stdcall or a C++ function would be.
  EXPECT_EQ(GetProcAddress(Dll().module, "_GetHtmlVer"), nullptr);
  EXPECT_EQ(GetProcAddress(Dll().module, "GetHtmlVer@0"), nullptr);
}

TEST(Exports, VersionBeforeAndAfterSetAppInfo) {
  EXPECT_EQ(VersionAtLoad(), 10141);
  Dll().SetAppInfo(2, nullptr, 0);
  EXPECT_EQ(Dll().GetHtmlVer(), 10141);
}

// Built text and plain selections come back through the same buffer, byte
// for byte: double-byte characters whose trail byte is '\\' or '|',
// half-width katakana and bytes that are no valid CP932 at all; ids with no
// action, out of range ones included, return the selection.
TEST(Exports, SelectionsPassByteForByte) {
  const std::string sel = "表ソポｶﾅ\x81\xFF\x80\xA0";
  EXPECT_EQ(Tag(29021, sel.c_str()), "<H1>" + sel + "</H1>");
  EXPECT_EQ(Tag(29345, sel.c_str()), "<A HREF=\"" + sel + "\">" + sel + "</A>");
  EXPECT_EQ(Tag(29021, ""), "<H1></H1>");
  // Japanese the DLL writes itself.
  EXPECT_EQ(Tag(29014, "p{}"),
            "\r\n<STYLE TYPE=\"text/css\">\r\n<!-- \r\n\t /* ここにスタイル文内の要素定義を書いてください */\r\n"
            "p{}\r\n -->\r\n</STYLE>\r\n");
  for (int id : {29001, 29005, 29053, 29473, 29000, 0, -1, 2147483647, -2147483647 - 1})
    EXPECT_EQ(Tag(id, "sel ection"), "sel ection") << id;
}

BOOL CALLBACK CountOwnVisible(HWND w, LPARAM p) {
  DWORD process = 0;
  GetWindowThreadProcessId(w, &process);
  if (process == GetCurrentProcessId() && IsWindowVisible(w)) ++*reinterpret_cast<int*>(p);
  return TRUE;
}

TEST(Exports, NullArgumentsAreEmptyTextsAndNoToolBoxAppears) {
  EXPECT_EQ(Tag(29001, nullptr), "");
  EXPECT_EQ(Tag(29021, nullptr), "<H1></H1>");
  Dll().SetStringToTagquill(nullptr);
  Dll().MakeHtmlMenu(nullptr);
  tqhost::HostMenu none(nullptr);
  Dll().MakeHtmlMenu(&none);
  HMENU gone = CreatePopupMenu();
  DestroyMenu(gone);
  tqhost::HostMenu stale(gone);
  Dll().MakeHtmlMenu(&stale);
  // Toolbox calls without a toolbox create nothing.
  Dll().OnChangeToolBoxSetting(nullptr);
  Dll().MainGetFocus();
  int windows = 0;
  EnumWindows(CountOwnVisible, reinterpret_cast<LPARAM>(&windows));
  EXPECT_EQ(windows, 0);
}

TEST(Exports, EachCallReplacesTheResult) {
  std::string first = Tag(29021, "first selection");
  std::string second = Tag(29027, "2");
  EXPECT_EQ(first, "<H1>first selection</H1>");
  EXPECT_EQ(second, "<P>2</P>");
  // The returned text is the buffer's, not the caller's string.
  std::string sel = "abc";
  const char* r = Dll().GetHtmlTagString(nullptr, 29001, sel.c_str());
  EXPECT_NE(r, sel.c_str());
  EXPECT_STREQ(r, "abc");
}

TEST(Exports, LargeSelectionComesBackWhole) {
  std::string sel;
  const std::string piece = "表ソ abc\r\n";
  sel.reserve(16u << 20);
  while (sel.size() + piece.size() <= (16u << 20)) sel += piece;
  std::string out = Tag(29021, sel.c_str());
  EXPECT_TRUE(out == "<H1>" + sel + "</H1>") << out.size() << " bytes, " << sel.size() << " selected";
}

}  // namespace
}  // namespace e2e
