#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "fixture.h"

namespace tqtest {

class FileProfileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char tmpl[] = "/tmp/tqprofXXXXXX";
    dir = mkdtemp(tmpl);
    path = dir + "/sub/profile.ini";
  }
  void TearDown() override { std::system(("rm -rf " + dir).c_str()); }
  std::string Contents() {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
  }
  void Plant(const std::string& text) {
    std::system(("mkdir -p " + dir + "/sub").c_str());
    std::ofstream(path, std::ios::binary) << text;
  }
  std::string dir, path;
};

TEST_F(FileProfileTest, RoundTripOfStringsAndIntegersWithAwkwardBytes) {
  const std::string awkward = std::string("a\"b\\c\r\nd\te\x01\x7F") + "\x95\x5C" + "=[x]#";
  {
    plat::FileProfile p(path);
    ASSERT_TRUE(p.Load(nullptr));
    EXPECT_TRUE(p.WriteString("HTML", "Bsc_121ID", "top"));
    EXPECT_TRUE(p.WriteString("HTML", "odd name=\"x\"", awkward));
    EXPECT_TRUE(p.WriteInt("HTML", "Bsc_121Flag", -7));
    EXPECT_TRUE(p.WriteString("HTML", "Empty", ""));
  }
  plat::FileProfile q(path);
  ASSERT_TRUE(q.Load(nullptr));
  EXPECT_EQ(q.GetString("HTML", "Bsc_121ID", "d"), "top");
  EXPECT_EQ(q.GetString("HTML", "odd name=\"x\"", "d"), awkward);
  EXPECT_EQ(q.GetInt("HTML", "Bsc_121Flag", 0), -7);
  EXPECT_EQ(q.GetString("HTML", "Empty", "d"), "");
  EXPECT_EQ(q.GetString("Other", "Bsc_121ID", "d"), "d");
  // Human-readable: one line per value.
  EXPECT_NE(Contents().find("Bsc_121ID = \"top\"\n"), std::string::npos);
  EXPECT_NE(Contents().find("Bsc_121Flag = -7\n"), std::string::npos);
}

TEST_F(FileProfileTest, WrongTypesAndGarbageReadAsDefaultsAndSurviveRewrites) {
  Plant("[HTML]\nS = \"text\"\nI = 12\nBig = 99999999999\nBad = \"unterminated\nJunk = 1 2\n"
        "no equals sign\n\"broken \\q\" = 1\n[\nX = 5\n");
  plat::FileProfile p(path);
  ASSERT_TRUE(p.Load(nullptr));
  EXPECT_EQ(p.GetInt("HTML", "S", 4), 4);
  EXPECT_EQ(p.GetString("HTML", "I", "d"), "d");
  EXPECT_EQ(p.GetInt("HTML", "Big", 4), 4);
  EXPECT_EQ(p.GetString("HTML", "Bad", "d"), "d");
  EXPECT_EQ(p.GetInt("HTML", "Junk", 4), 4);
  EXPECT_EQ(p.GetInt("HTML", "X", 4), 5);  // the broken section header changes nothing
  ASSERT_TRUE(p.WriteInt("HTML", "New", 1));
  EXPECT_NE(Contents().find("Junk = 1 2"), std::string::npos);  // kept for the user to fix
}

TEST_F(FileProfileTest, WritesAreAtomicAndLeaveNoTemporaryFiles) {
  plat::FileProfile p(path);
  ASSERT_TRUE(p.Load(nullptr));
  for (int i = 0; i < 20; ++i) ASSERT_TRUE(p.WriteInt("HTML", "N" + std::to_string(i), i));
  std::string listing;
  FILE* ls = popen(("ls -a " + dir + "/sub").c_str(), "r");
  char buf[256];
  while (fgets(buf, sizeof buf, ls)) listing += buf;
  pclose(ls);
  EXPECT_EQ(listing, ".\n..\nprofile.ini\n");
}

TEST_F(FileProfileTest, HugeValues) {
  std::string mib(1 << 20, 'v');
  plat::FileProfile p(path);
  ASSERT_TRUE(p.WriteString("HTML", "Huge", mib));
  plat::FileProfile q(path);
  ASSERT_TRUE(q.Load(nullptr));
  EXPECT_EQ(q.GetString("HTML", "Huge", ""), mib);
}

TEST_F(FileProfileTest, UnreadableProfileIsReported) {
  std::system(("mkdir -p " + path).c_str());  // a directory where the file should be
  plat::FileProfile p(path);
  std::string why;
  bool ok = p.Load(&why);
  if (ok) {
    // Reading a directory "succeeds" on some systems; writing must still fail.
    EXPECT_FALSE(p.WriteInt("HTML", "x", 1));
  } else {
    EXPECT_NE(why.find(path), std::string::npos);
  }
  plat::FileProfile missing(dir + "/none.ini");
  EXPECT_TRUE(missing.Load(&why));  // no file yet is not an error
}

TEST_F(FileProfileTest, ValuesAreCutAtNulLikeRegistryStrings) {
  HtmlApp().SetProfile(std::make_unique<plat::FileProfile>(path));
  HtmlApp().WriteProfileString("HTML", "Nul", std::string("ab\0cd", 5));
  EXPECT_EQ(HtmlApp().GetProfileString("HTML", "Nul", "d"), "ab");
  HtmlApp().SetProfile(std::make_unique<plat::MemoryProfile>());
}

}  // namespace tqtest
