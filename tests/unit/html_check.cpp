#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include <unistd.h>

#include "fixture.h"

namespace tqtest {

::testing::AssertionResult ValidHtml(const std::string& fragment, Context where) {
  std::string doc;
  switch (where) {
    case Context::Body:
      doc = "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\">\n"
            "<HTML><HEAD><TITLE>t</TITLE></HEAD><BODY>\n" + fragment + "\n</BODY></HTML>\n";
      break;
    case Context::Head: {
      bool hasTitle = fragment.find("<TITLE") != std::string::npos;
      doc = "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\">\n<HTML><HEAD>\n" +
            std::string(hasTitle ? "" : "<TITLE>t</TITLE>\n") + fragment + "\n</HEAD><BODY></BODY></HTML>\n";
      break;
    }
    case Context::Document:
      doc = "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\">\n" + fragment + "\n";
      break;
    case Context::Frameset:
      doc = "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Frameset//EN\">\n"
            "<HTML><HEAD><TITLE>t</TITLE></HEAD>\n" + fragment + "\n</HTML>\n";
      break;
  }
  char name[] = "/tmp/tqhtmlXXXXXX";
  int fd = mkstemp(name);
  if (fd < 0) return ::testing::AssertionFailure() << "cannot create a temporary file";
  { std::ofstream(name, std::ios::binary) << doc; }
  std::string out = std::string(name) + ".err";
  std::string cmd = std::string(TQ_SOURCE_DIR) + "/tests/html/check-html.sh " + name + " > " + out + " 2>&1";
  int rc = std::system(cmd.c_str());
  std::ifstream in(out);
  std::stringstream err;
  err << in.rdbuf();
  std::remove(name);
  std::remove(out.c_str());
  ::close(fd);
  if (rc == 0) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "invalid HTML 4.01:\n" << err.str() << "document:\n" << doc;
}

}  // namespace tqtest
