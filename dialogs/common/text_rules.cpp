#include "dialogs/common/text_rules.h"

#include <cstdio>

#include "res/string_table.h"
#include "plat/text.h"
#include "res/commands.h"

namespace tq {

std::string NormalizeWhitespace(std::string_view text) {
  std::string out;
  out.reserve(text.size() + 1);
  size_t start = 0;
  const size_t n = text.size();
  while (start <= n) {
    size_t end = start;
    while (end < n && text[end] != '\r' && text[end] != '\n') ++end;
    if (end > start) {
      out.append(text.data() + start, end - start);
      out.push_back(' ');
    }
    start = end + 1;
  }
  size_t keep = out.size();
  while (keep > 0) {
    char c = out[keep - 1];
    if (c != ' ' && c != '\t' && c != '\v' && c != '\f') break;
    --keep;
  }
  out.resize(keep);
  return out;
}

std::string ElementLabel(int id) {
  const char* s = LoadTagString(id);
  if (!s) return {};
  std::string t = s;
  size_t lf = t.find('\n');
  if (lf != std::string::npos) t = t.substr(lf + 1);
  size_t lt = t.find('<');
  if (lt != std::string::npos) t = t.substr(lt);
  size_t gt = t.find('>');
  if (gt != std::string::npos) t = t.substr(0, gt + 1);
  return t;
}

std::string TagNameOf(int id) {
  const char* s = LoadTagString(id);
  if (!s) return {};
  std::string t = s;
  size_t lf = t.find('\n');
  if (lf == std::string::npos) return {};
  t = t.substr(lf + 1);
  size_t lt = t.find('<');
  if (lt == std::string::npos) return {};
  t = t.substr(lt + 1);
  size_t gt = t.find('>');
  if (gt == std::string::npos) return {};
  return t.substr(0, gt);
}

std::string LabelTableLookup(int id, const std::string& label) {
  switch (id) {
    case cmd::kNewTransitional: return "NEW(Trans.)";
    case cmd::kNewStrict: return "NEW(Strict)";
    case cmd::kNewFrame: return "NEW(Frame)";
    case cmd::kStyleRules: return "CSS";
    case cmd::kCssComment: return "CMT_CSS";
    case cmd::kComment: return "COMMENT";
    default: return label;
  }
}

std::string EntryValue(const std::string& entry) { return entry.substr(0, entry.find(' ')); }

std::string ColorHex(uint32_t c) {
  char buf[8];
  std::snprintf(buf, sizeof buf, "#%02X%02X%02X", static_cast<unsigned>(c & 0xFF),
                static_cast<unsigned>((c >> 8) & 0xFF), static_cast<unsigned>((c >> 16) & 0xFF));
  return buf;
}

bool SameWordNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  const bool cp932 = plat::TextEncoding() == plat::Encoding::Cp932;
  auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; };
  for (size_t i = 0; i < a.size(); ++i) {
    if (cp932 && plat::IsCp932Lead(static_cast<unsigned char>(a[i])) && i + 1 < a.size()) {
      if (a[i] != b[i] || a[i + 1] != b[i + 1]) return false;
      ++i;
    } else if (lower(a[i]) != lower(b[i])) {
      return false;
    }
  }
  return true;
}

}  // namespace tq
