#include "plat/text.h"

#include <mutex>
#include <unordered_map>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#else
#include <iconv.h>
#endif

namespace plat {

namespace {
#ifdef TQ_FIXED_CP932
Encoding g_encoding = Encoding::Cp932;
#else
Encoding g_encoding = Encoding::Utf8;
#endif
PathStyle g_pathStyle = PathStyle::Windows;

#ifndef _WIN32
std::string Convert(std::string_view s, const char* to, const char* from) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return std::string(s);
  std::string out;
  out.reserve(s.size() + 8);
  char buf[4096];
  char* in = const_cast<char*>(s.data());
  size_t inLeft = s.size();
  while (inLeft > 0) {
    char* o = buf;
    size_t oLeft = sizeof buf;
    size_t r = iconv(cd, &in, &inLeft, &o, &oLeft);
    out.append(buf, o - buf);
    if (r == static_cast<size_t>(-1) && errno != E2BIG) {
      // Unmappable or broken input: mark it and step over one byte.
      out.push_back('?');
      ++in;
      --inLeft;
    }
  }
  iconv_close(cd);
  return out;
}
#else
std::string Convert(std::string_view s, UINT to, UINT from) {
  if (s.empty()) return {};
  int wn = MultiByteToWideChar(from, 0, s.data(), static_cast<int>(s.size()), nullptr, 0);
  // A vector, not a std::wstring: the DLL links no wide string otherwise.
  std::vector<wchar_t> w(wn > 0 ? static_cast<size_t>(wn) : 0);
  MultiByteToWideChar(from, 0, s.data(), static_cast<int>(s.size()), w.data(), wn);
  int n = WideCharToMultiByte(to, 0, w.data(), wn, nullptr, 0, nullptr, nullptr);
  std::string out(n, '\0');
  WideCharToMultiByte(to, 0, w.data(), wn, out.data(), n, nullptr, nullptr);
  return out;
}
#endif
}  // namespace

Encoding TextEncoding() { return g_encoding; }

void SetTextEncoding(Encoding e) {
#ifndef TQ_FIXED_CP932
  g_encoding = e;
#else
  (void)e;
#endif
}

#ifdef _WIN32
std::string Utf8ToCp932(std::string_view s) { return Convert(s, 932, CP_UTF8); }
std::string Cp932ToUtf8(std::string_view s) { return Convert(s, CP_UTF8, 932); }
#else
std::string Utf8ToCp932(std::string_view s) { return Convert(s, "CP932", "UTF-8"); }
std::string Cp932ToUtf8(std::string_view s) { return Convert(s, "UTF-8", "CP932"); }
#endif

const char* J(const char* fixedText) {
#ifdef TQ_FIXED_CP932
  return fixedText;  // compiled to CP932 already
#else
  if (g_encoding == Encoding::Utf8 || fixedText == nullptr) return fixedText;
  static std::mutex m;
  static std::unordered_map<const char*, std::string> cache;
  std::lock_guard<std::mutex> lock(m);
  auto it = cache.find(fixedText);
  if (it == cache.end()) it = cache.emplace(fixedText, Utf8ToCp932(fixedText)).first;
  return it->second.c_str();
#endif
}

size_t FindLastBackslash(std::string_view s, Encoding e) {
  size_t last = std::string_view::npos;
  for (size_t i = 0; i < s.size(); ++i) {
    unsigned char c = static_cast<unsigned char>(s[i]);
    if (e == Encoding::Cp932 && IsCp932Lead(c)) {
      ++i;  // the trail byte is part of the character, even if it is 0x5C
      continue;
    }
    if (c == '\\') last = i;
  }
  return last;
}

PathStyle BrowsePathStyle() { return g_pathStyle; }

void SetBrowsePathStyle(PathStyle style) {
#ifndef TQ_FIXED_CP932
  g_pathStyle = style;
#else
  (void)style;
#endif
}

bool DirectoryOf(std::string_view path, std::string* dir) {
  if (g_pathStyle == PathStyle::Posix) {
    // '/' is never a CP932 trail byte, so a plain search serves both encodings.
    size_t slash = path.rfind('/');
    if (slash == std::string_view::npos) return false;
    *dir = std::string(path.substr(0, slash == 0 ? 1 : slash));
    return true;
  }
  size_t bs = FindLastBackslash(path);
  if (bs == std::string_view::npos) return false;
  *dir = std::string(path.substr(0, bs));
  return true;
}

}  // namespace plat
