#include "core/query.h"

#include <gtest/gtest.h>

#include "support/fake_class_info.h"

namespace lumo::testing {

// A blank statement makes no call at all.
TEST(Query, GetSystemProfileDoublesQuotesAndReadsFValueOrEmpty) {
  const std::string select = "SELECT FKey,FValue FROM t_SystemProfile WHERE FCategory=";
  const struct {
    const char *category, *key;
    std::vector<Recordset::Row> rows;
    const char* expected;
    std::string where;
  } cases[] = {
      {"IC", "TaxInPrice", {{"TaxInPrice", "1"}}, "1", "'IC' AND FKey='TaxInPrice'"},
      {"IC", "Rate", {{"Rate", Variant::Null()}}, "", "'IC' AND FKey='Rate'"},
      {"IC", "Missing", {}, "", "'IC' AND FKey='Missing'"},
      {"I'C", "x' OR '1'='1", {}, "", "'I''C' AND FKey='x'' OR ''1''=''1'"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.key);
    FakeClassInfo database;
    database.db->queue.push_back({{"FKey", "FValue"}, c.rows});
    EXPECT_EQ(GetSystemProfile("DB=demo", c.category, c.key), c.expected);
    EXPECT_EQ(database.db->calls, (Calls{{"DB=demo", select + c.where}}));
  }
  FakeClassInfo database;
  EXPECT_EQ(GetRecordset("DB=demo", "   "), nullptr);
  EXPECT_TRUE(database.db->calls.empty());
}

// The texts that may stand unquoted in a statement.
TEST(Query, WholeNumbersAndPlainNamesAreRecognisedExactly) {
  const struct {
    const char* text;
    bool wholeNumber, plainName;
  } cases[] = {
      {"1001", true, true},          {"-16", true, false},        {"", false, false},
      {"-", false, false},           {" 16", false, false},       {"16 ", false, false},
      {"1.5", false, false},         {"1e3", false, true},        {"+5", false, false},
      {"FInterID", false, true},     {"t_ICItem_2", false, true}, {"dbo.POOrder", false, false},
      {"FPrice)*0--", false, false}, {"[FPrice]", false, false},  {"价格", false, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(IsWholeNumberText(c.text), c.wholeNumber);
    EXPECT_EQ(IsPlainSqlName(c.text), c.plainName);
  }
}

}  // namespace lumo::testing
