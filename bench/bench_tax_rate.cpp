// TevSer_GetTaxRate on a bill column of n item ids, through DoAction with
// the host components registered as lumo-action registers them, beside the
// bare sqlite3 IN query over the same ids on the same file; for n = 1,000,
// 10,000 and 100,000 items, each size in a database holding n items.
// Prints the CPU time per id of both and their ratio: the action runs one
// query and picks each line's rate out of its recordset, so its time per
// id should stay flat as n grows.
#include <benchmark/benchmark.h>
#include <sqlite3.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "bare_query.h"
#include "collections/dictionary.h"
#include "core/cls_action_ic.h"
#include "demo_database.h"
#include "host/components/register.h"
#include "host/data/register.h"
#include "ratio_reporter.h"

namespace {

constexpr int32_t kSizes[] = {1'000, 10'000, 100'000};
constexpr double kRates[] = {13, 9, 3};  // of item id % 3

// Items 1 .. n with the rates kRates.
class ItemDatabase {
 public:
  explicit ItemDatabase(int32_t items)
      : file_("lumo_bench_tax_rate_" + std::to_string(items), /*withDemoData=*/false) {
    sqlite3* db = nullptr;
    sqlite3_open(file_.path().c_str(), &db);
    sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
    sqlite3_stmt* insert = nullptr;
    sqlite3_prepare_v2(db, "INSERT INTO t_ICItemMaterial (FItemID, FTaxRate) VALUES (?, ?)", -1,
                       &insert, nullptr);
    for (int32_t id = 1; id <= items; ++id) {
      sqlite3_bind_int(insert, 1, id);
      sqlite3_bind_double(insert, 2, kRates[id % 3]);
      sqlite3_step(insert);
      sqlite3_reset(insert);
    }
    sqlite3_finalize(insert);
    sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
    sqlite3_close(db);
  }
  const lumo::bench::DemoDatabase& file() const { return file_; }

 private:
  lumo::bench::DemoDatabase file_;
};

const ItemDatabase& Database(int32_t items) {
  static std::map<int32_t, std::unique_ptr<ItemDatabase>> databases;
  auto& database = databases[items];
  if (!database) database = std::make_unique<ItemDatabase>(items);
  return *database;
}

// The bill column 1 .. n of the ids 1 .. n (element 0 unused, as the host
// passes it).
lumo::VbArray Column(int32_t items) {
  lumo::VbArray column(0, items);
  for (int32_t id = 1; id <= items; ++id) column.at(id) = id;
  return column;
}

void DoActionGetTaxRate(benchmark::State& state) {
  const auto items = static_cast<int32_t>(state.range(0));
  const std::string props = Database(items).file().props();
  lumo::data::RegisterDataAccess();
  lumo::components::RegisterHostComponents({})->Set(static_cast<int32_t>(::getpid()), "PropsString",
                                                    props);
  // The host has built dctPara before it calls; building it is not the
  // action's work.
  auto dctPara = lumo::NewDictionary();
  dctPara->SetValue("PropString", props);
  dctPara->SetValue("P_TaxRateOption", 1);
  lumo::VbArray column = Column(items);
  lumo::clsActionIC component;
  for (auto _ : state) {
    // Each call lists the ids in another order, as each bill has its own
    // lines: the data layer's cache of prepared statements would otherwise
    // spare the action the parsing that the bare query pays every time.
    state.PauseTiming();
    std::rotate(column.items.begin() + 1, column.items.begin() + 2, column.items.end());
    dctPara->SetValue("P_ICItemID", column);
    state.ResumeTiming();
    lumo::DictionaryRef dctReturn;
    benchmark::DoNotOptimize(component.DoAction("TevSer_GetTaxRate", "", dctPara, dctReturn));
    const lumo::Variant rates = dctReturn ? dctReturn->Value("P_TaxRate") : lumo::Variant();
    const lumo::Variant expected = kRates[column.at(items).AsLong() % 3];
    if (!rates.IsArray() || rates.AsArray().at(items) != expected) {
      state.SkipWithError("the last line's rate did not come back");
      break;
    }
  }
}
BENCHMARK(DoActionGetTaxRate)->Arg(kSizes[0])->Arg(kSizes[1])->Arg(kSizes[2]);

void BareInQuery(benchmark::State& state) {
  const auto items = static_cast<int32_t>(state.range(0));
  std::string sql = "SELECT FTaxRate,FItemID FROM t_ICItemMaterial WHERE FItemID IN (";
  for (int32_t id = 1; id <= items; ++id) sql += std::to_string(id) + (id < items ? "," : ")");
  lumo::bench::RunBareQuery(state, Database(items).file().path(), sql);
}
BENCHMARK(BareInQuery)->Arg(kSizes[0])->Arg(kSizes[1])->Arg(kSizes[2]);

}  // namespace

int main(int argc, char** argv) {
  lumo::bench::RatioReporter reporter;
  if (!lumo::bench::RunBenchmarks(argc, argv, reporter)) return 1;

  std::printf("\n%9s %22s %22s %10s\n", "items", "DoAction ns per id", "bare query ns per id",
              "ratio");
  double firstPerId = 0, lastPerId = 0;
  for (const int32_t items : kSizes) {
    const std::string size = "/" + std::to_string(items);
    const double action = reporter.Of("DoActionGetTaxRate" + size) / items;
    const double bare = reporter.Of("BareInQuery" + size) / items;
    if (action <= 0 || bare <= 0) continue;
    std::printf("%9d %22.1f %22.1f %10.2f\n", items, action, bare, action / bare);
    if (firstPerId == 0) firstPerId = action;
    lastPerId = action;
  }
  if (firstPerId > 0) {
    std::printf("DoAction per id, largest over smallest size: %.2f\n", lastPerId / firstPerId);
  }
  return 0;
}
