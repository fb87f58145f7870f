// The database work of an action without the action: one query run with
// bare sqlite3 calls (prepare, step through every row reading each column
// in its stored kind, finalize) on a connection opened as the data layer
// opens its pooled ones.
#pragma once

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <string>

namespace lumo::bench {

inline void RunBareQuery(benchmark::State& state, const std::string& databasePath,
                         const std::string& sql) {
  sqlite3* db = nullptr;
  if (sqlite3_open_v2(databasePath.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX,
                      nullptr) != SQLITE_OK) {
    state.SkipWithError("cannot open the database");
    sqlite3_close(db);
    return;
  }
  for (auto _ : state) {
    sqlite3_stmt* statement = nullptr;
    sqlite3_prepare_v2(db, sql.c_str(), -1, &statement, nullptr);
    const int columns = sqlite3_column_count(statement);
    while (sqlite3_step(statement) == SQLITE_ROW) {
      for (int column = 0; column < columns; ++column) {
        switch (sqlite3_column_type(statement, column)) {
          case SQLITE_INTEGER:
            benchmark::DoNotOptimize(sqlite3_column_int64(statement, column));
            break;
          case SQLITE_FLOAT:
            benchmark::DoNotOptimize(sqlite3_column_double(statement, column));
            break;
          default:
            benchmark::DoNotOptimize(sqlite3_column_text(statement, column));
        }
      }
    }
    sqlite3_finalize(statement);
  }
  sqlite3_close(db);
}

}  // namespace lumo::bench
