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
  Joined,  // NAME="value joined to one line" (a style typed over lines)
  None,    // nothing: a text the dialog only shows and remembers
};

// Option buttons kept as bits of the flag word, the one way for every
// dialog: buttons first..first + count - 1 in template order, the chosen
// one's index stored under mask. With count 0 there are no buttons: the
// dialog sets the bits under mask itself.
struct RadioBits {
  int first;
  int count;
  int mask;
  const char* const* words;  // what each button builds (Emit::Choice)
  int Index(int flags) const { return (flags & mask) / (mask & -mask); }
  int Bits(int index) const { return index * (mask & -mask) & mask; }
};

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
  const char* def;          // the text before anything was remembered
  const RadioBits* radios;  // Emit::Choice and Unit: its option buttons
};

// A dialog's row: names its member as D's and keeps it as the base's, so
// that one copy of the code below serves every dialog.
template <class D>
struct Field : FieldRow {
  constexpr Field(int bit, int check, int edit, std::string D::*member, const char* attr, const char* value,
                  FieldButtons buttons = {}, Emit emit = Emit::Attr, const char* def = "",
                  const RadioBits* radios = nullptr)
      : FieldRow{bit,
                 static_cast<unsigned short>(check),
                 static_cast<unsigned short>(edit),
                 static_cast<std::string CAttrDialog::*>(member),
                 attr,
                 value,
                 buttons,
                 emit,
                 def,
                 radios} {}
};

// The out-of-line code, on rows of any dialog.
void BuildFieldRows(const CAttrDialog& d, const FieldRow* rows, size_t n, int flags, std::string& out,
                    const char* sep = " ");
void GovernFieldRows(CAttrDialog::Access& a, const FieldRow* rows, size_t n);
void ExchangeFieldRows(plat::DataExchange& dx, CAttrDialog& d, const FieldRow* rows, size_t n);
int LoadFieldRows(CAttrDialog::Access& a, CAttrDialog& d, const FieldRow* rows, size_t n, const char* flagValue,
                  int flagsDef);
int CheckedFieldRows(CAttrDialog::Access& a, const FieldRow* rows, size_t n);
void SaveFieldRows(CAttrDialog::Access& a, const CAttrDialog& d, const FieldRow* rows, size_t n, int flags,
                   const char* flagValue, int word);

// The pure part: the text the rows add for this flag word, in row order,
// each after sep.
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
// before anything was remembered); the word.
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

// Remembers the text of every row that is on, in row order, then the word.
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
