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
namespace {

// t_Currency as the fake system-information component answers it; other
// ids have no row.
void AddCurrencies(FakeSysInfo& sysInfo) {
  const struct {
    int32_t id;
    Variant op, rate;
  } kCurrencies[] = {
      {2, "*", 0.5},
      {3, "/", 8},
      {4, "/", 4},
      {5, "*", 8},
      {6, "*", 0},
      {7, "*", Variant::Null()},
      {8, Variant::Null(), 2},
  };
  for (const auto& c : kCurrencies) {
    sysInfo.answers->items[{"t_Currency", c.id}] = {{"FCurrencyID", "FOperator", "FExchangeRate"},
                                                    {{c.id, c.op, c.rate}}};
  }
}

std::string LookUp(int32_t id) {
  return "GetItemInfo DB=demo t_Currency " + std::to_string(id) + " FCurrencyID";
}

DictionaryRef Para(const Entries& entries) {
  auto para = NewDictionary();
  para->SetValue("PropString", "DB=demo");
  for (const auto& [key, value] : entries) para->SetValue(key, value);
  return para;
}

VbArray Column(int32_t lbound, std::vector<Variant> items) {
  return VbArray(lbound, std::move(items));
}

}  // namespace

// Each case runs twice: with a Nothing dctReturn, which is replaced only
// when a field is written, and with a given one, which is kept and gains
// exactly the written fields.
TEST(CurrencyCal, ConvertsThePresentFieldsOrEndsEarly) {
  const struct {
    const char* name;
    Entries para;
    std::optional<Entries> written;  // nullopt: an early end
    std::vector<int32_t> lookedUp;
  } cases[] = {
      {"* 0.5 with a given rate 2",
       {{"P_CurrencyID", 2}, {"P_OldExchangeRate", 2}, {"P_CalField1", 100}},
       Entries{{"P_CalField1", 400.0}},
       {2}},
      {"/ 8 with a given rate 2",
       {{"P_CurrencyID", 3}, {"P_OldExchangeRate", 2}, {"P_CalField1", 100}},
       Entries{{"P_CalField1", 1600.0}},
       {3}},
      {"a given rate is a multiplier even beside a / old currency",
       {{"P_CurrencyID", 2},
        {"P_OldCurrencyID", 4},
        {"P_OldExchangeRate", "2 per"},
        {"P_CalField1", 100}},
       Entries{{"P_CalField1", 400.0}},
       {2}},
      {"a looked-up / rate divides",
       {{"P_CurrencyID", 2}, {"P_OldCurrencyID", 4}, {"P_CalField1", 100}},
       Entries{{"P_CalField1", 50.0}},
       {2, 4}},
      {"ids by their leading number, halves to even",
       {{"P_CurrencyID", "2.5"}, {"P_OldCurrencyID", "4.5 yen"}, {"P_CalField1", 100}},
       Entries{{"P_CalField1", 50.0}},
       {2, 4}},
      {"the same currency looked up twice comes back unchanged",
       {{"P_CurrencyID", 5}, {"P_OldCurrencyID", 5}, {"P_CalField1", 100}},
       Entries{{"P_CalField1", 100.0}},
       {5, 5}},
      {"the same currency with a given rate",
       {{"P_CurrencyID", 5},
        {"P_OldCurrencyID", 5},
        {"P_OldExchangeRate", 2},
        {"P_CalField1", 100}},
       Entries{{"P_CalField1", 25.0}},
       {5}},
      {"scalars by variant arithmetic",
       {{"P_CurrencyID", 2},
        {"P_OldExchangeRate", 2},
        {"P_CalField1", "1,000.5"},
        {"P_CalField2", Variant::Null()},
        {"P_CalField3", Variant()},
        {"P_CalField4", true}},
       Entries{{"P_CalField1", 4002.0},
               {"P_CalField2", Variant::Null()},
               {"P_CalField3", 0.0},
               {"P_CalField4", -4.0}},
       {2}},
      {"columns from 1 and from 0, elements by their leading number",
       {{"P_CurrencyID", 2},
        {"P_OldExchangeRate", 2},
        {"P_CalField1", Column(1, {100, "12abc", "abc"})},
        {"P_CalField2", Column(0, {100, 10, Variant()})}},
       Entries{{"P_CalField1", Column(0, {Variant(), 400.0, 48.0, 0.0})},
               {"P_CalField2", Column(0, {Variant(), 40.0, 0.0})}},
       {2}},
      {"only fields 3 and 5",
       {{"P_CurrencyID", 2}, {"P_OldExchangeRate", 2}, {"P_CalField5", 2}, {"P_CalField3", 1}},
       Entries{{"P_CalField3", 4.0}, {"P_CalField5", 8.0}},
       {2}},
      {"no new currency", {{"P_OldExchangeRate", 2}, {"P_CalField1", 100}}, std::nullopt, {}},
      {"new currency abc",
       {{"P_CurrencyID", "abc"}, {"P_OldExchangeRate", 2}, {"P_CalField1", 100}},
       std::nullopt,
       {}},
      {"neither old rate nor old currency",
       {{"P_CurrencyID", 2}, {"P_OldExchangeRate", 0}, {"P_CalField1", 100}},
       std::nullopt,
       {}},
      {"no field", {{"P_CurrencyID", 2}, {"P_OldExchangeRate", 2}}, std::nullopt, {}},
      {"new currency without a row",
       {{"P_CurrencyID", 9}, {"P_OldCurrencyID", 4}, {"P_CalField1", 100}},
       std::nullopt,
       {9}},
      {"new currency with rate 0",
       {{"P_CurrencyID", 6}, {"P_OldCurrencyID", 4}, {"P_CalField1", 100}},
       std::nullopt,
       {6}},
      {"old currency without a row",
       {{"P_CurrencyID", 2}, {"P_OldCurrencyID", 9}, {"P_CalField1", 100}},
       std::nullopt,
       {2, 9}},
      {"old currency with rate 0",
       {{"P_CurrencyID", 2}, {"P_OldCurrencyID", 6}, {"P_CalField1", 100}},
       std::nullopt,
       {2, 6}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<std::string> lookUps;
    for (const int32_t id : c.lookedUp) lookUps.push_back(LookUp(id));
    for (const bool given : {false, true}) {
      SCOPED_TRACE(given ? "dctReturn given" : "dctReturn Nothing");
      FakeSysInfo sysInfo;
      AddCurrencies(sysInfo);
      const DictionaryRef kept = given ? NewDictionary() : nullptr;
      if (kept) kept->SetValue("Kept", 1);
      DictionaryRef result = kept;
      EXPECT_EQ(ActionTestAccess::Call("TevSer_CurrencyCal", Para(c.para), result), 0);

      EXPECT_EQ(sysInfo.answers->calls, lookUps);
      EXPECT_EQ(sysInfo.answers->created, static_cast<int>(lookUps.size()));
      if (given) {
        EXPECT_EQ(result, kept);
        Entries expected{{"Kept", 1}};
        if (c.written) expected.insert(expected.end(), c.written->begin(), c.written->end());
        EXPECT_EQ(EntriesOf(*result), expected);
      } else if (c.written) {
        ASSERT_NE(result, nullptr);
        EXPECT_EQ(EntriesOf(*result), *c.written);
      } else {
        EXPECT_EQ(result, nullptr);
      }
    }
  }
}

// Errors leave with the action's name before their source; the fields
// converted before the failing one stay written.
TEST(CurrencyCal, RaisesWithItsNameAndKeepsTheFieldsWrittenBefore) {
  const std::string me = "TevSer_CurrencyCal:";
  const ErrorInfo componentError{5, "BillDataAccess.SysInfo", "no such table", "sys.chm", 7};
  const Entries rate2 = {{"P_CurrencyID", 2}, {"P_OldExchangeRate", 2}};
  const struct {
    const char* name;
    Entries para;
    std::optional<ErrorInfo> componentFailure;
    ErrorInfo expected;
    std::optional<Entries> written;  // nullopt: dctReturn stays Nothing
  } cases[] = {
      {"blank PropString",
       {{"PropString", "  "}, {"P_CurrencyID", 2}, {"P_OldExchangeRate", 2}, {"P_CalField1", 1}},
       {},
       {-1, me + "PropString", "Propstring is empty!", "", 0},
       std::nullopt},
      {"id overflow",
       {{"P_CurrencyID", "3e10"}, {"P_OldExchangeRate", 2}, {"P_CalField1", 1}},
       {},
       {6, me, "Overflow", "", 0},
       std::nullopt},
      {"component error",
       {{"P_CurrencyID", 2}, {"P_OldExchangeRate", 2}, {"P_CalField1", 1}},
       componentError,
       {5, me + "BillDataAccess.SysInfo", "no such table", "sys.chm", 7},
       std::nullopt},
      {"NULL rate",
       {{"P_CurrencyID", 7}, {"P_OldExchangeRate", 2}, {"P_CalField1", 1}},
       {},
       {94, me, "Invalid use of Null", "", 0},
       std::nullopt},
      {"NULL operator",
       {{"P_OldExchangeRate", 0}, {"P_OldCurrencyID", 8}, {"P_CalField1", 1}},
       {},
       {94, me, "Invalid use of Null", "", 0},
       std::nullopt},
      {"text scalar after a written field",
       {{"P_CalField1", 100}, {"P_CalField2", "abc"}, {"P_CalField3", 1}},
       {},
       {13, me, "Type mismatch", "", 0},
       Entries{{"P_CalField1", 400.0}}},
      {"empty text scalar", {{"P_CalField1", ""}}, {}, {13, me, "Type mismatch", "", 0}, Entries{}},
      {"NULL element after a written field",
       {{"P_CalField1", 100}, {"P_CalField2", Column(1, {1, Variant::Null()})}},
       {},
       {94, me, "Invalid use of Null", "", 0},
       Entries{{"P_CalField1", 400.0}}},
      {"column from 2",
       {{"P_CalField1", Column(2, {1, 2})}},
       {},
       {9, me, "Subscript out of range", "", 0},
       Entries{}},
      {"product overflow", {{"P_CalField1", 1e308}}, {}, {6, me, "Overflow", "", 0}, Entries{}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    FakeSysInfo sysInfo;
    AddCurrencies(sysInfo);
    sysInfo.answers->failure = c.componentFailure;
    Entries para = rate2;
    para.insert(para.end(), c.para.begin(), c.para.end());
    DictionaryRef result;
    try {
      ActionTestAccess::Call("TevSer_CurrencyCal", Para(para), result);
      ADD_FAILURE() << "no error";
    } catch (const VbError& e) {
      EXPECT_EQ(e.info(), c.expected);
    }
    if (c.written) {
      ASSERT_NE(result, nullptr);
      EXPECT_EQ(EntriesOf(*result), *c.written);
    } else {
      EXPECT_EQ(result, nullptr);
    }
  }
}

}  // namespace lumo::testing
