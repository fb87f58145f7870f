// The database work of an action without the action: its statements run
// with bare sqlite3 calls (prepare, step through every row reading each
// column in its stored kind, finalize) on a connection opened as the data
// layer opens its pooled ones.
#pragma once

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <string>
#include <vector>

namespace lumo::bench {

// Runs one statement and reads every column of every row; false when it
// could not be prepared or stopped on an error.
inline bool RunBareStatement(sqlite3* db, const std::string& sql) {
  sqlite3_stmt* statement = nullptr;
  if (sqlite3_prepare_v2(db, sql.c_str(), -1, &statement, nullptr) != SQLITE_OK) return false;
  const int columns = sqlite3_column_count(statement);
  int rc;
  while ((rc = sqlite3_step(statement)) == SQLITE_ROW) {
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
  return rc == SQLITE_DONE;
}

// Each iteration runs the statements in their order.
inline void RunBareStatements(benchmark::State& state, const std::string& databasePath,
                              const std::vector<std::string>& statements) {
  sqlite3* db = nullptr;
  if (sqlite3_open_v2(databasePath.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX,
                      nullptr) != SQLITE_OK) {
    state.SkipWithError("cannot open the database");
    sqlite3_close(db);
    return;
  }
  for (auto _ : state) {
    for (const std::string& sql : statements) {
      if (!RunBareStatement(db, sql)) {
        state.SkipWithError(sqlite3_errmsg(db));
        break;
      }
    }
  }
  sqlite3_close(db);
}

inline void RunBareQuery(benchmark::State& state, const std::string& databasePath,
                         const std::string& sql) {
  RunBareStatements(state, databasePath, {sql});
}

}  // namespace lumo::bench
