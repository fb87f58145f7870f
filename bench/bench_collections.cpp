// Costs of the host collections and of the recordset filter.
//
// BM_RecordsetFilter builds a recordset of n rows and filters it once for
// each of its m = n / 4 distinct ids; BM_RecordsetBuild builds the same
// recordset alone, so the difference between the two is the filter's cost.
// Both should grow linearly with n.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "collections/dictionary.h"
#include "platform/recordset.h"

namespace lumo {
namespace {

constexpr int kDictionaryKeys = 50;

std::string KeyName(int i) {
  return "P_Key" + std::to_string(i);
}

DictionaryRef FilledDictionary() {
  auto dictionary = NewDictionary();
  for (int i = 0; i < kDictionaryKeys; ++i) dictionary->SetValue(KeyName(i), i);
  return dictionary;
}

void BM_DictionaryLookup(benchmark::State& state) {
  auto dictionary = FilledDictionary();
  std::vector<std::string> keys;
  for (int i = 0; i < kDictionaryKeys; ++i) keys.push_back(KeyName(i));
  size_t next = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(dictionary->GetValue(keys[next], Variant(0)));
    next = (next + 1) % keys.size();
  }
}
BENCHMARK(BM_DictionaryLookup);

void BM_DictionaryName(benchmark::State& state) {
  auto dictionary = FilledDictionary();
  for (auto _ : state) {
    for (int32_t i = 1; i <= dictionary->Count(); ++i)
      benchmark::DoNotOptimize(dictionary->Name(i));
  }
  state.SetItemsProcessed(state.iterations() * dictionary->Count());
}
BENCHMARK(BM_DictionaryName);

int32_t DistinctIds(int64_t rows) {
  return static_cast<int32_t>(rows / 4);
}

std::vector<Recordset::Row> TaxRateRows(int64_t count) {
  std::vector<Recordset::Row> rows;
  rows.reserve(static_cast<size_t>(count));
  for (int64_t i = 0; i < count; ++i) {
    rows.push_back(
        {static_cast<int32_t>(i % DistinctIds(count)), 0.01 * static_cast<double>(i % 17)});
  }
  return rows;
}

Recordset TaxRates(const std::vector<Recordset::Row>& rows) {
  return Recordset({"FItemID", "FTaxRate"}, rows);
}

void BM_RecordsetBuild(benchmark::State& state) {
  auto rows = TaxRateRows(state.range(0));
  for (auto _ : state) {
    Recordset recordset = TaxRates(rows);
    benchmark::DoNotOptimize(recordset.RecordCount());
  }
  state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_RecordsetBuild)->RangeMultiplier(10)->Range(1000, 100000)->Complexity(benchmark::oN);

void BM_RecordsetFilter(benchmark::State& state) {
  auto rows = TaxRateRows(state.range(0));
  std::vector<std::string> filters;
  for (int32_t id = 0; id < DistinctIds(state.range(0)); ++id) {
    filters.push_back("FItemID=" + std::to_string(id));
  }
  for (auto _ : state) {
    Recordset recordset = TaxRates(rows);
    for (const std::string& filter : filters) {
      recordset.SetFilter(filter);
      benchmark::DoNotOptimize(recordset.Value("FTaxRate"));
    }
  }
  state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_RecordsetFilter)->RangeMultiplier(10)->Range(1000, 100000)->Complexity(benchmark::oN);

}  // namespace
}  // namespace lumo

BENCHMARK_MAIN();
