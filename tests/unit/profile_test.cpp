#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "fixture.h"

namespace tqtest {

class FileProfileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char tmpl[] = "/tmp/tqprofXXXXXX";
    dir = mkdtemp(tmpl);
    path = dir + "/sub/profile.ini";
  }
  void TearDown() override {
    std::system(("chmod -R u+w " + dir + " 2>/dev/null; rm -rf " + dir).c_str());
  }
  std::string Contents(const std::string& file = "") {
    std::ifstream in(file.empty() ? path : file, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
  }
  void Plant(const std::string& text) {
    std::system(("mkdir -p " + dir + "/sub").c_str());
    unlink(path.c_str());
    std::ofstream(path, std::ios::binary) << text;
  }
  std::string Listing() {
    std::string listing;
    FILE* ls = popen(("ls -a " + dir + "/sub").c_str(), "r");
    char buf[256];
    while (fgets(buf, sizeof buf, ls)) listing += buf;
    pclose(ls);
    return listing;
  }
  struct stat Stat(const std::string& file = "") {
    struct stat st {};
    stat((file.empty() ? path : file).c_str(), &st);
    return st;
  }
  // Loads file for saving, edits and saves it: "" or why that failed.
  static std::string Saved(const std::string& file, const std::function<void(plat::FileProfile&)>& edit) {
    plat::FileProfile p(file);
    std::string why;
    if (!p.Load(&why)) return "load: " + why;
    edit(p);
    return p.Save(&why) ? "" : why;
  }
  std::string dir, path;
};

// Runs body in a child process, as an ordinary user when the tests run as
// root (so that permissions apply), and returns the text it returned.
std::string InChild(const std::function<std::string()>& body, bool unprivileged) {
  int p[2];
  if (pipe(p) != 0) return "pipe failed";
  pid_t pid = fork();
  if (pid == 0) {
    close(p[0]);
    if (unprivileged && geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) _exit(3);
    std::string r = body();
    if (write(p[1], r.data(), r.size()) < 0) _exit(2);
    _exit(0);
  }
  close(p[1]);
  std::string r;
  char buf[512];
  ssize_t n;
  while ((n = read(p[0], buf, sizeof buf)) > 0) r.append(buf, static_cast<size_t>(n));
  close(p[0]);
  int status = 0;
  waitpid(pid, &status, 0);
  return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? r : "child failed";
}

TEST_F(FileProfileTest, RoundTripOfStringsAndIntegersWithAwkwardBytes) {
  const std::string awkward = std::string("a\"b\\c\r\nd\te\x01\x7F") + "\x95\x5C" + "=[x]#";
  {
    plat::FileProfile p(path);
    ASSERT_TRUE(p.Load(nullptr));
    EXPECT_TRUE(p.WriteString("HTML", "Bsc_121ID", "top"));
    EXPECT_TRUE(p.WriteString("HTML", "odd name=\"x\"", awkward));
    EXPECT_TRUE(p.WriteInt("HTML", "Bsc_121Flag", -7));
    EXPECT_TRUE(p.WriteString("HTML", "Empty", ""));
    ASSERT_TRUE(p.Save(nullptr));
  }
  plat::FileProfile q(path);
  ASSERT_TRUE(q.Load(nullptr, false));
  EXPECT_EQ(q.GetString("HTML", "Bsc_121ID", "d"), "top");
  EXPECT_EQ(q.GetString("HTML", "odd name=\"x\"", "d"), awkward);
  EXPECT_EQ(q.GetInt("HTML", "Bsc_121Flag", 0), -7);
  EXPECT_EQ(q.GetString("HTML", "Empty", "d"), "");
  EXPECT_EQ(q.GetString("Other", "Bsc_121ID", "d"), "d");
  // Human-readable: one line per value, in the order written.
  EXPECT_EQ(Contents(),
            "# Tagquill settings; strings in double quotes, integers bare.\n[HTML]\nBsc_121ID = \"top\"\n"
            "\"odd name=\\\"x\\\"\" = \"a\\\"b\\\\c\\r\\nd\\te\\x01\\x7F\x95\\\\=[x]#\"\n"
            "Bsc_121Flag = -7\nEmpty = \"\"\n");
}

