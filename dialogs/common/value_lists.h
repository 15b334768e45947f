// The value lists (numbers 100..135): title and entries, as fixed texts.
#pragma once

namespace tq {

namespace list {

// The list numbers.
enum : int {
  kRev = 100,
  kRel = 101,
  kImageAlign = 102,
  kObjectAlign = 103,
  kMime = 104,
  kValueType = 105,
  kLang = 106,
  kHeadingAlign = 107,
  kColor = 108,
  kBackgroundRepeat = 109,
  kBackgroundAttachment = 110,
  kBackgroundPosition = 111,
  kFontStyle = 112,
  kFontVariant = 113,
  kFontWeight = 114,
  kFontSize = 115,
  kTextDecoration = 116,
  kTextAlign = 117,
  kVerticalAlign = 118,
  kTextTransform = 119,
  kBlockAlign = 120,
  kClear = 121,
  kOlType = 122,
  kUlType = 123,
  kListStyleType = 124,
  kLiType = 125,
  kCaptionAlign = 126,
  kScrolling = 127,
  kFrameAlign = 128,
  kCharset = 129,
  kInputType = 130,
  kButtonType = 131,
  kLegendAlign = 132,
  kScriptType = 133,
  kMedia = 134,
  kMetaName = 135,
  kFirst = kRev,
  kLast = kMetaName,
};

}  // namespace list

struct ValueList {
  int number;
  const char* title;
  const char* const* entries;
  int count;
};

// The list with this number, or nullptr.
const ValueList* FindValueList(int number);

}  // namespace tq
