// The application's settings profile: typed string and integer values by
// section and entry. Values of the other type, or unreadable ones, read as
// the caller's default.
#pragma once
#include <memory>
#include <string>

namespace plat {

class Profile {
 public:
  virtual ~Profile() = default;
  virtual std::string GetString(const std::string& section, const std::string& entry,
                                const std::string& def) = 0;
  virtual int GetInt(const std::string& section, const std::string& entry, int def) = 0;
  virtual bool WriteString(const std::string& section, const std::string& entry,
                           const std::string& value) = 0;
  virtual bool WriteInt(const std::string& section, const std::string& entry, int value) = 0;
};

// Headless profile kept in one human-readable file (see file_profile.cpp for
// the format). Every write rewrites the file atomically.
class FileProfile : public Profile {
 public:
  explicit FileProfile(std::string path);
  ~FileProfile() override;
  // Reads the file; false (with a reason) when it exists but cannot be read.
  bool Load(std::string* error);
  std::string GetString(const std::string& section, const std::string& entry,
                        const std::string& def) override;
  int GetInt(const std::string& section, const std::string& entry, int def) override;
  bool WriteString(const std::string& section, const std::string& entry,
                   const std::string& value) override;
  bool WriteInt(const std::string& section, const std::string& entry, int value) override;
  // Replaces the values by those of a profile text (same format as the file).
  void Parse(const std::string& text);
  // Raw typed write, used for "--set" and tests that plant hostile values.
  bool WriteRaw(const std::string& section, const std::string& entry, const std::string& raw);
  const std::string& path() const { return path_; }

 private:
  struct Impl;
  std::string path_;
  std::unique_ptr<Impl> impl_;
  bool Save();
};

// In-memory profile for tests.
class MemoryProfile : public Profile {
 public:
  MemoryProfile();
  ~MemoryProfile() override;
  std::string GetString(const std::string& section, const std::string& entry,
                        const std::string& def) override;
  int GetInt(const std::string& section, const std::string& entry, int def) override;
  bool WriteString(const std::string& section, const std::string& entry,
                   const std::string& value) override;
  bool WriteInt(const std::string& section, const std::string& entry, int value) override;
  // Number of writes so far (tests check that Cancel writes nothing).
  int writes() const { return writes_; }
  bool Has(const std::string& section, const std::string& entry) const;

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
  int writes_ = 0;
};

}  // namespace plat
