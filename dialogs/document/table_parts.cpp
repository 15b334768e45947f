#include "dialogs/document/table_parts.h"

namespace tq {

const char* const kCellAlignEntries[5] = {
    "left (左寄せ)", "right (右寄せ)", "center (ｾﾝﾀﾘﾝｸﾞ)", "justify (均等割付)", "char (文字を基準)",
};
const char* const kCellVAlignEntries[4] = {
    "top (上寄せ)", "bottom (下寄せ)", "middle (中間)", "baseline (ﾍﾞｰｽﾗｲﾝ揃え)",
};

std::string EntryValue(const std::string& entry) { return entry.substr(0, entry.find(' ')); }

bool IsCharAlign(const std::string& align) {
  static const char kWord[] = "char";
  if (align.size() != 4) return false;
  for (size_t i = 0; i < 4; ++i) {
    char c = align[i];
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (c != kWord[i]) return false;
  }
  return true;
}

}  // namespace tq
