#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "collections/vector.h"
#include "platform/error.h"
#include "support/action_test_access.h"
#include "support/dictionary_entries.h"
#include "support/fake_bill_get_data.h"
#include "support/fake_class_info.h"

namespace lumo::testing {
namespace {

const Entries kLine = {{"P_ICItemID", 1001}, {"P_UnitID", 1}};

Entries Join(Entries first, const Entries& second) {
  first.insert(first.end(), second.begin(), second.end());
  return first;
}

}  // namespace

// The request holds the line's values in a fixed order and kinds; without
// an item or a unit no component is made, and the values that would fail
// are not read.
TEST(GetSupplyInfo, BuildsTheRequestFromTheLine) {
  const auto request = [](int32_t supplier, int32_t item, int32_t unit, double qty,
                          int32_t currency, double rate, int32_t priceType, int16_t tranType) {
    return Entries{{"SupplyID", supplier},   {"ItemID", item},         {"UnitID", unit},
                   {"AuxQty", qty},          {"CurrencyID", currency}, {"ExChangeRate", rate},
                   {"PriceType", priceType}, {"TranType", tranType}};
  };
  const struct {
    const char* name;
    Entries para;
    std::optional<Entries> sent;  // nullopt: no component made
  } cases[] = {
      {"starting values", kLine, request(0, 1001, 1, 0, 1, 1, 1, 0)},
      {"every value given, by leading number where the rule says",
       {{"P_SupplyID", "201"},
        {"P_CurrencyID", "4.5 yen"},
        {"P_ExChangeRate", "0.05x"},
        {"P_PriceType", "2"},
        {"P_ICItemID", "1005 bearings"},
        {"P_UnitID", 2.5},
        {"P_AuxQty", " 300.5 pcs"},
        {"P_GetICItemPOPrice", 0}},
       request(201, 1005, 2, 300.5, 4, 0.05, 2, 5)},
      {"zero currency and rate, blank switches",
       Join(kLine, {{"P_CurrencyID", 0},
                    {"P_ExChangeRate", "x"},
                    {"P_PriceType", ""},
                    {"P_GetICItemPOPrice", ""}}),
       request(0, 1001, 1, 0, 1, 1, 1, 0)},
      {"ordinary invoice forces price type 1",
       Join(kLine, {{"P_PriceType", 2}, {"P_InvStyle", "12510"}, {"P_GetICItemPOPrice", "7"}}),
       request(0, 1001, 1, 0, 1, 1, 1, 5)},
      {"value-added-tax invoice forces price type 2",
       Join(kLine, {{"P_PriceType", 1}, {"P_InvStyle", 12511.4}}),
       request(0, 1001, 1, 0, 1, 1, 2, 0)},
      {"no item", {{"P_UnitID", 1}, {"P_GetICItemPOPrice", "x"}}, std::nullopt},
      {"no unit", {{"P_ICItemID", 1001}, {"P_GetICItemPOPrice", "x"}}, std::nullopt},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    FakeBillGetData getData;
    DictionaryRef result;
    EXPECT_EQ(ActionTestAccess::Call("TevSer_GetSupplyInfo", ParaOf(c.para), result), 0);
    EXPECT_EQ(getData.answers->created, c.sent ? 1 : 0);
    std::vector<FakeBillGetData::Request> sent;
    if (c.sent) sent.push_back({"DB=demo", *c.sent});
    EXPECT_EQ(getData.answers->requests, sent);
    EXPECT_EQ(result, nullptr);  // the fake answers Nothing
  }
}

// The component answers "Discount", "AuxPrice" and "CESS" (-1: none found).
// A discount written before the price failed stays written; errors leave
// with "GetSupplyInfo:" before their source.
TEST(GetSupplyInfo, WritesTheDiscountAndThePriceUnderTheTaxInclusionKey) {
  const std::string me = "GetSupplyInfo:";
  const auto supply = [](Variant discount, Variant auxPrice, Variant cess = 13) -> Variant {
    auto info = NewDictionary();
    info->SetValue("Discount", std::move(discount));
    info->SetValue("AuxPrice", std::move(auxPrice));
    info->SetValue("CESS", std::move(cess));
    return info;
  };
  const ErrorInfo mismatch{13, me, "Type mismatch", "", 0};
  const Entries both = {{"P_CalDiscount", 1}, {"P_CalTax", 1}};
  const struct {
    const char* name;
    Variant answer;
    Entries para;
    std::optional<Variant> profile;  // FValue of "POOrderTaxInPrice"; nullopt: not asked
    std::optional<Entries> written;  // nullopt: dctReturn stays Nothing
    std::optional<ErrorInfo> error;
  } cases[] = {
      {"tax taken out of a tax-inclusive price",
       supply(10, 113),
       Join(both, {{"P_POOrderTaxInPrice", 1}}),
       {},
       Entries{{"P_Discount", 10}, {"P_TaxPrice", 90.0}},
       {}},
      {"prices without tax",
       supply(10, 113),
       Join(both, {{"P_POOrderTaxInPrice", "0"}}),
       {},
       Entries{{"P_Discount", 10}, {"P_Price", 101.7}},
       {}},
      {"tax-inclusive from the profile, tax kept",
       supply(10, 113),
       {{"P_CalDiscount", "1 yes"}},
       "1",
       Entries{{"P_Discount", 10}, {"P_TaxPrice", 101.7}},
       {}},
      {"a blank flag asks the profile; 1.5 rounds to 2",
       supply(10, 113),
       {{"P_POOrderTaxInPrice", "  "}},
       "1.5",
       Entries{{"P_Discount", 10}, {"P_Price", 113.0}},
       {}},
      {"only a discount", supply(5, -1), both, {}, Entries{{"P_Discount", 5}}, {}},
      {"only a price; -1 as text",
       supply("-1", 20.5),
       {{"P_POOrderTaxInPrice", 0}},
       {},
       Entries{{"P_Price", 20.5}},
       {}},
      {"a discount below 0 does not reduce, and is written as returned",
       supply("-5", 113),
       Join(both, {{"P_POOrderTaxInPrice", 0}}),
       {},
       Entries{{"P_Discount", "-5"}, {"P_Price", 113.0}},
       {}},
      {"neither", supply(-1, -1.0), both, {}, {}, {}},
      {"Nothing", Variant::Nothing(), both, {}, {}, {}},
      {"empty supplier id", supply(10, 113), {{"P_SupplyID", ""}}, {}, {}, mismatch},
      {"text price type", supply(10, 113), {{"P_PriceType", "x"}}, {}, {}, mismatch},
      {"an answer that is no Dictionary", NewVector(), {}, {}, {}, mismatch},
      {"a text price fails before anything is written", supply(10, "abc"), {}, {}, {}, mismatch},
      {"a NULL price",
       supply(10, Variant::Null()),
       {},
       {},
       Entries{{"P_Discount", 10}},
       ErrorInfo{94, me, "Invalid use of Null", "", 0}},
      {"an empty profile value", supply(10, 113), {}, "", Entries{{"P_Discount", 10}}, mismatch},
      {"tax of -100 %",
       supply(10, 113, -100),
       Join(both, {{"P_POOrderTaxInPrice", 1}}),
       {},
       Entries{{"P_Discount", 10}},
       ErrorInfo{11, me, "Division by zero", "", 0}},
  };
  const std::string taxInPrice =
      "SELECT FKey,FValue FROM t_SystemProfile WHERE FCategory='IC' AND FKey='POOrderTaxInPrice'";
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    FakeBillGetData getData;
    getData.answers->answer = c.answer;
    FakeClassInfo database;
    if (c.profile) database.db->queue.push_back({{"FKey", "FValue"}, {{"x", *c.profile}}});
    DictionaryRef result;
    try {
      EXPECT_EQ(ActionTestAccess::Call("TevSer_GetSupplyInfo", ParaOf(Join(kLine, c.para)), result),
                0);
      EXPECT_FALSE(c.error);
    } catch (const VbError& e) {
      EXPECT_EQ(std::optional(e.info()), c.error);
    }
    ExpectWritten(result, c.written);
    EXPECT_EQ(database.db->calls, (c.profile ? Calls{{"DB=demo", taxInPrice}} : Calls{}));
  }
}

}  // namespace lumo::testing
