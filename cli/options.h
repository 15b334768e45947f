// The filter's command line: global options, the verb with its operand, and
// the field actions that drive a command's dialogs.
#pragma once
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "plat/text.h"

namespace tq::cli {

// One field action, acting on the dialog open at that moment.
struct Action {
  enum Kind { Check, Uncheck, Choose, Text, Press, Pick, Ok, Cancel, File, Color, Font } kind;
  std::string label;  // the control's label (Text, Pick: before '=')
  std::string value;  // Text's text, Pick's entry, File's path, Font's face
  uint32_t number = 0;  // Color: COLORREF; Font: size in tenths of a point
  std::string spelling;  // as given, for messages
  bool answersCommonDialog() const { return kind == File || kind == Color || kind == Font; }
};

enum class Eol { Crlf, Lf, Auto };

struct Options {
  std::string profile;  // empty: the default path
  bool noSave = false;
  Eol eol = Eol::Crlf;
  plat::Encoding encoding = plat::Encoding::Utf8;
  std::vector<std::pair<std::string, std::string>> sets, setInts;
  std::vector<Action> actions;
  std::vector<std::string> words;  // the verb and its operands
  bool help = false, version = false;
};

// False with a one-line reason when the arguments are not well formed.
bool ParseOptions(const std::vector<std::string>& args, Options* o, std::string* error);

// A tag command id, list number or other 32-bit integer operand.
bool ParseInt32(const std::string& s, int* out);

extern const char kUsage[];

}  // namespace tq::cli
