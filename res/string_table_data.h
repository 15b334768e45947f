#pragma once

namespace tq {

struct TagCaptionEntry {
  int id;
  const char* caption;
};

extern const TagCaptionEntry kTagCaptions[];
extern const int kTagCaptionCount;

}  // namespace tq
