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
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <sstream>

#include "plat/profile.h"

#ifdef _WIN32
#include <io.h>
#else
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

void ParseLine(const std::string& raw, std::string& section, Store& store) {
  std::string line = Trim(raw);
  if (line.empty() || line[0] == '#' || line[0] == ';') return;
  if (line[0] == '[') {
    if (line.back() == ']') section = line.substr(1, line.size() - 2);
    return;
  }
  std::string name;
  size_t pos = 0;
  if (line[0] == '"') {
    if (!ParseQuoted(line, pos, &name)) return;
  } else {
    pos = line.find('=');
    if (pos == std::string::npos) return;
    name = Trim(line.substr(0, pos));
  }
  pos = line.find('=', pos);
  if (pos == std::string::npos || name.empty()) return;
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
  store[section][name] = std::move(v);
}

std::string Serialize(const Store& store) {
  std::string out = "# Tagquill settings; strings in double quotes, integers bare.\n";
  for (const auto& [sec, entries] : store) {
    out += "[" + sec + "]\n";
    for (const auto& [name, v] : entries) {
      out += PlainName(name) ? name : Quote(name);
      out += " = ";
      if (v.kind == Value::Str) out += Quote(v.text);
      else if (v.kind == Value::Int) out += std::to_string(v.number);
      else out += v.text;
      out += "\n";
    }
  }
  return out;
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

}  // namespace

struct FileProfile::Impl {
  Store store;
};

FileProfile::FileProfile(std::string path) : path_(std::move(path)), impl_(new Impl) {}
FileProfile::~FileProfile() = default;

bool FileProfile::Load(std::string* error) {
  impl_->store.clear();
  std::FILE* f = std::fopen(path_.c_str(), "rb");
  if (!f) {
    if (errno == ENOENT) return true;  // no settings yet
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

void FileProfile::Parse(const std::string& data) {
  impl_->store.clear();
  std::string section;
  size_t start = 0;
  while (start < data.size()) {
    size_t end = data.find('\n', start);
    if (end == std::string::npos) end = data.size();
    ParseLine(data.substr(start, end - start), section, impl_->store);
    start = end + 1;
  }
}

std::string FileProfile::GetString(const std::string& s, const std::string& e,
                                   const std::string& def) {
  return GetStr(impl_->store, s, e, def);
}
int FileProfile::GetInt(const std::string& s, const std::string& e, int def) {
  return GetNum(impl_->store, s, e, def);
}
bool FileProfile::WriteString(const std::string& s, const std::string& e, const std::string& v) {
  Value& val = impl_->store[s][e];
  val.kind = Value::Str;
  val.text = v;
  return Save();
}
bool FileProfile::WriteInt(const std::string& s, const std::string& e, int v) {
  Value& val = impl_->store[s][e];
  val.kind = Value::Int;
  val.text.clear();
  val.number = v;
  return Save();
}
bool FileProfile::WriteRaw(const std::string& s, const std::string& e, const std::string& raw) {
  std::string section = s;
  ParseLine(Quote(e) + " = " + raw, section, impl_->store);
  return Save();
}

static bool MakeParentDirs(const std::string& path) {
#ifndef _WIN32
  for (size_t i = 1; i < path.size(); ++i) {
    if (path[i] != '/') continue;
    std::string dir = path.substr(0, i);
    if (mkdir(dir.c_str(), 0700) != 0 && errno != EEXIST) return false;
  }
#endif
  return true;
}

bool FileProfile::Save() {
  if (path_.empty()) return true;
  MakeParentDirs(path_);
  std::string tmp = path_ + ".tmp";
#ifndef _WIN32
  tmp += "." + std::to_string(getpid());
#endif
  std::FILE* f = std::fopen(tmp.c_str(), "wb");
  if (!f) return false;
  std::string text = Serialize(impl_->store);
  bool ok = std::fwrite(text.data(), 1, text.size(), f) == text.size();
  ok = std::fflush(f) == 0 && ok;
#ifndef _WIN32
  ok = fsync(fileno(f)) == 0 && ok;
#endif
  ok = std::fclose(f) == 0 && ok;
  // rename() replaces the old file in one step, so a crash leaves either
  // the old or the new settings, never half of one.
  if (!ok || std::rename(tmp.c_str(), path_.c_str()) != 0) {
    std::remove(tmp.c_str());
    return false;
  }
  return true;
}

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
