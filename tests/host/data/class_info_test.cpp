// The component on real databases: SQLite directly and through unixODBC's
// SQLite driver, so every case below runs on both backends.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <thread>

#include "emitted_sql.h"
#include "host/data/class_info_component.h"
#include "host/data/database_file.h"
#include "host/data/register.h"
#include "platform/vb.h"
#include "support/vb_testing.h"
#include "test_database.h"

namespace lumo::data {
namespace {

using testing::TestDatabase;

enum class Backend { Sqlite, OdbcSqlite };

class ClassInfoOnDatabase : public ::testing::TestWithParam<Backend> {
 protected:
  RecordsetRef Run(const std::string& sql) { return ClassInfo().GetData(props(), sql); }
  std::string props() const {
    return GetParam() == Backend::Sqlite ? db_.props() : db_.odbcProps();
  }
  // The rows of a query as "a|b|c" lines, Null shown as <null>.
  std::vector<std::string> Rows(const std::string& sql) {
    RecordsetRef rs = Run(sql);
    std::vector<std::string> rows;
    for (; !rs->Eof(); rs->MoveNext()) {
      std::string row;
      for (int32_t c = 0; c < rs->FieldCount(); ++c) {
        const Variant& v = rs->Value(rs->FieldName(c));
        if (c > 0) row += '|';
        row += v.IsNull() ? "<null>" : vb::CStr(v);
      }
      rows.push_back(row);
    }
    return rows;
  }
  int32_t LogCount() { return Run("SELECT count(*) AS N FROM t_Log")->Value("N").AsLong(); }

