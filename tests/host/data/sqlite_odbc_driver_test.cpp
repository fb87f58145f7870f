// SQLite's ODBC driver is held to the rules of a DBFile connection.
#include "host/data/sqlite_odbc_driver.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "host/data/class_info_component.h"
#include "support/vb_testing.h"
#include "test_database.h"

namespace lumo::data {
namespace {

namespace fs = std::filesystem;
using testing::TestDatabase;

TEST(SqliteOdbcDriver, GetsNoCreatAndAFiveSecondLockTimeout) {
  TestDatabase db;
  const std::string file = db.path();
  const struct {
    std::string given, handed;
  } kCases[] = {
      {"Driver=SQLite3;Database=" + file,
       "Driver=SQLite3;Database=" + file + ";NoCreat=1;Timeout=5000;"},
      {" driver = {SQLite3 ODBC Driver} ; Database={" + file + "}; \r\n",
       "driver = {SQLite3 ODBC Driver} ; Database={" + file + "};NoCreat=1;Timeout=5000;"},
      {"Driver=/usr/lib/odbc/libsqlite3odbc.so;Database=" + file + ";TIMEOUT=200;",
       "Driver=/usr/lib/odbc/libsqlite3odbc.so;Database=" + file + ";TIMEOUT=200;NoCreat=1;"},
      // Other drivers, and a DSN whose driver only the ODBC configuration knows.
      {"Driver=FreeTDS;Server=db;Database=Sales", "Driver=FreeTDS;Server=db;Database=Sales"},
      {"DSN=demo", "DSN=demo"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.given);
    EXPECT_EQ(OdbcConnectionString(c.given), c.handed);
  }
}

// The same error as a DBFile that is not there, and no file left behind.
TEST(SqliteOdbcDriver, RefusesADatabaseFileThatIsNotThere) {
  TestDatabase db;
  for (const std::string& path : {db.folder() + "/missing.db", db.folder()}) {
    SCOPED_TRACE(path);
    ErrorInfo fromFile;
    try {
      ClassInfo().GetData("DBFile=" + path, "SELECT 1");
      FAIL() << "DBFile opened " << path;
    } catch (const VbError& error) {
      fromFile = error.info();
    }
    EXPECT_VB_ERROR_INFO(
        ClassInfo().GetData("DBConnect={Driver=SQLite3;Database=" + path + "}", "SELECT 1"),
        fromFile.number, fromFile.source, fromFile.description);
  }
  EXPECT_VB_ERROR_INFO(ClassInfo().GetData("DBConnect={Driver=SQLite3}", "SELECT 1"),
                       vberr::kInvalidCall, "LumoMClass.ClassInfo",
                       "The connection string names SQLite's ODBC driver but no Database");
  EXPECT_FALSE(fs::exists(db.folder() + "/missing.db"));
  EXPECT_FALSE(fs::exists("Driver=SQLite3"));
}

}  // namespace
}  // namespace lumo::data
