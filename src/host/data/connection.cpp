#include "host/data/connection.h"

#include <optional>

#include "host/data/batch_runner.h"
#include "host/data/column_spelling.h"
#include "host/data/embedded_sql.h"
#include "host/data/odbc_session.h"
#include "host/data/sql_tokens.h"
#include "host/data/sqlite_file_connection.h"
#include "host/data/sqlite_odbc_driver.h"
#include "host/data/transaction.h"
#include "host/data/translation_cache.h"
#include "host/data/tsql_dialect.h"

namespace lumo::data {
namespace {

// The names as the component's schema spells them.
const ColumnSpelling& SchemaSpelling() {
  static const ColumnSpelling spelling(embedded::kSchemaSql);
  return spelling;
}

// The dialect the database speaks, by the name its driver gives; none for
// SQL Server (and any other), which takes the component's T-SQL as it is.
std::optional<SqlDialect> DialectOf(const std::string& dbmsName) {
  if (EqualsIgnoringCase(dbmsName, "SQLite")) return SqlDialect::Sqlite;
  if (EqualsIgnoringCase(dbmsName, "PostgreSQL")) return SqlDialect::Postgres;
  return std::nullopt;
}

class OdbcConnection final : public Connection {
 public:
  explicit OdbcConnection(const std::string& connectionString)
      : session_(OdbcConnectionString(connectionString)), dialect_(DialectOf(session_.DbmsName())) {
    if (dialect_ == SqlDialect::Sqlite) columns_ = ReadColumnTypes(session_);
    if (dialect_ == SqlDialect::Postgres) {
      columns_ = ReadPostgresColumnTypes(session_);
      session_.SpellColumnsAs(&SchemaSpelling());
    }
    if (dialect_) translations_.emplace(*dialect_);
  }

  RecordsetRef Execute(const std::string& tsql) override {
    // One statement per call, in the database's dialect.
    if (translations_) return RunBatch(session_, translations_->Translate(tsql, columns_));
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
  std::optional<SqlDialect> dialect_;
  ColumnTypes columns_;  // read once: the component changes no table's columns
  std::optional<TranslationCache> translations_;
};

}  // namespace

std::unique_ptr<Connection> OpenConnection(const ConnectionTarget& target) {
  if (target.kind == ConnectionTarget::Kind::SqliteFile) return OpenSqliteFile(target.text);
  return std::make_unique<OdbcConnection>(target.text);
}

}  // namespace lumo::data
