// Writes the DLL's resource script from the declarative templates and the
// caption table, so that Windows gets real resources from the same
// description the other backends read. Built for the build machine and
// run at build time:
//   rcgen <out.rc>
// The script is code page 932, filed under Japanese: a string table with
// "caption\ntooltip" per tag command id, and one DIALOGEX per template.
#include <cstdio>
#include <string>

#include "res/string_table.h"
#include "plat/dialog_template.h"
#include "plat/text.h"
#include "plat/control_styles.h"
#include "res/string_table_data.h"

namespace {

using plat::control_styles::ClassOf;

// A quoted resource-script string of CP932 bytes. Every 0x5C byte is
// escaped, the trail bytes of double-byte characters included: the
// resource compiler undoes escapes before it reads the code page.
std::string Quote(const std::string& cp932) {
  std::string out = "\"";
  for (char ch : cp932) {
    switch (ch) {
      case '"': out += "\"\""; break;
      case '\\': out += "\\\\"; break;
      case '\n': out += "\\n"; break;
      case '\t': out += "\\t"; break;
      default: out += ch;
    }
  }
  return out + "\"";
}

std::string Sjis(const char* utf8) { return utf8 ? plat::Utf8ToCp932(utf8) : std::string(); }

std::string Hex(uint32_t v) {
  char b[16];
  std::snprintf(b, sizeof b, "0x%08X", v);
  return b;
}

std::string Script() {
  std::string rc;
  rc += "// Generated at build time from res/dlg_*.cpp and res/string_table_data.cpp.\n";
  rc += "#pragma code_page(932)\n";
  rc += "LANGUAGE " + std::to_string(plat::control_styles::kLangJapanese) + ", " + std::to_string(plat::control_styles::kSublangDefault) +
        "\n\nSTRINGTABLE\nBEGIN\n";
  for (int i = 0; i < tq::kTagCaptionCount; ++i) {
    std::string caption = Sjis(tq::kTagCaptions[i].caption);
    rc += "  " + std::to_string(tq::kTagCaptions[i].id) + ", " +
          Quote(caption + "\n" + tq::TooltipFromCaption(caption)) + "\n";
  }
  rc += "END\n";

  for (int id = 0; id < 65536; ++id) {
    const plat::DialogTemplate* t = plat::FindTemplate(id);
    if (!t) continue;
    rc += "\n" + std::to_string(t->id) + " DIALOGEX 0, 0, " + std::to_string(t->cx) + ", " +
          std::to_string(t->cy) + "\n";
    rc += "STYLE " + Hex(plat::control_styles::DialogStyle(*t)) + "\n";
    rc += "CAPTION " + Quote(Sjis(t->title)) + "\n";
    rc += "FONT " + std::to_string(t->pointSize) + ", " + Quote(Sjis(plat::kDialogFont)) + ", 0, 0, " +
          std::to_string(plat::control_styles::kShiftJisCharset) + "\n";
    rc += "BEGIN\n";
    for (size_t i = 0; i < t->controls.size(); ++i) {
      const plat::ControlDesc& c = t->controls[i];
      std::string text = plat::control_styles::IsEdit(c.kind) ? std::string() : Sjis(c.text);
      rc += "  CONTROL " + Quote(text) + ", " + std::to_string(c.id) + ", \"" + ClassOf(c.kind).name + "\", " +
            Hex(plat::control_styles::ControlStyle(*t, i)) + ", " + std::to_string(c.x) + ", " + std::to_string(c.y) +
            ", " + std::to_string(c.cx) + ", " + std::to_string(plat::control_styles::ControlHeight(c)) + "\n";
    }
    rc += "END\n";
  }
  return rc;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: rcgen <out.rc>\n");
    return 2;
  }
  std::string rc = Script();
  // Written beside the target and renamed: never a half-written script.
  std::string tmp = std::string(argv[1]) + ".tmp";
  FILE* f = std::fopen(tmp.c_str(), "wb");
  if (!f) {
    std::perror(tmp.c_str());
    return 1;
  }
  bool ok = std::fwrite(rc.data(), 1, rc.size(), f) == rc.size();
  ok = std::fclose(f) == 0 && ok;
  if (!ok || std::rename(tmp.c_str(), argv[1]) != 0) {
    std::perror(argv[1]);
    std::remove(tmp.c_str());
    return 1;
  }
  return 0;
}
