#include "cli/options.h"

#include "plat/colors.h"

#include <cctype>
#include <cmath>
#include <cstdlib>

namespace tq::cli {

const char kUsage[] =
    "usage: tagquill [options] run ID [field actions]    selection on stdin, result on stdout\n"
    "       tagquill [options] show ID [field actions]   a dialog, its fields, lists and buttons\n"
    "       tagquill [options] labels ID [field actions] the labels a dialog offers, one a line\n"
    "       tagquill [options] reset ID                  forget a command's remembered fields\n"
    "       tagquill [options] edit ID                   the dialog on the terminal\n"
    "       tagquill [options] pick                      the HTML menu on the terminal\n"
    "       tagquill commands | menu | list N            ids and captions, the menu, value list N\n"
    "       tagquill --version | --help\n"
    "\n"
    "options:\n"
    "  --profile FILE         settings file (default: $XDG_CONFIG_HOME/tagquill/profile.ini,\n"
    "                         or ~/.config/tagquill/profile.ini)\n"
    "  --no-save              remember nothing from this run\n"
    "  --eol crlf|lf|auto     line breaks of the built text (default crlf; auto follows\n"
    "                         the selection); the selection's own bytes never change\n"
    "  --encoding utf-8|cp932 encoding of the program's own texts (default utf-8)\n"
    "  --set NAME=VALUE       write a string value before the command runs\n"
    "  --set-int NAME=N       write an integer value\n"
    "\n"
    "field actions, in order, on the dialog open at that moment:\n"
    "  --check LABEL  --uncheck LABEL   a check box\n"
    "  --choose LABEL                   an option button (GROUP:CAPTION when shared)\n"
    "  --text LABEL=TEXT                an edit box (its check box is checked first)\n"
    "  --press LABEL                    a button; a dialog it opens takes the actions\n"
    "                                   that follow until --ok or --cancel\n"
    "  --pick [LABEL=]ENTRY             the list entry that starts with ENTRY\n"
    "  --ok  --cancel                   close the dialog open now\n"
    "  --file PATH  --color #RRGGBB|NAME  --font FACE[:SIZE]\n"
    "                                   answer the next file, colour or font dialog\n"
    "A LABEL is a caption the control shows, with or without its '&', or the ASCII\n"
    "word in it (ID for \"&ID指定\"); ASCII letters match without regard to case.\n"
    "Dialogs still open after the last action get OK, innermost first. On any\n"
    "failure the selection comes back unchanged and the status is not 0.\n";

bool ParseInt32(const std::string& s, int* out) {
  if (s.empty() || s.size() > 11) return false;
  char* end = nullptr;
  long long v = std::strtoll(s.c_str(), &end, 10);
  if (*end != '\0' || v < INT32_MIN || v > INT32_MAX || std::isspace(static_cast<unsigned char>(s[0])))
    return false;
  *out = static_cast<int>(v);
  return true;
}

namespace {

bool SplitEq(const std::string& s, std::string* a, std::string* b) {
  size_t eq = s.find('=');
  if (eq == std::string::npos || eq == 0) return false;
  *a = s.substr(0, eq);
  *b = s.substr(eq + 1);
  return true;
}

// "Arial", "Arial:12", "ＭＳ 明朝:10.5"; the size in tenths of a point.
bool ParseFont(const std::string& s, std::string* face, uint32_t* size10) {
  size_t colon = s.rfind(':');
  *face = s.substr(0, colon);
  *size10 = 0;
  if (colon == std::string::npos) return !face->empty();
  const std::string n = s.substr(colon + 1);
  char* end = nullptr;
  double v = std::strtod(n.c_str(), &end);
  if (n.empty() || *end != '\0' || !(v > 0 && v <= 1638)) return false;
  *size10 = static_cast<uint32_t>(std::lround(v * 10));
  return !face->empty();
}

}  // namespace

bool ParseOptions(const std::vector<std::string>& args, Options* o, std::string* error) {
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    std::string v;
    auto need = [&]() {
      if (i + 1 >= args.size()) {
        *error = a + " needs a value";
        return false;
      }
      v = args[++i];
      return true;
    };
    auto act = [&](Action::Kind k) {
      Action x{k, "", "", 0, a};
      if (k != Action::Ok && k != Action::Cancel) {
        if (!need()) return false;
        x.spelling += " " + v;
      }
      switch (k) {
        case Action::Text:
          if (!SplitEq(v, &x.label, &x.value)) {
            *error = "--text wants LABEL=TEXT, got '" + v + "'";
            return false;
          }
          break;
        case Action::Pick:
        case Action::File: x.value = v; break;
        case Action::Color:
          if (!plat::ParseColor(v, &x.number)) {
            *error = "--color wants #RRGGBB or a colour name, got '" + v + "'";
            return false;
          }
          break;
        case Action::Font:
          if (!ParseFont(v, &x.value, &x.number)) {
            *error = "--font wants FACE or FACE:SIZE, got '" + v + "'";
            return false;
          }
          break;
        case Action::Ok:
        case Action::Cancel: break;
        default: x.label = v; break;
      }
      o->actions.push_back(std::move(x));
      return true;
    };
    static const std::pair<const char*, Action::Kind> kActions[] = {
        {"--check", Action::Check}, {"--uncheck", Action::Uncheck}, {"--choose", Action::Choose},
        {"--text", Action::Text},   {"--press", Action::Press},     {"--pick", Action::Pick},
        {"--ok", Action::Ok},       {"--cancel", Action::Cancel},   {"--file", Action::File},
        {"--color", Action::Color}, {"--font", Action::Font},
    };
    bool isAction = false;
    for (const auto& [name, kind] : kActions)
      if (a == name) {
        if (!act(kind)) return false;
        isAction = true;
        break;
      }
    if (isAction) continue;
    if (a == "-h" || a == "--help") {
      o->help = true;
    } else if (a == "--version") {
      o->version = true;
    } else if (a == "--profile") {
      if (!need()) return false;
      if (v.empty()) {
        *error = "--profile needs a file name";
        return false;
      }
      o->profile = v;
    } else if (a == "--no-save") {
      o->noSave = true;
    } else if (a == "--eol") {
      if (!need()) return false;
      if (v == "crlf") o->eol = Eol::Crlf;
      else if (v == "lf") o->eol = Eol::Lf;
      else if (v == "auto") o->eol = Eol::Auto;
      else {
        *error = "unknown line break '" + v + "' (crlf, lf or auto)";
        return false;
      }
    } else if (a == "--encoding") {
      if (!need()) return false;
      if (v == "utf-8" || v == "utf8") o->encoding = plat::Encoding::Utf8;
      else if (v == "cp932" || v == "shift_jis") o->encoding = plat::Encoding::Cp932;
      else {
        *error = "unknown encoding '" + v + "' (utf-8 or cp932)";
        return false;
      }
    } else if (a == "--set" || a == "--set-int") {
      if (!need()) return false;
      std::string n, val;
      if (!SplitEq(v, &n, &val)) {
        *error = a;
        *error += " wants NAME=VALUE, got '" + v + "'";
        return false;
      }
      int ignored;
      if (a == "--set-int" && !ParseInt32(val, &ignored)) {
        *error = "--set-int " + n;
        *error += ": '" + val + "' is not a 32-bit integer";
        return false;
      }
      (a == "--set" ? o->sets : o->setInts).emplace_back(n, val);
    } else if (a.size() > 1 && a[0] == '-' && !std::isdigit(static_cast<unsigned char>(a[1]))) {
      *error = "unknown option '" + a + "' (see --help)";
      return false;
    } else {
      o->words.push_back(a);
    }
  }
  return true;
}

}  // namespace tq::cli
