#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "core/cls_action_ic.h"
#include "host/data/emitted_sql.h"
#include "support/action_test_access.h"
#include "support/fake_class_info.h"
#include "support/fake_share_props.h"
#include "support/fake_trace_log.h"
#include "support/fresh_thread.h"
#include "support/order_bill.h"

namespace lumo::testing {

namespace {

using Change = std::function<void(OrderBill&)>;

// Purchase order 1001 whose price is to include tax; field keys are trimmed.
OrderBill PurchaseOrder() {
  OrderBill order("POOrder", "POOrderEntry", 1001, "FPrice");
  order.para->SetValue("PropString", "DB=para");
  order.para->SetValue("P_ExChangeRateKEY", " FExchangeRate ");
  order.para->SetValue("P_TargetTaxInPrice", "1");
  return order;
}

// Runs the action through DoAction with the session's property string
// "DB=session"; nothing is written to dctReturn.
ActionResult UpdateItemPrice(const OrderBill& order) {
  FakeShareProps session("DB=session");
  DictionaryRef result;
  const ActionResult answer =
      clsActionIC().DoAction("TevSer_UpdateItemPrice", "", order.para, result);
  EXPECT_EQ(result, nullptr);
  return answer;
}

// text with each pair's first text replaced by its second, once.
std::string With(std::string text, const std::vector<std::pair<std::string, std::string>>& edits) {
  for (const auto& [from, to] : edits) {
    const size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    if (at != std::string::npos) text.replace(at, from.size(), to);
  }
  return text;
}

}  // namespace

TEST(UpdateItemPrice, BuildsOneUpdateFromTheBillDescription) {
  const std::string every = data::emitted::kItemPriceUpdate;
  const std::string taxIn = " * (( 100 + Page2.FTaxRate ) / 100 ) ";
  const struct {
    const char* name;
    Change change;
    std::string sql;
  } cases[] = {
      {"every key", [](auto&) {}, every},
      // With no header field configured, the first header page is the header.
      {"no optional key",
       [](auto& o) {
         for (const char* key : {"P_CurrencyKEY", "P_ExChangeRateKEY", "P_UnitKEY", "P_TaxRateKEY",
                                 "P_DiscountRateKEY", "P_ROBKEY"}) {
           o.para->SetValue(key, "");
         }
       },
       "Update t0 set t0.FOrderPrice = Round( Page2.FPrice , t1.FPriceDecimal)\r\n"
       "From POOrderEntry Page2\r\n"
       "Inner Join POOrder Page1 On Page1.FInterID = Page2.FInterID\r\n"
       "Inner Join t_ICItemCore t0 on t0.FItemID = Page2.FItemID\r\n"
       "Inner Join t_ICItem t1 on t1.FItemID = Page2.FItemID\r\n"
       "Where Page1.FInterID = 1001\r\n"
       " AND Page2.FEntryID = ( Select Max(FEntryID) From POOrderEntry Where FInterID = "
       "Page2.FInterID And FItemID = Page2.FItemID )"},
      {"sale price", [](auto& o) { o.para->SetValue("P_PriceType", "0.6"); },
       With(every, {{"t0.FOrderPrice", "t0.FSalePrice"}, {"t_ICItemCore", "t_ICItemMaterial"}})},
      {"price with tax, target without",
       [](auto& o) {
         o.para->SetValue("P_TaxInPrice", 1);
         o.para->SetValue("P_TargetTaxInPrice", 0);
       },
       With(every, {{taxIn, " * ( 100 / ( 100 + Page2.FTaxRate ) ) "}})},
      {"both with tax", [](auto& o) { o.para->SetValue("P_TaxInPrice", 1); },
       With(every, {{taxIn, ""}})},
      {"blue flag -1", [](auto& o) { o.SetRedBlue(-1); }, every},
      {"flag 1 on an entry page",
       [](auto& o) {
         o.para->SetValue("P_ROBKEY", "FItemID");
         o.bill.AddRecord(2, {{"11", StoredCell(1)}});
       },
       every},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    OrderBill order = PurchaseOrder();
    c.change(order);
    FakeClassInfo database;
    EXPECT_EQ(UpdateItemPrice(order), 0);
    EXPECT_EQ(database.db->calls, (Calls{{"DB=session", c.sql}}));
  }
}

// Result 1 without a statement for a missing required key and for any text of
// the bill that is not a plain name or number where the SQL needs one; 0
// without a statement for a red bill. The trapped error is kept for the host.
TEST(UpdateItemPrice, RunsNothingForARedBillOrAnUnsafeDescription) {
  const auto error = [](std::string description) {
    return ErrorInfo{-1, "TevSer_UpdateItemPrice", std::move(description), "", 0};
  };
  const struct {
    const char* name;
    Change change;
    ActionResult result;
    ErrorInfo error;
  } cases[] = {
      {"red flag 1", [](auto& o) { o.SetRedBlue("1"); }, 0, {}},
      {"no item key", [](auto& o) { o.para->SetValue("P_ItemKEY", "  "); }, 1,
       error("函数没有配置物料字段")},
      {"no price key", [](auto& o) { o.para->SetValue("P_PriceKEY", ""); }, 1,
       error("函数没有配置价格字段")},
      {"FID with SQL", [](auto& o) { o.bill.data->SetValue("FID", "1001 OR 1=1"); }, 1,
       error("The bill's FID is not a whole number: \"1001 OR 1=1\"")},
      {"FID with a fraction", [](auto& o) { o.bill.data->SetValue("FID", 1001.5); }, 1,
       error("The bill's FID is not a whole number: \"1001.5\"")},
      {"column with SQL", [](auto& o) { o.Field("12")->SetValue("FFieldName", "FPrice)*0--"); }, 1,
       error("The column of the field FPrice is not a plain SQL name: \"FPrice)*0--\"")},
      {"table with SQL", [](auto& o) { o.Page(2)->SetValue("FTableName", "X;DELETE t_ICItem"); }, 1,
       error("The table of page 2 is not a plain SQL name: \"X;DELETE t_ICItem\"")},
      {"key column with SQL", [](auto& o) { o.classType->SetValue("FIndexKey", "FEntryID+0"); }, 1,
       error("FIndexKey is not a plain SQL name: \"FEntryID+0\"")},
      {"unit key not described", [](auto& o) { o.para->SetValue("P_UnitKEY", "FUnitName"); }, 1,
       error("The field FUnitName has no column: \"\"")},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    OrderBill order = PurchaseOrder();
    c.change(order);
    FakeClassInfo database;
    EXPECT_EQ(UpdateItemPrice(order), c.result);
    EXPECT_EQ(database.db->calls, Calls{});
    EXPECT_EQ(clsActionIC::LastError(), c.error);
  }
}

// Both ends close the action's scope with flag 1; a database error is result
// 1, not an error of the handler.
TEST(UpdateItemPrice, ClosesItsScopeWithOneAndAnswersOneForADatabaseError) {
  const std::string begin =
      "begin LumoClassActionIC.clsActionIC.TevSer_UpdateItemPrice 更新物料的价格资料";
  for (const bool fails : {false, true}) {
    SCOPED_TRACE(fails ? "database fails" : "database runs it");
    OnFreshThread([&] {
      FakeTraceLog log;
      FakeClassInfo database;
      if (fails) database.db->failure = ErrorInfo{-2147217900, "ClassInfo", "refused", "", 0};
      FakeShareProps session("DB=session");
      DictionaryRef result;
      EXPECT_EQ(ActionTestAccess::Call("TevSer_UpdateItemPrice", PurchaseOrder().para, result),
                fails ? 1 : 0);
      EXPECT_EQ(log.log->events, (std::vector<std::string>{begin, "end 1 1"}));
      EXPECT_EQ(database.db->calls.size(), 1u);
    });
  }
}

}  // namespace lumo::testing
