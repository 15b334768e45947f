// The value lists (numbers 100..135): title and entries, as fixed texts.
#pragma once

namespace tq {

struct ValueList {
  int number;
  const char* title;
  const char* const* entries;
  int count;
};

// The list with this number, or nullptr.
const ValueList* FindValueList(int number);

}  // namespace tq
