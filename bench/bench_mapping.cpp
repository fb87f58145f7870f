// TevSer_SynMapAndItem translating a column of n items in one round trip,
// through DoAction, beside the same database work done with bare sqlite3
// calls on the same file: one transaction, the temporary table, one prepared
// INSERT stepped n times, the mapping query read row by row, the DROP.
// Prints, for n = 1,000, 10,000 and 100,000, both times, their ratio and the
// time per item.
#include <benchmark/benchmark.h>
#include <sqlite3.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "collections/dictionary.h"
#include "core/cls_action_ic.h"
#include "demo_database.h"
#include "host/components/register.h"
#include "host/data/register.h"
#include "ratio_reporter.h"

namespace {

constexpr int32_t kSupplier = 221;
constexpr int32_t kSizes[] = {1000, 10000, 100000};
constexpr int32_t kMappedItems = 100000;

// The demo database with a mapping entry for every second item id up to
// kMappedItems, so about half of a column finds an entry.
const lumo::bench::DemoDatabase& Database() {
  static const lumo::bench::DemoDatabase database("lumo_bench_mapping");
  static const bool seeded = [] {
    const auto db = database.Open();
    const std::string insert =
        "WITH RECURSIVE n(i) AS (SELECT 2 UNION ALL SELECT i + 2 FROM n WHERE i < " +
        std::to_string(kMappedItems) +
        ") INSERT INTO t_ItemMapping (FEntryID, FParentID, FItemID, FNumber) SELECT 1000000 + i, " +
        std::to_string(kSupplier) + ", i, 'B' || i FROM n";
    return db && sqlite3_exec(db.get(), insert.c_str(), nullptr, nullptr, nullptr) == SQLITE_OK;
  }();
  if (!seeded) std::fprintf(stderr, "cannot add the mapping entries\n");
  return database;
}

// Item ids 1 .. n at positions 1 .. n.
lumo::VbArray Column(int32_t n) {
  lumo::VbArray column(0, n);
  for (int32_t i = 1; i <= n; ++i) column.at(i) = i;
  return column;
}

void DoActionSynMapAndItem(benchmark::State& state) {
  const int32_t n = static_cast<int32_t>(state.range(0));
  const std::string props = Database().props();
  lumo::data::RegisterDataAccess();
  lumo::components::RegisterHostComponents({})->Set(static_cast<int32_t>(::getpid()), "PropsString",
                                                    props);
  auto dctPara = lumo::NewDictionary();
  dctPara->SetValue("PropString", props);
  dctPara->SetValue("P_SupplierOrCustomerID", kSupplier);
  dctPara->SetValue("P_ICItemID", Column(n));
  lumo::clsActionIC component;
  for (auto _ : state) {
    lumo::DictionaryRef dctReturn;
    if (component.DoAction("TevSer_SynMapAndItem", "", dctPara, dctReturn) != 0 || !dctReturn) {
      state.SkipWithError("the action failed");
      break;
    }
    benchmark::DoNotOptimize(dctReturn->Value("P_MapID"));
  }
  state.SetItemsProcessed(state.iterations() * n);
}
BENCHMARK(DoActionSynMapAndItem)
    ->Arg(kSizes[0])
    ->Arg(kSizes[1])
    ->Arg(kSizes[2])
    ->Unit(benchmark::kMillisecond);

bool Exec(sqlite3* db, const char* sql) {
  return sqlite3_exec(db, sql, nullptr, nullptr, nullptr) == SQLITE_OK;
}

void BareSqliteBatch(benchmark::State& state) {
  const int32_t n = static_cast<int32_t>(state.range(0));
  const lumo::VbArray column = Column(n);
  const std::string query =
      "SELECT u1.FIndex, Min(v1.FEntryID) AS FInterID FROM temp.\"#TmpItem\" u1 "
      "LEFT JOIN v_SToIMapping v1 ON u1.FItemID = v1.FItemID AND v1.FParentID = " +
      std::to_string(kSupplier) + " GROUP BY u1.FIndex ORDER BY u1.FIndex";
  const auto connection = Database().Open();
  sqlite3* db = connection.get();
  if (!db) {
    state.SkipWithError("cannot open the demo database");
    return;
  }
  for (auto _ : state) {
    bool ok = Exec(db, "BEGIN IMMEDIATE") &&
              Exec(db,
                   "CREATE TEMP TABLE temp.\"#TmpItem\"(FIndex int not null default(0), FItemID "
                   "int not null default(0))");
    sqlite3_stmt* insert = nullptr;
    ok = ok && sqlite3_prepare_v2(db, "INSERT INTO temp.\"#TmpItem\" (FIndex,FItemID) VALUES(?,?)",
                                  -1, &insert, nullptr) == SQLITE_OK;
    for (int32_t i = 1; ok && i <= n; ++i) {
      sqlite3_bind_int(insert, 1, i);
      sqlite3_bind_int(insert, 2, column.at(i).AsLong());
      ok = sqlite3_step(insert) == SQLITE_DONE;
      sqlite3_reset(insert);
    }
    sqlite3_finalize(insert);
    sqlite3_stmt* select = nullptr;
    ok = ok && sqlite3_prepare_v2(db, query.c_str(), -1, &select, nullptr) == SQLITE_OK;
    while (ok && sqlite3_step(select) == SQLITE_ROW) {
      benchmark::DoNotOptimize(sqlite3_column_int(select, 0));
      benchmark::DoNotOptimize(sqlite3_column_int(select, 1));
    }
    sqlite3_finalize(select);
    ok = ok && Exec(db, "DROP TABLE temp.\"#TmpItem\"") && Exec(db, "COMMIT");
    if (!ok) {
      state.SkipWithError(sqlite3_errmsg(db));
      break;
    }
  }
  state.SetItemsProcessed(state.iterations() * n);
}
BENCHMARK(BareSqliteBatch)
    ->Arg(kSizes[0])
    ->Arg(kSizes[1])
    ->Arg(kSizes[2])
    ->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  lumo::bench::RatioReporter reporter;
  if (!lumo::bench::RunBenchmarks(argc, argv, reporter)) return 1;
  std::printf("\n%8s %14s %14s %8s %18s %18s\n", "items", "DoAction ms", "bare ms", "ratio",
              "DoAction us/item", "bare us/item");
  for (const int32_t n : kSizes) {
    const std::string size = "/" + std::to_string(n);
    const double action = reporter.Of("DoActionSynMapAndItem" + size);
    const double bare = reporter.Of("BareSqliteBatch" + size);
    if (action <= 0 || bare <= 0) continue;
    std::printf("%8d %14.2f %14.2f %8.2f %18.3f %18.3f\n", n, action / 1e6, bare / 1e6,
                action / bare, action / 1e3 / n, bare / 1e3 / n);
  }
  return 0;
}
