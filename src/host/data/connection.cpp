#include "host/data/connection.h"

#include "host/data/batch_runner.h"
#include "host/data/odbc_session.h"
#include "host/data/sql_tokens.h"
#include "host/data/sqlite_file_connection.h"
#include "host/data/sqlite_odbc_driver.h"
#include "host/data/transaction.h"
#include "host/data/translation_cache.h"
#include "host/data/tsql_dialect.h"

namespace lumo::data {
namespace {

class OdbcConnection final : public Connection {
 public:
  explicit OdbcConnection(const std::string& connectionString)
      : session_(OdbcConnectionString(connectionString)),
        isSqlite_(EqualsIgnoringCase(session_.DbmsName(), "SQLite")) {
    if (isSqlite_) columns_ = ReadColumnTypes(session_);
  }

  RecordsetRef Execute(const std::string& tsql) override {
    // The SQLite driver takes one statement per call, in SQLite's dialect.
    if (isSqlite_) return RunBatch(session_, translations_.Translate(tsql, columns_));
    // SQL Server runs the batch itself; the transaction makes it all or nothing.
    Transaction transaction(session_);
    std::optional<QueryResult> result = session_.Run(tsql, {});
    transaction.Commit();
    if (!result) return nullptr;
    return std::make_shared<Recordset>(std::move(result->columns), std::move(result->rows));
  }

  bool IsUsable() const override { return session_.IsUsable(); }

 private:
  OdbcSession session_;
  bool isSqlite_;
  ColumnTypes columns_;  // SQLite only
  TranslationCache translations_;
};

}  // namespace

std::unique_ptr<Connection> OpenConnection(const ConnectionTarget& target) {
  if (target.kind == ConnectionTarget::Kind::SqliteFile) return OpenSqliteFile(target.text);
  return std::make_unique<OdbcConnection>(target.text);
}

}  // namespace lumo::data
