#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
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
  static std::string Slurp(const std::string& path) {
    std::ifstream f(path, std::ios::binary);
    std::ostringstream s;
    s << f.rdbuf();
    return s.str();
  }
  // Runs the tool as a process would: the selection from a file, the
  // result and the messages into files (or to outPath, e.g. /dev/full).
  int Tq(std::vector<std::string> args, const std::string& in = "", const std::string& outPath = "") {
    args.insert(args.begin(), {"--profile", profile});
    std::ofstream(dir + "/in", std::ios::binary) << in;
    const std::string o = outPath.empty() ? dir + "/out" : outPath;
    int fi = open((dir + "/in").c_str(), O_RDONLY);
    int fo = open(o.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    int fe = open((dir + "/err").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    int rc = tq::cli::Main(args, fi, fo, fe);
    close(fi);
    close(fo);
    close(fe);
    out = outPath.empty() ? Slurp(o) : "";
    err = Slurp(dir + "/err");
    return rc;
  }
  // The result of a run that must succeed, else its status and messages.
  std::string Out(std::vector<std::string> args, const std::string& in = "") {
    const int rc = Tq(std::move(args), in);
    return rc == 0 ? out : "status " + std::to_string(rc) + ": " + err;
  }
  bool ErrHas(const std::string& s) const { return err.find(s) != std::string::npos; }
  std::string dir, profile, out, err;
};

TEST_F(Cli, SimpleCommandsPassTheSelectionThroughByteForByte) {
  const std::string sjis = "\x95\x5C\x83\x5C\r\n\xFF";  // not UTF-8, passed through
  struct Case {
    std::vector<std::string> args;
    std::string in, out;
  } cases[] = {
      {{"run", "29021"}, "abc", "<H1>abc</H1>"},
      {{"run", "29040"}, "x", "<UL>\r\nx\r\n</UL>"},
      {{"run", "29301"}, sjis, "<B>" + sjis + "</B>"},
      // A line-wise selection keeps its line break outside the element.
      {{"run", "29021"}, "abc\n", "<H1>abc</H1>\n"},
      {{"run", "29345"}, "a.htm\r\n", "<A HREF=\"a.htm\">a.htm</A>\r\n"},
      {{"run", "29021"}, "\n", "<H1></H1>\n"},
      {{"run", "29021"}, "a\nb\n", "<H1>a\nb</H1>\n"},
      // Line breaks of the built text; the selection's own stay.
      {{"--eol", "lf", "run", "29040"}, "a\r\nb\n", "<UL>\na\r\nb\n</UL>\n"},
      {{"--eol", "auto", "run", "29040"}, "a\nb\n", "<UL>\na\nb\n</UL>\n"},
      {{"--eol", "auto", "run", "29040"}, "a\r\nb\r\n", "<UL>\r\na\r\nb\r\n</UL>\r\n"},
      {{"--eol", "auto", "run", "29040"}, "x", "<UL>\r\nx\r\n</UL>"},
      // A command with nothing to do gives the selection back.
      {{"run", "29001"}, "same", "same"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Out(c.args, c.in), c.out) << c.args.back();
    EXPECT_EQ(err, "") << c.args.back();
  }
}

// Every nested dialog kind reached through --press, ending in the one named.
TEST_F(Cli, ChainsReachEveryKindOfNestedDialog) {
  const std::vector<std::string> composer = {"run", "29121", "--check", "STYLE", "--press", "変更(&S)"};
  auto with = [&](std::vector<std::string> tail) {
    std::vector<std::string> a = composer;
    a.insert(a.end(), tail.begin(), tail.end());
    return a;
  };
  const std::vector<std::string> edge = {"--check", "BORDER", "--press", "変更(&O)", "--check",
                                         "border-top", "--press", "変更(&U)", "--check", "width",
                                         "--choose", "thick", "--check", "color"};
  auto edgeThen = [&](std::vector<std::string> tail) {
    std::vector<std::string> a = edge;
    a.insert(a.end(), tail.begin(), tail.end());
    return with(a);
  };
  struct Case {
    const char* what;
    std::vector<std::string> args;
    std::string out;
  } cases[] = {
      {"group dialog and value-list chooser",
       with({"--check", "フォント関連の設定(F)", "--press", "変更(&G)", "--check", "font-weight", "--press",
             "参照(&G)", "--pick", "bold"}),
       "<H1 STYLE=\"font-weight:bold;\">abc</H1>"},
      {"border edge with a list pick", edgeThen({"--press", "変更(&A)", "--pick", "Navy"}),
       "<H1 STYLE=\"border-top:thick Navy;\">abc</H1>"},
      {"colour dialog", edgeThen({"--press", "変更(&B)", "--color", "red"}),
       "<H1 STYLE=\"border-top:thick #FF0000;\">abc</H1>"},
      {"box value dialog, a governed box and a shared unit",
       with({"--check", "M", "--press", "変更(&N)", "--check", "margin", "--press", "変更(&M)", "--text",
             "top=1", "--choose", "top:em", "--text", "left=2"}),
       "<H1 STYLE=\"margin:1em 0px 0px 2px;\">abc</H1>"},
      {"font dialog",
       with({"--check", "F", "--press", "変更(&G)", "--check", "font-family", "--press", "参照(&I)", "--font",
             "Arial:12"}),
       "<H1 STYLE=\"font-family:'Arial';\">abc</H1>"},
      {"events dialog",
       {"run", "29121", "--check", "EVENT", "--press", "変更(&V)", "--pick", "イベントとスクリプトの選択=onClick",
        "--text", "起動するスクリプト=go()", "--press", "追加(&A)"},
       "<H1 onClick = \"go()\">abc</H1>"},
      {"list style dialog",
       {"run", "29140", "--check", "STYLE", "--press", "変更(&S)", "--check", "list-style-type", "--press",
        "参照(&T)", "--pick", "square"},
       "<UL STYLE=\"list-style-type:square;\">\r\nabc\r\n</UL>"},
      {"list box of the dialog itself, enabled by its box",
       {"run", "29151", "--pick", "FRAME=box", "--choose", "CELLPADDING:%", "--text", "CELLPADDING=3"},
       "<TABLE FRAME=\"box\" CELLPADDING=\"3%\">\r\nabc\r\n</TABLE>"},
      {"file dialog", {"run", "29455", "--press", "参照(&S)", "--file", "/tmp/pics/a.png"},
       "<IMG SRC=\"/tmp/pics/a.png\" ALT=\"\">abc"},
      {"colour dialog of the command's own dialog",
       {"run", "29116", "--check", "TEXT", "--press", "参照(&E)", "--color", "#102030"},
       "<BODY TEXT=\"#102030\">\r\nabc\r\n</BODY>"},
      {"a cancelled nested dialog changes nothing",
       with({"--check", "M", "--press", "変更(&N)", "--check", "margin", "--press", "変更(&M)", "--text",
             "top=5", "--cancel", "--cancel", "--cancel", "--uncheck", "STYLE"}),
       "<H1>abc</H1>"},
  };
  for (const Case& c : cases) {
    std::remove(profile.c_str());
    EXPECT_EQ(Out(c.args, "abc"), c.out) << c.what;
  }
  // The chosen file and its directory are remembered.
  EXPECT_EQ(Tq({"run", "29455", "--press", "参照(&S)", "--file", "/tmp/pics/a.png"}, "abc"), 0);
  EXPECT_EQ(Out({"run", "29455"}, "abc"), "<IMG SRC=\"/tmp/pics/a.png\" ALT=\"\">abc");
  EXPECT_NE(Slurp(profile).find("\"/tmp/pics\""), std::string::npos);
}

TEST_F(Cli, LabelsAreWhatTheControlsShow) {
  struct Case {
    const char* what;
    std::vector<std::string> args;
    std::string out;  // "" when the run must fail
    std::string message;
  } cases[] = {
      {"ASCII word of \"&ID指定\"", {"run", "29121", "--check", "ID", "--text", "ID=top"},
       "<H1 ID=\"top\">abc</H1>", ""},
      {"caption with its '&'", {"run", "29121", "--check", "&ID指定", "--text", "id=t"},
       "<H1 ID=\"t\">abc</H1>", ""},
      {"caption set at run time", {"run", "29140", "--check", "COMPACT指定"},
       "<UL COMPACT>\r\nabc\r\n</UL>", ""},
      {"run-time caption by its word", {"run", "29417", "--text", "CITE=x.htm"},
       "<Q CITE=\"x.htm\">abc</Q>", ""},
      {"shared radio caption", {"run", "29151", "--choose", "%"}, "",
       "'%' names several option buttons in \"作表に関する属性の設定 <TABLE>\" (dialog 2013): WIDTH:%, "
       "CELLSPACING:%, CELLPADDING:%"},
      {"unknown label lists the dialog's boxes", {"run", "29121", "--check", "NOPE"}, "",
       "no check box 'NOPE' in \"基本的な属性の設定 <H1>\" (dialog 2000); its check boxes: ID, CLASS, TITLE, "
       "STYLE, LANG, DIR, EVENT, ALIGN"},
      {"a static label is not a check box", {"run", "29455", "--check", "SRC"}, "",
       "'SRC' is not a check box in \"画像<IMG>の設定\" (dialog 2017)"},
      {"disabled for this element", {"run", "29112", "--check", "LANG"}, "", "'LANG' is disabled"},
      {"ambiguous list entry", {"run", "29121", "--press", "変更(&S)", "--press", "変更(&G)", "--press",
                                "参照(&G)", "--pick", "bo"},
       "", "'bo' starts several entries"},
      {"an answer nothing asked for", {"run", "29121", "--file", "x"}, "", "no dialog asked for '--file x'"},
      {"the answer left over is named", {"run", "29455", "--press", "参照(&S)", "--file", "/a", "--file", "/b"},
       "", "no dialog asked for '--file /b'"},
      {"an action after the dialog closed", {"run", "29121", "--ok", "--check", "ID"}, "",
       "'--check ID' comes after the dialog closed"},
      {"field actions on a simple command", {"run", "29021", "--check", "ID"}, "",
       "29021 has no dialog for field actions"},
      {"a dialog's message box goes to stderr, and --ok answers it",
       {"run", "29121", "--check", "EVENT", "--press", "変更(&V)", "--press", "追加(&A)", "--ok", "--cancel",
        "--uncheck", "EVENT"},
       "<H1>abc</H1>", "イベントが指定されていません。"},
  };
  for (const Case& c : cases) {
    std::remove(profile.c_str());
    const int rc = Tq(c.args, "abc");
    if (!c.out.empty()) {
      EXPECT_EQ(rc, 0) << c.what << ": " << err;
      EXPECT_EQ(out, c.out) << c.what;
    } else {
      EXPECT_NE(rc, 0) << c.what;
      EXPECT_EQ(out, "abc") << c.what;
    }
    if (!c.message.empty()) {
      EXPECT_TRUE(ErrHas(c.message)) << c.what << ": " << err;
    }
  }
}

// Whatever fails, the selection comes back whole and the status says so.
TEST_F(Cli, EveryFailureGivesTheSelectionBack) {
  const std::string sel = "keep\xE3\x81\x82\n";
  struct Case {
    const char* what;
    std::vector<std::string> args;
    int status;
  } cases[] = {
      {"not a number", {"run", "abc"}, 2},
      {"not a command", {"run", "12345"}, 2},
      {"unknown option", {"--bogus", "run", "29021"}, 2},
      {"option without value", {"run", "29121", "--check"}, 2},
      {"bad colour", {"run", "29116", "--color", "nope"}, 2},
      {"unknown verb", {"frobnicate"}, 2},
      {"no verb", {}, 2},
      {"unknown label", {"run", "29121", "--check", "NOPE"}, 1},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Tq(c.args, sel), c.status) << c.what;
    EXPECT_EQ(out, sel) << c.what;
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << c.what << ": " << err;
  }
  std::system(("mkdir -p " + profile).c_str());  // unreadable: a directory
  EXPECT_EQ(Tq({"run", "29111"}, sel), 1);
  EXPECT_EQ(out, sel);
  std::system(("rmdir " + profile).c_str());
  const std::string nul("a\0b", 3);
  EXPECT_EQ(Tq({"run", "29021"}, nul), 1);
  EXPECT_EQ(out, nul);
  EXPECT_TRUE(ErrHas("NUL byte (at offset 1)"));
  EXPECT_EQ(Tq({"run", "29021"}, "abc", "/dev/full"), 1);
  EXPECT_TRUE(ErrHas("cannot write the result"));
  // Cancel is not a failure: the selection, status 0.
  EXPECT_EQ(Out({"run", "29121", "--check", "ID", "--cancel"}, sel), sel);
}

