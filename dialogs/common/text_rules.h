// Text rules shared by the dialogs and the toolbox.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace tq {

// Joins a multi-line text to one line: pieces between CR/LF, empty ones
// dropped, each followed by a blank, trailing white space removed.
std::string NormalizeWhitespace(std::string_view text);

// "<H1>" for 29121: from the tooltip, the text from its first "<" up to and
// including the next ">"; "" for an id without a text.
std::string ElementLabel(int id);

// "H1" for 29121: the name between "<" and ">" of the tooltip; "" when any
// of the three is missing.
std::string TagNameOf(int id);

// Toolbox labels of ids whose text names no element ("CSS" for 29115);
// any other id gives label back.
std::string LabelTableLookup(int id, const std::string& label);

// True when a equals b with ASCII letters compared without case. In code
// page 932 a double-byte character must match whole: its trail byte can be
// an ASCII letter and is never folded on its own.
bool SameWordNoCase(std::string_view a, std::string_view b);

// A list entry's value: its text up to the first blank.
std::string EntryValue(const std::string& entry);

// "#RRGGBB" of a COLORREF (0x00BBGGRR: red in the low byte).
std::string ColorHex(uint32_t colorref);

}  // namespace tq
