// The demo database written into a PostgreSQL server, beside the SQLite file
// written from the same data/ files.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "host/data/database_file.h"
#include "host/data/sqlite_session.h"
#include "support/pg_database.h"
#include "support/print_variant.h"

namespace lumo::testing {
namespace {

namespace fs = std::filesystem;

// A folder of the test's own, removed with the object.
struct Scratch {
  fs::path folder =
      fs::temp_directory_path() / ("lumo-pg-" + std::to_string(::getpid()) + "-" +
                                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
  Scratch() { fs::create_directories(folder); }
  ~Scratch() { fs::remove_all(folder); }
};

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
  const std::string file = (scratch.folder / "demo.db").string();
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

struct Outcome {
  int status;
  std::string err;
};

Outcome CreateDb(const std::string& target, const std::string& extra, const Scratch& scratch) {
  const std::string err = (scratch.folder / "err").string();
  const std::string command = std::string(LUMO_ACTION_EXE) + " --create-db '" + target + "' " +
                              extra + " >/dev/null 2>'" + err + "'";
  const int status = std::system(command.c_str());
  std::ifstream file(err);
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, {std::istreambuf_iterator<char>(file), {}}};
}

// A connection string instead of a path writes into the server; a database
// that holds anything is refused, unchanged, with the reason and without
// the password.
TEST(PgCreateDatabase, LumoActionWritesAnEmptyServerDatabaseAndRefusesAFullOne) {
  Scratch scratch;
  PgDatabase server;
  const Outcome created = CreateDb(server.connection(), "--empty", scratch);
  ASSERT_EQ(created.status, 0) << created.err;
  data::OdbcSession session(server.connection());
  const std::string count = "SELECT count(*) FROM t_Currency";
  EXPECT_EQ(session.Run(count, {})->rows[0][0], Variant(0));

  const Outcome refused = CreateDb(server.connection(), "", scratch);
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
