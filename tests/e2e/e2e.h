// What the end-to-end tests share: the real Tagquill.dll, loaded once by
// main() with LoadLibrary, and what it answered before anyone set it up.
#pragma once
#include "testhost/host.h"

namespace e2e {

tqhost::Plugin& Dll();
// GetHtmlVer as answered right after loading, before SetAppInfo.
int VersionAtLoad();

}  // namespace e2e
