// GetData of a one-row query through the component beside the same query
// with bare sqlite3 calls (prepare, step, finalize on an open connection).
#include <benchmark/benchmark.h>
#include <sqlite3.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "host/data/class_info_component.h"

namespace {

constexpr const char* kQuery = "SELECT FOperator,FExchangeRate FROM t_Currency WHERE FCurrencyID=2";

// A database file with a small currency table, removed at exit.
class BenchDatabase {
 public:
  BenchDatabase()
      : path_((std::filesystem::temp_directory_path() /
               ("lumo_bench_data_" + std::to_string(getpid()) + ".db"))
                  .string()) {
    std::filesystem::remove(path_);
    sqlite3* db = nullptr;
    sqlite3_open(path_.c_str(), &db);
    sqlite3_exec(db,
                 "CREATE TABLE t_Currency(FCurrencyID INTEGER PRIMARY KEY, FOperator TEXT, "
                 "FExchangeRate REAL);"
                 "INSERT INTO t_Currency VALUES(1, '*', 1), (2, '*', 7.1), (3, '/', 0.9);",
                 nullptr, nullptr, nullptr);
    sqlite3_close(db);
  }
  ~BenchDatabase() { std::filesystem::remove(path_); }
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

const BenchDatabase& Database() {
  static const BenchDatabase database;
  return database;
}

void ClassInfoGetData(benchmark::State& state) {
  const std::string props = "DBFile=" + Database().path() + ";UserID=16;Language=CHS";
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
