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
// A dialog without a flag word passes nullptr for its value name.
// A row may also need another row's bit (a keyword box inside a group) or
// give way to one (the group's number while its keyword box is on; keep
// remembers the number all the same).
#pragma once
#include <cstddef>
#include <string>

#include "dialogs/common/attr_dialog.h"
#include "dialogs/common/text_rules.h"

namespace tq {

// What a row adds to the built text while it is on.
enum class Emit : unsigned char {
  Attr,    // NAME="value"
  Other,   // the other-attributes text (or a group's declarations), joined to one line
  Word,    // the bare word in attr (DEFER, NOSHADE)
  Choice,  // NAME="the chosen option button's word"
  Unit,    // NAME="value and the chosen option button's word" (a length)
  Decl,    // attr, value, the chosen button's word, ";" (attr "font-size:" gives
           // font-size:12px;); without a member attr is all but the ";"
  Joined,  // NAME="value joined to one line" (a style typed over lines)
  None,    // built by the dialog itself, or not at all; the row still loads, shows and saves
};

// Option buttons kept as bits of the flag word, the one way for every
// dialog: buttons first..first + count - 1 in template order, the chosen
// one's index stored under mask. With count 0 there are no buttons: the
// dialog sets the bits under mask itself.
//
// With plain set, each button but that one has a bit of its own instead,
// from mask's lowest bit up in button order, and the lowest bit set wins
// (a word without buttons, as the "%" after a number: count 0, plain 0).
struct RadioBits {
  int first;
  int count;
  int mask;
  const char* const* words;  // what each button builds (Emit::Choice, Unit, Decl)
  int plain = -1;            // the button without a bit, or -1
  int Index(int flags) const {
    const int low = mask & -mask;
    if (plain < 0) return (flags & mask) / low;
    const int set = flags & mask;
    if (!set) return plain;
    int k = 0;
    while (!(set & (low << k))) ++k;
    return k < plain ? k : k + 1;
  }
  int Bits(int index) const {
    const int low = mask & -mask;
    if (plain < 0) return index * low & mask;
    return index == plain ? 0 : low << (index < plain ? index : index - 1);
  }
};

// A word without buttons after a declaration's value: the parenthesis
// that closes "url(".
inline constexpr const char* kUrlEndWords[] = {")"};
inline constexpr RadioBits kUrlEnd = {0, 0, 0, kUrlEndWords, 0};

// A one-bit mask as its bit number plus one (0: none), so that rows keep
// it in a byte.
constexpr unsigned char BitNumber(int bit) {
  unsigned char n = 0;
  while (bit) {
    bit = static_cast<int>(static_cast<unsigned>(bit) >> 1);
    ++n;
  }
  return n;
}

// Two buttons a row's check box enables with its edit box: browse, list.
// Control ids fit 16 bits; a row is read-only data in every dialog, so
// its size counts.
struct FieldButtons {
  unsigned short first = 0;
  unsigned short second = 0;
};

// A row as the code below reads it, whatever its dialog.
struct FieldRow {
  int bit;                           // in the flag word; 0: always on
  unsigned short check;              // its check box, or 0
  unsigned short edit;               // the edit box the member is shown in, or 0
  std::string CAttrDialog::*member;  // the text, or nullptr (Emit::Word)
  const char* attr;                  // attribute name (Attr) or word (Word)
  const char* value;                 // remembered under this value name, or nullptr
  FieldButtons buttons;              // enabled with the box
  Emit emit;
  unsigned char need;       // BitNumber of the bit the row needs as well, or 0
  unsigned char unless;     // BitNumber of the bit that turns the row off, or 0
  bool keep;                // remembered even while unless turns it off
  const char* def;          // the text before anything was remembered
  const RadioBits* radios;  // Emit::Choice, Unit, Decl: its option buttons
  int Need() const { return need ? 1 << (need - 1) : 0; }
  int Unless() const { return unless ? 1 << (unless - 1) : 0; }
};

// A dialog's row: names its member as D's and keeps it as the base's, so
// that one copy of the code below serves every dialog.
template <class D>
struct Field : FieldRow {
  constexpr Field(int bit, int check, int edit, std::string D::*member, const char* attr, const char* value,
                  FieldButtons buttons = {}, Emit emit = Emit::Attr, const char* def = "",
                  const RadioBits* radios = nullptr, int need = 0, int unless = 0, bool keep = false)
      : FieldRow{bit,
                 static_cast<unsigned short>(check),
                 static_cast<unsigned short>(edit),
                 static_cast<std::string CAttrDialog::*>(member),
                 attr,
                 value,
                 buttons,
                 emit,
                 BitNumber(need),
                 BitNumber(unless),
                 keep,
                 def,
                 radios} {}
};

// The out-of-line code, on rows of any dialog.
void BuildFieldRows(const CAttrDialog& d, const FieldRow* rows, size_t n, int flags, std::string& out, const char* sep);
void GovernFieldRows(CAttrDialog::Access& a, const FieldRow* rows, size_t n);
void ExchangeFieldRows(plat::DataExchange& dx, CAttrDialog& d, const FieldRow* rows, size_t n);
int LoadFieldRows(CAttrDialog::Access& a, CAttrDialog& d, const FieldRow* rows, size_t n, const char* flagValue,
                  int flagsDef);
int CheckedFieldRows(CAttrDialog::Access& a, const FieldRow* rows, size_t n);
int FieldRowBits(const FieldRow* rows, size_t n, int flags);
void SaveFieldRows(CAttrDialog::Access& a, const CAttrDialog& d, const FieldRow* rows, size_t n, int flags,
                   const char* flagValue, int word);

// The pure part: the text the rows add for this flag word, in row order.
// Each row follows sep when anything comes before it: " " after "<TAG",
// "\r\n" for one declaration a line.
template <class D, size_t N>
void BuildFields(const D& d, const Field<D> (&rows)[N], int flags, std::string& out, const char* sep = " ") {
  BuildFieldRows(d, rows, N, flags, out, sep);
}

// The rows' check boxes govern their edit boxes and buttons.
template <class D, size_t N>
void GovernFields(CAttrDialog::Access& a, const Field<D> (&rows)[N]) {
  GovernFieldRows(a, rows, N);
}

template <class D, size_t N>
void ExchangeFields(plat::DataExchange& dx, D& d, const Field<D> (&rows)[N]) {
  ExchangeFieldRows(dx, d, rows, N);
}

// Members from their values, check boxes from the flag word (flagsDef
// before anything was remembered; none without flagValue); the word.
template <class D, size_t N>
int LoadFields(CAttrDialog::Access& a, D& d, const Field<D> (&rows)[N], const char* flagValue, int flagsDef = 0) {
  return LoadFieldRows(a, d, rows, N, flagValue, flagsDef);
}

// The bits of the checked boxes, of the rows that are always on, and of the
// chosen option buttons of the rows that are on.
template <class D, size_t N>
int CheckedFields(CAttrDialog::Access& a, const Field<D> (&rows)[N]) {
  return CheckedFieldRows(a, rows, N);
}

// The part of flags the rows that are on use: their bits, the bits they
// need and their chosen option buttons' bits (the word a group remembers).
template <class D, size_t N>
int FieldBits(const Field<D> (&rows)[N], int flags) {
  return FieldRowBits(rows, N, flags);
}

// Remembers the text of every row that is on, in row order, then the word
// (none without flagValue).
template <class D, size_t N>
void SaveFields(CAttrDialog::Access& a, const D& d, const Field<D> (&rows)[N], int flags, const char* flagValue) {
  SaveFieldRows(a, d, rows, N, flags, flagValue, flags);
}
// The same where the word remembered is not the flags the rows were built
// with: bits a dialog sets for its element are not remembered.
template <class D, size_t N>
void SaveFields(CAttrDialog::Access& a, const D& d, const Field<D> (&rows)[N], int flags, const char* flagValue,
                int word) {
  SaveFieldRows(a, d, rows, N, flags, flagValue, word);
}

}  // namespace tq
