#include "host/data/connection.h"

#include "host/data/batch_runner.h"
#include "host/data/odbc_session.h"
#include "host/data/sql_tokens.h"
#include "host/data/sqlite_odbc_driver.h"
#include "host/data/sqlite_session.h"
#include "host/data/tsql_dialect.h"

namespace lumo::data {
namespace {

class SqliteConnection final : public Connection {
 public:
  explicit SqliteConnection(const std::string& path)
      : session_(path, SqliteSession::Mode::OpenExisting) {}

  RecordsetRef Execute(const std::string& tsql) override {
    return RunBatch(session_, TranslateForSqlite(tsql));
  }

 private:
  SqliteSession session_;
};

class OdbcConnection final : public Connection {
 public:
  explicit OdbcConnection(const std::string& connectionString)
      : session_(OdbcConnectionString(connectionString)),
        isSqlite_(EqualsIgnoringCase(session_.DbmsName(), "SQLite")) {}

  RecordsetRef Execute(const std::string& tsql) override {
    // The SQLite driver takes one statement per call, in SQLite's dialect.
    if (isSqlite_) return RunBatch(session_, TranslateForSqlite(tsql));
    // SQL Server runs the batch itself; the transaction makes it all or nothing.
    session_.Begin();
    std::optional<QueryResult> result;
    try {
      result = session_.Run(tsql, {});
      session_.Commit();
    } catch (...) {
      session_.Rollback();
      throw;
    }
    if (!result) return nullptr;
    return std::make_shared<Recordset>(std::move(result->columns), std::move(result->rows));
  }

  bool IsUsable() const override { return session_.IsUsable(); }

 private:
  OdbcSession session_;
  bool isSqlite_;
};

}  // namespace

std::unique_ptr<Connection> OpenConnection(const ConnectionTarget& target) {
  if (target.kind == ConnectionTarget::Kind::SqliteFile)
    return std::make_unique<SqliteConnection>(target.text);
  return std::make_unique<OdbcConnection>(target.text);
}

}  // namespace lumo::data
