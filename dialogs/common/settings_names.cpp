#include "dialogs/common/settings_names.h"

#include <cstring>

const char* const kSection = "HTML";

namespace tq {

namespace {
// The prefixes of the dialogs whose values carry the slot.
const char* const kPrefixes[] = {
    "Bsc_",    "Evnt_", "Syl_",   "SylClr_", "StlFnt_", "SylTxt_", "SylMgn_", "MV_",
    "BDR_",    "EBD_",  "SylElm_", "LtSyl_", "Tbl_",    "Clg_",    "Tcl_",    "AL_",
    "IMG_",    "OBJ_",  "PARAM_", "FRSET_",  "FRM_",    "SylCss_", "FORM_",   "INPUT_",
    "TXTAR_",  "FMM_",  "SCRIPT_", "HEAD_",  "BODY_",
};
}  // namespace

bool IsCommandValue(const std::string& entry, int slot) {
  const std::string number = std::to_string(slot);
  for (const char* prefix : kPrefixes) {
    const size_t n = std::strlen(prefix);
    if (entry.compare(0, n, prefix) != 0) continue;
    // Every prefix ends in its only '_', so no other prefix can match.
    if (entry.compare(n, number.size(), number) != 0) return false;
    const size_t word = n + number.size();
    // The field word starts after the whole number: 12 is not 121.
    return word < entry.size() && !(entry[word] >= '0' && entry[word] <= '9');
  }
  return false;
}

}  // namespace tq
