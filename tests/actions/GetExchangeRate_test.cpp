#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "platform/error.h"
#include "support/action_test_access.h"
#include "support/fake_class_info.h"

namespace lumo::testing {

// Calls the handler itself, which raises where DoAction would return 0.
static void GetExchangeRate(std::optional<Variant> currencyId, Variant propString,
                            DictionaryRef& result) {
  auto para = NewDictionary();
  para->SetValue("PropString", std::move(propString));
  if (currencyId) para->SetValue("P_CurrencyID", *currencyId);  // nullopt: absent
  EXPECT_EQ(ActionTestAccess::Call("TevSer_GetExchangeRate", para, result), 0);
}

// The id is its value's leading number rounded to even; the rate is written
// only for a non-empty operator and a non-zero rate, and inverted for "/".
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
    const DictionaryRef given = NewDictionary();  // kept, not replaced
    DictionaryRef result = given;
    GetExchangeRate(c.id, "DB=demo", result);
    EXPECT_EQ(result, given);
    EXPECT_EQ(result->Lookup("P_ExchangeRate") ? std::optional(result->Value("P_ExchangeRate"))
                                               : std::nullopt,
              c.written ? std::optional(Variant(*c.written)) : std::nullopt);
    EXPECT_EQ(database.db->calls, (c.sqlId ? Calls{{"DB=demo", sql + c.sqlId}} : Calls{}));
  }
}

TEST(GetExchangeRate, RaisesWithItsNameBeforeTheErrorsSource) {
  const std::string me = "TevSer_GetExchangeRate:";
  const ErrorInfo badSql{-2147217900, "ClassInfo", "bad SQL", "db.chm", 9};
  const struct {
    const char* name;
    Variant propString;
    std::optional<ErrorInfo> databaseError;
    ErrorInfo expected;
  } cases[] = {
      {"blank PropString", "  ", {}, {-1, me + "PropString", "Propstring is empty!", "", 0}},
      {"NULL PropString", Variant::Null(), {}, {94, me, "Invalid use of Null", "", 0}},
      {"database error",
       "DB=demo",
       badSql,
       {badSql.number, me + "ClassInfo", "bad SQL", "db.chm", 9}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    FakeClassInfo database;
    database.db->failure = c.databaseError;
    DictionaryRef result;
    try {
      GetExchangeRate(3, c.propString, result);
      ADD_FAILURE() << "no error";
    } catch (const VbError& e) {
      EXPECT_EQ(e.info(), c.expected);
    }
    EXPECT_EQ(result, nullptr);
  }
}

}  // namespace lumo::testing
