#include "toolbox/tb_rules.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>

#include "dialogs/common/text_rules.h"
#include "plat/text.h"

namespace tq {

const char* const kTitleValue = "ToolBox_%dTitle%d";
const char* const kCmdValue = "ToolBox_%dCmd%d";
const char* const kLeftValue = "TBox_%dLeft";
const char* const kTopValue = "TBox_%dTop";
const char* const kPageValue = "TBox_%dPage";

std::string ToolBoxLabel(int id, LabelKind kind) {
  std::string name = TagNameOf(id);
  if (name.empty()) return LabelTableLookup(id, name);
  if (IsToolBoxDetailId(id)) name += kind == LabelKind::DefaultList ? " -" : "*";
  return name;
}

std::vector<int> DefaultToolBoxCommands(int page) {
  static const int kPage1[] = {29021, 29023, 29024, 29027, 29315, 29030, 29301, 29302, 29303,
                               29304, 29305, 29306, 29307, 29308, 29309, 29310, 29345, 29355,
                               29040, 29041, 29042, 29335, 29336, 29337, 29058, 29059, 29060};
  std::vector<int> ids;
  for (int id : kPage1) ids.push_back(page == 2 ? id + 100 : id);
  return ids;
}

std::string DefaultPageTitle(int page) { return plat::J(page == 2 ? "詳細" : "単純"); }

// atoi's reading: optional blanks and sign, then digits; anything else
// ends the number (none at all gives 0). Out of range saturates.
static int DecimalToken(const std::string& t) {
  errno = 0;
  long long v = std::strtoll(t.c_str(), nullptr, 10);
  if (v > INT32_MAX) return INT32_MAX;
  if (v < INT32_MIN) return INT32_MIN;
  return static_cast<int>(v);
}

std::vector<int> ParseCommandValue(const std::string& value) {
  std::vector<int> ids;
  size_t pos = 0;
  while (pos <= value.size()) {
    size_t comma = value.find(',', pos);
    if (comma == std::string::npos) comma = value.size();
    if (comma > pos) ids.push_back(DecimalToken(value.substr(pos, comma - pos)));
    pos = comma + 1;
  }
  return ids;
}

std::string FormatCommandValue(const std::vector<int>& ids) {
  std::string out;
  for (size_t i = 0; i < ids.size(); ++i) {
    if (i) out += ',';
    out += std::to_string(ids[i]);
  }
  return out;
}

std::string ToolBoxName(const char* pattern, int app, int page) {
  char buf[1024];
  std::snprintf(buf, sizeof buf, pattern, app, page);
  return buf;
}

int ToolBoxFontHeight(int baseY) {
  // The factor is a float: 20 x 60 x 0.01f is just under 12.
  const float factor = 0.01f;
  return static_cast<int>(static_cast<double>(baseY * 60) * factor);
}

plat::FontDesc ToolBoxFont(int baseY, bool italic) {
  plat::FontDesc f;
  f.height = ToolBoxFontHeight(baseY);
  f.face = plat::J("MS ゴシック");
  f.charset = 128;
  f.italic = italic;
  return f;
}

ToolBoxPlace PlaceToolBox(int flags, int cx, const plat::Rect& desktop, int savedLeft, int savedTop) {
  ToolBoxPlace p{desktop.right - cx, 0, (flags & kTbTopmost) != 0};
  if (flags & kTbAtOrigin) p.x = p.y = 0;
  else if (flags & kTbAtSaved) p.x = savedLeft, p.y = savedTop;
  return p;
}

}  // namespace tq
