// GetData of a one-row query through the component beside the same query
// with bare sqlite3 calls (prepare, step, finalize on an open connection).
#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <string>

#include "demo_database.h"
#include "host/data/class_info_component.h"

namespace {

constexpr const char* kQuery = "SELECT FOperator,FExchangeRate FROM t_Currency WHERE FCurrencyID=2";

const lumo::bench::DemoDatabase& Database() {
  static const lumo::bench::DemoDatabase database("lumo_bench_data");
  return database;
}

void ClassInfoGetData(benchmark::State& state) {
  const std::string props = Database().props();
  for (auto _ : state) {
    lumo::data::ClassInfo info;  // one object per call, as the actions do
    lumo::RecordsetRef rs = info.GetData(props, kQuery);
    benchmark::DoNotOptimize(rs->Value("FExchangeRate"));
  }
}
BENCHMARK(ClassInfoGetData);

void BareSqlite(benchmark::State& state) {
  sqlite3* db = nullptr;
  sqlite3_open_v2(Database().path().c_str(), &db, SQLITE_OPEN_READWRITE, nullptr);
  for (auto _ : state) {
    sqlite3_stmt* statement = nullptr;
    sqlite3_prepare_v2(db, kQuery, -1, &statement, nullptr);
    while (sqlite3_step(statement) == SQLITE_ROW)
      benchmark::DoNotOptimize(sqlite3_column_double(statement, 1));
    sqlite3_finalize(statement);
  }
  sqlite3_close(db);
}
BENCHMARK(BareSqlite);

}  // namespace

BENCHMARK_MAIN();
