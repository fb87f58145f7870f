#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "support/action_test_access.h"
#include "support/dictionary_entries.h"
#include "support/fake_class_info.h"
#include "support/fake_viewers.h"
#include "support/vb_testing.h"

namespace lumo::testing {
namespace {

// The record picked: item 1401 in unit 2 with the record's discount 3.
RecordsetRef Picked(Variant price, Variant currency, Variant supplier) {
  return MakeRecordset({{"FPrice", "FCyID", "FSupID", "FItemID", "FUnitID", "FDiscount"},
                        {{price, currency, supplier, 1401, 2, 3}}});
}

std::string CurrencySql(int id) {
  return "SELECT FOperator,FExchangeRate FROM t_Currency WHERE FCurrencyID=" + std::to_string(id);
}
const std::string kProfileSql =
    "SELECT FKey,FValue FROM t_SystemProfile WHERE FCategory='IC' AND FKey='POOrderTaxInPrice'";
std::string SupplierSql(int id) {
  return "Select FValueAddRate,FDiscount from T_Supplier where FItemID=" + std::to_string(id);
}

Table Currency(Variant op, Variant rate) {
  return {{"FOperator", "FExchangeRate"}, {{op, rate}}};
}
Table Supplier(Variant rate, Variant discount) {
  return {{"FValueAddRate", "FDiscount"}, {{rate, discount}}};
}

// The values every chosen record returns, after the supplier and currency.
Entries Choice(const char* priceKey, double price) {
  return {{"P_FItemID", 1401}, {"P_FUnitID", 2}, {priceKey, price}, {"P_FDiscount", 3}};
}
Entries With(Entries first, const Entries& rest) {
  first.insert(first.end(), rest.begin(), rest.end());
  return first;
}

}  // namespace

TEST(PriceQueryPO, PresetsTheViewerInOrderAndReturnsNothingWhenNoneIsPicked) {
  const std::vector<std::string> tail = {"Show 1", "ReturnRecordSet"};
  const struct {
    const char* name;
    Entries para;
    std::vector<std::string> calls;  // before Show
  } cases[] = {
      {"no keys", {}, {"CallByBill True", "CategoryBySupply True", "PriceType 1"}},
      {"supplier and item",
       {{"P_CallByBill", false}, {"P_SupID", "241"}, {"P_ICItemID", 1401}, {"P_PriceType", 2}},
       {"CallByBill False", "SelSupID 241", "SelICItemID 1401", "CategoryBySupply False",
        "PriceType 2"}},
      {"zero supplier, negative item",
       {{"P_SupID", 0}, {"P_ICItemID", -3}},
       {"CallByBill True", "CategoryBySupply False", "PriceType 1"}},
      {"ordinary invoice",
       {{"P_PriceType", 2}, {"P_InvStyle", 12510}},
       {"CallByBill True", "CategoryBySupply True", "PriceType 1"}},
      {"value-added-tax invoice",
       {{"P_PriceType", 1}, {"P_InvStyle", "12511"}},
       {"CallByBill True", "CategoryBySupply True", "PriceType 2"}},
      {"another invoice",
       {{"P_PriceType", "3 x"}, {"P_InvStyle", 12512}},
       {"CallByBill True", "CategoryBySupply True", "PriceType 3"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    FakeSupplyFace face;
    FakeClassInfo database;
    DictionaryRef result;
    EXPECT_EQ(ActionTestAccess::Call("TevSer_PriceQueryPO", ParaOf(c.para), result), 0);
    std::vector<std::string> calls = {"new"};
    calls.insert(calls.end(), c.calls.begin(), c.calls.end());
    calls.insert(calls.end(), tail.begin(), tail.end());
    EXPECT_EQ(face.viewer->calls, calls);
    EXPECT_EQ(result, nullptr);
    EXPECT_TRUE(database.db->calls.empty());
  }
}

// A bill without a currency gets the price in the base currency; one with
// a currency gets the record's own price and, where the supplier rule lets
// it, the record's currency. Tax and discount are the chosen supplier's.
TEST(PriceQueryPO, ReturnsThePickedPriceBySupplierCurrencyTaxAndDiscount) {
  const Entries item = {{"P_ICItemID", 1401}, {"P_CurrencyID", "1"}};
  const struct {
    const char* name;
    Entries para;
    RecordsetRef picked;
    std::vector<Table> answers;
    std::vector<std::string> sql;
    Entries written;
  } cases[] = {
      {"no item, no currency: supplier 0 returned, price times the rate",
       {{"P_POOrderTaxInPrice", "0"}},
       Picked(100, 4, 0),
       {Currency("*", 7.1)},
       {CurrencySql(4)},
       With({{"P_FSupID", 0}}, Choice("P_FPrice", 710))},
      {"divided by a '/' rate",
       {{"P_POOrderTaxInPrice", "0"}},
       Picked(100, 5, 241),
       {Currency("/", 20)},
       {CurrencySql(5)},
       With({{"P_FSupID", 241}}, Choice("P_FPrice", 5))},
      {"NULL currency is 0, NULL rate is 1",
       {{"P_POOrderTaxInPrice", "0"}},
       Picked(100, Variant::Null(), 241),
       {Currency("*", Variant::Null())},
       {CurrencySql(0)},
       With({{"P_FSupID", 241}}, Choice("P_FPrice", 100))},
      {"another operator leaves the price",
       {{"P_POOrderTaxInPrice", "0"}},
       Picked(100, 4, 241),
       {Currency("", 7.1)},
       {CurrencySql(4)},
       With({{"P_FSupID", 241}}, Choice("P_FPrice", 100))},
      {"item and supplier given: neither supplier nor same currency returned",
       With(item, {{"P_SupID", 241}, {"P_POOrderTaxInPrice", "0"}}),
       Picked(100, 1, 242),
       {},
       {},
       Choice("P_FPrice", 100)},
      {"item without supplier: the picked one returned",
       With(item, {{"P_POOrderTaxInPrice", "0"}}),
       Picked(100, 1, 242),
       {},
       {},
       With({{"P_FSupID", 242}}, Choice("P_FPrice", 100))},
      {"item without supplier, none picked",
       With(item, {{"P_POOrderTaxInPrice", "0"}}),
       Picked(100, 1, Variant::Null()),
       {},
       {},
       Choice("P_FPrice", 100)},
      {"another currency picked without a supplier given",
       With(item, {{"P_POOrderTaxInPrice", "0"}}),
       Picked(100, 4, 242),
       {},
       {},
       With({{"P_FSupID", 242}, {"P_FCurrencyID", 4}}, Choice("P_FPrice", 100))},
      {"another currency of another supplier is not returned",
       With(item, {{"P_SupID", 241}, {"P_POOrderTaxInPrice", "0"}}),
       Picked(100, 4, 242),
       {},
       {},
       Choice("P_FPrice", 100)},
      {"another currency of the bill's supplier",
       With(item, {{"P_SupID", 242}, {"P_POOrderTaxInPrice", "0"}}),
       Picked(100, 4, 242),
       {},
       {},
       With({{"P_FCurrencyID", 4}}, Choice("P_FPrice", 100))},
      {"NULL currency compares as 1",
       {{"P_CurrencyID", "4.0"}, {"P_POOrderTaxInPrice", "0"}},
       Picked(100, Variant::Null(), 0),
       {},
       {},
       With({{"P_FSupID", 0}, {"P_FCurrencyID", 1}}, Choice("P_FPrice", 100))},
      {"tax out of a tax-inclusive price",
       With(item, {{"P_SupID", 241}, {"P_CalSupTax", 1}, {"P_POOrderTaxInPrice", 1}}),
       Picked(117, 1, 241),
       {Supplier(17, 5)},
       {SupplierSql(241)},
       Choice("P_FTaxPrice", 100)},
      {"tax asked of prices without tax: no supplier read",
       With(item, {{"P_SupID", 241}, {"P_CalSupTax", "1"}, {"P_POOrderTaxInPrice", 0}}),
       Picked(117, 1, 241),
       {},
       {},
       Choice("P_FPrice", 117)},
      {"the supplier's discount, the record's returned",
       With(item, {{"P_SupID", 241}, {"P_CalDiscount", 1}, {"P_POOrderTaxInPrice", 0}}),
       Picked(117, 1, 241),
       {Supplier(17, 5)},
       {SupplierSql(241)},
       Choice("P_FPrice", 111.15)},
      {"tax then discount; the flag from the profile",
       With(item, {{"P_SupID", 241}, {"P_CalSupTax", 1}, {"P_CalDiscount", 1}}),
       Picked(117, 1, 241),
       {{{"FKey", "FValue"}, {{"POOrderTaxInPrice", "1"}}}, Supplier(17, 5)},
       {kProfileSql, SupplierSql(241)},
       Choice("P_FTaxPrice", 95)},
      {"a supplier without a row; a blank flag asks the profile",
       With(item, {{"P_SupID", 241}, {"P_CalDiscount", 1}, {"P_POOrderTaxInPrice", " "}}),
       Picked(117, 1, 241),
       {{{"FKey", "FValue"}, {{"POOrderTaxInPrice", "0"}}}, {{"FValueAddRate", "FDiscount"}, {}}},
       {kProfileSql, SupplierSql(241)},
       Choice("P_FPrice", 117)},
      {"discount asked, no supplier picked",
       With(item, {{"P_CalDiscount", 1}, {"P_POOrderTaxInPrice", 0}}),
       Picked(117, 1, 0),
       {},
       {},
       Choice("P_FPrice", 117)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    FakeSupplyFace face;
    face.viewer->picked = c.picked;
    FakeClassInfo database;
    database.db->queue.assign(c.answers.begin(), c.answers.end());
    DictionaryRef result;
    EXPECT_EQ(ActionTestAccess::Call("TevSer_PriceQueryPO", ParaOf(c.para), result), 0);
    ExpectWritten(result, c.written);
    std::vector<std::string> sql;
    for (const auto& [props, text] : database.db->calls) sql.push_back(text);
    EXPECT_EQ(sql, c.sql);
  }
}

// Errors leave with "PriceQueryPO:" before their source; what was written
// before stays.
TEST(PriceQueryPO, ErrorsLeaveWithTheHandlersNameAndKeepWhatWasWritten) {
  const struct {
    const char* name;
    Entries para;
    RecordsetRef picked;
    std::vector<Table> answers;
    const char* failOn;
    struct {
      int32_t number;
      std::string source, description;
    } error;
    std::optional<Entries> written;
  } cases[] = {
      {"a currency without a row",
       {},
       Picked(100, 9, 0),
       {{{"FOperator", "FExchangeRate"}, {}}},
       "",
       {3021, "PriceQueryPO:Recordset", StandardDescription(3021)},
       {}},
      {"a NULL price",
       {{"P_CurrencyID", 1}},
       Picked(Variant::Null(), 1, 0),
       {},
       "",
       {94, "PriceQueryPO:", "Invalid use of Null"},
       {}},
      {"no tax flag in the profile",
       {{"P_CurrencyID", 1}},
       Picked(100, 1, 0),
       {{{"FKey", "FValue"}, {}}},
       "",
       {13, "PriceQueryPO:", "Type mismatch"},
       {}},
      {"a text currency, after the supplier was written",
       {{"P_CurrencyID", 1}, {"P_POOrderTaxInPrice", 0}},
       Picked(100, "abc", 0),
       {},
       "",
       {13, "PriceQueryPO:", "Type mismatch"},
       Entries{{"P_FSupID", 0}}},
      {"the viewer fails",
       {},
       nullptr,
       {},
       "Show",
       {5, "PriceQueryPO:Viewer", "the viewer failed"},
       {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    FakeSupplyFace face;
    face.viewer->picked = c.picked;
    face.viewer->failOn = c.failOn;
    FakeClassInfo database;
    database.db->queue.assign(c.answers.begin(), c.answers.end());
    DictionaryRef result;
    EXPECT_VB_ERROR_INFO(ActionTestAccess::Call("TevSer_PriceQueryPO", ParaOf(c.para), result),
                         c.error.number, c.error.source, c.error.description);
    ExpectWritten(result, c.written);
  }
  DictionaryRef result;
  EXPECT_VB_ERROR_INFO(ActionTestAccess::Call("TevSer_PriceQueryPO", ParaOf({}), result), 429,
                       "PriceQueryPO:lumoSuplly.SupplyFace",
                       "ActiveX component can't create object: \"lumoSuplly.SupplyFace\"");
}

}  // namespace lumo::testing
