#include <gtest/gtest.h>

#include "collections/vector.h"
#include "platform/error.h"
#include "support/action_test_access.h"
#include "support/dictionary_entries.h"
#include "support/fake_bill_get_data.h"
#include "support/fake_class_info.h"

namespace lumo::testing {

// The request holds the line's values in a fixed order and kinds; without
// an item or a unit no component is made, and the values that would fail
// are not read.
TEST(GetSupplyInfo, BuildsTheRequestFromTheLine) {
  const auto line = [](std::vector<Variant> values) {  // Nothing: absent
    return Zip({"P_SupplyID", "P_CurrencyID", "P_ExChangeRate", "P_PriceType", "P_InvStyle",
                "P_ICItemID", "P_UnitID", "P_AuxQty", "P_GetICItemPOPrice"},
               values);
  };
  const auto request = [](int32_t supplier, int32_t item, int32_t unit, double qty,
                          int32_t currency, double rate, int32_t priceType, int16_t tranType) {
    return std::optional(Zip({"SupplyID", "ItemID", "UnitID", "AuxQty", "CurrencyID",
                              "ExChangeRate", "PriceType", "TranType"},
                             {supplier, item, unit, qty, currency, rate, priceType, tranType}));
  };
  const Variant _ = Variant::Nothing();
  const struct {
    const char* name;
    Entries para;
    std::optional<Entries> sent;  // nullopt: no component made
  } cases[] = {
      {"starting values", line({_, _, _, _, _, 1001, 1}), request(0, 1001, 1, 0, 1, 1, 1, 0)},
      {"every value given, by leading number where the rule says",
       line({"201", "4.5 yen", "0.05x", "2", _, "1005 bearings", 2.5, " 300.5 pcs", 0}),
       request(201, 1005, 2, 300.5, 4, 0.05, 2, 5)},
      {"zero currency and rate, blank switches", line({_, 0, "x", "", _, 1001, 1, _, ""}),
       request(0, 1001, 1, 0, 1, 1, 1, 0)},
      {"ordinary invoice forces price type 1", line({_, _, _, 2, "12510", 1001, 1, _, "7"}),
       request(0, 1001, 1, 0, 1, 1, 1, 5)},
      {"value-added-tax invoice forces price type 2", line({_, _, _, 1, 12511.4, 1001, 1}),
       request(0, 1001, 1, 0, 1, 1, 2, 0)},
      {"no item", line({_, _, _, _, _, _, 1, _, "x"}), std::nullopt},
      {"no unit", line({_, _, _, _, _, 1001, _, _, "x"}), std::nullopt},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    FakeBillGetData getData;
    DictionaryRef result;
    EXPECT_EQ(ActionTestAccess::Raised("TevSer_GetSupplyInfo", ParaOf(c.para), result),
              std::nullopt);
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
  const auto supply = [](Variant discount, Variant auxPrice, Variant cess = 13) -> Variant {
    return Dict({{"Discount", discount}, {"AuxPrice", auxPrice}, {"CESS", cess}});
  };
  const auto fail = [](int32_t number, const char* description) {
    return std::optional(ErrorInfo{number, "GetSupplyInfo:", description, "", 0});
  };
  const auto mismatch = fail(13, "Type mismatch");
  const std::string inPrice = "P_POOrderTaxInPrice", D = "P_Discount", P = "P_Price",
                    TP = "P_TaxPrice";
  const Entries both = {{"P_CalDiscount", 1}, {"P_CalTax", 1}};
  const auto flag = [&](Variant taxInPrice) {
    Entries para = both;
    para.emplace_back(inPrice, std::move(taxInPrice));
    return para;
  };
  const auto no = std::nullopt;
  const struct {
    const char* name;
    Variant answer;
    Entries para;
    std::optional<Variant> profile;  // FValue of "POOrderTaxInPrice"; nullopt: not asked
    std::optional<Entries> written;  // nullopt: dctReturn stays Nothing
    std::optional<ErrorInfo> error;
  } cases[] = {
      {"tax taken out of the price", supply(10, 113), flag(1), no, Entries({{D, 10}, {TP, 90.0}}),
       no},
      {"prices without tax", supply(10, 113), flag("0"), no, Entries({{D, 10}, {P, 101.7}}), no},
      {"tax-inclusive from the profile, tax kept", supply(10, 113),
       Entries({{"P_CalDiscount", "1 yes"}}), "1", Entries({{D, 10}, {TP, 101.7}}), no},
      {"a blank flag asks the profile; 1.5 is 2", supply(10, 113), Entries({{inPrice, "  "}}),
       "1.5", Entries({{D, 10}, {P, 113.0}}), no},
      {"only a discount", supply(5, -1), both, no, Entries({{D, 5}}), no},
      {"only a price; -1 as text", supply("-1", 20.5), Entries({{inPrice, 0}}), no,
       Entries({{P, 20.5}}), no},
      {"a discount below 0 does not reduce, written as returned", supply("-5", 113), flag(0), no,
       Entries({{D, "-5"}, {P, 113.0}}), no},
      {"neither", supply(-1, -1.0), both, {}, {}, {}},
      {"Nothing", Variant::Nothing(), both, {}, {}, {}},
      {"empty supplier id", supply(10, 113), {{"P_SupplyID", ""}}, {}, {}, mismatch},
      {"an answer that is no Dictionary", NewVector(), {}, {}, {}, mismatch},
      {"a text price fails before anything is written", supply(10, "abc"), {}, {}, {}, mismatch},
      {"a NULL price", supply(10, Variant::Null()), Entries({}), no, Entries({{D, 10}}),
       fail(94, "Invalid use of Null")},
      {"an empty profile value", supply(10, 113), {}, "", Entries({{D, 10}}), mismatch},
      {"tax of -100 %", supply(10, 113, -100), flag(1), no, Entries({{D, 10}}),
       fail(11, "Division by zero")},
  };
  const std::string taxInPrice =
      "SELECT FKey,FValue FROM t_SystemProfile WHERE FCategory='IC' AND FKey='POOrderTaxInPrice'";
  const Entries line = {{"P_ICItemID", 1001}, {"P_UnitID", 1}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    FakeBillGetData getData;
    getData.answers->answer = c.answer;
    FakeClassInfo database;
    if (c.profile) database.db->queue.push_back({{"FKey", "FValue"}, {{"x", *c.profile}}});
    DictionaryRef result;
    EXPECT_EQ(ActionTestAccess::Raised("TevSer_GetSupplyInfo", ParaOf(line, c.para), result),
              c.error);
    ExpectWritten(result, c.written);
    EXPECT_EQ(database.db->calls, (c.profile ? Calls{{"DB=demo", taxInPrice}} : Calls{}));
  }
}

}  // namespace lumo::testing
