// What the cell and the column/row group dialogs share: the ALIGN and
// VALIGN lists and the test for character alignment.
#pragma once
#include <string>

namespace tq {

// Entries in the order they are added; the sorted list boxes show them
// alphabetically.
extern const char* const kCellAlignEntries[5];
extern const char* const kCellVAlignEntries[4];

// True for "char" in any mix of letter case: only then are CHAR and
// CHAROFF offered and emitted.
bool IsCharAlign(const std::string& align);

}  // namespace tq
