// libFuzzer target: the dispatch and headless dialog runs, driven by fuzzed
// profile contents, tag command id, selection and control actions.
//
// Input layout: 4 bytes id (little endian, folded into the command range
// unless the top bit is set), a length byte and the profile text, a length
// byte and the selection, then action bytes consumed by every dialog that
// opens, nested ones included.
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>

#include "app/dispatch.h"
#include "app/html_app.h"
#include "plat/headless_driver.h"
#include "plat/profile.h"
#include "plat/text.h"

namespace {

struct Reader {
  const uint8_t* p;
  size_t n;
  bool Take(size_t k, const uint8_t** out) {
    if (k > n) return false;
    *out = p;
    p += k;
    n -= k;
    return true;
  }
  int Byte() {
    const uint8_t* b;
    return Take(1, &b) ? *b : -1;
  }
  std::string Text() {
    int len = Byte();
    if (len < 0) return {};
    const uint8_t* b;
    size_t k = std::min<size_t>(static_cast<size_t>(len), n);
    Take(k, &b);
    return std::string(reinterpret_cast<const char*>(b), k);
  }
};

plat::HeadlessDriver* g_backend;
Reader* g_actions;
int g_depth;

void Drive(plat::HeadlessDialog& d) {
  std::vector<int> ids = d.ControlIds();
  ++g_depth;
  for (int step = 0; step < 64 && !d.ended(); ++step) {
    int op = g_actions->Byte();
    if (op < 0 || ids.empty()) break;
    int id = ids[static_cast<size_t>(g_actions->Byte() & 0xFF) % ids.size()];
    // Nested dialogs take their actions from the same stream; the depth
    // bound keeps a pathological input from recursing without end.
    if (g_depth < 6) g_backend->Expect(Drive);
    switch (op % 6) {
      case 0: d.Click(id); break;
      case 1: d.Type(id, g_actions->Text()); break;
      case 2: d.Select(id, g_actions->Byte() % 40 - 1); break;
      case 3: d.DoubleClick(id, g_actions->Byte() % 40 - 1); break;
      case 4: g_backend->AnswerFile(g_actions->Text()); break;
      case 5:
        g_backend->AnswerColor(static_cast<uint32_t>(g_actions->Byte()) * 0x10101u);
        g_backend->AnswerMessage(g_actions->Byte() & 7);
        break;
    }
  }
  --g_depth;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static plat::HeadlessDriver backend;
  plat::InstallBackend(&backend);
  backend.Reset();
  g_backend = &backend;
  Reader r{data, size};
  const uint8_t* b;
  if (!r.Take(4, &b)) return 0;
  uint32_t raw;
  std::memcpy(&raw, b, 4);
  int id = (raw & 0x80000000u) ? static_cast<int>(raw) : 29000 + static_cast<int>(raw % 480);

  auto profile = std::make_unique<plat::FileProfile>("");  // never saved
  profile->Parse(r.Text());
  HtmlApp().SetProfile(std::move(profile));
  plat::SetTextEncoding((raw >> 8) & 1 ? plat::Encoding::Cp932 : plat::Encoding::Utf8);

  std::string selection = r.Text();
  g_actions = &r;
  g_depth = 0;
  backend.SetDefault((raw >> 9) & 1 ? plat::HeadlessDriver::Default::Cancel : plat::HeadlessDriver::Default::Ok);
  backend.Expect(Drive);
  const char* out = tq::GetHtmlTagString(nullptr, id, selection.c_str());
  if (!out) __builtin_trap();
  // Nothing built must mean the selection, intact.
  if (!tq::FindRunner(id) && std::string(out) != selection.c_str()) {
    std::string built;
    if (!tq::BuildSimpleTag(id, selection.c_str(), built) || built != out) __builtin_trap();
  }
  for (auto& m : HtmlApp().m_menus) m = nullptr;
  return 0;
}
