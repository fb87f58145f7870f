#include "host/data/connection_target.h"

#include <gtest/gtest.h>

#include "support/vb_testing.h"

namespace lumo::data {
namespace {

TEST(ConnectionTarget, FindsTheDatabaseInThePropertyString) {
  using Kind = ConnectionTarget::Kind;
  struct Case {
    const char* props;
    Kind kind;
    const char* text;
  };
  static const Case kCases[] = {
      {"DBFile=/tmp/a.db", Kind::SqliteFile, "/tmp/a.db"},
      {"UserID=16; dbfile = /tmp/my file.db ;Language=CHS", Kind::SqliteFile, "/tmp/my file.db"},
      {"DBConnect={Driver=SQLite3;Database=/tmp/x.db};UserID=16", Kind::Odbc,
       "Driver=SQLite3;Database=/tmp/x.db"},
      {"dbCONNECT = {Driver=FreeTDS;Server=db;PWD=a}}b;} ", Kind::Odbc,
       "Driver=FreeTDS;Server=db;PWD=a}b;"},
      {"DBConnect=Driver=SQLite3", Kind::Odbc, "Driver=SQLite3"},
      {"flag;;DBFile=x.db;", Kind::SqliteFile, "x.db"},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.props);
    const ConnectionTarget target = ConnectionTargetOf(c.props);
    EXPECT_EQ(target.kind, c.kind);
    EXPECT_EQ(target.text, c.text);
  }
}

TEST(ConnectionTarget, RefusesAStringThatNamesNoSingleDatabase) {
  static const char* const kCases[] = {
      "",
      "UserID=16;Language=CHS",
      "DBFile=",
      "DBFile=a.db;DBConnect={Driver=SQLite3}",
      "DBConnect={Driver=SQLite3;Database=x",
      "DBConnect={Driver=SQLite3} trailing",
  };
  for (const char* props : kCases) {
    SCOPED_TRACE(props);
    EXPECT_VB_ERROR(ConnectionTargetOf(props), vberr::kInvalidCall);
  }
  try {
    ConnectionTargetOf("UserID=16");
  } catch (const VbError& error) {
    EXPECT_NE(error.description().find("DBFile"), std::string::npos);
    EXPECT_NE(error.description().find("DBConnect"), std::string::npos);
  }
}

}  // namespace
}  // namespace lumo::data