TEST_F(Cli, RemembersFieldsUnlessToldNotTo) {
  EXPECT_EQ(Out({"--set", "HEAD_113Name=author", "--set-int", "HEAD_113Flag=4096", "--set", "HEAD_113Content=me",
                 "run", "29113"}),
            "<META NAME=\"author\" CONTENT=\"me\">");
  EXPECT_EQ(Out({"run", "29112", "--text", "HREF=http://x/", "--text", "TARGET=_top"}),
            "<BASE HREF=\"http://x/\" TARGET=\"_top\">");
  EXPECT_EQ(Out({"run", "29112"}), "<BASE HREF=\"http://x/\" TARGET=\"_top\">");
  EXPECT_EQ(Out({"--no-save", "run", "29112", "--uncheck", "HREF"}), "<BASE TARGET=\"_top\">");
  EXPECT_EQ(Tq({"run", "29112", "--uncheck", "HREF", "--cancel"}, "sel"), 0);
  EXPECT_EQ(Tq({"run", "29112"}), 0);  // neither wrote anything
  EXPECT_EQ(out, "<BASE HREF=\"http://x/\" TARGET=\"_top\">");
  EXPECT_EQ(Out({"run", "29115", "--text", "STYLEを設定する要素,クラスなど=P", "--text",
                 "スタイル=color:red;\r\nmargin:0;"},
                "x"),
            "P  { color:red; margin:0; }\r\nx");
  // reset forgets one command's fields, and only that command's.
  EXPECT_EQ(Tq({"run", "29121", "--text", "ID=a"}, "x"), 0);
  EXPECT_EQ(Tq({"run", "29122", "--text", "ID=b"}, "x"), 0);
  EXPECT_EQ(Tq({"reset", "29121"}), 0);
  EXPECT_EQ(err, "");
  EXPECT_EQ(Out({"run", "29121"}, "x"), "<H1>x</H1>");
  EXPECT_EQ(Out({"run", "29122"}, "x"), "<H2 ID=\"b\">x</H2>");
}

