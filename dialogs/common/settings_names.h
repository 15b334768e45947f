// Which registry values belong to one settings slot, for forgetting what a
// command remembers.
#pragma once
#include <string>

// The section every value is kept in (a registry key on Windows).
extern const char* const kSection;

namespace tq {

// True when entry is a field of one of the attribute dialogs for slot:
// prefix + "_" + slot + field word ("Bsc_121ID" for 121, not for 12). The
// slot-free directory values ("IMG_SrcPath"), the style rule dialog's shared
// values and the toolbox values never match.
bool IsCommandValue(const std::string& entry, int slot);

}  // namespace tq
