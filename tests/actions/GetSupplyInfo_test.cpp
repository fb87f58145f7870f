#include <gtest/gtest.h>

#include <cmath>
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
#include "support/vb_testing.h"

namespace lumo::testing {
namespace {

const std::string kTaxInPriceSql =
    "SELECT FKey,FValue FROM t_SystemProfile WHERE FCategory='IC' AND FKey='POOrderTaxInPrice'";

DictionaryRef Para(const Entries& entries) {
  auto para = NewDictionary();
  para->SetValue("PropString", "DB=demo");
  for (const auto& [key, value] : entries) para->SetValue(key, value);
  return para;
}

Entries Join(Entries first, const Entries& second) {
  first.insert(first.end(), second.begin(), second.end());
  return first;
}

// The supplier information the component answers.
Variant Supply(Variant discount, Variant auxPrice, Variant cess = 13) {
  auto info = NewDictionary();
  info->SetValue("Discount", std::move(discount));
  info->SetValue("AuxPrice", std::move(auxPrice));
  info->SetValue("CESS", std::move(cess));
  return info;
}

// Prices are compared up to the rounding of double arithmetic (113 × 0.9 ÷
// 1.13 is 90.00000000000001); every other value and all keys exactly.
void ExpectWritten(const DictionaryRef& result, const std::optional<Entries>& expected) {
  if (!expected) {
    EXPECT_EQ(result, nullptr);
    return;
  }
  ASSERT_NE(result, nullptr);
  const Entries written = EntriesOf(*result);
  ASSERT_EQ(written.size(), expected->size()) << ::testing::PrintToString(written);
  for (size_t i = 0; i < written.size(); ++i) {
    const auto& [key, value] = written[i];
    EXPECT_EQ(key, (*expected)[i].first);
    const Variant& want = (*expected)[i].second;
    if (value.kind() == Variant::Kind::Double && want.kind() == Variant::Kind::Double) {
      EXPECT_NEAR(value.AsDouble(), want.AsDouble(), std::abs(want.AsDouble()) * 1e-12) << key;
    } else {
      EXPECT_EQ(value, want) << key;
    }
  }
}

const Entries kLine = {{"P_ICItemID", 1001}, {"P_UnitID", 1}};

}  // namespace

// The request holds the line's values in a fixed order and kinds; without
// an item or a unit no component is made.
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
       Join(kLine, {{"P_PriceType", 2}, {"P_InvStyle", "12510"}, {"P_GetICItemPOPrice", 1}}),
       request(0, 1001, 1, 0, 1, 1, 1, 0)},
      {"value-added-tax invoice forces price type 2",
       Join(kLine, {{"P_PriceType", 1}, {"P_InvStyle", 12511.4}, {"P_GetICItemPOPrice", "7"}}),
       request(0, 1001, 1, 0, 1, 1, 2, 5)},
      {"another style keeps the price type",
       Join(kLine, {{"P_PriceType", 3}, {"P_InvStyle", 12512}}),
       request(0, 1001, 1, 0, 1, 1, 3, 0)},
      // The early ends come before the values that would fail are read.
      {"no item", {{"P_UnitID", 1}, {"P_GetICItemPOPrice", "x"}}, std::nullopt},
      {"item 0", {{"P_ICItemID", "x"}, {"P_UnitID", 1}}, std::nullopt},
      {"no unit", {{"P_ICItemID", 1001}, {"P_GetICItemPOPrice", "x"}}, std::nullopt},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    FakeBillGetData getData;
    DictionaryRef result;
    EXPECT_EQ(ActionTestAccess::Call("TevSer_GetSupplyInfo", Para(c.para), result), 0);
    EXPECT_EQ(getData.answers->created, c.sent ? 1 : 0);
    std::vector<FakeBillGetData::Request> sent;
    if (c.sent) sent.push_back({"DB=demo", *c.sent});
    EXPECT_EQ(getData.answers->requests, sent);
    EXPECT_EQ(result, nullptr);  // the fake answers Nothing
  }
}

TEST(GetSupplyInfo, WritesTheDiscountAndThePriceUnderTheTaxInclusionKey) {
  const Entries both = {{"P_CalDiscount", 1}, {"P_CalTax", 1}};
  const struct {
    const char* name;
    Variant answer;
    Entries para;
    std::optional<Variant> profile;  // FValue of "POOrderTaxInPrice"; nullopt: not asked
    std::optional<Entries> written;  // nullopt: dctReturn stays Nothing
  } cases[] = {
      {"tax taken out of a tax-inclusive price", Supply(10, 113),
       Join(both, {{"P_POOrderTaxInPrice", 1}}), std::nullopt,
       Entries{{"P_Discount", 10}, {"P_TaxPrice", 90.0}}},
      {"prices without tax", Supply(10, 113), Join(both, {{"P_POOrderTaxInPrice", "0"}}),
       std::nullopt, Entries{{"P_Discount", 10}, {"P_Price", 101.7}}},
      {"tax-inclusive from the profile, tax kept",
       Supply(10, 113),
       {{"P_CalDiscount", "1 yes"}},
       "1",
       Entries{{"P_Discount", 10}, {"P_TaxPrice", 101.7}}},
      {"a blank flag asks the profile", Supply(10, 113),
       Join(both, {{"P_POOrderTaxInPrice", "  "}}), "0",
       Entries{{"P_Discount", 10}, {"P_Price", 101.7}}},
      {"flag 1.5 rounds to 2: not tax-inclusive",
       Supply(10, 113),
       {{"P_POOrderTaxInPrice", "1.5"}},
       std::nullopt,
       Entries{{"P_Discount", 10}, {"P_Price", 113.0}}},
      {"only a discount", Supply(5, -1), both, std::nullopt, Entries{{"P_Discount", 5}}},
      {"only a price, discount -1 as text", Supply("-1", 20.5),
       Join(both, {{"P_POOrderTaxInPrice", 0}}), std::nullopt, Entries{{"P_Price", 20.5}}},
      {"a discount of 0 or below does not reduce", Supply(-5, 113),
       Join(both, {{"P_POOrderTaxInPrice", 0}}), std::nullopt,
       Entries{{"P_Discount", -5}, {"P_Price", 113.0}}},
      {"the discount is written as returned", Supply("10", "113"),
       Join(both, {{"P_POOrderTaxInPrice", 0}}), std::nullopt,
       Entries{{"P_Discount", "10"}, {"P_Price", 101.7}}},
      {"neither", Supply(-1, -1.0), both, std::nullopt, std::nullopt},
      {"Nothing", Variant::Nothing(), both, std::nullopt, std::nullopt},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    FakeBillGetData getData;
    getData.answers->answer = c.answer;
    FakeClassInfo database;
    if (c.profile) database.db->queue.push_back({{"FKey", "FValue"}, {{"x", *c.profile}}});
    DictionaryRef result;
    EXPECT_EQ(ActionTestAccess::Call("TevSer_GetSupplyInfo", Para(Join(kLine, c.para)), result), 0);
    ExpectWritten(result, c.written);
    EXPECT_EQ(database.db->calls, (c.profile ? Calls{{"DB=demo", kTaxInPriceSql}} : Calls{}));
  }
}