TEST_F(FileProfileTest, WrongTypesAndGarbageReadAsDefaults) {
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
  EXPECT_FALSE(p.WriteRaw("HTML", "Two", "1\n[Other]"));  // would split the line
}

// Each case plants a file, applies edits and saves: the file must read
// exactly as expected, everything not edited left where it was.
TEST_F(FileProfileTest, SavesKeepCommentsUnknownLinesAndOrder) {
  using Edit = std::function<void(plat::FileProfile&)>;
  struct Case {
    const char* what;
    std::string planted;
    Edit edit;
    std::string expected;
  };
  auto set = [](const char* sec, const char* name, const char* v) {
    return [=](plat::FileProfile& p) { p.WriteString(sec, name, v); };
  };
  const std::string mixed =
      "# my notes\n[HTML]\n; old style comment\nB = 2\n  A = \"x\"   \nJunk = 1 2\nno equals sign\n\n"
      "# toolbox below\n[Tool]\nZ = 1\n";
  const Case cases[] = {
      {"unchanged value: nothing to write", mixed, set("HTML", "A", "x"), mixed},
      {"changed value on its own line", mixed, set("HTML", "B", "new"),
       "# my notes\n[HTML]\n; old style comment\nB = \"new\"\n  A = \"x\"   \nJunk = 1 2\nno equals sign\n\n"
       "# toolbox below\n[Tool]\nZ = 1\n"},
      {"indent kept, junk replaced by a value", mixed,
       [](plat::FileProfile& p) {
         p.WriteInt("HTML", "A", 3);
         p.WriteInt("HTML", "Junk", 4);
       },
       "# my notes\n[HTML]\n; old style comment\nB = 2\n  A = 3\nJunk = 4\nno equals sign\n\n"
       "# toolbox below\n[Tool]\nZ = 1\n"},
      {"new entries after the section's last entry, in order written", mixed,
       [](plat::FileProfile& p) {
         p.WriteInt("HTML", "New2", 2);
         p.WriteInt("HTML", "New1", 1);
         p.WriteInt("Tool", "Y", 0);
         p.WriteInt("Fresh", "F", 9);
       },
       "# my notes\n[HTML]\n; old style comment\nB = 2\n  A = \"x\"   \nJunk = 1 2\nNew2 = 2\nNew1 = 1\n"
       "no equals sign\n\n# toolbox below\n[Tool]\nZ = 1\nY = 0\n[Fresh]\nF = 9\n"},
      {"erased entries leave, all their lines", "[HTML]\nA = 1\n# keep\nB = 2\nA = 3\n[Tool]\nA = 4\n",
       [](plat::FileProfile& p) {
         EXPECT_EQ(p.Erase("HTML", [](const std::string& n) { return n == "A"; }), 1);
         EXPECT_EQ(p.Erase("Nope", [](const std::string&) { return true; }), 0);
       },
       "[HTML]\n# keep\nB = 2\n[Tool]\nA = 4\n"},
      {"a name twice: the last one counts and is the one rewritten", "[HTML]\nA = 1\nA = 2\n",
       set("HTML", "A", "z"), "[HTML]\nA = 1\nA = \"z\"\n"},
      {"second block of a section takes the new entries", "[HTML]\nA = 1\n[Tool]\nT = 1\n[HTML]\n# empty\n",
       set("HTML", "N", "n"), "[HTML]\nA = 1\n[Tool]\nT = 1\n[HTML]\nN = \"n\"\n# empty\n"},
      {"CRLF lines stay CRLF", "[HTML]\r\nA = 1\r\nB = 2\r\n",
       [](plat::FileProfile& p) {
         p.WriteInt("HTML", "A", 5);
         p.WriteInt("HTML", "C", 6);
       },
       "[HTML]\r\nA = 5\r\nB = 2\r\nC = 6\r\n"},
      {"no final newline stays so", "[HTML]\nA = 1\n# last", set("HTML", "A", "2"),
       "[HTML]\nA = \"2\"\n# last"},
      {"file written by the older code", "# Tagquill settings; strings in double quotes, integers bare.\n"
                                          "[HTML]\nBsc_121Flag = 1\nBsc_121ID = \"top\"\n",
       set("HTML", "Bsc_121ID", "up"),
       "# Tagquill settings; strings in double quotes, integers bare.\n[HTML]\nBsc_121Flag = 1\n"
       "Bsc_121ID = \"up\"\n"},
      {"entries before any section", "A = 1\n[HTML]\nB = 2\n", set("", "C", "c"),
       "A = 1\nC = \"c\"\n[HTML]\nB = 2\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Plant(c.planted);
    ASSERT_EQ(Saved(path, c.edit), "");
    EXPECT_EQ(Contents(), c.expected);
  }
}

TEST_F(FileProfileTest, ManyWritesOneRenameAndNoneWithoutChange) {
  Plant("[HTML]\nKeep = 1\n");
  const ino_t before = Stat().st_ino;
  plat::FileProfile p(path);
  ASSERT_TRUE(p.Load(nullptr));
  for (int i = 0; i < 20; ++i) ASSERT_TRUE(p.WriteInt("HTML", "N" + std::to_string(i), i));
  EXPECT_EQ(Stat().st_ino, before);  // writes stay in memory
  EXPECT_EQ(Contents(), "[HTML]\nKeep = 1\n");
  ASSERT_TRUE(p.Save(nullptr));
  const ino_t after = Stat().st_ino;
  EXPECT_NE(after, before);  // replaced once, as a whole
  EXPECT_EQ(Listing(), ".\n..\nprofile.ini\n");
  // Same values again, or nothing at all: no rewrite.
  for (int i = 0; i < 20; ++i) p.WriteInt("HTML", "N" + std::to_string(i), i);
  ASSERT_TRUE(p.Save(nullptr));
  EXPECT_EQ(Stat().st_ino, after);
  // A further change after a save is saved on top of it.
  p.WriteInt("HTML", "N0", 100);
  ASSERT_TRUE(p.Save(nullptr));
  EXPECT_NE(Contents().find("\nN0 = 100\nN1 = 1\n"), std::string::npos);
}

TEST_F(FileProfileTest, HugeValues) {
  std::string mib(1 << 20, 'v');
  ASSERT_EQ(Saved(path, [&](plat::FileProfile& p) { p.WriteString("HTML", "Huge", mib); }), "");
  plat::FileProfile q(path);
  ASSERT_TRUE(q.Load(nullptr));
  EXPECT_TRUE(q.GetString("HTML", "Huge", "") == mib);
}

TEST_F(FileProfileTest, OnlyRegularFilesAreProfiles) {
  std::system(("mkdir -p " + dir + "/adir && mkfifo " + dir + "/fifo").c_str());
  symlink("/dev/null", (dir + "/tonull").c_str());
  struct Case {
    std::string path, kind;
  };
  const Case cases[] = {
      {"/dev/null", "a character device"},
      {dir + "/tonull", "a character device"},
      {dir + "/adir", "a directory"},
      {dir + "/fifo", "a fifo"},
  };
  for (const Case& c : cases) {
    for (bool forSaving : {true, false}) {
      plat::FileProfile p(c.path);
      std::string why;
      EXPECT_FALSE(p.Load(&why, forSaving)) << c.path;
      EXPECT_EQ(why, c.path + ": " + c.kind + ", not a settings file");
      p.WriteInt("HTML", "x", 1);
      EXPECT_FALSE(p.Save(&why)) << c.path;
    }
  }
  EXPECT_TRUE(S_ISCHR(Stat("/dev/null").st_mode));
  struct stat link;
  ASSERT_EQ(lstat((dir + "/tonull").c_str(), &link), 0);
  EXPECT_TRUE(S_ISLNK(link.st_mode));
  // No file yet is not an error; reading alone creates nothing.
  plat::FileProfile missing(dir + "/none/p.ini");
  std::string why;
  EXPECT_TRUE(missing.Load(&why, false));
  EXPECT_NE(access((dir + "/none").c_str(), F_OK), 0);
  missing.WriteInt("HTML", "x", 1);
  EXPECT_FALSE(missing.Save(&why));
  EXPECT_EQ(why, dir + "/none/p.ini: not loaded for saving");
}

TEST_F(FileProfileTest, SymlinksStayLinksTheirTargetIsRewritten) {
  Plant("[HTML]\nA = 1\n");
  // link2 -> link1 -> sub/profile.ini (relative), and a link to a file not there yet.
  ASSERT_EQ(symlink("sub/profile.ini", (dir + "/link1").c_str()), 0);
  ASSERT_EQ(symlink((dir + "/link1").c_str(), (dir + "/link2").c_str()), 0);
  ASSERT_EQ(symlink("sub/later.ini", (dir + "/dangling").c_str()), 0);
  const struct {
    std::string link, target;
  } cases[] = {{dir + "/link2", path}, {dir + "/dangling", dir + "/sub/later.ini"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.link);
    ASSERT_EQ(Saved(c.link, [](plat::FileProfile& p) { p.WriteInt("HTML", "B", 2); }), "");
    struct stat st;
    ASSERT_EQ(lstat(c.link.c_str(), &st), 0);
    EXPECT_TRUE(S_ISLNK(st.st_mode));
    EXPECT_NE(Contents(c.target).find("B = 2\n"), std::string::npos);
  }
  EXPECT_EQ(Contents(), "[HTML]\nA = 1\nB = 2\n");
}

TEST_F(FileProfileTest, ModeAndOwnerAreKept) {
  const struct {
    mode_t mode;
    bool chownToNobody;
  } cases[] = {{0600, false}, {0444, false}, {0640, true}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.mode);
    Plant("[HTML]\nA = 1\n");
    ASSERT_EQ(chmod(path.c_str(), c.mode), 0);
    if (c.chownToNobody && geteuid() == 0) {
      ASSERT_EQ(chown(path.c_str(), 65534, 65534), 0);
    }
    const struct stat before = Stat();
    // A read-only file in a writable directory is replaced, still read-only.
    ASSERT_EQ(Saved(path, [](plat::FileProfile& p) { p.WriteInt("HTML", "A", 2); }), "");
    const struct stat after = Stat();
    EXPECT_NE(after.st_ino, before.st_ino);
    EXPECT_EQ(after.st_mode & 07777, c.mode);
    EXPECT_EQ(after.st_uid, before.st_uid);
    EXPECT_EQ(after.st_gid, before.st_gid);
    EXPECT_EQ(Contents(), "[HTML]\nA = 2\n");
  }
}

