// Declarative templates to DLGTEMPLATE. The texts of the templates are
// CP932 bytes (fixed texts); the template format wants UTF-16, and the
// conversion names code page 932 so the captions do not depend on the
// system's ANSI code page.
#include <string>

#include "platform/win32/win32_backend.h"
#include "plat/text.h"
#include "platform/win32/win32_api.h"

namespace plat::win32 {

namespace {

std::wstring Wide932(const char* s) {
  if (!s || !*s) return {};
  int n = MultiByteToWideChar(932, 0, s, -1, nullptr, 0);
  if (n <= 0) return {};
  std::wstring w(static_cast<size_t>(n), L'\0');
  MultiByteToWideChar(932, 0, s, -1, w.data(), n);
  w.resize(static_cast<size_t>(n - 1));
  return w;
}

class Writer {
 public:
  void Word(uint16_t v) { w_.push_back(v); }
  void DWord(DWORD v) {
    Word(LOWORD(v));
    Word(HIWORD(v));
  }
  void Short(short v) { Word(static_cast<uint16_t>(v)); }
  void Str(const std::wstring& s) {
    for (wchar_t c : s) Word(static_cast<uint16_t>(c));
    Word(0);
  }
  void AlignDWord() {
    if (w_.size() % 2) Word(0);
  }
  std::vector<uint16_t> Take() { return std::move(w_); }

 private:
  std::vector<uint16_t> w_;
};

bool IsEdit(Ctl k) { return k == Ctl::Edit || k == Ctl::EditMulti || k == Ctl::EditNumber; }

enum : uint16_t { kButton = 0x80, kEdit = 0x81, kStatic = 0x82, kListBox = 0x83, kComboBox = 0x85 };

struct ItemClass {
  uint16_t atom;          // predefined class, or 0 for a named one
  const wchar_t* name;    // named class
  DWORD style;
};

ItemClass ClassOf(const ControlDesc& c) {
  const DWORD tab = WS_TABSTOP;
  switch (c.kind) {
    case Ctl::Static: return {kStatic, nullptr, SS_LEFT};
    case Ctl::Edit: return {kEdit, nullptr, ES_LEFT | ES_AUTOHSCROLL | WS_BORDER | tab};
    case Ctl::EditMulti:
      return {kEdit, nullptr,
              ES_LEFT | ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL | WS_VSCROLL | WS_BORDER | tab};
    case Ctl::EditNumber: return {kEdit, nullptr, ES_LEFT | ES_AUTOHSCROLL | ES_NUMBER | WS_BORDER | tab};
    case Ctl::Button: return {kButton, nullptr, BS_PUSHBUTTON | tab};
    case Ctl::DefButton: return {kButton, nullptr, BS_DEFPUSHBUTTON | tab};
    case Ctl::Check: return {kButton, nullptr, BS_AUTOCHECKBOX | tab};
    case Ctl::Radio: return {kButton, nullptr, BS_AUTORADIOBUTTON};
    case Ctl::Group: return {kButton, nullptr, BS_GROUPBOX};
    case Ctl::List: return {kListBox, nullptr, LBS_NOTIFY | WS_VSCROLL | WS_BORDER | tab};
    case Ctl::ListSorted:
      return {kListBox, nullptr, LBS_NOTIFY | LBS_SORT | WS_VSCROLL | WS_BORDER | tab};
    case Ctl::Combo: return {kComboBox, nullptr, CBS_DROPDOWNLIST | WS_VSCROLL | tab};
    // No thousands separators: the buddy's text is read back as a plain
    // decimal number.
    case Ctl::UpDown:
      return {0, UPDOWN_CLASSW,
              UDS_AUTOBUDDY | UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_ARROWKEYS | UDS_NOTHOUSANDS};
    // Painted by the dialog procedure in the colour the dialog set.
    case Ctl::Swatch: return {kStatic, nullptr, SS_OWNERDRAW | SS_NOTIFY};
  }
  return {kStatic, nullptr, SS_LEFT};
}

}  // namespace

std::vector<uint16_t> BuildDialogTemplate(const DialogTemplate& t) {
  Writer w;
  DWORD style = DS_SETFONT | WS_CAPTION;
  if (t.child) style |= WS_CHILD | DS_3DLOOK;
  else style |= DS_MODALFRAME | DS_CENTER | WS_SYSMENU | WS_POPUP;
  w.DWord(style);
  w.DWord(0);
  w.Word(static_cast<uint16_t>(t.controls.size()));
  w.Short(0);
  w.Short(0);
  w.Short(t.cx);
  w.Short(t.cy);
  w.Word(0);  // no menu
  w.Word(0);  // standard dialog class
  w.Str(Wide932(J(t.title)));
  w.Word(static_cast<uint16_t>(t.pointSize));
  w.Str(Wide932(kDialogFont));

  const ControlDesc* prev = nullptr;
  for (const ControlDesc& c : t.controls) {
    ItemClass k = ClassOf(c);
    DWORD s = WS_CHILD | WS_VISIBLE | k.style;
    // The buddy of an up-down control holds a number: right-aligned.
    if (IsEdit(c.kind) && &c != &t.controls.back() && (&c)[1].kind == Ctl::UpDown) s |= ES_RIGHT;
    // Radio buttons form a group from a radio marked as its start, or from
    // the first radio after another kind of control, up to the next such
    // start; every other control is a group of its own. That keeps the
    // automatic unchecking inside one run of radio buttons.
    if (c.kind == Ctl::Radio) {
      if (c.group || !prev || prev->kind != Ctl::Radio) s |= WS_GROUP | WS_TABSTOP;
    } else if (c.kind != Ctl::UpDown) {
      s |= WS_GROUP;
    }
    short cy = c.cy;
    // A drop-down list's height includes its list: give the list room.
    if (c.kind == Ctl::Combo && cy < 50) cy = static_cast<short>(cy + 96);

    w.AlignDWord();
    w.DWord(s);
    w.DWord(0);
    w.Short(c.x);
    w.Short(c.y);
    w.Short(c.cx);
    w.Short(cy);
    w.Word(static_cast<uint16_t>(c.id));
    if (k.atom) {
      w.Word(0xFFFF);
      w.Word(k.atom);
    } else {
      w.Str(k.name);
    }
    w.Str(IsEdit(c.kind) ? std::wstring() : Wide932(J(c.text)));
    w.Word(0);  // no creation data
    prev = &c;
  }
  return w.Take();
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
