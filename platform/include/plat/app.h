// Application object with a registry profile, in the manner of the
// framework the plug-in was designed for: one instance per module.
#pragma once
#include <memory>
#include <string>

#include "plat/profile.h"

namespace plat {

class App {
 public:
  explicit App(std::string appName = "Tagquill");
  virtual ~App();
  App(const App&) = delete;
  App& operator=(const App&) = delete;

  virtual bool InitInstance();
  virtual int ExitInstance();

  // Company key; the backend's profile factory maps it (Win32:
  // HKCU\Software\<company>\<app>).
  void SetRegistryKey(const std::string& company);
  const std::string& registryKey() const { return company_; }
  const std::string& appName() const { return appName_; }

  std::string GetProfileString(const std::string& section, const std::string& entry,
                               const std::string& def = "");
  int GetProfileInt(const std::string& section, const std::string& entry, int def);
  bool WriteProfileString(const std::string& section, const std::string& entry,
                          const std::string& value);
  bool WriteProfileInt(const std::string& section, const std::string& entry, int value);

  // The profile in use; SetRegistryKey installs the backend's default one
  // unless a profile was given first.
  void SetProfile(std::unique_ptr<Profile> p) { profile_ = std::move(p); }
  Profile& profile();

 private:
  std::string appName_;
  std::string company_;
  std::unique_ptr<Profile> profile_;
};

// The module's one application object (set by its constructor).
App* CurrentApp();

// Creates the backend's profile for company/app (Win32: the registry;
// headless: in memory unless the program set a file).
std::unique_ptr<Profile> MakeDefaultProfile(const std::string& company, const std::string& app);

// Module-state guard: every export switches to the plug-in's own state and
// the destructor restores the caller's, on every return path.
class ModuleStateGuard {
 public:
  ModuleStateGuard();
  ~ModuleStateGuard();
  ModuleStateGuard(const ModuleStateGuard&) = delete;
  ModuleStateGuard& operator=(const ModuleStateGuard&) = delete;
  static int depth();

 private:
  App* saved_;
};

}  // namespace plat
