#include "core/query.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "support/fake_class_info.h"

namespace lumo {
namespace {

using ::testing::ElementsAre;
using testing::FakeClassInfo;

TEST(Query, NullToDefaultReplacesOnlyTheDatabaseNull) {
  EXPECT_EQ(NullToDefault(Variant::Null(), "x"), Variant("x"));
  EXPECT_EQ(NullToDefault(Variant(), "x"), Variant());
  EXPECT_EQ(NullToDefault(int32_t{0}, "x"), Variant(int32_t{0}));
}

TEST(Query, GetRecordsetOfABlankTextMakesNoCall) {
  FakeClassInfo database;
  EXPECT_EQ(GetRecordset("DB=demo", "   "), nullptr);
  EXPECT_TRUE(database.calls().empty());
}

TEST(Query, GetSystemProfileReadsFValueOrEmpty) {
  FakeClassInfo database;
  database.AnswerNext({{"FKey", "FValue"}, {{"POOrderTaxInPrice", "1"}}});
  database.AnswerNext({{"FKey", "FValue"}, {{"PurTaxRateOption", Variant::Null()}}});
  database.AnswerNext({{"FKey", "FValue"}, {}});
  EXPECT_EQ(GetSystemProfile("DB=demo", "IC", "POOrderTaxInPrice"), "1");
  EXPECT_EQ(GetSystemProfile("DB=demo", "IC", "PurTaxRateOption"), "");
  EXPECT_EQ(GetSystemProfile("DB=demo", "IC", "Missing"), "");
  EXPECT_EQ(database.calls().front().propString, "DB=demo");
  EXPECT_EQ(database.sqls().front(),
            "SELECT FKey,FValue FROM t_SystemProfile WHERE FCategory='IC' AND "
            "FKey='POOrderTaxInPrice'");
}

TEST(Query, GetSystemProfileDoublesQuotesSoTheStatementCannotChange) {
  FakeClassInfo database;
  GetSystemProfile("DB=demo", "I'C", "x' OR '1'='1");
  EXPECT_THAT(database.sqls(),
              ElementsAre("SELECT FKey,FValue FROM t_SystemProfile WHERE FCategory='I''C' AND "
                          "FKey='x'' OR ''1''=''1'"));
}

}  // namespace
}  // namespace lumo
