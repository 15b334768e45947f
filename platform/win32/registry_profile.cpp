// The registry profile: HKCU\Software\<company>\<app>\<section>, strings
// as REG_SZ and integers as REG_DWORD. Anything else found there (another
// type, a string without its terminator, a DWORD of the wrong size, a value
// too large to hold) reads as the caller's default.
#include <memory>
#include <new>
#include <stdexcept>
#include <string>
#include <vector>

#include "plat/app.h"
#include "plat/profile.h"
#include "platform/win32/win32_api.h"

namespace plat {

namespace {

class RegistryProfile : public Profile {
 public:
  RegistryProfile(const std::string& company, const std::string& app)
      : base_(company.empty() ? "Software\\" + app : "Software\\" + company + "\\" + app) {}

  std::string GetString(const std::string& section, const std::string& entry,
                        const std::string& def) override {
    Key k(Open(section));
    if (!k.h) return def;
    // Read as stored (UTF-16), so that a missing terminator shows: the
    // ANSI query may add one of its own. Converted with the ANSI code page,
    // as the A functions that wrote it did.
    std::vector<wchar_t> name = Wide(entry);
    for (int attempt = 0; attempt < 4; ++attempt) {
      DWORD type = 0, size = 0;
      if (RegQueryValueExW(k.h, name.data(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
          type != REG_SZ)
        return def;
      std::vector<wchar_t> data;
      try {
        data.resize(size / sizeof(wchar_t) + 1);
      } catch (const std::exception&) {  // no memory, or more than a vector holds
        return def;
      }
      DWORD got = size;
      LONG r = RegQueryValueExW(k.h, name.data(), nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &got);
      if (r == ERROR_MORE_DATA) continue;
      size_t chars = got / sizeof(wchar_t);
      if (r != ERROR_SUCCESS || type != REG_SZ || got > size || got % sizeof(wchar_t) != 0 || chars == 0 ||
          data[chars - 1] != L'\0')
        return def;
      try {
        return Narrow(data.data(), chars - 1);
      } catch (const std::bad_alloc&) {
        return def;
      }
    }
    return def;
  }

  int GetInt(const std::string& section, const std::string& entry, int def) override {
    Key k(Open(section));
    if (!k.h) return def;
    DWORD type = 0, value = 0, size = sizeof value;
    if (RegQueryValueExA(k.h, entry.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(&value), &size) !=
            ERROR_SUCCESS ||
        type != REG_DWORD || size != sizeof value)
      return def;
    return static_cast<int>(value);
  }

  bool WriteString(const std::string& section, const std::string& entry,
                   const std::string& value) override {
    if (value.size() >= MAXDWORD) return false;
    Key k(Create(section));
    return k.h && RegSetValueExA(k.h, entry.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                                 static_cast<DWORD>(value.size() + 1)) == ERROR_SUCCESS;
  }

  bool WriteInt(const std::string& section, const std::string& entry, int value) override {
    Key k(Create(section));
    DWORD v = static_cast<DWORD>(value);
    return k.h && RegSetValueExA(k.h, entry.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&v),
                                 sizeof v) == ERROR_SUCCESS;
  }

 private:
  struct Key {
    explicit Key(HKEY k) : h(k) {}
    ~Key() {
      if (h) RegCloseKey(h);
    }
    Key(const Key&) = delete;
    Key& operator=(const Key&) = delete;
    HKEY h;
  };

  // Zero-terminated UTF-16 (a vector: the DLL links no wide string).
  static std::vector<wchar_t> Wide(const std::string& s) {
    int n = s.empty() ? 0 : MultiByteToWideChar(CP_ACP, 0, s.data(), static_cast<int>(s.size()), nullptr, 0);
    std::vector<wchar_t> w(static_cast<size_t>(n > 0 ? n : 0) + 1, L'\0');
    if (n > 0) MultiByteToWideChar(CP_ACP, 0, s.data(), static_cast<int>(s.size()), w.data(), n);
    return w;
  }
  static std::string Narrow(const wchar_t* w, size_t n) {
    if (n == 0) return {};
    if (n > 0x7FFFFFFF) throw std::bad_alloc();
    int len = WideCharToMultiByte(CP_ACP, 0, w, static_cast<int>(n), nullptr, 0, nullptr, nullptr);
    std::string s(static_cast<size_t>(len), '\0');
    WideCharToMultiByte(CP_ACP, 0, w, static_cast<int>(n), s.data(), len, nullptr, nullptr);
    return s;
  }

  std::string Path(const std::string& section) const {
    return section.empty() ? base_ : base_ + "\\" + section;
  }
  // Reading creates nothing.
  HKEY Open(const std::string& section) const {
    HKEY k = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, Path(section).c_str(), 0, KEY_QUERY_VALUE, &k) != ERROR_SUCCESS)
      return nullptr;
    return k;
  }
  HKEY Create(const std::string& section) const {
    HKEY k = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, Path(section).c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_SET_VALUE, nullptr, &k, nullptr) != ERROR_SUCCESS)
      return nullptr;
    return k;
  }

  std::string base_;
};

}  // namespace

std::unique_ptr<Profile> MakeDefaultProfile(const std::string& company, const std::string& app) {
  return std::make_unique<RegistryProfile>(company, app);
}

}  // namespace plat
