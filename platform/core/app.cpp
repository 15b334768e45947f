#include "plat/app.h"

#include <cstring>

namespace plat {

namespace {
App* g_app = nullptr;     // the module's application object
App* g_state = nullptr;   // the module state currently switched to
int g_depth = 0;

// Registry strings are zero-terminated: what follows a NUL never arrives.
std::string CutAtNul(const std::string& s) {
  size_t n = s.find('\0');
  return n == std::string::npos ? s : s.substr(0, n);
}
}  // namespace

App::App(std::string appName) : appName_(std::move(appName)) { g_app = this; }
App::~App() {
  if (g_app == this) g_app = nullptr;
}

bool App::InitInstance() { return true; }
int App::ExitInstance() { return 0; }

void App::SetRegistryKey(const std::string& company) {
  company_ = company;
  if (!profile_) profile_ = MakeDefaultProfile(company_, appName_);
}

Profile& App::profile() {
  if (!profile_) profile_ = MakeDefaultProfile(company_, appName_);
  return *profile_;
}

std::string App::GetProfileString(const std::string& section, const std::string& entry,
                                  const std::string& def) {
  return CutAtNul(profile().GetString(section, entry, def));
}
int App::GetProfileInt(const std::string& section, const std::string& entry, int def) {
  return profile().GetInt(section, entry, def);
}
bool App::WriteProfileString(const std::string& section, const std::string& entry,
                             const std::string& value) {
  return profile().WriteString(section, entry, CutAtNul(value));
}
bool App::WriteProfileInt(const std::string& section, const std::string& entry, int value) {
  return profile().WriteInt(section, entry, value);
}

App* CurrentApp() { return g_state ? g_state : g_app; }

ModuleStateGuard::ModuleStateGuard() : saved_(g_state) {
  g_state = g_app;
  ++g_depth;
}
ModuleStateGuard::~ModuleStateGuard() {
  g_state = saved_;
  --g_depth;
}
int ModuleStateGuard::depth() { return g_depth; }

}  // namespace plat
