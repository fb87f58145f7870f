// SQLite's ODBC driver is held to the rules of a DBFile connection.
#include "host/data/sqlite_odbc_driver.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "host/data/class_info_component.h"
#include "support/vb_testing.h"
#include "test_database.h"

namespace lumo::data {
namespace {

using testing::TestDatabase;

TEST(SqliteOdbcDriver, GetsNoCreatAndAFiveSecondLockTimeout) {
  TestDatabase db;
  const std::string f = db.path();
  const std::pair<std::string, std::string> kCases[] = {
      {"Driver=SQLite3;Database=" + f, "Driver=SQLite3;Database=" + f + ";NoCreat=1;Timeout=5000;"},
      {" driver = {SQLite3 ODBC Driver} ; Database={" + f + "}; \r\n",
       "driver = {SQLite3 ODBC Driver} ; Database={" + f + "};NoCreat=1;Timeout=5000;"},
      {"Driver=/usr/lib/odbc/libsqlite3odbc.so;Database=" + f + ";TIMEOUT=200;",
       "Driver=/usr/lib/odbc/libsqlite3odbc.so;Database=" + f + ";TIMEOUT=200;NoCreat=1;"},
      // Other drivers, and a DSN whose driver only the ODBC configuration knows.
      {"Driver=FreeTDS;Server=db;Database=Sales", "Driver=FreeTDS;Server=db;Database=Sales"},
      {"DSN=demo", "DSN=demo"},
  };
  for (const auto& [given, handed] : kCases) {
    SCOPED_TRACE(given);
    EXPECT_EQ(OdbcConnectionString(given), handed);
  }
}

// Through ODBC the same error as a DBFile that is not there, and no file
// left behind.
TEST(SqliteOdbcDriver, RefusesADatabaseFileThatIsNotThere) {
  TestDatabase db;
  for (const std::string& path : {db.folder() + "/missing.db", db.folder()}) {
    SCOPED_TRACE(path);
    for (const std::string& props :
         {"DBFile=" + path, "DBConnect={Driver=SQLite3;Database=" + path + "}"}) {
      EXPECT_VB_ERROR_INFO(ClassInfo().GetData(props, "SELECT 1"), vberr::kProviderError,
                           "LumoMClass.ClassInfo",
                           "SQLite error 14: Cannot open the database file " + path +
                               ": unable to open database file (statement: open)");
    }
  }
  EXPECT_VB_ERROR_INFO(ClassInfo().GetData("DBConnect={Driver=SQLite3}", "SELECT 1"),
                       vberr::kInvalidCall, "LumoMClass.ClassInfo",
                       "The connection string names SQLite's ODBC driver but no Database");
  EXPECT_FALSE(std::filesystem::exists(db.folder() + "/missing.db"));
  EXPECT_FALSE(std::filesystem::exists("Driver=SQLite3"));
}

}  // namespace
}  // namespace lumo::data
