#include "host/data/tsql_dialect.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "support/vb_testing.h"

namespace lumo::data {
namespace {

// The declared types of the columns the cases use; FMixed is a text in one
// table and a number in another.
std::vector<SqlStep> Translate(std::string_view tsql, SqlDialect dialect = SqlDialect::Sqlite) {
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
  return data::Translate(tsql, columns, dialect);
}

// Values as "1,'it's',NULL"; a real always shows its decimal point.
std::string Shown(const std::vector<SqlValue>& values) {
  std::ostringstream out;
  out << std::showpoint;
  for (const SqlValue& value : values) {
    if (&value != values.data()) out << ',';
    if (const auto* text = std::get_if<std::string>(&value)) out << '\'' << *text << '\'';
    if (const auto* whole = std::get_if<int64_t>(&value)) out << *whole;
    if (const auto* real = std::get_if<double>(&value)) out << *real;
    if (std::holds_alternative<std::monostate>(value)) out << "NULL";
  }
  return out.str();
}

// Each step as one line: a statement's text, "<insert> x<rows>: <values>",
// or "call <name>(<arguments>)".
std::vector<std::string> Texts(std::string_view tsql, SqlDialect dialect = SqlDialect::Sqlite) {
  std::vector<std::string> texts;
  for (const SqlStep& step : Translate(tsql, dialect)) {
    if (const auto* statement = std::get_if<SqlStatement>(&step)) {
      texts.push_back(statement->text);
    } else if (const auto* insert = std::get_if<InsertRows>(&step)) {
      texts.push_back(insert->text + " x" + std::to_string(insert->values.size() / insert->width) +
                      ": " + Shown(insert->values));
    } else {
      const auto& call = std::get<ProcedureCall>(step);
      texts.push_back("call " + call.name + "(" + Shown(call.arguments) + ")");
    }
  }
  return texts;
}

// A "+" between texts becomes "||", one between numbers stays. Runs of
// INSERTs of one row of literals share a statement; a run of whole numbers
// is read without the statement translation and must give the same.
TEST(TsqlDialect, TranslatesEachFormTheComponentWrites) {
  const std::string a = "Insert Into t (a,b) Values(", q = "Insert Into t (a,b) Values(?,?)";
  const std::pair<std::string, std::vector<std::string>> kCases[] = {
      {" SELECT 'IsNull(x) [y] @z #t TOP ' || FName FROM t WHERE a<>0 \r\n",
       {"SELECT 'IsNull(x) [y] @z #t TOP ' || FName FROM t WHERE a<>0"}},
      {"DELETE FROM t_Log WHERE FOrder = 2", {"DELETE FROM t_Log WHERE FOrder = 2"}},
      {"Select ISNULL (a, 0) From t", {"Select ifnull (a, 0) From t"}},
      {"Set NoCount On\r\nSelect 1", {"Select 1"}},
      {"set nocount off", {}},
      {"Create Table #T(a int)\nDrop Table #T",
       {"Create TEMP Table temp.\"#T\"(a int)", "Drop Table temp.\"#T\""}},
      {"SELECT 1; SELECT 2;", {"SELECT 1", "SELECT 2"}},
      {"Select a From t Where b IN (\r\nSelect c From u)\r\nSelect 2",
       {"Select a From t Where b IN (\r\nSelect c From u)", "Select 2"}},
      {"Update t0 set t0.FPrice = 2, FDate = 3 From a Inner Join t_X t0 on t0.FID = a.FID",
       {"UPDATE t_X AS t0 SET FPrice = 2, FDate = 3 FROM a WHERE t0.FID = a.FID"}},
      {"Update t0 set t0.FPrice = 2 From a Inner Join t_X t0 on t0.FID = a.FID Or t0.FID = a.FOld "
       "Inner Join b on b.FID = a.FID Where a.FKeep = 1",
       {"UPDATE t_X AS t0 SET FPrice = 2 FROM a Inner Join b on b.FID = a.FID WHERE (t0.FID = "
        "a.FID Or t0.FID = a.FOld) AND (a.FKeep = 1)"}},
      {"EXEC p_U 1001,1,16\r\nexec p_X -2, 1.5 ,'it''s; --', NULL, 3000000000",
       {"call p_U(1001,1,16)", "call p_X(-2,1.50000,'it's; --',NULL,3000000000)"}},
      {a + "1,-2)\r\n" + a + " 3 , 0004 )\r\n" + a + "5,6)", {q + " x3: 1,-2,3,4,5,6"}},
      {a + "1,2)\n" + a + "'x',3)\n" + a + "4,5)\n\nSelect 1",
       {q + " x3: 1,2,'x',3,4,5", "Select 1"}},
      {a + "1,2)\r\n" + a + "3,4)\r\n, (5,6)", {q + " x1: 1,2", a + "3,4)\r\n, (5,6)"}},
      {a + "1,2)\r\n" + a + "3,4)\r\n-- x\r\n" + a + "5,6)", {q + " x3: 1,2,3,4,5,6"}},
      {"Select (\r\n" + a + "1,2)\r\n" + a + "3,4)\r\n)",
       {"Select (\r\n" + a + "1,2)\r\n" + a + "3,4)\r\n)"}},
      {"Select 'x\r\n" + a + "1,2)\r\n" + a + "3,4)\r\n'",
       {"Select 'x\r\n" + a + "1,2)\r\n" + a + "3,4)\r\n'"}},
      {a + "1,1234567890123456789)\r\n" + a + "2,-9999999999999999999)",
       {q + " x2: 1,1234567890123456789,2,-1.00000e+19"}},
      {"Insert Into #T (a,b) Values(1.5,'it''s')\r\nInsert Into #T (a,b) Values( -2 , NULL )\n"
       "Insert Into #T (b) Values(3)",
       {"Insert Into temp.\"#T\" (a,b) Values(?,?) x2: 1.50000,'it's',-2,NULL",
        "Insert Into temp.\"#T\" (b) Values(?) x1: 3"}},
      {"Insert Into t (a) Values(1 + 2)\nInsert Into t (a) Values(1), (2)\nInsert Into t (a) "
       "Select 1",
       {"Insert Into t (a) Values(1 + 2)", "Insert Into t (a) Values(1), (2)",
        "Insert Into t (a) Select 1"}},
      {"SELECT 'a' + t.FName + 'b' AS X, IsNull(FName,'') + \"FNote\" FROM t",
       {"SELECT 'a' || t.FName || 'b' AS X, ifnull(FName,'') || \"FNote\" FROM t"}},
      {"SELECT (FName + FNumber) + Upper(FNote), Case When FLong = 1 Then FName + 'x' End FROM t",
       {"SELECT (FName || FNumber) || Upper(FNote), Case When FLong = 1 Then FName || 'x' End FROM "
        "t"}},
      {"SELECT 1 FROM t WHERE FName + FNumber = 'ab' AND FLong + 1 > 2",
       {"SELECT 1 FROM t WHERE FName || FNumber = 'ab' AND FLong + 1 > 2"}},
      {"SELECT FPrice + 1, FLong + FTaxRate * -2, Max(FLong) + Count(*) FROM t",
       {"SELECT FPrice + 1, FLong + FTaxRate * -2, Max(FLong) + Count(*) FROM t"}},
  };
  for (const auto& [tsql, steps] : kCases) {
    SCOPED_TRACE(tsql);
    EXPECT_EQ(Texts(tsql), steps);
  }
}

// The same forms as PostgreSQL writes them: values as literals, in one
// INSERT for a run of rows and in a CALL of the procedure, and Round on a
// number whatever the type of its value.
TEST(TsqlDialect, WritesEachFormForPostgres) {
  const std::string a = "Insert Into t (a,b) Values(";
  const std::pair<std::string, std::vector<std::string>> kCases[] = {
      {"Set NoCount On\r\nSelect ISNULL (a, 0) From t", {"Select coalesce (a, 0) From t"}},
      {"Create Table #T(a int)\nInsert Into #T (a) Values(1.5)\nDrop Table #T",
       {"Create TEMP Table pg_temp.\"#T\"(a int)", "Insert Into pg_temp.\"#T\" (a) Values(1.5)",
        "Drop Table pg_temp.\"#T\""}},
      {a + "1,-2)\r\n" + a + " 3 , 0004 )\r\n" + a + "'it''s \\ x',NULL)",
       {a + "1,-2),(3,4),(E'it''s \\\\ x',NULL)"}},
      {"EXEC p_U 1001,1,16\r\nexec p_X -2, 1.5 ,'it''s; --', NULL, 3000000000",
       {"CALL p_U(1001,1,16)", "CALL p_X(-2,1.5,'it''s; --',NULL,3000000000)"}},
      {"SELECT 'a' + t.FName + 'b' AS X, IsNull(FName,'') + \"FNote\" FROM t",
       {"SELECT 'a' || t.FName || 'b' AS X, coalesce(FName,'') || \"FNote\" FROM t"}},
      {"SELECT Round(Round(FPrice, 1) * 2 , FLong) FROM t",
       {"SELECT Round(CAST(Round(CAST(FPrice AS numeric), 1) * 2  AS numeric), FLong) FROM t"}},
      {"Update t0 set t0.FPrice = Round( a.FPrice , 2) From a Inner Join t_X t0 on t0.FID = a.FID "
       "Left Join b on b.FID = a.FID Where a.FKeep = 1 Or a.FKeep = 2",
       {"UPDATE t_X AS t0 SET FPrice = Round(CAST( a.FPrice  AS numeric), 2) FROM a Left Join b on "
        "b.FID = a.FID WHERE (t0.FID = a.FID) AND (a.FKeep = 1 Or a.FKeep = 2)"}},
  };
  for (const auto& [tsql, steps] : kCases) {
    SCOPED_TRACE(tsql);
    EXPECT_EQ(Texts(tsql, SqlDialect::Postgres), steps);
  }
}

// A long run of rows goes out a thousand rows a statement.
TEST(TsqlDialect, WritesALongRunOfRowsForPostgresInStatementsOfAThousand) {
  std::string tsql;
  for (int row = 1; row <= 2500; ++row)
    tsql += "Insert Into #T (a,b) Values(" + std::to_string(row) + ",7)\r\n";
  const std::vector<std::string> texts = Texts(tsql, SqlDialect::Postgres);
  ASSERT_EQ(texts.size(), 3u);
  EXPECT_TRUE(texts[0].starts_with("Insert Into pg_temp.\"#T\" (a,b) Values(1,7),(2,7),"));
  EXPECT_TRUE(texts[1].starts_with("Insert Into pg_temp.\"#T\" (a,b) Values(1001,7),"));
  EXPECT_TRUE(texts[2].ends_with(",(2500,7)"));
  for (const std::string& text : texts) {
    SCOPED_TRACE(text.substr(0, 60));
    EXPECT_EQ(std::count(text.begin(), text.end(), '(') - 1, &text == &texts[2] ? 500 : 1000);
  }
}

TEST(TsqlDialect, RefusesWhatOnlySqlServerKnowsNamingTheConstruct) {
  static const std::pair<const char*, const char*> kCases[] = {
      {"SELECT 1\r\nBEGIN TRAN", "T-SQL keyword or function BEGIN"},
      {"SELECT [FName] FROM t", "square-bracket name [FName]"},
      {"SELECT @@ROWCOUNT", "variable @@ROWCOUNT"},
      {"SELECT FName FROM t WITH (NOLOCK)", "table hint WITH (...)"},
      {"SELECT N'text'", "N'...' text literal"},
      {"Set Rowcount 5", "SET option"},
      {"Update t0 set t0.FPrice = 1 From t_X t0 Inner Join t_Y t1 on t1.FID = t0.FID",
       "UPDATE whose target t0 is not a joined table of FROM"},
      {"Update t0 set t0.FPrice = 1 From e Inner Join t_X t0 on t0.FID = e.FID Inner Join t_Y t1 "
       "on t1.FID = t0.FID",
       "the UPDATE target t0 in the condition of another join"},
      {"Update t0 set t1.FPrice = 1 From e Inner Join t_X t0 on t0.FID = e.FID",
       "SET of a column of another table than t0"},
      {"EXEC p_X 1, FName", "EXEC argument that is not a number, a 'text' or NULL"},
      {"EXEC dbo.p_X 1", "EXEC without a plain procedure name"},
  };
  for (const auto& [sql, construct] : kCases) {
    SCOPED_TRACE(sql);
    EXPECT_VB_ERROR_INFO(Translate(sql), vberr::kInvalidCall, "LumoMClass.ClassInfo",
                         "SQL construct not supported by the SQLite backend: " +
                             std::string(construct) + " (in: " + sql + ")");
  }
  EXPECT_VB_ERROR_INFO(Translate("EXEC p_U 1001,3,"), vberr::kInvalidCall, "LumoMClass.ClassInfo",
                       "Empty argument in: EXEC p_U 1001,3,");
  EXPECT_VB_ERROR_INFO(Translate("SELECT 'open"), vberr::kInvalidCall, "LumoMClass.ClassInfo",
                       "Unterminated text literal in SQL text");
}

// The refusal names the database the text was translated for.
TEST(TsqlDialect, RefusesForPostgresNamingIt) {
  static const std::pair<const char*, const char*> kCases[] = {
      {"SELECT TOP 1 FName FROM t", "T-SQL keyword or function TOP"},
      {"SELECT Round(FPrice) FROM t", "Round(...) without exactly two arguments"},
      {"SELECT Round(FPrice, 2, 1) FROM t", "Round(...) without exactly two arguments"},
      {"SELECT FName + FPrice FROM t",
       "+ of operands not known to be both numbers or both texts: FName + FPrice"},
  };
  for (const auto& [sql, construct] : kCases) {
    SCOPED_TRACE(sql);
    EXPECT_VB_ERROR_INFO(
        Translate(sql, SqlDialect::Postgres), vberr::kInvalidCall, "LumoMClass.ClassInfo",
        "SQL construct not supported by the PostgreSQL backend: " + std::string(construct) +
            " (in: " + sql + ")");
  }
}

// SQLite would add where T-SQL joins texts: a "+" whose operands are not
// both numbers or both texts is refused.
TEST(TsqlDialect, RefusesAPlusOfOperandsOfUnknownOrMixedTypes) {
  for (const char* expression :
       {"FName + FPrice", "FName + FNumber + 1", "FLong * FName + FNumber", "FName * 2 + FNumber",
        "FLong - FName + FNumber", "FName + FMixed", "FName + FUnknown", "FDate + 1",
        "Case When FLong = 1 Then 'a' End + 'x'", "Cast(FLong As varchar) + FName"}) {
    const std::string e = expression;
    for (const std::string& tsql :
         {"SELECT " + e + " FROM t", "SELECT Round(" + e + ", 2) FROM t"}) {
      SCOPED_TRACE(tsql);
      EXPECT_VB_ERROR_INFO(Translate(tsql), vberr::kInvalidCall, "LumoMClass.ClassInfo",
                           "SQL construct not supported by the SQLite backend: + of operands not "
                           "known to be both numbers or both texts: " +
                               e + " (in: " + tsql + ")");
    }
  }
}

}  // namespace
}  // namespace lumo::data
