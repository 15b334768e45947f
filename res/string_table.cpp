#include "res/string_table.h"

#include <map>
#include <memory>

#include "plat/text.h"
#ifdef _WIN32
#include "platform/win32/win32_backend.h"
#else
#include "res/string_table_data.h"
#endif

namespace tq {

namespace {

struct Table {
  plat::Encoding encoding;
  std::map<int, std::string> texts;
  std::vector<int> ids;
};

const Table& Current() {
  // Rebuilt only when the command line switches the encoding.
  static std::unique_ptr<Table> table;
  plat::Encoding e = plat::TextEncoding();
  if (!table || table->encoding != e) {
    auto t = std::make_unique<Table>();
    t->encoding = e;
#ifdef _WIN32
    // The module's string table resource, generated from the same captions.
    for (int id = kFirstTagId; id < kEndTagId; ++id) {
      std::string text = plat::win32::LoadModuleString(id);
      if (text.empty()) continue;
      t->texts[id] = text;
      t->ids.push_back(id);
    }
#else
    for (int i = 0; i < kTagCaptionCount; ++i) {
      std::string cap = plat::J(kTagCaptions[i].caption);
      t->texts[kTagCaptions[i].id] = cap + "\n" + TooltipFromCaption(cap);
      t->ids.push_back(kTagCaptions[i].id);
    }
#endif
    table = std::move(t);
  }
  return *table;
}

}  // namespace

std::string TooltipFromCaption(const std::string& caption) {
  size_t n = caption.size();
  if (n >= 4 && caption[n - 4] == '(' && caption[n - 3] == '&' && caption[n - 1] == ')')
    return caption.substr(0, n - 4);
  std::string r = caption;
  size_t amp = r.find('&');
  if (amp != std::string::npos) r.erase(amp, 1);
  return r;
}

const char* LoadTagString(int id) {
  const Table& t = Current();
  auto it = t.texts.find(id);
  return it == t.texts.end() ? nullptr : it->second.c_str();
}

std::string TagCaption(int id) {
  const char* s = LoadTagString(id);
  if (!s) return {};
  std::string t = s;
  return t.substr(0, t.find('\n'));
}

std::string TagTooltip(int id) {
  const char* s = LoadTagString(id);
  if (!s) return {};
  std::string t = s;
  size_t lf = t.find('\n');
  return lf == std::string::npos ? std::string() : t.substr(lf + 1);
}

const std::vector<int>& AllTagIds() { return Current().ids; }

bool IsDetailCommand(int id) {
  return id == cmd::kStyleRules || TagCaption(id).find(plat::J(" (詳細)")) != std::string::npos;
}

}  // namespace tq
