// A connection through unixODBC, to SQL Server or to the SQLite driver.
//
// Statements run in autocommit mode; Begin switches to manual commit until
// Commit or Rollback ends the transaction.
#pragma once

#include <optional>
#include <string>

#include "host/data/column_spelling.h"
#include "host/data/odbc_handles.h"
#include "host/data/sql_session.h"

namespace lumo::data {

class OdbcSession final : public SqlSession {
 public:
  explicit OdbcSession(const std::string& connectionString);
  ~OdbcSession() override;
  OdbcSession(const OdbcSession&) = delete;
  OdbcSession& operator=(const OdbcSession&) = delete;

  // The database's product name as the driver reports it ("SQLite", ...).
  const std::string& DbmsName() const { return dbmsName_; }
  // False once the driver reported a broken connection (SQLSTATE 08xxx).
  bool IsUsable() const { return usable_; }
  // From now on, the column names of each result spelt as `spelling` has
  // it (for a database that folds names; column_spelling.h).
  void SpellColumnsAs(const ColumnSpelling* spelling) { spelling_ = spelling; }

  void Begin() override;
  void Commit() override;
  void Rollback() noexcept override;
  // Several statements in one text (SQL Server) each give a result; the
  // last one with columns is returned.
  std::optional<QueryResult> Run(const std::string& sql,
                                 std::span<const SqlValue> arguments) override;

  // Raises the handle's diagnostic unless rc succeeded (see CheckOdbc); a
  // broken connection (SQLSTATE 08...) marks the session unusable and is
  // told naming the server. Every call on the session's handles goes
  // through here.
  void Check(SQLRETURN rc, const OdbcHandle& handle, std::string_view statement);

 private:
  void SetAutocommit(bool on);

  OdbcHandle environment_;
  OdbcHandle connection_;
  std::string server_;  // "host:port" as errors name it
  std::string dbmsName_;
  bool usable_ = true;
  const ColumnSpelling* spelling_ = nullptr;
  // PostgreSQL's driver answers SQLDescribeCol (and a column's concise
  // type) with a query of the server's catalog, a round trip per result; a
  // column's name and verbose type it answers at once. The verbose type
  // differs only for dates and times, read as texts either way. Other
  // drivers, and Wine's driver manager, keep SQLDescribeCol.
  bool describeByAttributes_ = false;
};

}  // namespace lumo::data
