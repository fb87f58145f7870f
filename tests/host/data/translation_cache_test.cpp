#include "host/data/translation_cache.h"

#include <gtest/gtest.h>

#include "support/vb_testing.h"

namespace lumo::data {
namespace {

// Each step as one line: a statement's text, an insert's text and values,
// a procedure's name and arguments.
std::vector<std::string> Lines(const std::vector<SqlStep>& steps) {
  std::vector<std::string> lines;
  for (const SqlStep& step : steps) {
    if (const auto* statement = std::get_if<SqlStatement>(&step)) {
      lines.push_back(statement->text);
    } else if (const auto* insert = std::get_if<InsertRows>(&step)) {
      lines.push_back(insert->text + " x" + std::to_string(insert->values.size()));
    } else {
      const auto& call = std::get<ProcedureCall>(step);
      lines.push_back("call " + call.name + " x" + std::to_string(call.arguments.size()));
    }
  }
  return lines;
}

// A text the cache keeps, one it has to drop when full, and one too long to
// keep all translate as the translator does, the first time and again after
// a hundred other texts (more than it keeps) went through.
TEST(TranslationCache, GivesEachTextItsOwnTranslationWhetherKeptOrNot) {
  ColumnTypes columns;
  columns.Add("FName", "TEXT");
  std::string longIn = "SELECT FName FROM t WHERE FItemID IN (1";
  for (int id = 2; id <= 1500; ++id) longIn += "," + std::to_string(id);
  longIn += ")";
  const std::string cases[] = {
      "SELECT IsNull(FName, '') + 'x' FROM t_Item WHERE FItemID=4",
      "Insert Into #T (a,b) Values(1,'x')\nInsert Into #T (a,b) Values(2,'y')",
      "EXEC p_U 1001,3",
      longIn,
      "Set NoCount On",
  };
  TranslationCache cache(SqlDialect::Sqlite);
  for (int round = 1; round <= 2; ++round) {
    for (const std::string& tsql : cases) {
      SCOPED_TRACE("round " + std::to_string(round) + ": " + tsql.substr(0, 60));
      EXPECT_EQ(Lines(cache.Translate(tsql, columns)), Lines(TranslateForSqlite(tsql, columns)));
    }
    for (int other = 0; other < 100; ++other) {
      const std::string tsql = "SELECT " + std::to_string(other);
      EXPECT_EQ(Lines(cache.Translate(tsql, columns)), std::vector<std::string>{tsql});
    }
  }
}

// A refused text is refused every time, not kept as an empty batch.
TEST(TranslationCache, RefusesARefusedTextAgain) {
  TranslationCache cache(SqlDialect::Sqlite);
  for (int call = 1; call <= 2; ++call) {
    SCOPED_TRACE(call);
    EXPECT_VB_ERROR_INFO(cache.Translate("SELECT [FName] FROM t", {}), vberr::kInvalidCall,
                         "LumoMClass.ClassInfo",
                         "SQL construct not supported by the SQLite backend: square-bracket name "
                         "[FName] (in: SELECT [FName] FROM t)");
  }
}

}  // namespace
}  // namespace lumo::data
