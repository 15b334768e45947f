#include <string>

#include "dialogs/common/attr_dialog.h"
#include "dialogs/common/settings_names.h"
#include "dialogs/common/text_rules.h"
#include "fixture.h"

namespace tqtest {

TEST(Normalizer, JoinsLinesDropsEmptyOnesKeepsInnerBlanks) {
  EXPECT_EQ(tq::NormalizeWhitespace("a\r\n\r\n  b \r\n"), "a   b");
  EXPECT_EQ(tq::NormalizeWhitespace(""), "");
  EXPECT_EQ(tq::NormalizeWhitespace("\r\n\n\r\r"), "");
  EXPECT_EQ(tq::NormalizeWhitespace("x\ty\rz\nw"), "x\ty z w");
  EXPECT_EQ(tq::NormalizeWhitespace("a \t\r\n"), "a");
  EXPECT_EQ(tq::NormalizeWhitespace("\x95\x5C\r\n\x83\x5C"), "\x95\x5C \x83\x5C");  // trail bytes untouched
}

TEST(Normalizer, LargeInputInOnePass) {
  std::string big;
  for (int i = 0; i < 200000; ++i) big += "onclick=\"f()\"\r\n\r\n";
  std::string r = tq::NormalizeWhitespace(big);
  EXPECT_EQ(r.size(), 200000u * 14 - 1);
}

TEST(Labels, ElementLabelTagNameAndTable) {
  plat::SetTextEncoding(plat::Encoding::Utf8);
  EXPECT_EQ(tq::ElementLabel(29121), "<H1>");
  EXPECT_EQ(tq::ElementLabel(29110), "<HEAD>");
  EXPECT_EQ(tq::ElementLabel(29050), "<TALBE BORDER>");
  EXPECT_EQ(tq::ElementLabel(29002), "");
  EXPECT_EQ(tq::ElementLabel(29115), "スタイル文内の要素定義");  // no "<": the whole tooltip
  EXPECT_EQ(tq::TagNameOf(29121), "H1");
  EXPECT_EQ(tq::TagNameOf(29428), "BD0");
  EXPECT_EQ(tq::TagNameOf(29115), "");
  EXPECT_EQ(tq::TagNameOf(1), "");
  EXPECT_EQ(tq::LabelTableLookup(29115, ""), "CSS");
  EXPECT_EQ(tq::LabelTableLookup(29005, ""), "NEW(Trans.)");
  EXPECT_EQ(tq::LabelTableLookup(29399, "x"), "COMMENT");
  EXPECT_EQ(tq::LabelTableLookup(29021, "H1"), "H1");
}

TEST(Paths, LastBackslashStepsOverDoubleByteCharacters) {
  // C:\表\ソ.htm in Shift-JIS: both characters have the trail byte 0x5C.
  const std::string p = "C:\\\x95\x5C\\\x83\x5C.htm";
  EXPECT_EQ(plat::FindLastBackslash(p, plat::Encoding::Cp932), 5u);
  EXPECT_EQ(p.substr(0, plat::FindLastBackslash(p, plat::Encoding::Cp932)), "C:\\\x95\x5C");
  EXPECT_EQ(plat::FindLastBackslash("C:\\x\\y\\z.htm", plat::Encoding::Cp932), 6u);
  EXPECT_EQ(plat::FindLastBackslash("z.htm", plat::Encoding::Cp932), std::string::npos);
  EXPECT_EQ(plat::FindLastBackslash("\x83\x5C", plat::Encoding::Cp932), std::string::npos);
  EXPECT_EQ(plat::FindLastBackslash("a\\\x83", plat::Encoding::Cp932), 1u);  // lone lead byte at the end
  EXPECT_EQ(plat::FindLastBackslash("C:\\表\\ソ.htm", plat::Encoding::Utf8), 6u);
}

TEST(Paths, BrowsedDirectoryFollowsThePathStyle) {
  struct Case {
    plat::PathStyle style;
    const char* path;
    const char* dir;  // nullptr: no directory
  };
  const Case cases[] = {
      {plat::PathStyle::Windows, "C:\\x\\y\\z.htm", "C:\\x\\y"},
      {plat::PathStyle::Windows, "C:\\\x95\x5C\\a.htm", "C:\\\x95\x5C"},
      {plat::PathStyle::Windows, "/home/u/a.htm", nullptr},
      {plat::PathStyle::Windows, "z.htm", nullptr},
      {plat::PathStyle::Posix, "/home/u/a\\b.htm", "/home/u"},  // a backslash in a Linux name
      {plat::PathStyle::Posix, "/srv/x\\y/z.htm", "/srv/x\\y"},
      {plat::PathStyle::Posix, "/a.htm", "/"},
      {plat::PathStyle::Posix, "rel/a.htm", "rel"},
      {plat::PathStyle::Posix, "C:\\x\\y.htm", nullptr},
      {plat::PathStyle::Posix, "a.htm", nullptr},
  };
  plat::SetTextEncoding(plat::Encoding::Cp932);
  for (const Case& c : cases) {
    plat::SetBrowsePathStyle(c.style);
    std::string dir = "<none>";
    plat::DirectoryOf(c.path, &dir);
    EXPECT_EQ(dir, c.dir ? c.dir : "<none>") << c.path;
  }
  plat::SetBrowsePathStyle(plat::PathStyle::Windows);
  plat::SetTextEncoding(plat::Encoding::Utf8);
}

TEST(SettingNames, CommandValuesBelongToOneSlot) {
  struct Case {
    const char* entry;
    int slot;
    bool mine;
  };
  const Case cases[] = {
      {"Bsc_121ID", 121, true},       {"Bsc_121ID", 12, false},       {"Bsc_12ID", 12, true},
      {"Bsc_12ID", 121, false},       {"Bsc_121Flag", 1, false},      {"Bsc_121", 121, false},
      {"Evnt_116Evnts", 116, true},   {"Syl_121Flag", 121, true},     {"SylClr_121Clr", 121, true},
      {"StlFnt_121Size", 121, true},  {"MV_121MTop", 121, true},      {"EBD_121Style", 121, true},
      {"LtSyl_140Type", 140, true},   {"BODY_116BackGround", 116, true},
      {"SCRIPT_117Src", 117, true},   {"Syl_-29000Flag", -29000, true}, {"Syl_-29000Flag", -2, false},
      {"Bsc_Path", 121, false},       {"IMG_SrcPath", 121, false},    {"BODY_OnLoadPath", 116, false},
      {"SylCss_Selecta", 115, false}, {"SylCss_Style", 115, false},   {"TBox_1Left", 1, false},
      {"ToolBox_1Cmd3", 1, false},    {"bsc_121ID", 121, false},      {"XBsc_121ID", 121, false},
      {"Other_121ID", 121, false},    {"", 121, false},
  };
  for (const Case& c : cases) EXPECT_EQ(tq::IsCommandValue(c.entry, c.slot), c.mine) << c.entry << " " << c.slot;
}

TEST(SettingNames, FormattedWithTheSlotAndCutLikeWsprintf) {
  EXPECT_EQ(tq::SettingName("HEAD_%dFlag", 110), "HEAD_110Flag");
  EXPECT_EQ(tq::SettingName("Bsc_%dID", -29000), "Bsc_-29000ID");
  std::string longPattern(2000, 'x');
  longPattern += "%d";
  EXPECT_EQ(tq::SettingName(longPattern.c_str(), 1).size(), 1023u);
}

TEST(Encoding, FixedTextsConvertedUserTextUntouched) {
  plat::SetTextEncoding(plat::Encoding::Cp932);
  EXPECT_STREQ(plat::J("の設定"), "\x82\xCC\x90\xDD\x92\xE8");
  EXPECT_STREQ(plat::J("ASCII"), "ASCII");
  plat::SetTextEncoding(plat::Encoding::Utf8);
  EXPECT_STREQ(plat::J("の設定"), "の設定");
  EXPECT_EQ(plat::Cp932ToUtf8("\x95\x5C"), "表");
}

}  // namespace tqtest
