// MakeHtmlMenu through the real DLL against a bare loop that appends the
// same items to fresh menus, timed side by side in one run (median of
// rounds). Run under Wine by bench/run-menu-bench.sh.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "app/tagquill_api.h"

namespace {
// The host's menu object: the framework's layout, table pointer first.
struct Menu {
  explicit Menu(HMENU h) : m_hMenu(h) {}
  virtual ~Menu() = default;
  HMENU m_hMenu;
};
}  // namespace

namespace {

struct Item {
  UINT flags;
  UINT_PTR id;
  std::string text;
  std::vector<Item> sub;
};

std::vector<Item> Capture(HMENU m) {
  std::vector<Item> items;
  int n = GetMenuItemCount(m);
  for (int i = 0; i < n; ++i) {
    char text[512] = {};
    GetMenuStringA(m, i, text, sizeof text, MF_BYPOSITION);
    HMENU sub = GetSubMenu(m, i);
    UINT state = GetMenuState(m, i, MF_BYPOSITION);
    Item it{static_cast<UINT>(sub ? MF_POPUP : (state & MF_SEPARATOR) ? MF_SEPARATOR : MF_STRING),
            sub ? 0 : GetMenuItemID(m, i), text, {}};
    if (sub) it.sub = Capture(sub);
    items.push_back(std::move(it));
  }
  return items;
}

void Replay(HMENU m, const std::vector<Item>& items) {
  for (const Item& it : items) {
    if (it.flags == MF_POPUP) {
      HMENU sub = CreatePopupMenu();
      Replay(sub, it.sub);
      AppendMenuA(m, MF_POPUP, reinterpret_cast<UINT_PTR>(sub), it.text.c_str());
    } else {
      AppendMenuA(m, it.flags, it.id, it.flags == MF_SEPARATOR ? nullptr : it.text.c_str());
    }
  }
}

double Seconds(LARGE_INTEGER a, LARGE_INTEGER b, LARGE_INTEGER f) {
  return static_cast<double>(b.QuadPart - a.QuadPart) / static_cast<double>(f.QuadPart);
}

}  // namespace

int main() {
  HMODULE dll = LoadLibraryA("Tagquill.dll");
  if (!dll) return std::fprintf(stderr, "cannot load Tagquill.dll\n"), 2;
  auto setInfo = reinterpret_cast<TagquillSetAppInfoFn>(reinterpret_cast<void*>(GetProcAddress(dll, "SetAppInfo")));
  auto make = reinterpret_cast<TagquillMakeHtmlMenuFn>(reinterpret_cast<void*>(GetProcAddress(dll, "MakeHtmlMenu")));
  setInfo(2, nullptr, 0);  // no host to ask: the plug-in's own work only
  Menu probe(CreateMenu());
  make(&probe);
  const std::vector<Item> shape = Capture(probe.m_hMenu);

  LARGE_INTEGER f;
  QueryPerformanceFrequency(&f);
  const int kRounds = 15, kPerRound = 40;
  std::vector<double> plugin, bare;
  for (int r = 0; r < kRounds; ++r) {
    LARGE_INTEGER a, b, c;
    QueryPerformanceCounter(&a);
    for (int i = 0; i < kPerRound; ++i) {
      Menu m(CreateMenu());
      make(&m);
    }
    QueryPerformanceCounter(&b);
    for (int i = 0; i < kPerRound; ++i) Replay(CreateMenu(), shape);
    QueryPerformanceCounter(&c);
    plugin.push_back(Seconds(a, b, f));
    bare.push_back(Seconds(b, c, f));
  }
  std::sort(plugin.begin(), plugin.end());
  std::sort(bare.begin(), bare.end());
  double p = plugin[kRounds / 2] / kPerRound * 1e3, q = bare[kRounds / 2] / kPerRound * 1e3;
  std::printf("MakeHtmlMenu %.3f ms  bare append loop %.3f ms  ratio %.2f\n", p, q, p / q);
  return 0;
}
