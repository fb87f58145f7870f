// A SQLite database file opened for this thread's use.
//
// Prepared statements are kept per connection, keyed by their text, so a
// statement asked again is only reset and bound, not compiled again: queries,
// and statements run with bound values (an INSERT run for many rows, the
// statements of a procedure). Other changing statements are compiled for each
// use (their texts rarely repeat).
#pragma once

#include <sqlite3.h>

#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>

#include "host/data/sql_session.h"
#include "host/data/sqlite_file_rules.h"

namespace lumo::data {

class SqliteSession final : public SqlSession {
 public:
  enum class Mode { OpenExisting, CreateNew };
  SqliteSession(const std::string& path, Mode mode, int busyTimeoutMs = kSqliteBusyTimeoutMs);

  void Begin() override;
  void Commit() override;
  void Rollback() noexcept override;
  std::optional<QueryResult> Run(const std::string& sql,
                                 std::span<const SqlValue> arguments) override;

  // Runs a script of statements separated by ";" (schema and demo data).
  void RunScript(const std::string& script);

 private:
  struct CloseDatabase {
    void operator()(sqlite3* db) const { sqlite3_close_v2(db); }
  };
  struct Finalize {
    void operator()(sqlite3_stmt* statement) const { sqlite3_finalize(statement); }
  };
  using StatementPtr = std::unique_ptr<sqlite3_stmt, Finalize>;

  [[noreturn]] void RaiseLastError(std::string_view statement) const;
  StatementPtr Prepare(const std::string& sql) const;

  std::unique_ptr<sqlite3, CloseDatabase> db_;
  int busyTimeoutMs_;
  std::unordered_map<std::string, StatementPtr> queries_;
};

}  // namespace lumo::data
