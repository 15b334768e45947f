// File-backed profile. Format, one file, human-readable:
//
//   # comment
//   [HTML]
//   Bsc_121ID = "top"        string: double quotes, escapes \\ \" \r \n \t \xHH
//   Bsc_121Flag = 1          integer: decimal, 32-bit signed
//
// Bytes from 0x80 up stand as they are (the user's own encoding). Lines that
// fit neither form are kept and written back untouched; reading such a
// value gives the caller's default, as does reading a value of the other type.
// When a name stands twice in a section the last one counts.
#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <vector>

#include "plat/profile.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace plat {

namespace {

struct Value {
  enum Kind { Str, Int, Bad } kind = Bad;
  std::string text;  // string value, or the raw text of a bad one
  int number = 0;
};

using Section = std::map<std::string, Value>;
using Store = std::map<std::string, Section>;

bool ParseInt(const std::string& s, int* out) {
  if (s.empty() || s.size() > 12) return false;
  size_t i = (s[0] == '-' || s[0] == '+') ? 1 : 0;
  if (i == s.size()) return false;
  long long v = 0;
  for (; i < s.size(); ++i) {
    if (s[i] < '0' || s[i] > '9') return false;
    v = v * 10 + (s[i] - '0');
  }
  if (s[0] == '-') v = -v;
  if (v < INT32_MIN || v > INT32_MAX) return false;
  *out = static_cast<int>(v);
  return true;
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Parses a quoted text starting at s[pos] == '"'; pos ends after the closing quote.
bool ParseQuoted(const std::string& s, size_t& pos, std::string* out) {
  if (pos >= s.size() || s[pos] != '"') return false;
  std::string r;
  for (size_t i = pos + 1; i < s.size(); ++i) {
    char c = s[i];
    if (c == '"') {
      pos = i + 1;
      *out = std::move(r);
      return true;
    }
    if (c != '\\') {
      r.push_back(c);
      continue;
    }
    if (++i >= s.size()) return false;
    switch (s[i]) {
      case '\\': r.push_back('\\'); break;
      case '"': r.push_back('"'); break;
      case 'r': r.push_back('\r'); break;
      case 'n': r.push_back('\n'); break;
      case 't': r.push_back('\t'); break;
      case 'x': {
        if (i + 2 >= s.size()) return false;
        int h = HexDigit(s[i + 1]), l = HexDigit(s[i + 2]);
        if (h < 0 || l < 0) return false;
        r.push_back(static_cast<char>(h * 16 + l));
        i += 2;
        break;
      }
      default: return false;
    }
  }
  return false;
}

std::string Quote(const std::string& s) {
  std::string r = "\"";
  for (char ch : s) {
    unsigned char c = static_cast<unsigned char>(ch);
    switch (c) {
      case '\\': r += "\\\\"; break;
      case '"': r += "\\\""; break;
      case '\r': r += "\\r"; break;
      case '\n': r += "\\n"; break;
      case '\t': r += "\\t"; break;
      default:
        if (c < 0x20 || c == 0x7F) {
          char b[5];
          std::snprintf(b, sizeof b, "\\x%02X", c);
          r += b;
        } else {
          r.push_back(ch);
        }
    }
  }
  return r + "\"";
}

bool PlainName(const std::string& n) {
  if (n.empty() || n[0] == '[' || n[0] == '#' || n[0] == '"') return false;
  for (unsigned char c : n)
    if (c <= 0x20 || c == '=' || c == '"' || c == '\\' || c == 0x7F) return false;
  return true;
}

std::string Trim(const std::string& s) {
  size_t b = s.find_first_not_of(" \t"), e = s.find_last_not_of(" \t\r");
  return b == std::string::npos ? std::string() : s.substr(b, e - b + 1);
}

enum class LineKind { Other, Header, Entry };

// Classifies one line of the file: a section header (its name in *name), an
// entry (name and value), or anything else, which is kept as it stands.
LineKind ParseLine(const std::string& raw, std::string* name, Value* value) {
  std::string line = Trim(raw);
  if (line.empty() || line[0] == '#' || line[0] == ';') return LineKind::Other;
  if (line[0] == '[') {
    if (line.back() != ']') return LineKind::Other;
    *name = line.substr(1, line.size() - 2);
    return LineKind::Header;
  }
  size_t pos = 0;
  if (line[0] == '"') {
    if (!ParseQuoted(line, pos, name)) return LineKind::Other;
  } else {
    pos = line.find('=');
    if (pos == std::string::npos) return LineKind::Other;
    *name = Trim(line.substr(0, pos));
  }
  pos = line.find('=', pos);
  if (pos == std::string::npos || name->empty()) return LineKind::Other;
  std::string rest = Trim(line.substr(pos + 1));
  Value v;
  size_t q = 0;
  std::string str;
  if (!rest.empty() && rest[0] == '"' && ParseQuoted(rest, q, &str) && Trim(rest.substr(q)).empty()) {
    v.kind = Value::Str;
    v.text = std::move(str);
  } else if (ParseInt(rest, &v.number)) {
    v.kind = Value::Int;
  } else {
    v.kind = Value::Bad;
    v.text = rest;
  }
  *value = std::move(v);
  return LineKind::Entry;
}

std::string FormatEntry(const std::string& name, const Value& v) {
  std::string out = PlainName(name) ? name : Quote(name);
  out += " = ";
  if (v.kind == Value::Str) out += Quote(v.text);
  else if (v.kind == Value::Int) out += std::to_string(v.number);
  else out += v.text;
  return out;
}

bool SameValue(const Value& a, const Value& b) {
  if (a.kind != b.kind) return false;
  return a.kind == Value::Int ? a.number == b.number : a.text == b.text;
}

std::string GetStr(const Store& s, const std::string& sec, const std::string& e,
                   const std::string& def) {
  auto si = s.find(sec);
  if (si == s.end()) return def;
  auto ei = si->second.find(e);
  if (ei == si->second.end() || ei->second.kind != Value::Str) return def;
  return ei->second.text;
}

int GetNum(const Store& s, const std::string& sec, const std::string& e, int def) {
  auto si = s.find(sec);
  if (si == s.end()) return def;
  auto ei = si->second.find(e);
  if (ei == si->second.end() || ei->second.kind != Value::Int) return def;
  return ei->second.number;
}

#ifndef _WIN32
// The directory part of a path ("" for a bare name, "/" for the root).
std::string DirName(const std::string& path) {
  size_t slash = path.rfind('/');
  if (slash == std::string::npos) return "";
  return slash == 0 ? "/" : path.substr(0, slash);
}

std::string Reason(const std::string& where, int err) { return where + ": " + std::strerror(err); }

// Follows symlinks in the last component to the file they name, which need
// not exist yet. Links in the directories on the way need no resolving: the
// file is replaced within its own directory either way.
bool ResolveLinks(const std::string& path, std::string* target, std::string* error) {
  std::string cur = path;
  for (int hops = 0; hops < 40; ++hops) {
    struct stat st;
    if (lstat(cur.c_str(), &st) != 0) {
      if (errno != ENOENT) {
        *error = Reason(cur, errno);
        return false;
      }
      *target = cur;
      return true;
    }
    if (!S_ISLNK(st.st_mode)) {
      *target = cur;
      return true;
    }
    std::vector<char> buf(static_cast<size_t>(st.st_size) + 256);
    ssize_t n = readlink(cur.c_str(), buf.data(), buf.size());
    if (n < 0 || static_cast<size_t>(n) >= buf.size()) {
      *error = Reason(cur, n < 0 ? errno : ENAMETOOLONG);
      return false;
    }
    std::string link(buf.data(), static_cast<size_t>(n));
    std::string dir = DirName(cur);
    if (link.empty() || link[0] == '/' || dir.empty()) cur = link;
    else cur = (dir == "/" ? dir : dir + '/').append(link);
  }
  *error = Reason(path, ELOOP);
  return false;
}

bool MakeParentDirs(const std::string& path, std::string* error) {
  for (size_t i = 1; i < path.size(); ++i) {
    if (path[i] != '/') continue;
    std::string dir = path.substr(0, i);
    if (mkdir(dir.c_str(), 0700) != 0 && errno != EEXIST) {
      *error = Reason(dir, errno);
      return false;
    }
  }
  return true;
}

const char* FileKind(mode_t mode) {
  if (S_ISDIR(mode)) return "a directory";
  if (S_ISCHR(mode)) return "a character device";
  if (S_ISBLK(mode)) return "a block device";
  if (S_ISFIFO(mode)) return "a fifo";
  if (S_ISSOCK(mode)) return "a socket";
  return "not a regular file";
}

bool SameFile(const struct stat& a, const struct stat& b) {
  return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

bool WriteAll(int fd, const std::string& text) {
  size_t done = 0;
  while (done < text.size()) {
    ssize_t n = write(fd, text.data() + done, text.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      if (n == 0) errno = ENOSPC;
      return false;
    }
    done += static_cast<size_t>(n);
  }
  return true;
}

bool ReadAll(int fd, std::string* data) {
  char buf[65536];
  for (;;) {
    ssize_t n = read(fd, buf, sizeof buf);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return false;
    if (n == 0) return true;
    data->append(buf, static_cast<size_t>(n));
  }
}
#endif

}  // namespace

struct FileProfile::Impl {
  // One line of the file as it was read, without its '\n'.
  struct Line {
    std::string text;
    std::string section;  // the section the line stands in
    LineKind kind = LineKind::Other;
    std::string name;     // of an entry
    bool dead = false;    // an erased entry's line: left out on save
  };
  struct Entry {
    Value value;
    std::vector<size_t> lines;  // the lines that name it; the last one counts
    bool changed = false;
    uint64_t order = 0;         // for entries new since the file was read
  };
  std::vector<Line> lines;
  bool finalNewline = true;
  std::map<std::string, std::map<std::string, Entry>> store;
  uint64_t nextOrder = 0;
  bool dirty = false;

  // The file: its real path (links followed), the descriptor holding the
  // lock, the state it was in, and whether Load created it empty.
  std::string target;
  int fd = -1;
  bool forSaving = false;
  bool created = false;
  std::string saveError;  // why a profile loaded for saving cannot be saved
#ifndef _WIN32
  struct stat st {};
#endif

  void Set(const std::string& section, const std::string& name, Value v) {
    auto& sec = store[section];
    auto it = sec.find(name);
    if (it != sec.end() && SameValue(it->second.value, v)) return;
    Entry& e = sec[name];
    if (e.lines.empty() && e.order == 0) e.order = ++nextOrder;
    e.value = std::move(v);
    e.changed = true;
    dirty = true;
  }
  const Value* Find(const std::string& section, const std::string& name) const {
    auto si = store.find(section);
    if (si == store.end()) return nullptr;
    auto ei = si->second.find(name);
    return ei == si->second.end() ? nullptr : &ei->second.value;
  }
  std::string Serialize() const;
  void Release();
};

// The file as read, with changed entries rewritten on their lines, erased
// ones left out, and new ones after the last entry of their section's last
// block (new sections at the end).
std::string FileProfile::Impl::Serialize() const {
  const std::string eol = !lines.empty() && !lines[0].text.empty() && lines[0].text.back() == '\r'
                              ? "\r\n" : "\n";
  // Where each section's new entries go: after this line.
  std::map<std::string, size_t> after;
  for (size_t i = 0; i < lines.size(); ++i) {
    const Line& l = lines[i];
    if (l.dead) continue;
    if (l.kind == LineKind::Header) after[l.name] = i;
    else if (l.kind == LineKind::Entry) after[l.section] = i;
  }
  std::map<std::string, std::vector<std::pair<uint64_t, std::string>>> added;
  for (const auto& [sec, entries] : store)
    for (const auto& [name, e] : entries)
      if (e.lines.empty()) added[sec].emplace_back(e.order, FormatEntry(name, e.value));
  for (auto& [sec, list] : added) std::sort(list.begin(), list.end());
  auto emitAdded = [&](std::string& out, const std::string& sec) {
    for (const auto& item : added[sec]) out += item.second + eol;
  };

  std::string out;
  if (lines.empty()) out = "# Tagquill settings; strings in double quotes, integers bare." + eol;
  // Entries before any header that has none yet go first.
  if (!added[""].empty() && !after.count("")) emitAdded(out, "");
  std::map<size_t, std::string> appendAt;
  for (const auto& [sec, i] : after)
    if (!added[sec].empty()) appendAt[i] = sec;
  bool lastIsOriginal = false;
  for (size_t i = 0; i < lines.size(); ++i) {
    const Line& l = lines[i];
    if (l.dead) continue;
    std::string text = l.text;
    if (l.kind == LineKind::Entry) {
      const Entry& e = store.at(l.section).at(l.name);
      if (e.changed && e.lines.back() == i) {
        bool cr = !text.empty() && text.back() == '\r';
        text = text.substr(0, text.find_first_not_of(" \t")) + FormatEntry(l.name, e.value) +
               (cr ? "\r" : "");
      }
    }
    out += text + "\n";
    lastIsOriginal = i + 1 == lines.size();
    auto a = appendAt.find(i);
    if (a != appendAt.end()) {
      emitAdded(out, a->second);
      lastIsOriginal = false;
    }
  }
  for (const auto& [sec, list] : added) {
    if (list.empty() || after.count(sec) || sec.empty()) continue;
    out.append("[").append(sec).append("]").append(eol);
    emitAdded(out, sec);
    lastIsOriginal = false;
  }
  if (lastIsOriginal && !finalNewline) out.pop_back();
  return out;
}

FileProfile::FileProfile(std::string path) : path_(std::move(path)), impl_(new Impl) {}
FileProfile::~FileProfile() { impl_->Release(); }

void FileProfile::Parse(const std::string& data) {
  Impl& m = *impl_;
  m.lines.clear();
  m.store.clear();
  m.nextOrder = 0;
  m.dirty = false;
  m.finalNewline = data.empty() || data.back() == '\n';
  std::string section;
  size_t start = 0;
  while (start < data.size()) {
    size_t end = data.find('\n', start);
    if (end == std::string::npos) end = data.size();
    Impl::Line l;
    l.text = data.substr(start, end - start);
    Value v;
    l.kind = ParseLine(l.text, &l.name, &v);
    if (l.kind == LineKind::Header) section = l.name;
    l.section = section;
    if (l.kind == LineKind::Entry) {
      Impl::Entry& e = m.store[section][l.name];
      e.value = std::move(v);
      e.lines.push_back(m.lines.size());
    }
    m.lines.push_back(std::move(l));
    start = end + 1;
  }
}

std::string FileProfile::GetString(const std::string& s, const std::string& e,
                                   const std::string& def) {
  const Value* v = impl_->Find(s, e);
  return v && v->kind == Value::Str ? v->text : def;
}
int FileProfile::GetInt(const std::string& s, const std::string& e, int def) {
  const Value* v = impl_->Find(s, e);
  return v && v->kind == Value::Int ? v->number : def;
}
bool FileProfile::WriteString(const std::string& s, const std::string& e, const std::string& v) {
  Value val;
  val.kind = Value::Str;
  val.text = v;
  impl_->Set(s, e, std::move(val));
  return true;
}
bool FileProfile::WriteInt(const std::string& s, const std::string& e, int v) {
  Value val;
  val.kind = Value::Int;
  val.number = v;
  impl_->Set(s, e, std::move(val));
  return true;
}
bool FileProfile::WriteRaw(const std::string& s, const std::string& e, const std::string& raw) {
  if (raw.find('\n') != std::string::npos) return false;
  std::string name;
  Value v;
  if (ParseLine(Quote(e) + " = " + raw, &name, &v) != LineKind::Entry) return false;
  impl_->Set(s, name, std::move(v));
  return true;
}

int FileProfile::Erase(const std::string& section,
                       const std::function<bool(const std::string&)>& match) {
  auto si = impl_->store.find(section);
  if (si == impl_->store.end()) return 0;
  int n = 0;
  for (auto it = si->second.begin(); it != si->second.end();) {
    if (!match(it->first)) {
      ++it;
      continue;
    }
    for (size_t line : it->second.lines) impl_->lines[line].dead = true;
    it = si->second.erase(it);
    ++n;
  }
  if (n) impl_->dirty = true;
  return n;
}

#ifndef _WIN32

void FileProfile::Impl::Release() {
  if (fd < 0) return;
  // A file this object created empty and never filled goes again, before
  // the lock does (a waiter then finds it gone and starts over).
  struct stat now;
  if (created && stat(target.c_str(), &now) == 0 && SameFile(now, st) && now.st_size == 0)
    unlink(target.c_str());
  close(fd);
  fd = -1;
  created = false;
}

bool FileProfile::Load(std::string* error, bool forSaving) {
  std::string why;
  auto fail = [&](std::string reason) {
    if (error) *error = std::move(reason);
    return false;
  };
  Impl& m = *impl_;
  m.Release();
  Parse("");
  m.forSaving = forSaving;
  m.target.clear();
  m.saveError.clear();
  if (path_.empty()) return true;
  // A run that saves replaces the file by a new one; a waiter that then gets
  // the lock of the old one starts over. Each round means another run
  // finished, so this ends; the bound only guards against a path that is
  // swapped by something else all the time.
  for (int round = 0; round < 10000; ++round) {
    std::string target;
    if (!ResolveLinks(path_, &target, &why)) return fail(why);
    struct stat st;
    if (stat(target.c_str(), &st) == 0 && !S_ISREG(st.st_mode))
      return fail(path_ + ": " + FileKind(st.st_mode) + ", not a settings file");
    bool created = false;
    int fd = open(target.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0 && errno == ENOENT && forSaving) {
      // Create it empty to have something to lock; O_EXCL makes one of two
      // racing runs the creator, and the other locks what it created.
      if (MakeParentDirs(target, &why)) {
        fd = open(target.c_str(), O_RDONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd < 0 && errno == EEXIST) continue;
        if (fd < 0) why = Reason(path_, errno);
      }
      if (fd < 0) {
        // No settings and no place for them: a run that changes nothing
        // still works; Save says why it cannot.
        m.saveError = why;
        return true;
      }
      created = true;
    }
    if (fd < 0) {
      if (errno == ENOENT) return true;  // no settings yet, nothing to lock for reading
      if (errno == ELOOP) continue;      // became a link since it was resolved
      return fail(Reason(path_, errno));
    }
    if (fstat(fd, &st) != 0) {
      int err = errno;
      close(fd);
      return fail(Reason(path_, err));
    }
    if (!S_ISREG(st.st_mode)) {
      close(fd);
      return fail(path_ + ": " + FileKind(st.st_mode) + ", not a settings file");
    }
    int r;
    while ((r = flock(fd, forSaving ? LOCK_EX : LOCK_SH)) != 0 && errno == EINTR) {
    }
    if (r != 0) {
      int err = errno;
      close(fd);
      return fail(path_ + ": cannot lock: " + std::strerror(err));
    }
    // The path must still name the file that is locked.
    std::string again;
    struct stat now;
    if (!ResolveLinks(path_, &again, &why) || again != target || stat(target.c_str(), &now) != 0 ||
        !SameFile(now, st)) {
      close(fd);
      continue;
    }
    std::string data;
    if (fstat(fd, &st) != 0 || !ReadAll(fd, &data)) {
      int err = errno;
      close(fd);
      return fail(Reason(path_, err));
    }
    Parse(data);
    m.fd = fd;
    m.st = st;
    m.target = target;
    m.created = created;
    return true;
  }
  return fail(path_ + ": keeps being replaced; cannot lock it");
}

bool FileProfile::Save(std::string* error) {
  Impl& m = *impl_;
  if (!m.dirty || path_.empty()) return true;
  const std::string where = m.target.empty() || m.target == path_ ? path_ : path_ + " (" + m.target + ")";
  auto fail = [&](const std::string& reason) {
    if (error) *error = where + ": " + reason;
    return false;
  };
  if (!m.saveError.empty()) {
    if (error) *error = m.saveError;
    return false;
  }
  if (m.fd < 0 || !m.forSaving) return fail("not loaded for saving");
  const std::string text = m.Serialize();
  // A hidden name in the same directory, so that rename replaces in one step.
  const std::string dir = DirName(m.target);
  const size_t slash = m.target.rfind('/');
  std::string tmp = m.target.substr(0, slash + 1) + "." + m.target.substr(slash + 1) + ".XXXXXX";
  int t = mkostemp(&tmp[0], O_CLOEXEC);
  if (t < 0) return fail(std::string("cannot create a file beside it: ") + std::strerror(errno));
  // Lock the new file before it takes the name: whoever opens it after the
  // rename waits for this object, as for the old file.
  bool ok = flock(t, LOCK_EX) == 0 && WriteAll(t, text) && fsync(t) == 0;
  if (ok && geteuid() == 0) ok = fchown(t, m.st.st_uid, m.st.st_gid) == 0;
  else if (ok && fchown(t, static_cast<uid_t>(-1), m.st.st_gid) != 0) {
    // Not a member of the file's group: the new file keeps the user's.
  }
  if (ok) ok = fchmod(t, m.st.st_mode & 07777) == 0;
  if (ok) ok = rename(tmp.c_str(), m.target.c_str()) == 0;
  if (!ok) {
    int err = errno;
    close(t);
    unlink(tmp.c_str());
    return fail(std::strerror(err));
  }
  // Make the rename itself durable.
  int d = open(dir.empty() ? "." : dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (d >= 0) {
    fsync(d);
    close(d);
  }
  close(m.fd);
  m.fd = t;
  fstat(t, &m.st);
  m.created = false;
  Parse(text);
  return true;
}

#else  // _WIN32: the DLL keeps its settings in the registry; this is a plain fallback.

void FileProfile::Impl::Release() {}

bool FileProfile::Load(std::string* error, bool forSaving) {
  Parse("");
  impl_->forSaving = forSaving;
  impl_->target = path_;
  if (path_.empty()) return true;
  std::FILE* f = std::fopen(path_.c_str(), "rb");
  if (!f) {
    if (errno == ENOENT) return true;
    if (error) *error = path_ + ": " + std::strerror(errno);
    return false;
  }
  std::string data;
  char buf[65536];
  size_t n;
  while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) data.append(buf, n);
  bool bad = std::ferror(f) != 0;
  std::fclose(f);
  if (bad) {
    if (error) *error = path_ + ": read error";
    return false;
  }
  Parse(data);
  return true;
}

bool FileProfile::Save(std::string* error) {
  if (!impl_->dirty || path_.empty()) return true;
  const std::string text = impl_->Serialize();
  const std::string tmp = path_ + ".tmp";
  std::FILE* f = std::fopen(tmp.c_str(), "wb");
  bool ok = f && std::fwrite(text.data(), 1, text.size(), f) == text.size();
  if (f) ok = std::fclose(f) == 0 && ok;
  if (ok) ok = MoveFileExA(tmp.c_str(), path_.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
  if (!ok) {
    std::remove(tmp.c_str());
    if (error) *error = path_ + ": cannot save";
    return false;
  }
  Parse(text);
  return true;
}

#endif

struct MemoryProfile::Impl {
  Store store;
};
MemoryProfile::MemoryProfile() : impl_(new Impl) {}
MemoryProfile::~MemoryProfile() = default;
std::string MemoryProfile::GetString(const std::string& s, const std::string& e,
                                     const std::string& def) {
  return GetStr(impl_->store, s, e, def);
}
int MemoryProfile::GetInt(const std::string& s, const std::string& e, int def) {
  return GetNum(impl_->store, s, e, def);
}
bool MemoryProfile::WriteString(const std::string& s, const std::string& e, const std::string& v) {
  ++writes_;
  Value& val = impl_->store[s][e];
  val.kind = Value::Str;
  val.text = v;
  return true;
}
bool MemoryProfile::WriteInt(const std::string& s, const std::string& e, int v) {
  ++writes_;
  Value& val = impl_->store[s][e];
  val.kind = Value::Int;
  val.number = v;
  return true;
}
bool MemoryProfile::Has(const std::string& s, const std::string& e) const {
  auto si = impl_->store.find(s);
  return si != impl_->store.end() && si->second.count(e) != 0;
}

}  // namespace plat
