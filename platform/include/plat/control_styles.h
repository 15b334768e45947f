// Window class and style of each kind of template control, and of the
// dialog frames: what the resource generator writes into the DIALOGEX
// templates. Plain numbers, so that the generator builds on a machine
// without the Windows headers; the Windows build checks them against
// those headers.
#pragma once
#include <cstdint>

#include "plat/dialog_template.h"

namespace plat::control_styles {

namespace style {
enum : uint32_t {
  kWsPopup = 0x80000000, kWsChild = 0x40000000, kWsVisible = 0x10000000, kWsCaption = 0x00C00000,
  kWsBorder = 0x00800000, kWsVScroll = 0x00200000, kWsSysMenu = 0x00080000, kWsGroup = 0x00020000,
  kWsTabStop = 0x00010000,
  kDs3DLook = 0x4, kDsSetFont = 0x40, kDsModalFrame = 0x80, kDsCenter = 0x800,
  kSsLeft = 0x0, kSsOwnerDraw = 0xD, kSsNotify = 0x100,
  kEsLeft = 0x0, kEsRight = 0x2, kEsMultiLine = 0x4, kEsAutoVScroll = 0x40, kEsAutoHScroll = 0x80,
  kEsWantReturn = 0x1000, kEsNumber = 0x2000,
  kBsPushButton = 0x0, kBsDefPushButton = 0x1, kBsAutoCheckBox = 0x3, kBsGroupBox = 0x7,
  kBsAutoRadioButton = 0x9,
  kLbsNotify = 0x1, kLbsSort = 0x2, kCbsDropDownList = 0x3,
  kUdsSetBuddyInt = 0x2, kUdsAlignRight = 0x4, kUdsAutoBuddy = 0x10, kUdsArrowKeys = 0x20,
  kUdsNoThousands = 0x80,
};
}  // namespace style

struct ControlClass {
  const char* name;  // window class
  uint32_t style;    // besides WS_CHILD | WS_VISIBLE and the group bits
};

inline ControlClass ClassOf(plat::Ctl kind) {
  using namespace style;
  using plat::Ctl;
  switch (kind) {
    case Ctl::Static: return {"Static", kSsLeft};
    case Ctl::Edit: return {"Edit", kEsLeft | kEsAutoHScroll | kWsBorder | kWsTabStop};
    case Ctl::EditMulti:
      return {"Edit", kEsLeft | kEsMultiLine | kEsWantReturn | kEsAutoVScroll | kWsVScroll | kWsBorder |
                          kWsTabStop};
    case Ctl::EditNumber: return {"Edit", kEsLeft | kEsAutoHScroll | kEsNumber | kWsBorder | kWsTabStop};
    case Ctl::Button: return {"Button", kBsPushButton | kWsTabStop};
    case Ctl::DefButton: return {"Button", kBsDefPushButton | kWsTabStop};
    case Ctl::Check: return {"Button", kBsAutoCheckBox | kWsTabStop};
    case Ctl::Radio: return {"Button", kBsAutoRadioButton};
    case Ctl::Group: return {"Button", kBsGroupBox};
    case Ctl::List: return {"ListBox", kLbsNotify | kWsVScroll | kWsBorder | kWsTabStop};
    case Ctl::ListSorted: return {"ListBox", kLbsNotify | kLbsSort | kWsVScroll | kWsBorder | kWsTabStop};
    case Ctl::Combo: return {"ComboBox", kCbsDropDownList | kWsVScroll | kWsTabStop};
    // No thousands separators: the buddy's text is read back as a plain
    // decimal number.
    case Ctl::UpDown:
      return {"msctls_updown32", kUdsAutoBuddy | kUdsSetBuddyInt | kUdsAlignRight | kUdsArrowKeys | kUdsNoThousands};
    // Painted by the dialog procedure in the colour the dialog set.
    case Ctl::Swatch: return {"Static", kSsOwnerDraw | kSsNotify};
  }
  return {"Static", kSsLeft};
}

inline bool IsEdit(plat::Ctl k) { return k == plat::Ctl::Edit || k == plat::Ctl::EditMulti || k == plat::Ctl::EditNumber; }

inline uint32_t DialogStyle(const plat::DialogTemplate& t) {
  using namespace style;
  uint32_t s = kDsSetFont | kWsCaption;
  return t.child ? s | kWsChild | kDs3DLook : s | kDsModalFrame | kDsCenter | kWsSysMenu | kWsPopup;
}

// The full style of control i of t. Radio buttons form a group from a
// radio marked as its start, or from the first radio after another kind
// of control, up to the next such start; every other control is a group
// of its own. That keeps the automatic unchecking inside one run of radio
// buttons. The buddy of an up-down control holds a number: right-aligned.
inline uint32_t ControlStyle(const plat::DialogTemplate& t, size_t i) {
  using namespace style;
  const plat::ControlDesc& c = t.controls[i];
  const plat::ControlDesc* prev = i ? &t.controls[i - 1] : nullptr;
  uint32_t s = kWsChild | kWsVisible | ClassOf(c.kind).style;
  if (IsEdit(c.kind) && i + 1 < t.controls.size() && t.controls[i + 1].kind == plat::Ctl::UpDown) s |= kEsRight;
  if (c.kind == plat::Ctl::Radio) {
    if (c.group || !prev || prev->kind != plat::Ctl::Radio) s |= kWsGroup | kWsTabStop;
  } else if (c.kind != plat::Ctl::UpDown) {
    s |= kWsGroup;
  }
  return s;
}

// A drop-down list's height includes its list: give the list room.
inline short ControlHeight(const plat::ControlDesc& c) {
  return c.kind == plat::Ctl::Combo && c.cy < 50 ? static_cast<short>(c.cy + 96) : c.cy;
}

// The Japanese language id the resources are filed under, and the
// template font's character set (SHIFTJIS_CHARSET).
enum : int { kLangJapanese = 0x11, kSublangDefault = 0x01, kShiftJisCharset = 128 };

}  // namespace plat::control_styles
