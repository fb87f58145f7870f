#include "host/data/tsql_dialect.h"

#include <gtest/gtest.h>

#include "emitted_sql.h"
#include "support/vb_testing.h"

namespace lumo::data {
namespace {

// The declared types of the columns the cases use; FMixed is a text in one
// table and a number in another.
const ColumnTypes& Columns() {
  static const ColumnTypes columns = [] {
    ColumnTypes declared;
    for (const auto& [name, type] : {std::pair{"FName", "TEXT"},
                                     {"FNumber", "VARCHAR(80)"},
                                     {"FNote", "text"},
                                     {"FPrice", "REAL"},
                                     {"FLong", "INTEGER"},
                                     {"FTaxRate", "DECIMAL(5,2)"},
                                     {"FDate", "DATE"},
                                     {"FMixed", "TEXT"},
                                     {"FMixed", "INT"}}) {
      declared.Add(name, type);
    }
    return declared;
  }();
  return columns;
}

std::vector<SqliteStep> Translate(std::string_view tsql) {
  return TranslateForSqlite(tsql, Columns());
}

std::vector<std::string> Texts(const std::vector<SqliteStep>& steps) {
  std::vector<std::string> texts;
  for (const SqliteStep& step : steps) {
    if (const auto* statement = std::get_if<SqlStatement>(&step)) {
      texts.push_back(statement->text);
    } else if (const auto* insert = std::get_if<InsertRows>(&step)) {
      texts.push_back(insert->text + " x" + std::to_string(insert->values.size() / insert->width));
    } else {
      texts.push_back("call " + std::get<ProcedureCall>(step).name);
    }
  }
  return texts;
}

TEST(TsqlDialect, ItemPriceUpdateBecomesUpdateOfTheTargetWithTheOtherJoinsInFrom) {
  const std::vector<std::string> texts = Texts(Translate(emitted::kItemPriceUpdate));
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_EQ(texts[0],
            "UPDATE t_ICItemCore AS t0 SET FOrderPrice = Round( Page2.FPrice * (( 100 + "
            "Page2.FTaxRate ) / 100 ) "
            " * Page1.FExchangeRate * ((100 - Page2.FDiscountRate)  / 100 ) "
            " / (Case When ifnull(t2.FCoefficient,0) = 0 then 1 else t2.FCoefficient end )  , "
            "t1.FPriceDecimal)\r\n"
            "FROM POOrderEntry Page2\r\n"
            "Inner Join POOrder Page1 On Page1.FInterID = Page2.FInterID\r\n"
            "Inner Join t_ICItem t1 on t1.FItemID = Page2.FItemID\r\n"
            "Left Join t_MeasureUnit t2 on t2.FMeasureUnitID = Page2.FUnitID\r\n"
            "WHERE (t0.FItemID = Page2.FItemID) AND (Page1.FInterID = 1001\r\n"
            " AND Page2.FEntryID = ( Select Max(FEntryID) From POOrderEntry Where FInterID = "
            "Page2.FInterID"
            " And FItemID = Page2.FItemID ))");
}

TEST(TsqlDialect, MappingBatchSplitsByLinesAndUsesATempTable) {
  const std::vector<std::string> texts = Texts(Translate(emitted::kMappingBatch));
  const std::vector<std::string> expected = {
      "Create TEMP Table temp.\"#TmpItem\"(FIndex int not null default(0) , FItemID int not null "
      "default(0))",
      "Insert Into temp.\"#TmpItem\" (FIndex,FItemID) Values(?,?) x3",
      "Select u1.FIndex,Min(v1.FEntryID) as FInterID from temp.\"#TmpItem\" u1\r\n"
      "Left Join v_SToIMapping v1 on u1.FItemID = v1.FItemID And v1.FParentID = 7\r\n"
      "Group by u1.FIndex\r\n"
      "Order by u1.FIndex",
      "Drop Table temp.\"#TmpItem\""};
  EXPECT_EQ(texts, expected);
}

// Consecutive INSERTs of one row of literals into the same columns become
// one statement run for each row; anything else stays a statement of its own.
// A run of lines that insert whole numbers the same way has its values read
// without the statement translation; the steps stay what that gives.
TEST(TsqlDialect, InsertsOfLiteralsShareOneStatement) {
  using V = std::vector<SqlValue>;
  const std::string a = "Insert Into t (a,b) Values(";
  struct Case {
    const char* name;
    std::string tsql;
    std::vector<std::string> steps;
    V firstValues;
  };
  const Case kCases[] = {
      {"blanks and signs",
       a + "1,-2)\r\n" + a + " 3 , 0004 )\r\n" + a + "5,6)",
       {"Insert Into t (a,b) Values(?,?) x3"},
       V{int64_t{1}, int64_t{-2}, int64_t{3}, int64_t{4}, int64_t{5}, int64_t{6}}},
      {"a text value between",
       a + "1,2)\n" + a + "'x',3)\n" + a + "4,5)\n\nSelect 1",
       {"Insert Into t (a,b) Values(?,?) x3", "Select 1"},
       V{int64_t{1}, int64_t{2}, std::string("x"), int64_t{3}, int64_t{4}, int64_t{5}}},
      {"last line continued",
       a + "1,2)\r\n" + a + "3,4)\r\n, (5,6)",
       {"Insert Into t (a,b) Values(?,?) x1", "Insert Into t (a,b) Values(3,4)\r\n, (5,6)"},
       V{int64_t{1}, int64_t{2}}},
      {"a comment after the run",
       a + "1,2)\r\n" + a + "3,4)\r\n-- x\r\n" + a + "5,6)",
       {"Insert Into t (a,b) Values(?,?) x3"},
       V{int64_t{1}, int64_t{2}, int64_t{3}, int64_t{4}, int64_t{5}, int64_t{6}}},
      {"inside a parenthesis",
       "Select (\r\n" + a + "1,2)\r\n" + a + "3,4)\r\n)",
       {"Select (\r\n" + a + "1,2)\r\n" + a + "3,4)\r\n)"},
       V{}},
      {"inside a text",
       "Select 'x\r\n" + a + "1,2)\r\n" + a + "3,4)\r\n'",
       {"Select 'x\r\n" + a + "1,2)\r\n" + a + "3,4)\r\n'"},
       V{}},
      {"literals of every kind, other columns",
       "Insert Into #T (a,b) Values(1.5,'it''s')\r\nInsert Into #T (a,b) Values( -2 , NULL )\n"
       "Insert Into #T (b) Values(3)",
       {"Insert Into temp.\"#T\" (a,b) Values(?,?) x2", "Insert Into temp.\"#T\" (b) Values(?) x1"},
       V{1.5, std::string("it's"), int64_t{-2}, std::monostate{}}},
      {"not one row of literals",
       "Insert Into t (a) Values(1 + 2)\nInsert Into t (a) Values(1), (2)\nInsert Into t (a) "
       "Values()\nInsert Into t (a) Select 1",
       {"Insert Into t (a) Values(1 + 2)", "Insert Into t (a) Values(1), (2)",
        "Insert Into t (a) Values()", "Insert Into t (a) Select 1"},
       V{}},
      {"nineteen digits",
       a + "1,1234567890123456789)\r\n" + a + "2,-1234567890123456789)",
       {"Insert Into t (a,b) Values(?,?) x2"},
       V{int64_t{1}, int64_t{1234567890123456789}, int64_t{2}, int64_t{-1234567890123456789}}},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    const std::vector<SqliteStep> steps = Translate(c.tsql);
    EXPECT_EQ(Texts(steps), c.steps);
    const auto* first = std::get_if<InsertRows>(&steps.at(0));
    EXPECT_EQ(first ? first->values : V{}, c.firstValues);
  }
}

TEST(TsqlDialect, RewritesEachFormOnItsOwn) {
  struct Case {
    const char* tsql;
    std::vector<std::string> sqlite;
  };
  static const Case kCases[] = {
      {"Select IsNull(FValue,'') as V From t_SystemProfile",
       {"Select ifnull(FValue,'') as V From t_SystemProfile"}},
      {"Select ISNULL (a, 0) From t", {"Select ifnull (a, 0) From t"}},
      {"Set NoCount On\r\nSelect 1", {"Select 1"}},
      {"set nocount off", {}},
      {"Create Table #T(a int)\nDrop Table #T",
       {"Create TEMP Table temp.\"#T\"(a int)", "Drop Table temp.\"#T\""}},
      {"SELECT 1; SELECT 2;", {"SELECT 1", "SELECT 2"}},
      {"Update t0 set t0.FPrice = 2, FDate = 3 From a Inner Join t_X t0 on t0.FID = a.FID",
       {"UPDATE t_X AS t0 SET FPrice = 2, FDate = 3 FROM a WHERE t0.FID = a.FID"}},
      {"Update t0 set t0.FPrice = 2 From a Inner Join t_X t0 on t0.FID = a.FID Or t0.FID = a.FOld "
       "Where a.FKeep = 1",
       {"UPDATE t_X AS t0 SET FPrice = 2 FROM a WHERE (t0.FID = a.FID Or t0.FID = a.FOld) AND "
        "(a.FKeep = 1)"}},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.tsql);
    EXPECT_EQ(Texts(Translate(c.tsql)), c.sqlite);
  }
}

TEST(TsqlDialect, ExecBatchWithCrLfGivesOneCallPerLine) {
  const std::vector<SqliteStep> steps = Translate(
      "EXEC p_UpdateSupplyInfoByPOOrd 1001,1,16\r\nEXEC p_UpdateSupplyInfoByPOOrd 1001,3,16\r\n");
  ASSERT_EQ(steps.size(), 2u);
  const auto& second = std::get<ProcedureCall>(steps[1]);
  EXPECT_EQ(second.name, "p_UpdateSupplyInfoByPOOrd");
  EXPECT_EQ(second.arguments, (std::vector<SqlValue>{int64_t{1001}, int64_t{3}, int64_t{16}}));
}

TEST(TsqlDialect, ExecArgumentsAreReadAsValues) {
  const auto steps = Translate("exec p_X -2, 1.5 ,'it''s; --', NULL, 3000000000");
  EXPECT_EQ(std::get<ProcedureCall>(steps.at(0)).arguments,
            (std::vector<SqlValue>{int64_t{-2}, 1.5, std::string("it's; --"), std::monostate{},
                                   int64_t{3000000000}}));
}

TEST(TsqlDialect, PlainStatementsPassUnchangedButForSurroundingBlanks) {
  static const char* const kCases[] = {
      "SELECT t1.FInterId,t2.FEntryID FROM POOrder t1, POOrderEntry t2 WHERE "
      "t1.FInterID=t2.FInterID  AND "
      "t1.FInterID= 1001 AND t2.FAuxPrice<>0  And t2.FAuxTaxPrice<>0 Order By t2.FEntryID",
      "Select FKey,FValue From t_SystemProfile Where FCategory = 'IC' AND FKey in "
      "('IsUsePurPrcMgr', "
      "'AlertPOMaxPrice')",
      "SELECT FTaxRate,FItemID FROM t_ICItemMaterial WHERE FItemID IN (1,2,3)",
      "Select FItemID as FInterID,FItemNumber as FNumber,'' as FName From v_SToIMapping Where "
      "FEntryID = 55 "
      "And FParentID = 7",
      "SELECT 'IsNull(x) [y] @z #t TOP ' || FName FROM t_Kinds",
      "UPDATE t_ICItemCore SET FOrderPrice = Round(FOrderPrice * 1.1, 2) WHERE FItemID = 3",
      "DELETE FROM t_Log WHERE FOrder = 2",
  };
  for (const char* sql : kCases) {
    SCOPED_TRACE(sql);
    std::string padded = " ";
    padded.append(sql).append(" \r\n");
    EXPECT_EQ(Texts(Translate(padded)), std::vector<std::string>{sql});
  }
}

TEST(TsqlDialect, ALineStartingWithSelectInsideParenthesesContinuesTheStatement) {
  EXPECT_EQ(Texts(Translate("Select a From t Where b IN (\r\nSelect c From u)\r\nSelect 2")).size(),
            2u);
}

TEST(TsqlDialect, RefusesWhatOnlySqlServerKnows) {
  struct Case {
    const char* sql;
    const char* named;  // the construct the message must name
  };
  static const Case kCases[] = {
      {"SELECT TOP 1 FName FROM t_Kinds", "TOP"},
      {"SELECT [FName] FROM t_Kinds", "[FName]"},
      {"SELECT @@ROWCOUNT", "@@ROWCOUNT"},
      {"DECLARE @n int", "DECLARE"},
      {"SELECT GETDATE()", "GETDATE"},
      {"SELECT 'a' + FLong FROM t_Kinds", "+ of operands"},
      {"SELECT FName FROM t_Kinds WITH (NOLOCK)", "NOLOCK"},
      {"SELECT N'text'", "N'...'"},
      {"Set Rowcount 5", "SET option"},
      {"SELECT 1\r\nBEGIN TRAN", "BEGIN"},
      {"Update t0 set t0.FOrderPrice = 1 From t_ICItemCore t0 Inner Join t_ICItem t1 on t1.FItemID "
       "= t0.FItemID",
       "not a joined table"},
      {"Update t0 set t0.FOrderPrice = 1 From POOrderEntry e Inner Join t_ICItemCore t0 on "
       "t0.FItemID = e.FItemID "
       "Inner Join t_ICItem t1 on t1.FItemID = t0.FItemID",
       "condition of another join"},
      {"Update t0 set t1.FOrderPrice = 1 From POOrderEntry e Inner Join t_ICItemCore t0 on "
       "t0.FItemID = e.FItemID",
       "another table"},
      {"EXEC p_UpdateSupplyInfoByPOOrd 1001,3,", "Empty argument"},
      {"EXEC p_X 1, FName", "EXEC argument"},
      {"EXEC dbo.p_X 1", "procedure name"},
      {"SELECT 'open", "Unterminated"},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.sql);
    try {
      Translate(c.sql);
      ADD_FAILURE() << "not refused";
    } catch (const VbError& error) {
      EXPECT_EQ(error.number(), vberr::kInvalidCall);
      EXPECT_NE(error.description().find(c.named), std::string::npos) << error.description();
    }
  }
}