TEST_F(FileProfileTest, FailedSavesSayWhyAndLeaveTheOldFile) {
  const std::string old = "# mine\n[HTML]\nA = 1\n";
  struct Case {
    const char* what;
    std::function<void()> prepare;  // in the child, before Load
    std::string reason;
  };
  const std::string sub = dir + "/sub";
  const Case cases[] = {
      {"read-only directory", [&] {}, path + ": cannot create a file beside it: Permission denied"},
      {"file size limit, as on a full disk",
       [] {
         signal(SIGXFSZ, SIG_IGN);
         struct rlimit lim = {4096, 4096};
         setrlimit(RLIMIT_FSIZE, &lim);
       },
       path + ": File too large"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Plant(old);
    const bool readOnlyDir = &c == &cases[0];
    ASSERT_EQ(chmod(dir.c_str(), 0755), 0);
    ASSERT_EQ(chmod(sub.c_str(), readOnlyDir ? 0555 : 0777), 0);
    std::string result = InChild(
        [&] {
          c.prepare();
          plat::FileProfile p(path);
          std::string why;
          if (!p.Load(&why)) return "load: " + why;
          p.WriteString("HTML", "Big", std::string(64 << 10, 'b'));
          return p.Save(&why) ? std::string("saved") : why;
        },
        readOnlyDir);
    chmod(sub.c_str(), 0755);
    EXPECT_EQ(result, c.reason);
    EXPECT_EQ(Contents(), old);
    EXPECT_EQ(Listing(), ".\n..\nprofile.ini\n");
  }
}

// No file and no way to create one: a run that changes nothing works, one
// that changes something is told why it cannot save.
TEST_F(FileProfileTest, NoPlaceForANewProfile) {
  ASSERT_EQ(chmod(dir.c_str(), 0555), 0);
  const std::string missing = dir + "/sub/p.ini";
  std::string result = InChild(
      [&] {
        plat::FileProfile p(missing);
        std::string why;
        if (!p.Load(&why)) return "load: " + why;
        if (!p.Save(&why)) return "unchanged: " + why;
        p.WriteInt("HTML", "A", 1);
        return p.Save(&why) ? std::string("saved") : why;
      },
      true);
  chmod(dir.c_str(), 0755);
  EXPECT_EQ(result, dir + "/sub: Permission denied");
}

TEST_F(FileProfileTest, AnEmptyProfileCreatedForLockingGoesAgainWhenNothingWasSaved) {
  {
    plat::FileProfile p(path);
    ASSERT_TRUE(p.Load(nullptr));
    EXPECT_EQ(access(path.c_str(), F_OK), 0);  // there, to be locked
  }
  EXPECT_NE(access(path.c_str(), F_OK), 0);
  EXPECT_EQ(Listing(), ".\n..\n");
}

// Parallel runs on one profile: each loads, writes its own value and saves;
// the lock makes every run see the previous ones, so none is lost.
TEST_F(FileProfileTest, ParallelRunsLoseNoUpdate) {
  const int kRuns = 50;
  for (const char* start : {"", "# shared\n[HTML]\nKeep = 1\n"}) {
    SCOPED_TRACE(*start ? "existing file" : "no file yet");
    std::system(("rm -rf " + dir + "/sub").c_str());
    if (*start) Plant(start);
    int go[2];
    ASSERT_EQ(pipe(go), 0);
    std::vector<pid_t> pids;
    for (int i = 0; i < kRuns; ++i) {
      pid_t pid = fork();
      if (pid == 0) {
        close(go[1]);
        char c;
        if (read(go[0], &c, 1) < 0) _exit(3);  // all start together
        plat::FileProfile p(path);
        if (!p.Load(nullptr)) _exit(1);
        usleep(2000);  // a dialog taking its time
        p.WriteInt("HTML", "Run" + std::to_string(i), i);
        _exit(p.Save(nullptr) ? 0 : 2);
      }
      pids.push_back(pid);
    }
    close(go[0]);
    close(go[1]);
    int failed = 0;
    for (pid_t pid : pids) {
      int status = 0;
      waitpid(pid, &status, 0);
      failed += !(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    EXPECT_EQ(failed, 0);
    plat::FileProfile p(path);
    ASSERT_TRUE(p.Load(nullptr, false));
    int kept = 0;
    for (int i = 0; i < kRuns; ++i) kept += p.GetInt("HTML", "Run" + std::to_string(i), -1) == i;
    EXPECT_EQ(kept, kRuns);
    if (*start) {
      EXPECT_EQ(Contents().compare(0, std::strlen(start), start), 0);
      EXPECT_EQ(p.GetInt("HTML", "Keep", 0), 1);
    }
    EXPECT_EQ(Listing(), ".\n..\nprofile.ini\n");
  }
}

TEST_F(FileProfileTest, ValuesAreCutAtNulLikeRegistryStrings) {
  HtmlApp().SetProfile(std::make_unique<plat::FileProfile>(path));
  HtmlApp().WriteProfileString("HTML", "Nul", std::string("ab\0cd", 5));
  EXPECT_EQ(HtmlApp().GetProfileString("HTML", "Nul", "d"), "ab");
  HtmlApp().SetProfile(std::make_unique<plat::MemoryProfile>());
}

}  // namespace tqtest
