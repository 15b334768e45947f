#include <unistd.h>

#include <cstdlib>
#include <sstream>
#include <string>

#include "cli/cli.h"
#include "fixture.h"

namespace tqtest {

class Cli : public ::testing::Test {
 protected:
  void SetUp() override {
    char tmpl[] = "/tmp/tqcliXXXXXX";
    dir = mkdtemp(tmpl);
    profile = dir + "/p.ini";
  }
  void TearDown() override { std::system(("rm -rf " + dir).c_str()); }
  int Tq(std::vector<std::string> args, const std::string& in = "") {
    std::istringstream i(in);
    std::ostringstream o, e;
    args.insert(args.begin(), {"--profile", profile});
    int rc = tq::cli::Main(args, i, o, e);
    out = o.str();
    err = e.str();
    return rc;
  }
  std::string dir, profile, out, err;
};

TEST_F(Cli, RunsSimpleCommandsByteForByte) {
  EXPECT_EQ(Tq({"run", "29021"}, "abc"), 0);
  EXPECT_EQ(out, "<H1>abc</H1>");
  EXPECT_EQ(Tq({"run", "29040"}, "x"), 0);
  EXPECT_EQ(out, "<UL>\r\nx\r\n</UL>");
  const std::string sjis = "\x95\x5C\x83\x5C\r\n\xFF";  // not UTF-8, passed through
  EXPECT_EQ(Tq({"run", "29301"}, sjis), 0);
  EXPECT_EQ(out, "<B>" + sjis + "</B>");
  for (const char* id : {"29001", "29005", "29473", "-1", "2147483647"}) {
    EXPECT_EQ(Tq({"run", id}, "same\0bytes"), 0) << id;
    EXPECT_EQ(out, "same") << id;
  }
  EXPECT_EQ(Tq({"run", "29001"}, std::string("a\0b", 3)), 0);
  EXPECT_EQ(out, std::string("a\0b", 3));  // nothing built: the input whole
}

TEST_F(Cli, BadInvocationsFailClearly) {
  EXPECT_EQ(Tq({"run", "abc"}), 2);
  EXPECT_NE(err.find("'abc' is not a valid tag command id"), std::string::npos);
  EXPECT_EQ(Tq({"run", "99999999999"}), 2);
  EXPECT_EQ(Tq({"run"}), 2);
  EXPECT_EQ(Tq({"--bogus", "run", "29021"}), 2);
  EXPECT_NE(err.find("unknown option '--bogus'"), std::string::npos);
  EXPECT_EQ(Tq({"--encoding", "latin1", "run", "29021"}), 2);
  EXPECT_EQ(Tq({"--set", "novalue", "run", "29021"}), 2);
  EXPECT_EQ(Tq({"--set-int", "A=x", "run", "29021"}), 2);
  EXPECT_EQ(Tq({"frobnicate"}), 2);
  EXPECT_EQ(Tq({"list", "99"}), 1);
  EXPECT_EQ(Tq({"--help"}), 0);
  EXPECT_NE(out.find("usage: tagquill"), std::string::npos);
  std::system(("mkdir -p " + profile).c_str());  // unreadable: a directory
  EXPECT_NE(Tq({"run", "29111"}, "t"), 0);
}

TEST_F(Cli, DetailCommandsUseAndKeepTheRememberedFields) {
  EXPECT_EQ(Tq({"--set", "HEAD_113Name=author", "--set-int", "HEAD_113Flag=4096", "--set",
                "HEAD_113Content=me", "run", "29113"}),
            0);
  EXPECT_EQ(out, "<META NAME=\"author\" CONTENT=\"me\">");
  // Friendlier: by the labels the dialog shows.
  EXPECT_EQ(Tq({"run", "29112", "--check", "HREF", "--text", "HREF=http://x/", "--check", "target",
                "--text", "TARGET=_top"}),
            0);
  EXPECT_EQ(out, "<BASE HREF=\"http://x/\" TARGET=\"_top\">");
  EXPECT_EQ(Tq({"run", "29112"}), 0);  // remembered
  EXPECT_EQ(out, "<BASE HREF=\"http://x/\" TARGET=\"_top\">");
  EXPECT_EQ(Tq({"run", "29112", "--check", "LANG"}, "sel"), 1);  // BASE has no LANG
  EXPECT_NE(err.find("'LANG' cannot be changed"), std::string::npos);
  EXPECT_EQ(out, "sel");
  EXPECT_EQ(Tq({"run", "29111", "--text", "LANG=ja"}, "sel"), 1);
  EXPECT_NE(err.find("check it first"), std::string::npos);
  EXPECT_EQ(Tq({"run", "29112", "--uncheck", "HREF", "--cancel"}, "sel"), 0);
  EXPECT_EQ(out, "sel");
  EXPECT_EQ(Tq({"run", "29112"}), 0);  // Cancel wrote nothing
  EXPECT_EQ(out, "<BASE HREF=\"http://x/\" TARGET=\"_top\">");
}

TEST_F(Cli, ListsCommandsMenuAndEncodings) {
  EXPECT_EQ(Tq({"list", "106"}), 0);
  EXPECT_EQ(out.find("LANG\nar (アラビア語)\nde (ドイツ語)\n"), 0u);
  EXPECT_EQ(Tq({"--encoding", "cp932", "list", "108"}), 0);
  EXPECT_EQ(out.substr(0, 9), "\x90\x46\x82\xCC\x8E\x77\x92\xE8\n");  // 色の指定
  EXPECT_EQ(Tq({"commands"}), 0);
  EXPECT_NE(out.find("29121\t見出し<H&1> (詳細)\n"), std::string::npos);
  EXPECT_EQ(Tq({"menu"}), 0);
  EXPECT_NE(out.find("フォーム(&M)\n"), std::string::npos);
  EXPECT_NE(out.find("    見出し<H1>\t29021\n"), std::string::npos);
  EXPECT_EQ(Tq({"show", "29113"}), 0);
  EXPECT_NE(out.find("<META>の設定\n"), std::string::npos);
  EXPECT_NE(out.find("[ ] &NAME"), std::string::npos);
  EXPECT_EQ(Tq({"--encoding", "cp932", "run", "29014"}, "x"), 0);
  EXPECT_NE(out.find("\x82\xB1\x82\xB1\x82\xC9"), std::string::npos);  // ここに
}

TEST_F(Cli, StyleRuleByItsLabelsAndRemembered) {
  EXPECT_EQ(Tq({"run", "29115", "--text", "STYLEを設定する要素,クラスなど=P", "--text",
                "スタイル=color:red;\r\nmargin:0;"},
               "x"),
            0);
  EXPECT_EQ(out, "P  { color:red; margin:0; }\r\nx");
  EXPECT_EQ(Tq({"run", "29115"}), 0);  // shared by every use
  EXPECT_EQ(out, "P  { color:red; margin:0; }\r\n");
  EXPECT_EQ(Tq({"run", "29115", "--text", "スタイル=x", "--cancel"}, "sel"), 0);
  EXPECT_EQ(out, "sel");
}

TEST_F(Cli, ProfileRefusalsAndBrowsedDirectoriesOfLinuxPaths) {
  profile = "/dev/null";
  EXPECT_EQ(Tq({"run", "29112"}, "sel"), 1);
  EXPECT_EQ(err, "tagquill: cannot read the profile /dev/null: a character device, not a settings file\n");
  // The directory of a Linux path ends at its last '/': a backslash is part of a name.
  profile = dir + "/p.ini";
  EXPECT_EQ(Tq({"run", "29112", "--check", "HREF", "--file", "/srv/a\\b/x.htm", "--choose", "参照(F)"}), 0);
  EXPECT_EQ(out, "<BASE HREF=\"/srv/a\\b/x.htm\">");
  plat::FileProfile p(profile);
  ASSERT_TRUE(p.Load(nullptr, false));
  EXPECT_EQ(p.GetString("HTML", "HEAD_HrefPath", ""), "/srv/a\\b");
}

}  // namespace tqtest