  TestDatabase db_;
};

INSTANTIATE_TEST_SUITE_P(Backends, ClassInfoOnDatabase,
                         ::testing::Values(Backend::Sqlite, Backend::OdbcSqlite),
                         [](const auto& info) {
                           return info.param == Backend::Sqlite ? "Sqlite" : "OdbcSqlite";
                         });

TEST_P(ClassInfoOnDatabase, SelectGivesTheRowsWithTheirTypesNullsAndColumnNames) {
  RecordsetRef rs = Run("SELECT FName, FLong, FReal, FNothing FROM t_Kinds ORDER BY FLong");
  ASSERT_NE(rs, nullptr);
  ASSERT_EQ(rs->FieldCount(), 4);
  EXPECT_EQ(rs->FieldName(1), "FLong");
  ASSERT_EQ(rs->RecordCount(), 2);
  EXPECT_EQ(rs->Value("FName"), Variant("ten"));
  EXPECT_EQ(rs->Value("FLong"), Variant(int32_t{10}));
  EXPECT_EQ(rs->Value("FReal"), Variant(2.5));
  EXPECT_TRUE(rs->Value("FNothing").IsNull());
  rs->MoveNext();
  EXPECT_EQ(rs->Value("FLong"), Variant(3000000000.0));  // beyond a Long
}

// Texts are read in chunks; lengths around the chunk size, and one of
// 2,500 bytes whose three-byte characters straddle the chunk ends.
TEST_P(ClassInfoOnDatabase, TextsOfAnyLengthComeBackByteForByte) {
  for (const size_t length :
       {size_t{0}, size_t{510}, size_t{511}, size_t{512}, size_t{1023}, size_t{2500}}) {
    SCOPED_TRACE(length);
    std::string text;
    for (int i = 0; text.size() < length; ++i) text += "价" + std::to_string(i) + ";";
    text.resize(length);
    Run("DELETE FROM t_Log");
    Run("INSERT INTO t_Log VALUES(1, 1, '" + text + "')");
    const Variant read = Run("SELECT FNote FROM t_Log")->Value("FNote");
    ASSERT_TRUE(read.IsString());
    EXPECT_EQ(read.AsString().size(), length);
    EXPECT_TRUE(read.AsString() == text);  // compared whole; a diff of 2,500 bytes helps no one
  }
}

// The translation knows the database's text columns from the database.
TEST_P(ClassInfoOnDatabase, PlusJoinsTextColumnsAndAddsNumberColumns) {
  EXPECT_EQ(Rows("SELECT FName + '-' + FName, FLong + FReal FROM t_Kinds ORDER BY FLong"),
            (std::vector<std::string>{"ten-ten|12.5", "big-big|2999999999.5"}));
}

TEST_P(ClassInfoOnDatabase, QueryWithoutRowsKeepsItsColumnsAndChangesGiveNothing) {
  RecordsetRef empty = Run("SELECT FName AS Name FROM t_Kinds WHERE FLong < 0");
  ASSERT_NE(empty, nullptr);
  EXPECT_EQ(empty->RecordCount(), 0);
  EXPECT_EQ(empty->FieldName(0), "Name");
  EXPECT_EQ(Run("INSERT INTO t_Log VALUES(1, 1, 'x')"), nullptr);
  EXPECT_EQ(Run(" \r\n "), nullptr);
}

TEST_P(ClassInfoOnDatabase, ABatchIsAllOrNothing) {
  struct Case {
    const char* what;
    const char* batch;
  };
  static const Case kCases[] = {
      {"third statement names no table",
       "INSERT INTO t_Log VALUES(1, 1, 'a')\r\nINSERT INTO t_Log VALUES(1, 2, 'b')\r\nINSERT INTO "
       "t_Missing VALUES(1)"},
      {"third call breaks a constraint",
       "EXEC p_Log 1,1,'a'\r\nEXEC p_Log 1,2,'b'\r\nEXEC p_Log NULL,3,'c'\r\n"},
      {"third call names no procedure",
       "EXEC p_Log 1,1,'a'\r\nEXEC p_Log 1,2,'b'\r\nEXEC p_Nowhere 1\r\n"},
      {"third call has too few arguments",
       "EXEC p_Log 1,1,'a'\r\nEXEC p_Log 1,2,'b'\r\nEXEC p_Log 1,3\r\n"},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.what);
    try {
      Run(c.batch);
      ADD_FAILURE() << "no error";
    } catch (const VbError& error) {
      EXPECT_NE(error.number(), 0);
      EXPECT_FALSE(error.description().empty());
    }
    EXPECT_EQ(LogCount(), 0);
  }
}

// Whatever the engine's code, the error is the provider error; its
// description keeps the engine's code and message and the statement.
TEST_P(ClassInfoOnDatabase, DatabaseErrorsAreProviderErrorsNamingTheEngineCode) {
  const bool odbc = GetParam() == Backend::OdbcSqlite;
  static const struct {
    const char* sql;
    const char* sqlite;  // the description on each backend
    const char* odbc;
  } kCases[] = {
      {"SELECT FNope FROM t_Kinds",
       "SQLite error 1: no such column: FNope (statement: SELECT FNope FROM t_Kinds)",
       "ODBC error HY000 (native 1): [SQLite]no such column: FNope (1) (statement: SELECT FNope "
       "FROM "
       "t_Kinds)"},
      // A row of literals runs as a prepared INSERT: the values name the row.
      {"INSERT INTO t_Log VALUES(NULL, 1, 'it''s')",
       "SQLite error 19: NOT NULL constraint failed: t_Log.FOrder (statement: INSERT INTO t_Log "
       "VALUES(?,?,?)) (values: NULL, 1, 'it''s')",
       "ODBC error HY000 (native 19): [SQLite]NOT NULL constraint failed: t_Log.FOrder (19) "
       "(statement: INSERT INTO t_Log VALUES(?,?,?)) (values: NULL, 1, 'it''s')"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.sql);
    EXPECT_VB_ERROR_INFO(Run(c.sql), vberr::kProviderError, "LumoMClass.ClassInfo",
                         odbc ? c.odbc : c.sqlite);
  }
}

TEST_P(ClassInfoOnDatabase, ExecBindsItsArgumentsAsValues) {
  Run("EXEC p_Log 1001,3,'it''s''); DROP TABLE t_Log; --'\r\nEXEC p_Log 1001,4,NULL\r\n");
  EXPECT_EQ(
      Rows("SELECT FOrder, FEntry, FNote FROM t_Log ORDER BY FEntry"),
      (std::vector<std::string>{"1001|-4|<null>", "1001|-3|copy of it's'); DROP TABLE t_Log; --",
                                "1001|3|it's'); DROP TABLE t_Log; --", "1001|4|<null>"}));
}

TEST_P(ClassInfoOnDatabase, ItemPriceUpdateTakesEachItemsLastLineOfTheBill) {
  Run(emitted::kItemPriceUpdate);
  // Item 10: line 2, 50 * 1.17 * 2 / 12 (a box). Item 20: line 3, 9.99 * 2, unit
  // coefficient 0 read as 1, one decimal. Item 30 is on another order.
  EXPECT_EQ(Rows("SELECT FItemID, FOrderPrice FROM t_ICItemCore ORDER BY FItemID"),
            (std::vector<std::string>{"10|9.75", "20|20", "30|7"}));
}

TEST_P(ClassInfoOnDatabase, MappingBatchGivesOneRowPerPositionAndDropsItsTable) {
  const std::string batch = emitted::kMappingBatch;
  for (int round = 1; round <= 2; ++round) {  // the second run finds no table left over
    SCOPED_TRACE(round);
    RecordsetRef rs = Run(batch);
    ASSERT_NE(rs, nullptr);
    EXPECT_EQ(rs->FieldName(1), "FInterID");
    std::vector<Variant> ids;
    for (; !rs->Eof(); rs->MoveNext()) ids.push_back(rs->Value("FInterID"));
    EXPECT_EQ(ids, (std::vector<Variant>{int32_t{501}, int32_t{502}, Variant::Null()}));
  }
}

TEST_P(ClassInfoOnDatabase, ConnectionIsKeptPerThread) {
  // A temporary table lives as long as its connection.
  Run("Create Table #Probe(FX int)");
  EXPECT_EQ(Run("Select count(*) as N from #Probe")->Value("N"), Variant(int32_t{0}));
  std::thread other(
      [&] { EXPECT_VB_ERROR(Run("Select count(*) as N from #Probe"), vberr::kProviderError); });
  other.join();
  Run("Drop Table #Probe");
}

TEST(ClassInfo, SqliteFileMustExist) {
  TestDatabase db;
  EXPECT_VB_ERROR_INFO(ClassInfo().GetData("DBFile=" + db.folder() + "/missing.db", "SELECT 1"),
                       vberr::kProviderError, "LumoMClass.ClassInfo",
                       "SQLite error 14: Cannot open the database file " + db.folder() +
                           "/missing.db: unable to open database file (statement: open)");
  EXPECT_FALSE(std::filesystem::exists(db.folder() + "/missing.db"));
}

TEST(ClassInfo, IsCreatedByItsProgId) {
  TestDatabase db;
  RegisterDataAccess();
  auto info = CreateObjectAs<IClassInfo>(kClassInfoProgId);
  EXPECT_EQ(info->GetData(db.props(), "SELECT 1 AS One")->Value("One"), Variant(int32_t{1}));
  UnregisterClass(kClassInfoProgId);
}

TEST(CreateDatabase, WritesANewFileAndRefusesAnExistingOne) {
  TestDatabase db;
  const std::string path = db.folder() + "/new.db";
  CreateDatabase(path, true);
  EXPECT_EQ(ClassInfo()
                .GetData("DBFile=" + path, "SELECT count(*) AS N FROM sqlite_master")
                ->RecordCount(),
            1);
  std::ofstream(db.folder() + "/other.db") << "not a database";
  EXPECT_VB_ERROR(CreateDatabase(db.folder() + "/other.db", false), vberr::kInvalidCall);
  std::ifstream kept(db.folder() + "/other.db");
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(kept), {}), "not a database");
}

}  // namespace
}  // namespace lumo::data
