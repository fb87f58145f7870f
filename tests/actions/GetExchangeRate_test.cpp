#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "platform/error.h"
#include "support/action_test_access.h"
#include "support/fake_class_info.h"

namespace lumo {
namespace {

using ::testing::ElementsAre;
using testing::FakeClassInfo;

// dctPara with the entries given; nullopt leaves a key out.
DictionaryRef Para(std::optional<Variant> currencyId,
                   std::optional<Variant> propString = "DB=demo") {
  auto para = NewDictionary();
  if (propString) para->SetValue("PropString", *propString);
  if (currencyId) para->SetValue("P_CurrencyID", *currencyId);
  return para;
}

ActionResult GetExchangeRate(DictionaryRef para, DictionaryRef& result) {
  return ActionTestAccess::Call("TevSer_GetExchangeRate", std::move(para), result);
}

TEST(GetExchangeRate, ReadsTheIdAsItsLeadingNumberRoundedToEven) {
  const struct {
    const char* name;
    std::optional<Variant> id;
    const char* sqlId;  // nullptr: no query
  } cases[] = {
      {"12.5", 12.5, "12"},
      {"13.5", 13.5, "14"},
      {"text", "7 apples", "7"},
      {"-2", int32_t{-2}, "-2"},
      {"absent", std::nullopt, nullptr},
      {"0", int32_t{0}, nullptr},
      {"\"0\"", "0", nullptr},
      {"empty", "", nullptr},
      {"not a number", "abc", nullptr},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    FakeClassInfo database;
    DictionaryRef result;
    EXPECT_EQ(GetExchangeRate(Para(c.id), result), 0);
    if (c.sqlId) {
      EXPECT_THAT(database.sqls(),
                  ElementsAre(std::string("SELECT FOperator,FExchangeRate FROM t_Currency WHERE "
                                          "FCurrencyID=") +
                              c.sqlId));
      EXPECT_EQ(database.calls().front().propString, "DB=demo");
    } else {
      EXPECT_TRUE(database.calls().empty());
    }
    EXPECT_EQ(result, nullptr);
  }
}

TEST(GetExchangeRate, InvertsARateStoredWithSlash) {
  const struct {
    const char* name;
    Variant op;
    Variant rate;
    std::optional<double> written;
  } cases[] = {
      {"slash", "/", 8, 0.125},
      {"star", "*", 8, 8.0},
      {"negative", "/", -4.0, -0.25},
      {"slash and blank", "/ ", 8, 8.0},
      {"NULL operator", Variant::Null(), 8, std::nullopt},
      {"empty operator", "", 8, std::nullopt},
      {"zero rate", "/", 0, std::nullopt},
      {"NULL rate", "/", Variant::Null(), std::nullopt},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    FakeClassInfo database;
    database.AnswerNext({{"FOperator", "FExchangeRate"}, {{c.op, c.rate}}});
    DictionaryRef result;
    EXPECT_EQ(GetExchangeRate(Para(int32_t{3}), result), 0);
    EXPECT_EQ(result ? std::optional(result->Value("P_ExchangeRate")) : std::nullopt,
              c.written ? std::optional(Variant(*c.written)) : std::nullopt);
    EXPECT_FALSE(database.answers().front()->IsOpen());
  }
}

TEST(GetExchangeRate, RaisesWithItsNameBeforeTheErrorsSource) {
  const ErrorInfo noProps{-1, "TevSer_GetExchangeRate:PropString", "Propstring is empty!", "", 0};
  const struct {
    const char* name;
    std::optional<Variant> propString;
    std::optional<ErrorInfo> databaseError;
    ErrorInfo expected;
  } cases[] = {
      {"blank PropString", "  ", std::nullopt, noProps},
      {"absent PropString", std::nullopt, std::nullopt, noProps},
      {"NULL PropString",
       Variant::Null(),
       std::nullopt,
       {94, "TevSer_GetExchangeRate:", "Invalid use of Null", "", 0}},
      {"database error",
       "DB=demo",
       ErrorInfo{-2147217900, "ClassInfo", "bad SQL", "db.chm", 9},
       {-2147217900, "TevSer_GetExchangeRate:ClassInfo", "bad SQL", "db.chm", 9}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    FakeClassInfo database;
    if (c.databaseError) database.Fail(*c.databaseError);
    DictionaryRef result;
    try {
      GetExchangeRate(Para(int32_t{3}, c.propString), result);
      ADD_FAILURE() << "no error";
    } catch (const VbError& e) {
      EXPECT_EQ(e.info(), c.expected);
    }
    EXPECT_EQ(result, nullptr);
  }
}

}  // namespace
}  // namespace lumo
