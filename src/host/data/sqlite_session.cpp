#include "host/data/sqlite_session.h"

#include <fmt/format.h>

#include "host/data/data_error.h"
#include "platform/vb.h"

namespace lumo::data {
namespace {

constexpr size_t kMaxCachedQueries = 64;

std::string EngineCode(int resultCode) {
  return fmt::format("SQLite error {}", resultCode);
}

Variant ColumnValue(sqlite3_stmt* statement, int column) {
  switch (sqlite3_column_type(statement, column)) {
    case SQLITE_INTEGER:
      return WholeNumberValue(sqlite3_column_int64(statement, column));
    case SQLITE_FLOAT:
      return Variant(sqlite3_column_double(statement, column));
    case SQLITE_NULL:
      return Variant::Null();
    default: {  // TEXT, and BLOB read as its bytes
      const auto* bytes = static_cast<const char*>(sqlite3_column_blob(statement, column));
      return Variant(std::string(bytes == nullptr ? "" : bytes,
                                 static_cast<size_t>(sqlite3_column_bytes(statement, column))));
    }
  }
}

int Bind(sqlite3_stmt* statement, int index, const SqlValue& value) {
  struct Binder {
    sqlite3_stmt* statement;
    int index;
    int operator()(std::monostate) const { return sqlite3_bind_null(statement, index); }
    int operator()(int64_t v) const { return sqlite3_bind_int64(statement, index, v); }
    int operator()(double v) const { return sqlite3_bind_double(statement, index, v); }
    int operator()(const std::string& v) const {
      return sqlite3_bind_text(statement, index, v.data(), static_cast<int>(v.size()),
                               SQLITE_TRANSIENT);
    }
  };
  return std::visit(Binder{statement, index}, value);
}

// Leaves a kept statement ready for its next use.
struct ResetOnExit {
  sqlite3_stmt* statement;
  ~ResetOnExit() {
    sqlite3_reset(statement);
    sqlite3_clear_bindings(statement);
  }
};

[[noreturn]] void RaiseCannotOpen(const std::string& path, int rc, const char* reason) {
  RaiseDatabaseError(EngineCode(rc),
                     fmt::format("Cannot open the database file {}: {}", path, reason), "open");
}

}  // namespace

SqliteSession::SqliteSession(const std::string& path, Mode mode, int busyTimeoutMs)
    : busyTimeoutMs_(busyTimeoutMs) {
  // No implicit creation when opening: a mistyped path must not become an
  // empty database. An existing database may be named in SQLite's URI form
  // ("file:/x.db?mode=ro"), whatever the library's build, so a session can
  // open it read-only; a new one is always a plain path.
  const int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX |
                    (mode == Mode::CreateNew ? SQLITE_OPEN_CREATE : SQLITE_OPEN_URI);
  sqlite3* db = nullptr;
  const int rc = sqlite3_open_v2(path.c_str(), &db, flags, nullptr);
  db_.reset(db);
  if (rc != SQLITE_OK) {
    RaiseCannotOpen(path, rc, db != nullptr ? sqlite3_errmsg(db) : sqlite3_errstr(rc));
  }
  sqlite3_extended_result_codes(db, 0);
  sqlite3_busy_timeout(db, busyTimeoutMs_);
}

void SqliteSession::RaiseLastError(std::string_view statement) const {
  const int code = sqlite3_errcode(db_.get());
  // SQLite's "database is locked" reads like a lasting fault; this one ends
  // when the other writer is done, so the caller may simply try again.
  if (code == SQLITE_BUSY) {
    RaiseDatabaseError(
        EngineCode(code),
        fmt::format("database is busy: locked by another connection (waited up to {} ms)",
                    busyTimeoutMs_),
        statement);
  }
  RaiseDatabaseError(EngineCode(code), sqlite3_errmsg(db_.get()), statement);
}

SqliteSession::StatementPtr SqliteSession::Prepare(const std::string& sql) const {
  sqlite3_stmt* raw = nullptr;
  const char* tail = nullptr;
  if (sqlite3_prepare_v2(db_.get(), sql.c_str(), static_cast<int>(sql.size()), &raw, &tail) !=
      SQLITE_OK) {
    RaiseLastError(sql);
  }
  StatementPtr statement(raw);
  // SQLite would silently skip whatever follows the first statement.
  if (tail != nullptr && !vb::TrimWhiteSpace(tail).empty())
    RaiseInvalidRequest("More than one statement in: " + sql);
  return statement;
}

void SqliteSession::Begin() {
  // IMMEDIATE takes the write lock at once, so two writers wait for each
  // other instead of failing when a read lock is upgraded.
  Run("BEGIN IMMEDIATE", {});
}

void SqliteSession::Commit() {
  Run("COMMIT", {});
}

void SqliteSession::Rollback() noexcept {
  if (!sqlite3_get_autocommit(db_.get()))
    sqlite3_exec(db_.get(), "ROLLBACK", nullptr, nullptr, nullptr);
}

std::optional<QueryResult> SqliteSession::Run(const std::string& sql,
                                              std::span<const SqlValue> arguments) {
  StatementPtr fresh;
  sqlite3_stmt* statement = nullptr;
  if (auto kept = queries_.find(sql); kept != queries_.end()) {
    statement = kept->second.get();
  } else {
    fresh = Prepare(sql);
    statement = fresh.get();
  }
  if (statement == nullptr) return std::nullopt;  // only blanks or comments
  ResetOnExit reset{statement};

  if (sqlite3_bind_parameter_count(statement) != static_cast<int>(arguments.size())) {
    RaiseInvalidRequest(fmt::format("{} value(s) for {} parameter(s) in: {}", arguments.size(),
                                    sqlite3_bind_parameter_count(statement), sql));
  }
  for (size_t i = 0; i < arguments.size(); ++i) {
    if (Bind(statement, static_cast<int>(i + 1), arguments[i]) != SQLITE_OK) RaiseLastError(sql);
  }

  const int columns = sqlite3_column_count(statement);
  QueryResult result;
  for (int c = 0; c < columns; ++c) result.columns.emplace_back(sqlite3_column_name(statement, c));
  int rc;
  while ((rc = sqlite3_step(statement)) == SQLITE_ROW) {
    Recordset::Row row;
    row.reserve(static_cast<size_t>(columns));
    for (int c = 0; c < columns; ++c) row.push_back(ColumnValue(statement, c));
    result.rows.push_back(std::move(row));
  }
  if (rc != SQLITE_DONE) RaiseLastError(sql);
  if (fresh && (columns > 0 || !arguments.empty())) {
    if (queries_.size() >= kMaxCachedQueries) queries_.clear();
    queries_.emplace(sql, std::move(fresh));
  }
  if (columns == 0) return std::nullopt;
  return result;
}

void SqliteSession::RunScript(const std::string& script) {
  char* message = nullptr;
  if (sqlite3_exec(db_.get(), script.c_str(), nullptr, nullptr, &message) != SQLITE_OK) {
    const std::string text = message != nullptr ? message : sqlite3_errmsg(db_.get());
    sqlite3_free(message);
    RaiseDatabaseError(EngineCode(sqlite3_errcode(db_.get())), text, "script");
  }
}

}  // namespace lumo::data
