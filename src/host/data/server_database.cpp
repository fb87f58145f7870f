#include "host/data/server_database.h"

#include <fmt/format.h>

#include "host/data/connection_string.h"
#include "host/data/data_error.h"
#include "host/data/embedded_sql.h"
#include "host/data/odbc_session.h"
#include "host/data/server_schema.h"
#include "host/data/sql_tokens.h"
#include "host/data/transaction.h"
#include "platform/vb.h"

namespace lumo::data {
namespace {

// The objects already in the schema that new tables go to.
constexpr const char* kObjectsQuery =
    "SELECT current_database()::text, current_schema()::text, "
    "(SELECT count(*) FROM pg_class c WHERE c.relnamespace = "
    "(SELECT oid FROM pg_namespace WHERE nspname = current_schema())) + "
    "(SELECT count(*) FROM pg_proc p WHERE p.pronamespace = "
    "(SELECT oid FROM pg_namespace WHERE nspname = current_schema()))";

void RequireEmpty(OdbcSession& session, const std::string& server) {
  const std::optional<QueryResult> found = session.Run(kObjectsQuery, {});
  const Recordset::Row& row = found->rows.at(0);
  if (vb::CDbl(row[2]) == 0) return;
  RaiseInvalidRequest(fmt::format(
      "The database {} on {} is not empty: its schema {} holds {} tables, views, sequences or "
      "procedures already. A new database is written only into an empty one; nothing was changed",
      row[0].AsString(), server, row[1].AsString(), vb::CStr(row[2])));
}

}  // namespace

void CreateServerDatabase(const std::string& connectionString, bool withDemoData) {
  const std::string server = ServerOf(connectionString);
  try {
    OdbcSession session(connectionString);
    if (!EqualsIgnoringCase(session.DbmsName(), "PostgreSQL")) {
      RaiseInvalidRequest(
          fmt::format("A new database is written into a file or into a PostgreSQL server; {} is {}",
                      server.empty() ? "the connection's database" : server, session.DbmsName()));
    }
    RequireEmpty(session, server);
    const std::vector<std::string> script =
        PostgresDatabaseScript(embedded::kSchemaSql, withDemoData ? embedded::kDemoSql : "");
    Transaction transaction(session);
    for (const std::string& statement : script) session.Run(statement, {});
    transaction.Commit();
  } catch (const VbError& error) {
    ErrorInfo info = error.info();
    info.description = MaskPasswords(info.description);
    Raise(std::move(info));
  }
}

}  // namespace lumo::data
