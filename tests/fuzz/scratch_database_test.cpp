// The checks the DoAction fuzz target relies on: they must see a change to
// any table but those the actions are meant to write, and a damaged file.
#include "scratch_database.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace lumo::fuzz {
namespace {

const std::set<std::string> kMeantToChange = {"t_ICItemCore", "t_SupplyPrice"};

void Execute(const std::string& path, const std::string& sql) {
  sqlite3* db = nullptr;
  ASSERT_EQ(sqlite3_open(path.c_str(), &db), SQLITE_OK);
  char* message = nullptr;
  const int rc = sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &message);
  const std::string text = message ? message : "";
  sqlite3_free(message);
  sqlite3_close(db);
  ASSERT_EQ(rc, SQLITE_OK) << text;
}

TEST(ScratchDatabase, NamesEveryChangedTableButThoseMeantToChange) {
  struct Case {
    const char* what;
    const char* sql;
    std::vector<std::string> changed;
  };
  const Case cases[] = {
      {"nothing written", "SELECT 1", {}},
      {"a changed value",
       "UPDATE t_Currency SET FExchangeRate = FExchangeRate + 1 WHERE FCurrencyID = 4",
       {"t_Currency"}},
      {"a removed row",
       "DELETE FROM t_ItemReplace WHERE rowid = (SELECT max(rowid) FROM t_ItemReplace)",
       {"t_ItemReplace"}},
      {"an added row",
       "INSERT INTO t_Procedure (FName, FParams, FBody) VALUES ('p_X', '', '')",
       {"t_Procedure"}},
      {"a value of another type", "UPDATE POOrder SET FNote = 0 WHERE FNote = ''", {"POOrder"}},
      {"two tables",
       "UPDATE t_User SET FName = FName || 'x'; DELETE FROM t_Stock",
       {"t_Stock", "t_User"}},
      {"a new table", "CREATE TABLE t_New (a)", {"sqlite_master", "t_New"}},
      {"a dropped table", "DROP TABLE t_ItemReplace", {"sqlite_master", "t_ItemReplace"}},
      {"a new index", "CREATE INDEX ix_X ON t_Currency (FName)", {"sqlite_master"}},
      {"the tables meant to change",
       "UPDATE t_ICItemCore SET FOrderPrice = FOrderPrice + 1; DELETE FROM t_SupplyPrice",
       {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const ScratchDatabase database("lumo_scratch_database_test", kMeantToChange);
    Execute(database.path(), c.sql);
    EXPECT_EQ(database.ChangedTables(), c.changed);
    EXPECT_EQ(database.IntegrityCheck(), "ok");
  }
}

TEST(ScratchDatabase, IntegrityCheckSeesADamagedFile) {
  const ScratchDatabase database("lumo_scratch_database_test", kMeantToChange);
  {
    // Past the first page: the header stays readable, a table's page does not.
    std::fstream file(database.path(), std::ios::in | std::ios::out | std::ios::binary);
    file.seekp(4096 * 3 + 8);
    const std::string garbage(2000, '\x5a');
    file.write(garbage.data(), static_cast<std::streamsize>(garbage.size()));
  }
  std::string answer;
  try {
    answer = database.IntegrityCheck();
  } catch (const std::runtime_error& error) {
    answer = error.what();
  }
  EXPECT_NE(answer, "ok");
}

TEST(ScratchDatabase, LeavesNothingBehind) {
  std::filesystem::path folder;
  {
    const ScratchDatabase database("lumo_scratch_database_test", kMeantToChange);
    folder = database.folder();
    EXPECT_EQ(database.props(),
              "DBFile={" + (folder / "demo.db").string() + "};UserID=16;Language=CHS");
    ASSERT_TRUE(std::filesystem::is_regular_file(database.path()));
  }
  EXPECT_FALSE(std::filesystem::exists(folder));
}

}  // namespace
}  // namespace lumo::fuzz
