// The toolbox's rules, apart from any window: labels, the default pages,
// the stored command lists and value names, the sizes taken from the
// dialog base units and where the window goes.
#pragma once
#include <string>
#include <vector>

#include "plat/window.h"
#include "res/commands.h"

namespace tq {

// Detail commands show italic on the toolbox.
inline bool IsToolBoxDetailId(int id) {
  return cmd::InDetailRange(id);
}

// Button label: the tag name, with " -" (default list) or "*" (a stored or
// added command) after a detail id; the label table for ids without one.
enum class LabelKind { DefaultList, Stored };
std::string ToolBoxLabel(int id, LabelKind kind);

// The 27 commands of page 1; page 2 holds their detail forms (id + 100).
std::vector<int> DefaultToolBoxCommands(int page);
std::string DefaultPageTitle(int page);  // "単純", "詳細"

// "29021,29121": decimal tokens at ",", empty ones skipped; a token that
// is not a number gives 0.
std::vector<int> ParseCommandValue(const std::string& value);
std::string FormatCommandValue(const std::vector<int>& ids);

// Value names: pattern with the app number, then the page number.
std::string ToolBoxName(const char* pattern, int app, int page = 0);
extern const char* const kTitleValue;  // "ToolBox_%dTitle%d"
extern const char* const kCmdValue;    // "ToolBox_%dCmd%d"
extern const char* const kLeftValue;   // "TBox_%dLeft"
extern const char* const kTopValue;    // "TBox_%dTop"
extern const char* const kPageValue;   // "TBox_%dPage"

// Sizes from the dialog base units.
int ToolBoxFontHeight(int baseY);  // baseY x 60 x 0.01f, truncated
inline int ToolBoxButtonWidth(int baseX) { return static_cast<int>(baseX * 7.5); }
inline int ToolBoxButtonHeight(int baseY) { return baseY - 2; }
plat::FontDesc ToolBoxFont(int baseY, bool italic);

// Placement flags of SetAppInfo.
enum : int { kTbTopmost = 0x10, kTbAtOrigin = 0x20, kTbAtSaved = 0x40 };
struct ToolBoxPlace {
  int x, y;
  bool topmost;
};
// Where the window of width cx goes: (0, 0), the saved place, or the top
// right corner of the desktop.
ToolBoxPlace PlaceToolBox(int flags, int cx, const plat::Rect& desktop, int savedLeft, int savedTop);

}  // namespace tq
