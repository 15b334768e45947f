// One row per field of an attribute dialog, and what every dialog does
// with its rows: enabling, data exchange, loading, the flag word, building
// in row order and, apart from building, saving.
//
//   constexpr Field<CParamDlg> kFields[] = {
//       // bit    check box         edit box      member                 attribute  value
//       {kId,   IDC_PA_ID_CHK,   IDC_PA_ID,   &CParamDlg::m_strId,   "ID",      "PARAM_%dID"},
//       ...
//   };
//
// A row with bit 0 is always on (built and saved whatever the flags say).
#pragma once
#include <cstddef>
#include <string>

#include "dialogs/common/attr_dialog.h"
#include "dialogs/common/text_rules.h"

namespace tq {

// What a row adds to the built text while it is on.
enum class Emit : unsigned char {
  Attr,    // NAME="value"
  Other,   // the other-attributes text, joined to one line
  Word,    // the bare word in attr (DEFER, NOSHADE)
  Choice,  // NAME="the chosen option button's word"
  Unit,    // NAME="value and the chosen option button's word" (a length)
};

// Option buttons kept as bits of the flag word, the one way for every
// dialog: buttons first..first + count - 1 in template order, the chosen
// one's index stored under mask.
struct RadioBits {
  int first;
  int count;
  int mask;
  const char* const* words;  // what each button builds (Emit::Choice)
  int Index(int flags) const { return (flags & mask) / (mask & -mask); }
  int Bits(int index) const { return index * (mask & -mask) & mask; }
};

template <class D>
struct Field {
  int bit;                  // in the flag word; 0: always on
  int check;                // its check box, or 0
  int edit;                 // the edit box the member is shown in, or 0
  std::string D::*member;   // the text, or nullptr (Emit::Word)
  const char* attr;         // attribute name (Attr) or word (Word)
  const char* value;        // remembered under this value name, or nullptr
  int buttons[2] = {0, 0};  // browse and list buttons enabled with the box
  Emit emit = Emit::Attr;
  const char* def = "";               // the text before anything was remembered
  const RadioBits* radios = nullptr;  // Emit::Choice: its option buttons
};

// The pure part: the text the rows add for this flag word, in row order.
template <class D, size_t N>
void BuildFields(const D& d, const Field<D> (&rows)[N], int flags, std::string& out) {
  for (const Field<D>& f : rows) {
    if (f.bit && !(flags & f.bit)) continue;
    switch (f.emit) {
      case Emit::Attr: out.append(" ").append(f.attr).append("=\"").append(d.*f.member).append("\""); break;
      case Emit::Other: out += " " + NormalizeWhitespace(d.*f.member); break;
      case Emit::Word: out.append(" ").append(f.attr); break;
      case Emit::Choice:
        out.append(" ").append(f.attr).append("=\"").append(f.radios->words[f.radios->Index(flags)]).append("\"");
        break;
      case Emit::Unit:
        out.append(" ").append(f.attr).append("=\"").append(d.*f.member);
        out.append(f.radios->words[f.radios->Index(flags)]).append("\"");
        break;
    }
  }
}

// The rows' check boxes govern their edit boxes and buttons.
template <class D, size_t N>
void GovernFields(CAttrDialog::Access& a, const Field<D> (&rows)[N]) {
  for (const Field<D>& f : rows) {
    if (!f.check) continue;
    std::vector<int> controls;
    for (int c : {f.edit, f.buttons[0], f.buttons[1]})
      if (c) controls.push_back(c);
    if (f.radios)
      for (int i = 0; i < f.radios->count; ++i) controls.push_back(f.radios->first + i);
    if (!controls.empty()) a.Governs(f.check, std::move(controls));
  }
}

template <class D, size_t N>
void ExchangeFields(plat::DataExchange& dx, D& d, const Field<D> (&rows)[N]) {
  for (const Field<D>& f : rows)
    if (f.edit && f.member) dx.Text(f.edit, d.*f.member);
}

// Members from their values, check boxes from the flag word; the word.
template <class D, size_t N>
int LoadFields(CAttrDialog::Access& a, D& d, const Field<D> (&rows)[N], const char* flagValue) {
  for (const Field<D>& f : rows)
    if (f.member && f.value) d.*f.member = GetSetting(a.Name(f.value), f.def);
  const int flags = GetSettingInt(a.Name(flagValue));
  for (const Field<D>& f : rows) {
    if (f.check && f.bit) a.Check(f.check, (flags & f.bit) ? 1 : 0);
    if (f.radios)
      a.CheckRadio(f.radios->first, f.radios->first + f.radios->count - 1, f.radios->first + f.radios->Index(flags));
  }
  return flags;
}

// The bits of the checked boxes, of the rows that are always on, and of the
// chosen option buttons of the rows that are on.
template <class D, size_t N>
int CheckedFields(CAttrDialog::Access& a, const Field<D> (&rows)[N]) {
  int flags = 0;
  for (const Field<D>& f : rows) {
    const bool on = !f.check || a.IsChecked(f.check);
    if (f.bit && on) flags |= f.bit;
    if (f.radios && on)
      for (int i = 0; i < f.radios->count; ++i)
        if (a.IsChecked(f.radios->first + i)) flags |= f.radios->Bits(i);
  }
  return flags;
}

// Remembers the text of every row that is on, in row order, then the word
// (its bits in kept: bits a dialog sets for its element are not remembered).
template <class D, size_t N>
void SaveFields(CAttrDialog::Access& a, const D& d, const Field<D> (&rows)[N], int flags, const char* flagValue,
                int kept = ~0) {
  for (const Field<D>& f : rows)
    if ((!f.bit || (flags & f.bit)) && f.member && f.value) PutSetting(a.Name(f.value), d.*f.member);
  PutSettingInt(a.Name(flagValue), flags & kept);
}

}  // namespace tq
