#include "plat/colors.h"

#include <cstdio>

namespace plat {

const NamedColor kHtmlColors[16] = {
    {"black", 0x000000},  {"gray", 0x808080}, {"silver", 0xC0C0C0}, {"white", 0xFFFFFF},
    {"maroon", 0x800000}, {"red", 0xFF0000},  {"purple", 0x800080}, {"fuchsia", 0xFF00FF},
    {"green", 0x008000},  {"lime", 0x00FF00}, {"olive", 0x808000},  {"yellow", 0xFFFF00},
    {"navy", 0x000080},   {"blue", 0x0000FF}, {"teal", 0x008080},   {"aqua", 0x00FFFF},
};

uint32_t RgbToColorref(uint32_t rgb) {
  return ((rgb >> 16) & 0xFF) | (rgb & 0xFF00) | ((rgb & 0xFF) << 16);
}

std::string ColorrefHex(uint32_t colorref) {
  char b[8];
  std::snprintf(b, sizeof b, "#%02X%02X%02X", static_cast<unsigned>(colorref & 0xFF),
                static_cast<unsigned>((colorref >> 8) & 0xFF), static_cast<unsigned>((colorref >> 16) & 0xFF));
  return b;
}

bool ParseColor(std::string_view s, uint32_t* colorref) {
  std::string_view hex = !s.empty() && s[0] == '#' ? s.substr(1) : s;
  if (hex.size() == 6) {
    uint32_t v = 0;
    bool ok = true;
    for (char c : hex) {
      const int d = c >= '0' && c <= '9' ? c - '0' : c >= 'a' && c <= 'f' ? c - 'a' + 10 : c >= 'A' && c <= 'F' ? c - 'A' + 10 : -1;
      ok = ok && d >= 0;
      v = v * 16 + static_cast<uint32_t>(d < 0 ? 0 : d);
    }
    if (ok) {
      *colorref = RgbToColorref(v);
      return true;
    }
  }
  for (const NamedColor& c : kHtmlColors) {
    bool same = s.size() == std::string_view(c.name).size();
    for (size_t i = 0; same && i < s.size(); ++i)
      same = (s[i] >= 'A' && s[i] <= 'Z' ? s[i] - 'A' + 'a' : s[i]) == c.name[i];
    if (same) {
      *colorref = RgbToColorref(c.rgb);
      return true;
    }
  }
  return false;
}

}  // namespace plat
