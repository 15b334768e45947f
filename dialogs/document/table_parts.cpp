#include "dialogs/document/table_parts.h"

#include "dialogs/common/text_rules.h"

namespace tq {

const char* const kCellAlignEntries[5] = {
    "left (左寄せ)", "right (右寄せ)", "center (ｾﾝﾀﾘﾝｸﾞ)", "justify (均等割付)", "char (文字を基準)",
};
const char* const kCellVAlignEntries[4] = {
    "top (上寄せ)", "bottom (下寄せ)", "middle (中間)", "baseline (ﾍﾞｰｽﾗｲﾝ揃え)",
};

bool IsCharAlign(const std::string& align) { return SameWordNoCase(align, "char"); }

}  // namespace tq
