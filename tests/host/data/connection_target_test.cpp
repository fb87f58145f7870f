#include "host/data/connection_target.h"

#include <gtest/gtest.h>

#include "support/vb_testing.h"

namespace lumo::data {
namespace {

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

}  // namespace
}  // namespace lumo::data