TEST_F(Cli, ShowsDialogsListsAndWhatButtonsOpen) {
  EXPECT_EQ(Tq({"show", "29121", "--press", "変更(&S)", "--check", "F"}), 0) << err;
  EXPECT_EQ(out.find("スタイルの設定 <H1>\n"), 0u);
  EXPECT_TRUE(out.find("[x] フォント関連の設定(&F)\n") != std::string::npos) << out;
  EXPECT_TRUE(out.find("<変更(&G)>  opens \" STYLE : フォントの設定 <H1>\"") != std::string::npos) << out;
  EXPECT_EQ(Tq({"show", "29151", "--check", "FRAME"}), 0);
  EXPECT_NE(out.find("    list of 9\n        above (上辺だけ)\n"), std::string::npos) << out;
  EXPECT_EQ(Tq({"show", "29455"}), 0);
  EXPECT_NE(out.find("<参照(&S)>  opens the file dialog"), std::string::npos) << out;
  EXPECT_EQ(Tq({"labels", "29151"}), 0);
  EXPECT_NE(out.find("\nCELLPADDING\n"), std::string::npos);
  EXPECT_NE(out.find("\nCELLPADDING:%\n"), std::string::npos);
  EXPECT_EQ(Tq({"show", "29021"}), 1);  // no dialog
  EXPECT_EQ(Tq({"list", "106"}), 0);
  EXPECT_EQ(out.find("LANG\nar (アラビア語)\nde (ドイツ語)\n"), 0u);
  EXPECT_EQ(Tq({"--encoding", "cp932", "list", "108"}), 0);
  EXPECT_EQ(out.substr(0, 9), "\x90\x46\x82\xCC\x8E\x77\x92\xE8\n");  // 色の指定
  EXPECT_EQ(Tq({"commands"}), 0);
  EXPECT_NE(out.find("29121\t見出し<H&1> (詳細)\n"), std::string::npos);
  EXPECT_EQ(Tq({"menu"}), 0);
  EXPECT_NE(out.find("    見出し<H1>\t29021\n"), std::string::npos);
  EXPECT_EQ(Out({"--version"}), "tagquill 1.0.141\n");
}

TEST_F(Cli, ProfileRefusalsAndBrowsedDirectoriesOfLinuxPaths) {
  profile = "/dev/null";
  EXPECT_EQ(Tq({"run", "29112"}, "sel"), 1);
  EXPECT_EQ(err, "tagquill: cannot read the profile /dev/null: a character device, not a settings file\n");
  // The directory of a Linux path ends at its last '/': a backslash is part of a name.
  profile = dir + "/p.ini";
  EXPECT_EQ(Out({"run", "29112", "--check", "HREF", "--file", "/srv/a\\b/x.htm", "--press", "参照(F)"}),
            "<BASE HREF=\"/srv/a\\b/x.htm\">");
  plat::FileProfile p(profile);
  ASSERT_TRUE(p.Load(nullptr, false));
  EXPECT_EQ(p.GetString("HTML", "HEAD_HrefPath", ""), "/srv/a\\b");
}

}  // namespace tqtest
