// Speed of the hot paths, each beside a baseline doing the plain work on the
// same bytes in the same run; bench/ratios.py turns the pairs into ratios.
#include <benchmark/benchmark.h>

#include <cstring>
#include <string>

#include "app/dispatch.h"
#include "app/html_app.h"
#include "dialogs/common/text_rules.h"
#include "plat/headless.h"

namespace {

const std::string& Selection() {
  static const std::string s = [] {
    std::string t(64u << 20, 'x');
    for (size_t i = 0; i < t.size(); i += 61) t[i] = '\n';
    return t;
  }();
  return s;
}

void Setup() {
  static plat::HeadlessBackend backend;
  plat::InstallBackend(&backend);
}

// Wrapping a 64 MiB selection in <B>...</B> through the dispatch...
void BM_Wrap(benchmark::State& st) {
  Setup();
  const std::string& sel = Selection();
  for (auto _ : st) benchmark::DoNotOptimize(tq::GetHtmlTagString(nullptr, 29301, sel.c_str()));
  st.SetBytesProcessed(static_cast<int64_t>(st.iterations() * sel.size()));
}
// ...against what it must at least do: take the text from a C string and
// copy it once more into the result with the tags around it.
void BM_WrapBaseline(benchmark::State& st) {
  const std::string& sel = Selection();
  std::string buffer, out;
  for (auto _ : st) {
    size_t n = std::strlen(sel.c_str());
    buffer.assign(sel.c_str(), n);
    out.clear();
    out.reserve(n + 7);
    out.append("<B>").append(buffer).append("</B>");
    benchmark::DoNotOptimize(out.data());
  }
  st.SetBytesProcessed(static_cast<int64_t>(st.iterations() * sel.size()));
}

// The whitespace normaliser against a plain scan that copies every byte and
// looks at each for a line break.
void BM_Normalize(benchmark::State& st) {
  const std::string& sel = Selection();
  for (auto _ : st) benchmark::DoNotOptimize(tq::NormalizeWhitespace(sel));
  st.SetBytesProcessed(static_cast<int64_t>(st.iterations() * sel.size()));
}
void BM_NormalizeBaseline(benchmark::State& st) {
  const std::string& sel = Selection();
  for (auto _ : st) {
    std::string out;
    out.reserve(sel.size());
    for (char c : sel) out.push_back(c == '\n' || c == '\r' ? ' ' : c);
    benchmark::DoNotOptimize(out.data());
  }
  st.SetBytesProcessed(static_cast<int64_t>(st.iterations() * sel.size()));
}

}  // namespace

BENCHMARK(BM_Wrap)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WrapBaseline)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Normalize)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_NormalizeBaseline)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
