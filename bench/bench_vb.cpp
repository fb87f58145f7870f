// Cost of the VB conversions that every numeric parameter passes through.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "platform/vb.h"

namespace {

using lumo::Variant;

// Texts as parameters arrive: ids, amounts, padded and hexadecimal values.
const std::vector<std::string>& TypicalTexts() {
  static const std::vector<std::string> kTexts = {"42",    "1234.56", "  -0.5 ",
                                                  "1.5E2", "&H1F",    "12abc"};
  return kTexts;
}

void BM_Val(benchmark::State& state) {
  const std::string& text = TypicalTexts()[static_cast<size_t>(state.range(0))];
  state.SetLabel(text);
  for (auto _ : state) benchmark::DoNotOptimize(lumo::vb::Val(text));
}
BENCHMARK(BM_Val)->DenseRange(0, 5);

void BM_CLng_Double(benchmark::State& state) {
  const Variant value(2.5);
  for (auto _ : state) benchmark::DoNotOptimize(lumo::vb::CLng(value));
}
BENCHMARK(BM_CLng_Double);

void BM_CLng_Text(benchmark::State& state) {
  const Variant value("1,234.5");
  for (auto _ : state) benchmark::DoNotOptimize(lumo::vb::CLng(value));
}
BENCHMARK(BM_CLng_Text);

}  // namespace

BENCHMARK_MAIN();
