#include <gtest/gtest.h>

#include <functional>

#include "core/cls_action_ic.h"
#include "host/data/emitted_sql.h"
#include "support/dictionary_entries.h"
#include "support/fake_class_info.h"
#include "support/fake_share_props.h"
#include "support/order_bill.h"

namespace lumo::testing {
namespace {

// Purchase order 1001 whose price is to include tax; field keys are trimmed.
OrderBill PurchaseOrder() {
  OrderBill order("POOrder", "POOrderEntry", 1001, "FPrice");
  order.para->SetValue("PropString", "DB=para");
  order.para->SetValue("P_ExChangeRateKEY", " FExchangeRate ");
  order.para->SetValue("P_TargetTaxInPrice", "1");
  return order;
}

}  // namespace

// One statement with the session's property string, or result 1 without a
// statement for a missing required key and for any text of the bill that is
// not a plain name or number where the SQL needs one; 0 without a statement
// for a red bill. Nothing is written to dctReturn; the trapped error is kept
// for the host.
TEST(UpdateItemPrice, BuildsOneUpdateFromTheBillDescriptionUnlessRedOrUnsafe) {
  const std::string every = data::emitted::kItemPriceUpdate;
  const std::string taxIn = " * (( 100 + Page2.FTaxRate ) / 100 ) ";
  const auto set = [](Entries entries) {
    return [=](OrderBill& o) {
      for (const auto& [key, value] : entries) o.para->SetValue(key, value);
    };
  };
  const auto fail = [](std::string description) {
    return ErrorInfo{-1, "TevSer_UpdateItemPrice", std::move(description), "", 0};
  };
  const ErrorInfo none, refused{-2147217900, "ClassInfo", "refused", "", 0};
  const struct {
    const char* name;
    std::function<void(OrderBill&)> change;
    std::string sql;  // "": none run
    ActionResult result;
    ErrorInfo error;
  } cases[] = {
      {"every key", [](auto&) {}, every, 0, none},
      // With no header field configured, the first header page is the header.
      {"no optional key",
       set({{"P_CurrencyKEY", ""},
            {"P_ExChangeRateKEY", ""},
            {"P_UnitKEY", ""},
            {"P_TaxRateKEY", ""},
            {"P_DiscountRateKEY", ""},
            {"P_ROBKEY", ""}}),
       "Update t0 set t0.FOrderPrice = Round( Page2.FPrice , t1.FPriceDecimal)\r\n"
       "From POOrderEntry Page2\r\n"
       "Inner Join POOrder Page1 On Page1.FInterID = Page2.FInterID\r\n"
       "Inner Join t_ICItemCore t0 on t0.FItemID = Page2.FItemID\r\n"
       "Inner Join t_ICItem t1 on t1.FItemID = Page2.FItemID\r\n"
       "Where Page1.FInterID = 1001\r\n"
       " AND Page2.FEntryID = ( Select Max(FEntryID) From POOrderEntry Where FInterID = "
       "Page2.FInterID And FItemID = Page2.FItemID )",
       0, none},
      {"sale price", set({{"P_PriceType", "0.6"}}),
       With(every, {{"t0.FOrderPrice", "t0.FSalePrice"}, {"t_ICItemCore", "t_ICItemMaterial"}}), 0,
       none},
      {"price with tax, target without", set({{"P_TaxInPrice", 1}, {"P_TargetTaxInPrice", 0}}),
       With(every, {{taxIn, " * ( 100 / ( 100 + Page2.FTaxRate ) ) "}}), 0, none},
      {"both with tax", set({{"P_TaxInPrice", 1}}), With(every, {{taxIn, ""}}), 0, none},
      {"blue flag -1", [](auto& o) { o.SetRedBlue(-1); }, every, 0, none},
      {"flag 1 on an entry page",
       [](auto& o) {
         o.para->SetValue("P_ROBKEY", "FItemID");
         o.bill.AddRecord(2, {{"11", StoredCell(1)}});
       },
       every, 0, none},
      {"database refuses", [](auto&) {}, every, 1, refused},
      {"red flag 1", [](auto& o) { o.SetRedBlue("1"); }, "", 0, none},
      {"no item key", set({{"P_ItemKEY", "  "}}), "", 1, fail("函数没有配置物料字段")},
      {"no price key", set({{"P_PriceKEY", ""}}), "", 1, fail("函数没有配置价格字段")},
      {"FID with SQL", [](auto& o) { o.bill.data->SetValue("FID", "1001 OR 1=1"); }, "", 1,
       fail("The bill's FID is not a whole number: \"1001 OR 1=1\"")},
      {"FID with a fraction", [](auto& o) { o.bill.data->SetValue("FID", 1001.5); }, "", 1,
       fail("The bill's FID is not a whole number: \"1001.5\"")},
      {"column with SQL", [](auto& o) { o.Field("12")->SetValue("FFieldName", "FPrice)*0--"); }, "",
       1, fail("The column of the field FPrice is not a plain SQL name: \"FPrice)*0--\"")},
      {"table with SQL", [](auto& o) { o.Page(2)->SetValue("FTableName", "X;DELETE t_ICItem"); },
       "", 1, fail("The table of page 2 is not a plain SQL name: \"X;DELETE t_ICItem\"")},
      {"key column with SQL", [](auto& o) { o.classType->SetValue("FIndexKey", "FEntryID+0"); }, "",
       1, fail("FIndexKey is not a plain SQL name: \"FEntryID+0\"")},
      {"unit key not described", set({{"P_UnitKEY", "FUnitName"}}), "", 1,
       fail("The field FUnitName has no column: \"\"")},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    OrderBill order = PurchaseOrder();
    c.change(order);
    FakeShareProps session("DB=session");
    FakeClassInfo database;
    if (c.error == refused) database.db->failure = refused;
    DictionaryRef result;
    EXPECT_EQ(clsActionIC().DoAction("TevSer_UpdateItemPrice", "", order.para, result), c.result);
    EXPECT_EQ(result, nullptr);
    EXPECT_EQ(database.db->calls, (c.sql.empty() ? Calls{} : Calls{{"DB=session", c.sql}}));
    EXPECT_EQ(clsActionIC::LastError(), c.error);
  }
}

}  // namespace lumo::testing
