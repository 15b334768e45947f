// Texts of the Win32 backend: the module's own string table, and filters
// for the file dialog. Also holds the check that the resource generator's
// style numbers are the window system's.
#include <string>

#include "plat/text.h"
#include "platform/win32/win32_api.h"
#include "platform/win32/win32_backend.h"
#include "plat/control_styles.h"

namespace plat::win32 {

namespace s = plat::control_styles::style;
static_assert(s::kWsPopup == WS_POPUP && s::kWsChild == WS_CHILD && s::kWsVisible == WS_VISIBLE &&
              s::kWsCaption == WS_CAPTION && s::kWsBorder == WS_BORDER && s::kWsVScroll == WS_VSCROLL &&
              s::kWsSysMenu == WS_SYSMENU && s::kWsGroup == WS_GROUP && s::kWsTabStop == WS_TABSTOP);
static_assert(s::kDs3DLook == DS_3DLOOK && s::kDsSetFont == DS_SETFONT && s::kDsModalFrame == DS_MODALFRAME &&
              s::kDsCenter == DS_CENTER);
static_assert(s::kSsLeft == SS_LEFT && s::kSsOwnerDraw == SS_OWNERDRAW && s::kSsNotify == SS_NOTIFY);
static_assert(s::kEsLeft == ES_LEFT && s::kEsRight == ES_RIGHT && s::kEsMultiLine == ES_MULTILINE &&
              s::kEsAutoVScroll == ES_AUTOVSCROLL && s::kEsAutoHScroll == ES_AUTOHSCROLL &&
              s::kEsWantReturn == ES_WANTRETURN && s::kEsNumber == ES_NUMBER);
static_assert(s::kBsPushButton == BS_PUSHBUTTON && s::kBsDefPushButton == BS_DEFPUSHBUTTON &&
              s::kBsAutoCheckBox == BS_AUTOCHECKBOX && s::kBsGroupBox == BS_GROUPBOX &&
              s::kBsAutoRadioButton == BS_AUTORADIOBUTTON);
static_assert(s::kLbsNotify == LBS_NOTIFY && s::kLbsSort == LBS_SORT && s::kCbsDropDownList == CBS_DROPDOWNLIST);
static_assert(s::kUdsSetBuddyInt == UDS_SETBUDDYINT && s::kUdsAlignRight == UDS_ALIGNRIGHT &&
              s::kUdsAutoBuddy == UDS_AUTOBUDDY && s::kUdsArrowKeys == UDS_ARROWKEYS &&
              s::kUdsNoThousands == UDS_NOTHOUSANDS);
static_assert(plat::control_styles::kLangJapanese == LANG_JAPANESE && plat::control_styles::kSublangDefault == SUBLANG_DEFAULT &&
              plat::control_styles::kShiftJisCharset == SHIFTJIS_CHARSET);

std::string LoadModuleString(int id) {
  // The string table holds UTF-16; LoadStringA gives it in the ANSI code
  // page, and the DLL's texts are code page 932.
  WCHAR wide[1024];
  int n = LoadStringW(static_cast<HINSTANCE>(ThisModule()), static_cast<UINT>(id), wide, 1024);
  if (n <= 0) return {};
  int bytes = WideCharToMultiByte(932, 0, wide, n, nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<size_t>(bytes > 0 ? bytes : 0), '\0');
  if (bytes > 0) WideCharToMultiByte(932, 0, wide, n, out.data(), bytes, nullptr, nullptr);
  return out;
}

std::string FilterToNul(const std::string& filter) {
  std::string out;
  out.reserve(filter.size() + 2);
  for (size_t i = 0; i < filter.size(); ++i) {
    unsigned char c = static_cast<unsigned char>(filter[i]);
    if (IsCp932Lead(c) && i + 1 < filter.size()) {
      out.push_back(filter[i]);
      out.push_back(filter[++i]);
    } else {
      out.push_back(c == '|' ? '\0' : filter[i]);
    }
  }
  // The list ends with an empty name: two NULs in a row.
  while (out.size() < 2 || out[out.size() - 1] != '\0' || out[out.size() - 2] != '\0')
    out.push_back('\0');
  return out;
}

}  // namespace plat::win32
