// The component on real databases: SQLite directly and through unixODBC's
// SQLite driver, so every case below runs on both backends.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <thread>

#include "host/data/class_info_component.h"
#include "host/data/database_file.h"
#include "host/data/register.h"
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
    for (RecordsetRef rs = Run(sql); !rs->Eof(); rs->MoveNext()) {
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

TEST_P(ClassInfoOnDatabase, ABatchIsAllOrNothing) {
  static const std::pair<const char*, int32_t> kCases[] = {
      {"INSERT INTO t_Log VALUES(1, 1, 'a')\r\nINSERT INTO t_Log VALUES(1, 2, 'b')\r\nINSERT INTO "
       "t_Missing VALUES(1)",
       vberr::kProviderError},
      {"EXEC p_Log 1,1,'a'\r\nEXEC p_Log 1,2,'b'\r\nEXEC p_Log NULL,3,'c'\r\n",
       vberr::kProviderError},
      {"EXEC p_Log 1,1,'a'\r\nEXEC p_Log 1,2,'b'\r\nEXEC p_Log 1,3\r\n", vberr::kInvalidCall},
  };
  for (const auto& [batch, error] : kCases) {
    SCOPED_TRACE(batch);
    EXPECT_VB_ERROR(Run(batch), error);
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
                   {1001, -3, "copy of " + std::string(text)},
                   {1001, 3, text},
                   {1001, 4, kNull}}));
}

// The update the price write-back emits, with tax, exchange rate, discount
// and unit: each item takes its last line of the order.
TEST_P(ClassInfoOnDatabase, ItemPriceUpdateTakesEachItemsLastLineOfTheBill) {
  Run("Update t0 set t0.FOrderPrice = Round( Page2.FPrice * (( 100 + Page2.FTaxRate ) / 100 ) "
      " * Page1.FExchangeRate * ((100 - Page2.FDiscountRate)  / 100 ) "
      " / (Case When IsNull(t2.FCoefficient,0) = 0 then 1 else t2.FCoefficient end )  , "
      "t1.FPriceDecimal)\r\n"
      "From POOrderEntry Page2\r\n"
      "Inner Join POOrder Page1 On Page1.FInterID = Page2.FInterID\r\n"
      "Inner Join t_ICItemCore t0 on t0.FItemID = Page2.FItemID\r\n"
      "Inner Join t_ICItem t1 on t1.FItemID = Page2.FItemID\r\n"
      "Left Join t_MeasureUnit t2 on t2.FMeasureUnitID = Page2.FUnitID\r\n"
      "Where Page1.FInterID = 1001\r\n"
      " AND Page2.FEntryID = ( Select Max(FEntryID) From POOrderEntry Where FInterID = "
      "Page2.FInterID And FItemID = Page2.FItemID )");
  // Item 10: line 2, 50 * 1.17 * 2 / 12 (a box). Item 20: line 3, 9.99 * 2, unit
  // coefficient 0 read as 1, one decimal. Item 30 is on another order.
  EXPECT_EQ(Rows("SELECT FItemID, FOrderPrice FROM t_ICItemCore ORDER BY FItemID"),
            (Table{{10, 9.75}, {20, 20.0}, {30, 7.0}}));
}

// The mapping look-up for a list: supplier 7, items 101, 102 and 103.
TEST_P(ClassInfoOnDatabase, MappingBatchGivesOneRowPerPositionAndDropsItsTable) {
  const std::string batch =
      "Set NoCount On \r\n\r\n"
      "Create Table #TmpItem(FIndex int not null default(0) , FItemID int not null default(0))\r\n"
      "\r\nInsert Into #TmpItem (FIndex,FItemID) Values(1,101)\r\n"
      "Insert Into #TmpItem (FIndex,FItemID) Values(2,102)\r\n"
      "Insert Into #TmpItem (FIndex,FItemID) Values(3,103)\r\n"
      "\r\nSelect u1.FIndex,Min(v1.FEntryID) as FInterID from #TmpItem u1\r\n"
      "Left Join v_SToIMapping v1 on u1.FItemID = v1.FItemID And v1.FParentID = 7\r\n"
      "Group by u1.FIndex\r\nOrder by u1.FIndex\r\n\r\nDrop Table #TmpItem";
  EXPECT_EQ(Run(batch)->FieldName(1), "FInterID");
  for (int round = 1; round <= 2; ++round) {  // the second run finds no table left over
    SCOPED_TRACE(round);
    EXPECT_EQ(Rows(batch), (Table{{1, 501}, {2, 502}, {3, kNull}}));
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

TEST(ClassInfo, IsCreatedByItsProgId) {
  TestDatabase db;
  RegisterDataAccess();
  auto info = CreateObjectAs<IClassInfo>(kClassInfoProgId);
  EXPECT_EQ(info->GetData(db.props(), "SELECT 1 AS One")->Value("One"), Variant(1));
  UnregisterClass(kClassInfoProgId);
}

TEST(CreateDatabase, WritesANewFileAndRefusesAnExistingOne) {
  TestDatabase db;
  const std::string path = db.folder() + "/new.db", other = db.folder() + "/other.db";
  CreateDatabase(path, true);
  EXPECT_GT(ClassInfo().GetData("DBFile=" + path, "SELECT * FROM sqlite_master")->RecordCount(), 0);
  std::ofstream(other) << "not a database";
  EXPECT_VB_ERROR_INFO(CreateDatabase(other, false), vberr::kInvalidCall, "LumoMClass.ClassInfo",
                       "The database file " + other + " exists already; it is not overwritten");
  std::ifstream kept(other);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(kept), {}), "not a database");
}

}  // namespace
}  // namespace lumo::data
