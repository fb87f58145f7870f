#include <gtest/gtest.h>

#include "support/action_test_access.h"
#include "support/dictionary_entries.h"
#include "support/fake_class_info.h"

namespace lumo::testing {

// The id is its value's leading number rounded to even; the rate is written
// only for a non-empty operator and a non-zero rate, and inverted for "/".
// (Its errors, with the action's name before their source, are DoAction's
// test case.)
TEST(GetExchangeRate, QueriesTheCurrencyAndWritesItsRate) {
  const struct {
    const char* name;
    std::optional<Variant> id;
    const char* sqlId;  // nullptr: no query
    Variant op, rate;
    std::optional<double> written;
  } cases[] = {
      {"12.5 reads as 12, / inverts", 12.5, "12", "/", 8, 0.125},
      {"13.5 reads as 14, * keeps", 13.5, "14", "*", 8, 8.0},
      {"a negative id is queried as it stands", "-2.5", "-2", "/", 4, 0.25},
      {"leading number, operator compared exactly", "7 apples", "7", "/ ", 8, 8.0},
      {"NULL operator", 3, "3", Variant::Null(), 8, std::nullopt},
      {"zero rate", 3, "3", "/", 0, std::nullopt},
      {"NULL rate", 3, "3", "/", Variant::Null(), std::nullopt},
      {"absent id", std::nullopt, nullptr, "/", 8, std::nullopt},
      {"id 0", 0, nullptr, "/", 8, std::nullopt},
      {"non-numeric id", "abc", nullptr, "/", 8, std::nullopt},
  };
  const std::string sql = "SELECT FOperator,FExchangeRate FROM t_Currency WHERE FCurrencyID=";
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    FakeClassInfo database;
    database.db->queue.push_back({{"FOperator", "FExchangeRate"}, {{c.op, c.rate}}});
    const DictionaryRef para = ParaOf({});
    if (c.id) para->SetValue("P_CurrencyID", *c.id);
    const DictionaryRef given = NewDictionary();  // kept, not replaced
    DictionaryRef result = given;
    EXPECT_EQ(ActionTestAccess::Raised("TevSer_GetExchangeRate", para, result), std::nullopt);
    EXPECT_EQ(result, given);
    ExpectWritten(result, c.written ? Entries{{"P_ExchangeRate", *c.written}} : Entries{});
    EXPECT_EQ(database.db->calls, (c.sqlId ? Calls{{"DB=demo", sql + c.sqlId}} : Calls{}));
  }
}

}  // namespace lumo::testing
