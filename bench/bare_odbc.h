// The database work of an action on a server without the action: its
// statements, as the data layer writes them for PostgreSQL, run with bare
// ODBC calls on a connection of their own (SQLExecDirectW, then every row
// fetched and every column read as text), through the same driver and with
// the same connection settings as the data layer's.
#pragma once

#include <benchmark/benchmark.h>

#include <array>
#include <string>
#include <vector>

#include "host/data/odbc_handles.h"
#include "host/data/odbc_text.h"
#include "host/data/sqlite_odbc_driver.h"

namespace lumo::bench {

// Runs one statement and reads every column of every row; false on an error.
inline bool RunBareOdbcStatement(const data::OdbcHandle& connection, const std::string& sql) {
  const data::OdbcHandle statement(SQL_HANDLE_STMT, connection.get());
  std::vector<SQLWCHAR> text = data::OdbcText(sql);
  if (!SQL_SUCCEEDED(SQLExecDirectW(statement.get(), text.data(), SQL_NTS))) return false;
  SQLSMALLINT columns = 0;
  SQLNumResultCols(statement.get(), &columns);
  std::array<SQLWCHAR, 512> value{};
  SQLRETURN rc;
  while ((rc = SQLFetch(statement.get())) != SQL_NO_DATA) {
    if (!SQL_SUCCEEDED(rc)) return false;
    for (SQLUSMALLINT column = 1; column <= columns; ++column) {
      SQLLEN length = 0;
      SQLGetData(statement.get(), column, SQL_C_WCHAR, value.data(), sizeof value, &length);
      benchmark::DoNotOptimize(value);
    }
  }
  return true;
}

// Each iteration runs the statements in their order.
inline void RunBareOdbcStatements(benchmark::State& state, const std::string& connectionString,
                                  const std::vector<std::string>& statements) {
  const data::OdbcHandle environment(SQL_HANDLE_ENV, SQL_NULL_HANDLE);
  SQLSetEnvAttr(environment.get(), SQL_ATTR_ODBC_VERSION,
                reinterpret_cast<SQLPOINTER>(static_cast<intptr_t>(SQL_OV_ODBC3)), 0);
  const data::OdbcHandle connection(SQL_HANDLE_DBC, environment.get());
  std::vector<SQLWCHAR> text = data::OdbcText(data::OdbcConnectionString(connectionString));
  if (!SQL_SUCCEEDED(SQLDriverConnectW(connection.get(), nullptr, text.data(), SQL_NTS, nullptr, 0,
                                       nullptr, SQL_DRIVER_NOPROMPT))) {
    state.SkipWithError("cannot connect");
    return;
  }
  for (auto _ : state) {
    for (const std::string& sql : statements) {
      if (!RunBareOdbcStatement(connection, sql)) {
        state.SkipWithError(("failed: " + sql).c_str());
        break;
      }
    }
  }
  SQLDisconnect(connection.get());
}

}  // namespace lumo::bench
