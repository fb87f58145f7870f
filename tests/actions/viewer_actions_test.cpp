// The four actions that open the host's viewers, on the fake viewers.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <string_view>

#include "support/action_test_access.h"
#include "support/dictionary_entries.h"
#include "support/fake_class_info.h"
#include "support/fake_presenter.h"
#include "support/fake_res_loader.h"
#include "support/fake_share_props.h"
#include "support/fake_viewers.h"
#include "support/fresh_thread.h"

namespace lumo::testing {
namespace {

// Runs the action: "" when it returned 0, else the error it raised as
// "number source: description".
std::string ErrorOf(std::string_view action, const DictionaryRef& para, DictionaryRef& result) {
  try {
    EXPECT_EQ(ActionTestAccess::Call(action, para, result), 0);
    return "";
  } catch (const VbError& e) {
    return std::to_string(e.number()) + " " + e.source() + ": " + e.description();
  }
}

const Table kNumber = {{"FNumber"}, {{"06.001"}}}, kNoNumber = {{"FNumber"}, {}},
            kNullNumber = {{"FNumber"}, {{Variant::Null()}}};

}  // namespace

// The price list picks nothing here. The item number is looked up only
// for an item above 0 in a session that names its database.
TEST(PriceViewers, AreHandedTheBillsValuesInOrder) {
  const char *query = "TevSer_PriceQueryPO", *history = "TevSer_HPriceQry";
  const struct {
    const char* action;
    DictionaryRef para;
    const char* calls;  // after "new"; "" for no viewer
    bool looksUp = false;
    Table number = kNumber;
    const char* error = "";
  } cases[] = {
      {query, ParaOf({{"P_CallByBill", 0}, {"P_PriceType", "3 x"}, {"P_InvStyle", 12512}}),
       "CallByBill False, CategoryBySupply True, PriceType 3, Show 1, ReturnRecordSet"},
      {query, ParaOf({{"P_SupID", "241"}, {"P_ICItemID", 1401}, {"P_InvStyle", "12511"}}),
       "CallByBill True, SelSupID 241, SelICItemID 1401, CategoryBySupply False, PriceType 2, "
       "Show 1, ReturnRecordSet"},
      {query,
       ParaOf({{"P_SupID", 0}, {"P_ICItemID", -3}, {"P_PriceType", 2}, {"P_InvStyle", 12510}}),
       "CallByBill True, CategoryBySupply False, PriceType 1, Show 1, ReturnRecordSet"},
      {history, ParaOf({}), "QueryType 1, CompanyID 0, ItemID 0, ItemNumber , Show"},
      {history, ParaOf({{"P_QueryType", "2 days"}, {"P_CompanyID", 241.5}, {"P_ICItemID", "1401"}}),
       "QueryType 2, CompanyID 242, ItemID 1401, ItemNumber 06.001, Show", true},
      {history, ParaOf({{"P_QueryType", "x"}, {"P_ICItemID", -4}}),
       "QueryType 0, CompanyID 0, ItemID -4, ItemNumber , Show"},
      {history, ParaOf({{"P_ICItemID", 1401}}),
       "QueryType 1, CompanyID 0, ItemID 1401, ItemNumber , Show", true, kNoNumber},
      {history, ParaOf({{"P_ICItemID", 1401}, {"PropString", "  "}}),
       "QueryType 1, CompanyID 0, ItemID 1401, ItemNumber , Show"},
      {history, ParaOf({{"P_ICItemID", 1401}}), "", true, kNullNumber,
       "94 HistoryPriceQry:: Invalid use of Null"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.calls);
    FakeViewers viewers;
    FakeClassInfo database;
    database.db->queue.push_back(c.number);
    DictionaryRef result;
    EXPECT_EQ(ErrorOf(c.action, c.para, result), c.error);
    EXPECT_EQ(viewers.viewer->calls, *c.calls ? "new, " + std::string(c.calls) : "");
    const Calls lookUp = {{"DB=demo", "SELECT FNumber FROM t_ICItemCore WHERE FItemID=1401"}};
    EXPECT_EQ(database.db->calls, c.looksUp ? lookUp : Calls{});
    EXPECT_EQ(result, nullptr);
  }
}

// The record picked is item 1401, unit 2, discount 3. Without a bill
// currency its price is converted into the base currency; with one it
// stays in the record's, which comes back where the supplier rule lets the
// choice in. Tax and discount are the chosen supplier's. An error leaves
// what was written before it.
TEST(PriceQueryPO, ReturnsThePickedPriceBySupplierCurrencyTaxAndDiscount) {
  const auto rate = [](Variant op, Variant rate) {
    return Table{{"FOperator", "FExchangeRate"}, {{op, rate}}};
  };
  const Table taxed = {{"FValueAddRate", "FDiscount"}, {{17, 5}}}, no,
              unknown = {{"FValueAddRate", "FDiscount"}, {}}, noRate = {{"FOperator"}, {}},
              profile = {{"FKey", "FValue"}, {{"POOrderTaxInPrice", "1"}}};
  const Entries item = {{"P_ICItemID", 1401}, {"P_POOrderTaxInPrice", "0"}};
  const Entries bill = {{"P_ICItemID", 1401}, {"P_CurrencyID", 1}, {"P_SupID", 241}};
  const Entries noTax = {{"P_POOrderTaxInPrice", "0"}}, none;
  const Entries taxIn = {{"P_CalSupTax", 1}, {"P_POOrderTaxInPrice", 1}};
  const Entries taxOut = {{"P_CalSupTax", "1"}, {"P_POOrderTaxInPrice", 0}};
  const Entries both = {{"P_CalSupTax", 1}, {"P_CalDiscount", 1}};
  const Entries discount = {{"P_CalDiscount", 1}, {"P_POOrderTaxInPrice", " "}};
  const Entries currency = {{"P_CurrencyID", 1}};
  const Variant null = Variant::Null(), kept;  // kept: the key is not written
  const struct {
    const char* name;
    Entries para, more;
    Variant price, currency, supplier;
    Table first, second;  // the answers to the statements, in order
    Variant supplierId, currencyId;
    bool taxPrice;
    double returned;
    std::string error = "";
  } cases[] = {
      {"no item: supplier 0 returned; times the rate", noTax, none, 100, 4, 0, rate("*", 7.1), no,
       0, kept, false, 710},
      {"divided by a '/' rate", noTax, none, 100, 5, 241, rate("/", 20), no, 241, kept, false, 5},
      {"none chosen for the item; NULL currency and rate", item, none, 100, null, null,
       rate("*", null), no, kept, kept, false, 100},
      {"no bill supplier: the chosen one and its currency", item, currency, 100, 4, 242, no, no,
       242, 4, false, 100},
      {"the bill's supplier; another one's currency; no tax", bill, taxOut, 117, 4, 242, no, no,
       kept, kept, false, 117},
      {"its other currency; tax out of a tax-inclusive price", bill, taxIn, 117, 4, 241, taxed, no,
       kept, 4, true, 100},
      {"tax, then discount; the flag from the profile", bill, both, 117, 1, 241, profile, taxed,
       kept, kept, true, 95},
      {"a supplier without a row; a blank flag", bill, discount, 117, 1, 241, profile, unknown,
       kept, kept, true, 117},
      {"a currency without a row", none, none, 100, 9, 0, noRate, no, kept, kept, false, 0,
       "3021 PriceQueryPO:Recordset: " + StandardDescription(3021)},
      {"a currency that is text", currency, noTax, 100, "abc", 0, no, no, 0, kept, false, 0,
       "13 PriceQueryPO:: Type mismatch"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    FakeViewers viewers;
    viewers.viewer->picked =
        MakeRecordset({{"FPrice", "FCyID", "FSupID", "FItemID", "FUnitID", "FDiscount"},
                       {{c.price, c.currency, c.supplier, 1401, 2, 3}}});
    FakeClassInfo database;
    for (const Table* answer : {&c.first, &c.second}) {
      if (!answer->columns.empty()) database.db->queue.push_back(*answer);
    }
    const DictionaryRef para = ParaOf(c.para);
    for (const auto& [key, value] : c.more) para->SetValue(key, value);
    DictionaryRef result;
    EXPECT_EQ(ErrorOf("TevSer_PriceQueryPO", para, result), c.error);
    Entries written;
    if (!c.supplierId.IsEmpty()) written.emplace_back("P_FSupID", c.supplierId);
    if (!c.currencyId.IsEmpty()) written.emplace_back("P_FCurrencyID", c.currencyId);
    if (c.error.empty()) {
      written.insert(written.end(), {{"P_FItemID", 1401},
                                     {"P_FUnitID", 2},
                                     {c.taxPrice ? "P_FTaxPrice" : "P_FPrice", c.returned},
                                     {"P_FDiscount", 3}});
    }
    ExpectWritten(result, written.empty() ? std::nullopt : std::optional(written));
  }
}

// "P_ICItemID" is one value, or a column from element 1. Stock status
// leaves blank lines out and shows every item without any; the browser
// keeps a blank line's place and, without items, gives the translated
// message box instead of showing itself. Anything but whole numbers
// between the commas would become SQL in the viewer: refused before a
// viewer is made, through each action's error path. Each id goes to the
// viewer as the number it is, the only form the viewers read.
TEST(ItemViewers, TurnTheBillsItemsIntoTheViewersConditionOrRefuseThem) {
  const Variant junk = "1) OR 1=1 --";  // element 0 is never read
  const struct {
    std::optional<Variant> items;   // nullopt: no key
    const char *stock, *browser;    // the lists; "" for none
    const char* refused = nullptr;  // the piece refused
  } cases[] = {
      {std::nullopt, "", ""},
      {VbArray(0, {junk, 10, 20, 30}), "10,20,30", "10,20,30"},
      {VbArray(0, {junk, 10, "", 30}), "10,30", "10,,30"},
      {VbArray(1, {"", 10}), "10", "10"},
      {VbArray(0, {junk, "", "", 10, "", ""}), "10", "10"},  // blank ends trimmed line by line
      {VbArray(0, {junk, "", "", ""}), "", ""},
      {"5,6", "5,6", "5,6"},
      {" 7 ,, -8", "7,,-8", "7,,-8"},
      {VbArray(1, {"+10", " 020 ", "-0"}), "10,20,0", "10,20,0"},  // as the viewers read ids
      {" , ", "", ""},
      {junk, "", "", "1) OR 1=1 --"},
      {"5, 7.5", "", "", "7.5"},
      {"5,-2147483649", "", "", "-2147483649"},
      {VbArray(1, {10, "20); DROP TABLE t_ICItem; --"}), "", "", "20); DROP TABLE t_ICItem; --"},
  };
  OnFreshThread([&] {
    FakeShareProps session("Language=eng");
    FakeResLoaders loaders;
    for (const auto& c : cases) {
      SCOPED_TRACE(::testing::PrintToString(c.items));
      FakeViewers viewers;
      FakePresenter presenter;
      DictionaryRef result;
      const DictionaryRef para = c.items ? ParaOf({{"P_ICItemID", *c.items}}) : ParaOf({});
      const std::string stock = c.stock, browser = c.browser;
      std::string calls =
          stock.empty() ? "new, Show" : "new, ShowByBill t1.FItemID IN (" + stock + ")";
      calls += ", new, ShowMode 1, ShowType 2";
      if (!browser.empty()) calls += ", Filter t1.FItemID IN (" + browser + "), Show";
      const std::string refused =
          c.refused ? "\"" + std::string(c.refused) + "\" is not an item id" : "";
      EXPECT_EQ(ErrorOf("TevSer_VStockStatus", para, result),
                c.refused ? "-1 ViewStockStatus:P_ICItemID: " + refused : "");
      EXPECT_EQ(ErrorOf("TevSer_VItemReplace", para, result),
                c.refused ? "-1 P_ICItemID: " + refused : "");
      EXPECT_EQ(viewers.viewer->calls, c.refused ? "" : calls);
      EXPECT_EQ(presenter.presenter->messageBoxes,
                std::vector<std::string>(!c.refused && browser.empty(),
                                         "ENG:Velmora提示: ENG:该单据没有物料! (64)"));
      EXPECT_EQ(result, nullptr);
    }
  });
}

}  // namespace lumo::testing
