#include "css_check.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace tqtest {

::testing::AssertionResult ValidCss(const std::string& css, CssKind kind) {
  const std::string dir = std::string(TQ_SOURCE_DIR) + "/tests/css";
  struct stat st;
  if (stat((dir + "/node_modules/csstree-validator").c_str(), &st) != 0)
    return ::testing::AssertionFailure() << "the CSS validator is not installed: run `npm ci` in " << dir;
  char name[] = "/tmp/tqcssXXXXXX";
  int fd = mkstemp(name);
  if (fd < 0) return ::testing::AssertionFailure() << "cannot create a temporary file";
  { std::ofstream(name, std::ios::binary) << css; }
  const std::string out = std::string(name) + ".err";
  const std::string cmd =
      "node " + dir + "/check-css.js " + (kind == CssKind::Rules ? "rules " : "decls ") + name + " > " + out + " 2>&1";
  int rc = std::system(cmd.c_str());
  std::ifstream in(out);
  std::stringstream err;
  err << in.rdbuf();
  std::remove(name);
  std::remove(out.c_str());
  ::close(fd);
  if (rc == 0) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "invalid CSS:\n" << err.str() << "css:\n" << css;
}

::testing::AssertionResult IsCss(const std::string& css, const std::string& expected, CssKind kind) {
  if (css != expected)
    return ::testing::AssertionFailure() << "built " << ::testing::PrintToString(css) << "\nwanted "
                                         << ::testing::PrintToString(expected);
  return ValidCss(css, kind);
}

TEST(CssCheck, AcceptsWhatBrowsersTakeAndNamesTheFault) {
  EXPECT_TRUE(ValidCss("font-weight:bold;\r\nfont-size:12px;", CssKind::Declarations));
  EXPECT_TRUE(ValidCss("P { color:red; }\r\nH1.x A:hover { margin:0 }", CssKind::Rules));
  ::testing::AssertionResult bad = ValidCss("color:redd;", CssKind::Declarations);
  EXPECT_FALSE(bad);
  EXPECT_NE(std::string(bad.message()).find("color"), std::string::npos) << bad.message();
  EXPECT_FALSE(ValidCss("font-size:pt;", CssKind::Declarations));
  EXPECT_FALSE(ValidCss("color:red} P{color:blue", CssKind::Declarations));  // leaves its block
  EXPECT_FALSE(ValidCss("P..x { color:red; }", CssKind::Rules));
}

}  // namespace tqtest
