// Runs the end-to-end tests under Wine (or Windows) in code page 932.
#include <cstdio>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "app/html_app.h"
#include "platform/win32/win32_backend.h"
#include "tests/e2e/e2e.h"

namespace e2e {
namespace {
tqhost::Plugin g_dll;
int g_versionAtLoad = 0;
}  // namespace
tqhost::Plugin& Dll() { return g_dll; }
int VersionAtLoad() { return g_versionAtLoad; }
}  // namespace e2e

int main(int argc, char** argv) {
  ::testing::InitGoogleMock(&argc, argv);
  // Every expected text here is code page 932; under another code page the
  // A functions would convert and the comparisons would mean nothing.
  if (GetACP() != 932) {
    std::fprintf(stderr, "tqe2e: the ANSI code page is %u, not 932 (run with LANG=ja_JP.UTF-8)\n",
                 GetACP());
    return 2;
  }
  // The in-process copy of the core (registry profile, backend dialogs).
  plat::InstallBackend(&plat::TheWin32Backend());
  HtmlApp().InitInstance();

  std::string error;
  if (!e2e::Dll().Load(tqhost::ProgramDir() + "Tagquill.dll", &error)) {
    std::fprintf(stderr, "tqe2e: %s\n", error.c_str());
    return 2;
  }
  e2e::g_versionAtLoad = e2e::Dll().GetHtmlVer();

  int rc = RUN_ALL_TESTS();

  // Unloading runs the DLL's exit with its menus built; it must come back.
  e2e::Dll().Unload();
  if (GetModuleHandleA("Tagquill.dll")) {
    std::fprintf(stderr, "tqe2e: Tagquill.dll still loaded after FreeLibrary\n");
    rc = 1;
  }
  HtmlApp().ExitInstance();
  return rc;
}
