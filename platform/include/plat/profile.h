// The application's settings profile: typed string and integer values by
// section and entry. Values of the other type, or unreadable ones, read as
// the caller's default.
#pragma once
#include <functional>
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
// the format). Writes change memory only; Save writes the file once.
//
// On POSIX a loaded profile keeps a lock on its file until it is destroyed,
// so a whole load, edit, save is one critical section among processes. A
// symlinked profile is resolved: its target is read and rewritten, the link
// stays. Comments, blank lines and lines that are not understood stay where
// they were; entries keep their order; changed values are rewritten on their
// own line and new ones are appended to their section.
class FileProfile : public Profile {
 public:
  explicit FileProfile(std::string path);
  ~FileProfile() override;  // releases the lock
  FileProfile(const FileProfile&) = delete;
  FileProfile& operator=(const FileProfile&) = delete;

  // Reads the file under a lock: exclusive when forSaving, shared otherwise,
  // held until destruction. A missing file is an empty profile (forSaving
  // creates its directory). False with a one-line reason naming the path when
  // it cannot be read or is no regular file (a device, directory, fifo).
  bool Load(std::string* error, bool forSaving = true);
  // Writes the file when something changed since Load: to a temporary file in
  // the same directory, synced, renamed over the real file, with its mode
  // (and, as root, its owner) kept. False with a one-line reason naming the
  // path when that fails; the old file is then untouched.
  bool Save(std::string* error);
  // Forgets the entries of section whose names match (their lines go on
  // Save); the number forgotten.
  int Erase(const std::string& section, const std::function<bool(const std::string&)>& match);

  std::string GetString(const std::string& section, const std::string& entry,
                        const std::string& def) override;
  int GetInt(const std::string& section, const std::string& entry, int def) override;
  bool WriteString(const std::string& section, const std::string& entry,
                   const std::string& value) override;
  bool WriteInt(const std::string& section, const std::string& entry, int value) override;
  // Replaces the values by those of a profile text (same format as the file).
  void Parse(const std::string& text);
  // Raw typed write, used for tests that plant hostile values; false for a
  // raw text that would not stay on one line.
  bool WriteRaw(const std::string& section, const std::string& entry, const std::string& raw);
  const std::string& path() const { return path_; }

 private:
  struct Impl;
  std::string path_;
  std::unique_ptr<Impl> impl_;
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
