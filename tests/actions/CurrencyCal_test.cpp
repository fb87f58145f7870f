#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/error.h"
#include "support/action_test_access.h"
#include "support/dictionary_entries.h"
#include "support/fake_sys_info.h"

namespace lumo::testing {

// t_Currency as the fake component answers it (other ids have no row):
// 2 "*" 0.5, 3 "/" 8, 4 "/" 4, 5 "*" 0, 6 a NULL rate. Each case runs with
// a Nothing dctReturn; the fields converted before a failing one stay
// written, and the error leaves with the action's name before its source.
TEST(CurrencyCal, ConvertsThePresentFieldsLookingUpOnlyTheMissingRates) {
  const std::string me = "TevSer_CurrencyCal:";
  const auto column = [](int32_t lbound, std::vector<Variant> items) {
    return VbArray(lbound, std::move(items));
  };
  const Entries given2 = {{"P_CurrencyID", 2}, {"P_OldExchangeRate", 2}};
  const struct {
    const char* name;
    Entries para;
    std::vector<int32_t> lookedUp;
    std::optional<Entries> written;  // nullopt: dctReturn stays Nothing
    std::optional<ErrorInfo> error;
  } cases[] = {
      {"* 0.5, given rate 2", {{"P_CalField1", 100}}, {2}, Entries{{"P_CalField1", 400.0}}, {}},
      {"/ 8, given rate 2",
       {{"P_CurrencyID", 3}, {"P_CalField1", 100}},
       {3},
       Entries{{"P_CalField1", 1600.0}},
       {}},
      {"a given rate is used even beside a / old currency",
       {{"P_OldCurrencyID", 4}, {"P_OldExchangeRate", "2 per"}, {"P_CalField1", 100}},
       {2},
       Entries{{"P_CalField1", 400.0}},
       {}},
      {"a looked-up / rate divides; ids by leading number, halves to even",
       {{"P_CurrencyID", "2.5"},
        {"P_OldCurrencyID", "4.5 x"},
        {"P_OldExchangeRate", 0},
        {"P_CalField1", 100}},
       {2, 4},
       Entries{{"P_CalField1", 50.0}},
       {}},
      {"scalars by variant arithmetic, only the fields given",
       {{"P_CalField2", "1,000.5"}, {"P_CalField3", Variant::Null()}, {"P_CalField5", Variant()}},
       {2},
       Entries{{"P_CalField2", 4002.0}, {"P_CalField3", Variant::Null()}, {"P_CalField5", 0.0}},
       {}},
      {"columns from 1 and from 0, elements by leading number",
       {{"P_CalField1", column(1, {100, "12abc", "abc"})},
        {"P_CalField2", column(0, {100, 10, Variant()})}},
       {2},
       Entries{{"P_CalField1", column(0, {Variant(), 400.0, 48.0, 0.0})},
               {"P_CalField2", column(0, {Variant(), 40.0, 0.0})}},
       {}},
      {"no new currency", {{"P_CurrencyID", "abc"}, {"P_CalField1", 1}}, {}, {}, {}},
      {"neither old rate nor old currency",
       {{"P_OldExchangeRate", 0}, {"P_CalField1", 1}},
       {},
       {},
       {}},
      {"no field", {}, {}, {}, {}},
      {"new currency without a row", {{"P_CurrencyID", 9}, {"P_CalField1", 1}}, {9}, {}, {}},
      {"old currency with rate 0",
       {{"P_OldCurrencyID", 5}, {"P_OldExchangeRate", 0}, {"P_CalField1", 1}},
       {2, 5},
       {},
       {}},
      {"blank PropString",
       {{"PropString", "  "}, {"P_CalField1", 1}},
       {},
       {},
       ErrorInfo{-1, me + "PropString", "Propstring is empty!", "", 0}},
      {"NULL rate",
       {{"P_CurrencyID", 6}, {"P_CalField1", 1}},
       {6},
       {},
       ErrorInfo{94, me, "Invalid use of Null", "", 0}},
      {"text scalar after a written field",
       {{"P_CalField1", 100}, {"P_CalField2", "abc"}, {"P_CalField3", 1}},
       {2},
       Entries{{"P_CalField1", 400.0}},
       ErrorInfo{13, me, "Type mismatch", "", 0}},
      {"NULL element after a written field",
       {{"P_CalField1", 100}, {"P_CalField2", column(1, {1, Variant::Null()})}},
       {2},
       Entries{{"P_CalField1", 400.0}},
       ErrorInfo{94, me, "Invalid use of Null", "", 0}},
      {"column from 2",
       {{"P_CalField1", column(2, {1, 2})}},
       {2},
       Entries{},
       ErrorInfo{9, me, "Subscript out of range", "", 0}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    FakeSysInfo sysInfo;
    const struct {
      int32_t id;
      Variant op, rate;
    } kCurrencies[] = {
        {2, "*", 0.5}, {3, "/", 8}, {4, "/", 4}, {5, "*", 0}, {6, "*", Variant::Null()}};
    for (const auto& r : kCurrencies) {
      sysInfo.answers->items[{"t_Currency", r.id}] = {{"FCurrencyID", "FOperator", "FExchangeRate"},
                                                      {{r.id, r.op, r.rate}}};
    }
    Entries para = given2;
    para.insert(para.end(), c.para.begin(), c.para.end());
    DictionaryRef result;
    try {
      EXPECT_EQ(ActionTestAccess::Call("TevSer_CurrencyCal", ParaOf(para), result), 0);
      EXPECT_FALSE(c.error);
    } catch (const VbError& e) {
      EXPECT_EQ(std::optional(e.info()), c.error);
    }
    ExpectWritten(result, c.written);
    std::vector<std::string> lookUps;
    for (const int32_t id : c.lookedUp) {
      lookUps.push_back("GetItemInfo DB=demo t_Currency " + std::to_string(id) + " FCurrencyID");
    }
    EXPECT_EQ(sysInfo.answers->calls, lookUps);
    EXPECT_EQ(sysInfo.answers->created, static_cast<int>(lookUps.size()));
  }
}

}  // namespace lumo::testing
