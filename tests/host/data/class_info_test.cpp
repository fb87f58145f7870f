// The component on real databases: SQLite directly and through unixODBC's
// SQLite driver, so every case below runs on both backends.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <thread>

#include "emitted_sql.h"
#include "host/data/class_info_component.h"
#include "host/data/database_file.h"
#include "support/print_variant.h"
#include "support/vb_testing.h"
#include "test_database.h"

namespace lumo::data {
namespace {

using testing::TestDatabase;
using Table = std::vector<std::vector<Variant>>;
const Variant kNull = Variant::Null();

class ClassInfoOnDatabase : public ::testing::TestWithParam<bool> {  // true: through ODBC
 protected:
  RecordsetRef Run(const std::string& sql) {
    return ClassInfo().GetData(GetParam() ? db_.odbcProps() : db_.props(), sql);
  }
  Table Rows(const std::string& sql) {
    Table rows;
    for (RecordsetRef rs = Run(sql); rs && !rs->Eof(); rs->MoveNext()) {
      rows.emplace_back();
      for (int32_t c = 0; c < rs->FieldCount(); ++c)
        rows.back().push_back(rs->Value(rs->FieldName(c)));
    }
    return rows;
  }

  TestDatabase db_;
};

INSTANTIATE_TEST_SUITE_P(Backends, ClassInfoOnDatabase, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "OdbcSqlite" : "Sqlite"; });

// Numbers beyond a Long come back as Doubles; "+" joins the database's
// text columns.
TEST_P(ClassInfoOnDatabase, SelectGivesTheRowsWithTheirTypesNullsAndColumnNames) {
  EXPECT_EQ(Rows("SELECT FName, FLong, FReal, FNothing, FName + '-' + FName, FLong + FReal FROM "
                 "t_Kinds ORDER BY FLong"),
            (Table{{"ten", 10, 2.5, kNull, "ten-ten", 12.5},
                   {"big", 3000000000.0, -0.5, kNull, "big-big", 2999999999.5}}));
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

TEST_P(ClassInfoOnDatabase, QueryWithoutRowsKeepsItsColumnsAndChangesGiveNothing) {
  RecordsetRef empty = Run("SELECT FName AS Name FROM t_Kinds WHERE FLong < 0");
  ASSERT_NE(empty, nullptr);
  EXPECT_EQ(empty->RecordCount(), 0);
  EXPECT_EQ(empty->FieldName(0), "Name");
  EXPECT_EQ(Run("INSERT INTO t_Log VALUES(1, 1, 'x')"), nullptr);
  EXPECT_EQ(Run(" \r\n "), nullptr);
}

// Each batch fails at its last statement; a procedure's refusal reads the
// same on both backends.
TEST_P(ClassInfoOnDatabase, ABatchIsAllOrNothing) {
  static const std::pair<const char*, const char*> kCases[] = {
      {"INSERT INTO t_Log VALUES(1, 1, 'a')\r\nINSERT INTO t_Missing VALUES(1)", nullptr},
      {"EXEC p_Log 1,1,'a'\r\nEXEC p_Log NULL,3,'c'\r\n", nullptr},
      {"EXEC p_Log 1,1,'a'\r\nEXEC p_Log 1,3",
       "Procedure p_Log takes 3 argument(s), 2 given: EXEC p_Log 1,3"},
      {"EXEC p_Log 1,1,'a'\r\nEXEC p_Log 1,2,'b',4",
       "Procedure p_Log takes 3 argument(s), 4 given: EXEC p_Log 1,2,'b',4"},
      {"EXEC p_Log 1,1,'a'\r\nEXEC p_Bad 1",
       "Procedure p_Bad uses :B, which is not one of its parameters"},
  };
  for (const auto& [batch, refusal] : kCases) {
    SCOPED_TRACE(batch);
    if (refusal) {
      EXPECT_VB_ERROR_INFO(Run(batch), vberr::kInvalidCall, "LumoMClass.ClassInfo", refusal);
    } else {
      EXPECT_VB_ERROR(Run(batch), vberr::kProviderError);
    }
    EXPECT_EQ(Rows("SELECT count(*) FROM t_Log"), Table{{0}});
  }
}

// Whatever the engine's code, the error is the provider error; its
// description keeps the engine's code and message and the statement.
TEST_P(ClassInfoOnDatabase, DatabaseErrorsAreProviderErrorsNamingTheEngineCode) {
  static const struct {
    const char* sql;
    const char* sqlite;  // the description on each backend
    const char* odbc;
  } kCases[] = {
      {"SELECT FNope FROM t_Kinds",
       "SQLite error 1: no such column: FNope (statement: SELECT FNope FROM t_Kinds)",
       "ODBC error HY000 (native 1): [SQLite]no such column: FNope (1) (statement: SELECT FNope "
       "FROM t_Kinds)"},
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
                         GetParam() ? c.odbc : c.sqlite);
  }
}

TEST_P(ClassInfoOnDatabase, ExecBindsItsArgumentsAsValues) {
  Run("EXEC p_Log 1001,3,'it''s''); DROP TABLE t_Log; --'\r\nEXEC p_Log 1001,4,NULL\r\n");
  const char* text = "it's'); DROP TABLE t_Log; --";
  EXPECT_EQ(Rows("SELECT FOrder, FEntry, FNote FROM t_Log ORDER BY FEntry"),
            (Table{{1001, -4, kNull},
                   {1001, -3, ":Note of " + std::string(text)},
                   {1001, 3, text},
                   {1001, 4, kNull}}));
}

TEST_P(ClassInfoOnDatabase, ItemPriceUpdateTakesEachItemsLastLineOfTheBill) {
  Run(emitted::kItemPriceUpdate);
  // Item 10: line 2, 50 * 1.17 * 2 / 12 (a box). Item 20: line 3, 9.99 * 2, unit
  // coefficient 0 read as 1, one decimal. Item 30 is on another order.
  EXPECT_EQ(Rows("SELECT FItemID, FOrderPrice FROM t_ICItemCore ORDER BY FItemID"),
            (Table{{10, 9.75}, {20, 20.0}, {30, 7.0}}));
}

// The batch's rows are those of its query, and it leaves no temporary
// table behind to trip the next run.
TEST_P(ClassInfoOnDatabase, MappingBatchGivesOneRowPerPositionAndDropsItsTable) {
  for (int round = 1; round <= 2; ++round) {
    SCOPED_TRACE(round);
    EXPECT_EQ(Rows(emitted::kMappingBatch), (Table{{1, 501}, {2, 502}, {3, kNull}}));
  }
}

TEST_P(ClassInfoOnDatabase, ConnectionIsKeptPerThread) {
  // A temporary table lives as long as its connection.
  Run("Create Table #Probe(FX int)");
  EXPECT_EQ(Rows("Select count(*) from #Probe"), Table{{0}});
  std::thread other([&] { EXPECT_VB_ERROR(Run("Select * from #Probe"), vberr::kProviderError); });
  other.join();
  Run("Drop Table #Probe");
}

TEST(CreateDatabase, RefusesAnExistingFileAndLeavesItAlone) {
  TestDatabase db;
  const std::string other = db.folder() + "/other.db";
  std::ofstream(other) << "not a database";
  EXPECT_VB_ERROR_INFO(CreateDatabase(other, false), vberr::kInvalidCall, "LumoMClass.ClassInfo",
                       "The database file " + other + " exists already; it is not overwritten");
  std::ifstream kept(other);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(kept), {}), "not a database");
}

}  // namespace
}  // namespace lumo::data