// Errors leave with "GetSupplyInfo:" before their source; a discount
// written before the price failed stays written.
TEST(GetSupplyInfo, RaisesWithItsNameAndKeepsTheDiscountWrittenBefore) {
  const std::string me = "GetSupplyInfo:";
  const Entries taxIn = {{"P_POOrderTaxInPrice", 1}, {"P_CalTax", 1}};
  const struct {
    const char* name;
    Variant answer;
    Entries para;
    std::optional<Variant> profile;
    ErrorInfo expected;
    std::optional<Entries> written;
  } cases[] = {
      {"text supplier id",
       Supply(10, 113),
       {{"P_SupplyID", "abc"}},
       {},
       {13, me, "Type mismatch", "", 0},
       std::nullopt},
      {"empty supplier id",
       Supply(10, 113),
       {{"P_SupplyID", ""}},
       {},
       {13, me, "Type mismatch", "", 0},
       std::nullopt},
      {"text price type",
       Supply(10, 113),
       {{"P_PriceType", "x"}},
       {},
       {13, me, "Type mismatch", "", 0},
       std::nullopt},
      {"text purchase-price switch",
       Supply(10, 113),
       {{"P_GetICItemPOPrice", "yes"}},
       {},
       {13, me, "Type mismatch", "", 0},
       std::nullopt},
      {"an answer that is no object", 5, {}, {}, {13, me, "Type mismatch", "", 0}, std::nullopt},
      {"an answer that is no Dictionary",
       NewVector(),
       {},
       {},
       {13, me, "Type mismatch", "", 0},
       std::nullopt},
      {"a text price", Supply(10, "abc"), {}, {}, {13, me, "Type mismatch", "", 0}, std::nullopt},
      {"a NULL price",
       Supply(10, Variant::Null()),
       {},
       {},
       {94, me, "Invalid use of Null", "", 0},
       Entries{{"P_Discount", 10}}},
      {"an empty profile value",
       Supply(10, 113),
       {},
       "",
       {13, me, "Type mismatch", "", 0},
       Entries{{"P_Discount", 10}}},
      {"a text profile value",
       Supply(10, 113),
       {},
       "yes",
       {13, me, "Type mismatch", "", 0},
       Entries{{"P_Discount", 10}}},
      {"tax of -100 %",
       Supply(10, 113, -100),
       taxIn,
       {},
       {11, me, "Division by zero", "", 0},
       Entries{{"P_Discount", 10}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    FakeBillGetData getData;
    getData.answers->answer = c.answer;
    FakeClassInfo database;
    if (c.profile) database.db->queue.push_back({{"FKey", "FValue"}, {{"x", *c.profile}}});
    DictionaryRef result;
    try {
      ActionTestAccess::Call("TevSer_GetSupplyInfo", Para(Join(kLine, c.para)), result);
      ADD_FAILURE() << "no error";
    } catch (const VbError& e) {
      EXPECT_EQ(e.info(), c.expected);
    }
    ExpectWritten(result, c.written);
  }
}

// The component's own failures, and a component that cannot be made.
TEST(GetSupplyInfo, RaisesTheComponentsErrors) {
  const std::string me = "GetSupplyInfo:";
  DictionaryRef result;
  {
    FakeBillGetData getData;
    getData.answers->failure = ErrorInfo{5, "BillDataAccess.GetData", "no price list", "x.chm", 3};
    EXPECT_VB_ERROR_INFO(ActionTestAccess::Call("TevSer_GetSupplyInfo", Para(kLine), result), 5,
                         me + "BillDataAccess.GetData", "no price list");
  }
  {
    ScopedRegistration nothingMade(kBillGetDataProgId, [] { return nullptr; });
    EXPECT_VB_ERROR_INFO(ActionTestAccess::Call("TevSer_GetSupplyInfo", Para(kLine), result), 429,
                         me + "BillDataAccess.GetData",
                         "ActiveX component can't create object: \"BillDataAccess.GetData\"");
  }
  EXPECT_EQ(result, nullptr);
}

}  // namespace lumo::testing
