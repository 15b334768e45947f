#include "dialogs/common/fields.h"

#include <vector>

namespace tq {

namespace {

bool Needs(const FieldRow& f, int flags) { return (!f.bit || (flags & f.bit)) && (flags & f.Need()) == f.Need(); }
// Built, and counted in the word a group remembers.
bool IsOn(const FieldRow& f, int flags) { return Needs(f, flags) && !(flags & f.Unless()); }
bool IsKept(const FieldRow& f, int flags) { return Needs(f, flags) && (f.keep || !(flags & f.Unless())); }

// The check box of the row that owns bit, or 0.
int CheckOf(const FieldRow* rows, size_t n, int bit) {
  for (const FieldRow* f = rows; f != rows + n; ++f)
    if (bit && f->bit == bit && f->check) return f->check;
  return 0;
}

const char* Word(const FieldRow& f, int flags) { return f.radios ? f.radios->words[f.radios->Index(flags)] : ""; }

}  // namespace

void BuildFieldRows(const CAttrDialog& d, const FieldRow* rows, size_t n, int flags, std::string& out,
                    const char* sep) {
  for (const FieldRow* f = rows; f != rows + n; ++f) {
    if (!IsOn(*f, flags) || f->emit == Emit::None) continue;
    if (!out.empty()) out += sep;
    switch (f->emit) {
      case Emit::Attr: out.append(f->attr).append("=\"").append(d.*f->member).append("\""); break;
      case Emit::Other: out += NormalizeWhitespace(d.*f->member); break;
      case Emit::Word: out.append(f->attr); break;
      case Emit::Choice: out.append(f->attr).append("=\"").append(Word(*f, flags)).append("\""); break;
      case Emit::Unit:
        out.append(f->attr).append("=\"").append(d.*f->member);
        out.append(Word(*f, flags)).append("\"");
        break;
      case Emit::Joined:
        out.append(f->attr).append("=\"").append(NormalizeWhitespace(d.*f->member)).append("\"");
        break;
      case Emit::Decl:
        out += f->attr;
        if (f->member) out += d.*f->member;
        out.append(Word(*f, flags)).append(";");
        break;
      case Emit::None: break;
    }
  }
}

void GovernFieldRows(CAttrDialog::Access& a, const FieldRow* rows, size_t n) {
  for (const FieldRow* f = rows; f != rows + n; ++f) {
    if (!f->check) continue;
    // A box inside a group counts only while the group's box is on, so the
    // group's box governs it before it governs anything itself.
    if (const int group = CheckOf(rows, n, f->Need())) a.Governs(group, {f->check});
    std::vector<int> controls;
    for (int c : {f->edit, f->buttons.first, f->buttons.second})
      if (c) controls.push_back(c);
    if (f->radios)
      for (int i = 0; i < f->radios->count; ++i) controls.push_back(f->radios->first + i);
    if (!controls.empty()) a.Governs(f->check, std::move(controls), CheckOf(rows, n, f->Unless()));
  }
}

void ExchangeFieldRows(plat::DataExchange& dx, CAttrDialog& d, const FieldRow* rows, size_t n) {
  for (const FieldRow* f = rows; f != rows + n; ++f)
    if (f->edit && f->member) dx.Text(f->edit, d.*f->member);
}

int LoadFieldRows(CAttrDialog::Access& a, CAttrDialog& d, const FieldRow* rows, size_t n, const char* flagValue,
                  int flagsDef) {
  for (const FieldRow* f = rows; f != rows + n; ++f)
    if (f->member && f->value) d.*f->member = GetSetting(a.Name(f->value), f->def);
  const int flags = flagValue ? GetSettingInt(a.Name(flagValue), flagsDef) : flagsDef;
  for (const FieldRow* f = rows; f != rows + n; ++f) {
    if (f->check && f->bit) a.Check(f->check, (flags & f->bit) ? 1 : 0);
    if (f->radios && f->radios->count)
      a.CheckRadio(f->radios->first, f->radios->first + f->radios->count - 1,
                   f->radios->first + f->radios->Index(flags));
  }
  return flags;
}

int CheckedFieldRows(CAttrDialog::Access& a, const FieldRow* rows, size_t n) {
  int flags = 0;
  for (const FieldRow* f = rows; f != rows + n; ++f) {
    const bool on = !f->check || a.IsChecked(f->check);
    if (f->bit && on) flags |= f->bit;
    if (f->radios && on)
      for (int i = 0; i < f->radios->count; ++i)
        if (a.IsChecked(f->radios->first + i)) flags |= f->radios->Bits(i);
  }
  return flags;
}

int FieldRowBits(const FieldRow* rows, size_t n, int flags) {
  int word = 0;
  for (const FieldRow* f = rows; f != rows + n; ++f) {
    if (!IsOn(*f, flags)) continue;
    word |= f->bit | f->Need();
    if (f->radios) word |= f->radios->Bits(f->radios->Index(flags));
  }
  return word;
}

void SaveFieldRows(CAttrDialog::Access& a, const CAttrDialog& d, const FieldRow* rows, size_t n, int flags,
                   const char* flagValue, int word) {
  for (const FieldRow* f = rows; f != rows + n; ++f)
    if (IsKept(*f, flags) && f->member && f->value) PutSetting(a.Name(f->value), d.*f->member);
  if (flagValue) PutSettingInt(a.Name(flagValue), word);
}

}  // namespace tq