// SQLite would add where T-SQL joins texts: a "+" between texts becomes
// "||", one between numbers stays, and every other is refused.
TEST(TsqlDialect, PlusJoinsTextsAddsNumbersAndRefusesTheRest) {
  struct Case {
    const char* tsql;
    const char* sqlite;  // nullptr: refused, naming `expression`
    const char* expression = "";
  };
  static const Case kCases[] = {
      {"SELECT FName + FNumber FROM t", "SELECT FName || FNumber FROM t"},
      {"SELECT 'a' + t.FName + 'b' AS X FROM t", "SELECT 'a' || t.FName || 'b' AS X FROM t"},
      {"SELECT IsNull(FName,'') + \"FNote\" FROM t", "SELECT ifnull(FName,'') || \"FNote\" FROM t"},
      {"SELECT (FName + FNumber) + Upper(FNote) FROM t",
       "SELECT (FName || FNumber) || Upper(FNote) FROM t"},
      {"SELECT 1 FROM t WHERE FName + FNumber = 'ab' AND FLong + 1 > 2",
       "SELECT 1 FROM t WHERE FName || FNumber = 'ab' AND FLong + 1 > 2"},
      {"SELECT Case When FLong = 1 Then FName + 'x' Else '' End FROM t",
       "SELECT Case When FLong = 1 Then FName || 'x' Else '' End FROM t"},
      {"SELECT FPrice + 1, FLong + FTaxRate * -2, Max(FLong) + Count(*) FROM t",
       "SELECT FPrice + 1, FLong + FTaxRate * -2, Max(FLong) + Count(*) FROM t"},
      {"SELECT FName + FPrice FROM t", nullptr, "FName + FPrice"},
      {"SELECT FName + FNumber + 1 FROM t", nullptr, "FName + FNumber + 1"},
      {"SELECT FLong * FName + FNumber FROM t", nullptr, "FLong * FName + FNumber"},
      {"SELECT FName * 2 + FNumber FROM t", nullptr, "FName * 2 + FNumber"},
      {"SELECT FLong - FName + FNumber FROM t", nullptr, "FLong - FName + FNumber"},
      {"SELECT FName + FMixed FROM t", nullptr, "FName + FMixed"},
      {"SELECT FName + FUnknown FROM t", nullptr, "FName + FUnknown"},
      {"SELECT FDate + 1 FROM t", nullptr, "FDate + 1"},
      {"SELECT Case When FLong = 1 Then 'a' End + 'x' FROM t", nullptr,
       "Case When FLong = 1 Then 'a' End + 'x'"},
      {"SELECT Cast(FLong As varchar) + FName FROM t", nullptr, "Cast(FLong As varchar) + FName"},
      {"SELECT Round(FName + FPrice, 2) FROM t", nullptr, "FName + FPrice"},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.tsql);
    if (c.sqlite != nullptr) {
      EXPECT_EQ(Texts(Translate(c.tsql)), std::vector<std::string>{c.sqlite});
    } else {
      EXPECT_VB_ERROR_INFO(Translate(c.tsql), vberr::kInvalidCall, "LumoMClass.ClassInfo",
                           "SQL construct not supported by the SQLite backend: + of operands not "
                           "known to be both numbers or both texts: " +
                               std::string(c.expression) + " (in: " + c.tsql + ")");
    }
  }
}

}  // namespace
}  // namespace lumo::data
