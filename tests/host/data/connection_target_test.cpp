// Which database a session's property string names, and the rules SQLite's
// ODBC driver is held to: those of a DBFile connection.
#include "host/data/connection_target.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "host/data/class_info_component.h"
#include "host/data/sqlite_odbc_driver.h"
#include "support/vb_testing.h"
#include "test_database.h"

namespace lumo::data {
namespace {

using testing::TestDatabase;

// What a property string names: "file <path>", "odbc <connection string>",
// or the text of the error 5 that refuses it.
std::string Found(const char* props) {
  try {
    const ConnectionTarget target = ConnectionTargetOf(props);
    return (target.kind == ConnectionTarget::Kind::SqliteFile ? "file " : "odbc ") + target.text;
  } catch (const VbError& error) {
    EXPECT_EQ(error.number(), vberr::kInvalidCall);
    return error.description();
  }
}

TEST(ConnectionTarget, FindsTheOneDatabaseThePropertyStringNames) {
  const std::string none =
      "The session property string names no database: give DBFile=<SQLite file> or "
      "DBConnect={<ODBC connection string>}";
  const std::pair<const char*, std::string> kCases[] = {
      {"UserID=16; dbfile = /tmp/my file.db ;Language=CHS", "file /tmp/my file.db"},
      {"DBConnect={Driver=SQLite3;Database=/tmp/x.db};UserID=16",
       "odbc Driver=SQLite3;Database=/tmp/x.db"},
      {"dbCONNECT = {Driver=FreeTDS;Server=db;PWD=a}}b;} ",
       "odbc Driver=FreeTDS;Server=db;PWD=a}b;"},
      {"DBConnect=Driver=SQLite3", "odbc Driver=SQLite3"},
      {"flag;;DBFile=x.db;", "file x.db"},
      {"", none},
      {"UserID=16;Language=CHS", none},
      {"DBFile=", none},
      {"DBFile=a.db;DBConnect={Driver=SQLite3}",
       "The session property string names both DBFile and DBConnect; give one"},
      {"DBConnect={Driver=SQLite3;Database=x", "Unterminated { in the session property string"},
      {"DBConnect={Driver=SQLite3} trailing", "Text after the } of property DBConnect"},
  };
  for (const auto& [props, found] : kCases) {
    SCOPED_TRACE(props);
    EXPECT_EQ(Found(props), found);
  }
}

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
