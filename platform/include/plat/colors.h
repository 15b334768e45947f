// The sixteen colour names of HTML and the "#RRGGBB" form, shared by the
// command line's --color and the terminal's colour dialog.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace plat {

struct NamedColor {
  const char* name;  // lower case
  uint32_t rgb;      // 0xRRGGBB
};
extern const NamedColor kHtmlColors[16];

// 0xRRGGBB to a COLORREF (0x00BBGGRR) and back to "#RRGGBB".
uint32_t RgbToColorref(uint32_t rgb);
std::string ColorrefHex(uint32_t colorref);

// "#RRGGBB" (the '#' may be left out) or a colour name, ASCII case ignored.
bool ParseColor(std::string_view text, uint32_t* colorref);

}  // namespace plat
