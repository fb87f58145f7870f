// The demo database written into a PostgreSQL server, beside the SQLite file
// written from the same data/ files.
#include <gtest/gtest.h>

#include <string>

#include "host/data/database_file.h"
#include "host/data/sqlite_session.h"
#include "pg/lumo_action_run.h"
#include "support/pg_database.h"
#include "support/print_variant.h"

namespace lumo::testing {
namespace {

// "SELECT * FROM t ORDER BY 1 NULLS FIRST, 2 NULLS FIRST, ..." for n columns.
std::string AllRowsInOrder(const std::string& table, size_t columns) {
  std::string sql = "SELECT * FROM " + table + " ORDER BY ";
  for (size_t c = 1; c <= columns; ++c)
    sql += (c > 1 ? ", " : "") + std::to_string(c) + " NULLS FIRST";
  return sql;
}

// Every table and view (but the stored procedures' table, which the server
// has as procedures of its own) holds the same rows on both, value for
// value and kind for kind.
TEST(PgCreateDatabase, WritesEveryTableWithTheSameRowsAsTheSqliteFile) {
  Scratch scratch;
  const std::string file = scratch.Path("demo.db");
  data::CreateDatabase(file, true);
  data::SqliteSession sqlite(file, data::SqliteSession::Mode::OpenExisting);
  PgDatabase server(PgDatabase::Contents::Demo);
  data::OdbcSession postgres(server.connection());

  const auto tables = sqlite.Run(
      "SELECT name FROM sqlite_master WHERE type IN ('table', 'view') AND name <> 't_Procedure' "
      "ORDER BY name",
      {});
  ASSERT_TRUE(tables);
  EXPECT_GE(tables->rows.size(), 20u);
  for (const Recordset::Row& table : tables->rows) {
    const std::string name = table[0].AsString();
    SCOPED_TRACE(name);
    const auto columns = sqlite.Run("SELECT * FROM " + name + " LIMIT 0", {});
    const std::string sql = AllRowsInOrder(name, columns->columns.size());
    const auto expected = sqlite.Run(sql, {});
    const auto actual = postgres.Run(sql, {});
    ASSERT_TRUE(expected && actual);
    ASSERT_EQ(actual->columns.size(), expected->columns.size());
    for (size_t c = 0; c < expected->columns.size(); ++c)
      EXPECT_TRUE(vb::EqualsIgnoringCase(actual->columns[c], expected->columns[c]));
    EXPECT_EQ(actual->rows, expected->rows);
  }
}

Outcome CreateDb(const Scratch& scratch, const std::string& target, const char* extra) {
  std::vector<std::string> args = {"--create-db", target};
  if (*extra != '\0') args.push_back(extra);
  return RunLumoAction(scratch, args);
}

// A connection string instead of a path writes into the server; a database
// that holds anything is refused, unchanged, with the reason and without
// the password.
TEST(PgCreateDatabase, LumoActionWritesAnEmptyServerDatabaseAndRefusesAFullOne) {
  Scratch scratch;
  PgDatabase server;
  const Outcome created = CreateDb(scratch, server.connection(), "--empty");
  ASSERT_EQ(created.status, 0) << created.err;
  data::OdbcSession session(server.connection());
  const std::string count = "SELECT count(*) FROM t_Currency";
  EXPECT_EQ(session.Run(count, {})->rows[0][0], Variant(0));

  const Outcome refused = CreateDb(scratch, server.connection(), "");
  EXPECT_EQ(refused.status, 1);
  EXPECT_NE(refused.err.find("lumo-action: The database " + server.name() + " on 127.0.0.1:"),
            std::string::npos)
      << refused.err;
  EXPECT_NE(refused.err.find("is not empty"), std::string::npos) << refused.err;
  const std::string password = server.connection().substr(server.connection().find("Pwd=") + 4);
  EXPECT_EQ(refused.err.find(password), std::string::npos) << refused.err;
  EXPECT_EQ(session.Run(count, {})->rows[0][0], Variant(0));
}

}  // namespace
}  // namespace lumo::testing
