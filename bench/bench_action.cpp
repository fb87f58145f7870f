// TevSer_GetExchangeRate through DoAction, with the host components
// registered as lumo-action registers them, beside the one query the action
// runs made with bare sqlite3 calls on the same file. Prints the ratio of
// the two: what DoAction, the trace scopes, the data-access component and
// the recordset cost on top of the database work itself.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <string>

#include "bare_query.h"
#include "collections/dictionary.h"
#include "core/cls_action_ic.h"
#include "demo_database.h"
#include "host/components/register.h"
#include "host/data/register.h"
#include "ratio_reporter.h"

namespace {

constexpr int32_t kCurrencyId = 4;  // the demo currency stored with "/"

const lumo::bench::DemoDatabase& Database() {
  static const lumo::bench::DemoDatabase database("lumo_bench_action");
  return database;
}

void DoActionGetExchangeRate(benchmark::State& state) {
  const std::string props = Database().props();
  lumo::data::RegisterDataAccess();
  lumo::components::RegisterHostComponents({})->Set(static_cast<int32_t>(::getpid()), "PropsString",
                                                    props);
  lumo::clsActionIC component;
  for (auto _ : state) {
    auto dctPara = lumo::NewDictionary();  // a new dictionary per call, as the host builds it
    dctPara->SetValue("PropString", props);
    dctPara->SetValue("P_CurrencyID", kCurrencyId);
    lumo::DictionaryRef dctReturn;
    benchmark::DoNotOptimize(component.DoAction("TevSer_GetExchangeRate", "", dctPara, dctReturn));
    if (!dctReturn) {
      state.SkipWithError("no exchange rate came back");
      break;
    }
  }
}
BENCHMARK(DoActionGetExchangeRate);

void BareSqliteQuery(benchmark::State& state) {
  lumo::bench::RunBareQuery(state, Database().path(),
                            "SELECT FOperator,FExchangeRate FROM t_Currency WHERE FCurrencyID=" +
                                std::to_string(kCurrencyId));
}
BENCHMARK(BareSqliteQuery);

}  // namespace

int main(int argc, char** argv) {
  lumo::bench::RatioReporter reporter;
  if (!lumo::bench::RunBenchmarks(argc, argv, reporter)) return 1;
  const double action = reporter.Of("DoActionGetExchangeRate");
  const double bare = reporter.Of("BareSqliteQuery");
  if (action > 0 && bare > 0) {
    std::printf("DoAction / bare query (CPU time): %.2f\n", action / bare);
  }
  return 0;
}
