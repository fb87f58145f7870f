#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>

#include "core/cls_action_ic.h"
#include "host/data/emitted_sql.h"
#include "support/action_test_access.h"
#include "support/fake_class_info.h"
#include "support/fake_share_props.h"
#include "support/fake_trace_log.h"
#include "support/fresh_thread.h"
#include "support/test_bill.h"

namespace lumo::testing {

namespace {

DictionaryRef Cell(Variant stored) {
  auto cell = NewDictionary();
  cell->SetValue("FFLD", std::move(stored));
  return cell;
}

// A purchase order as the host passes it: header page 1 (POOrder) with
// currency, exchange rate and red/blue flag, entry page 2 (POOrderEntry);
// every price key configured, the price to include tax.
struct PurchaseOrderBill {
  TestBill bill{false, true};
  DictionaryRef para = NewDictionary();

  PurchaseOrderBill() {
    Page(1)->SetValue("FTableName", "POOrder");
    Page(2)->SetValue("FTableName", "POOrderEntry");
    bill.AddField("FCurrencyID", "1", 1, "FCurrencyID");
    bill.AddField("FExchangeRate", "2", 1, "FExchangeRate");
    bill.AddField("FROB", "3", 1, "FROB");
    bill.AddField("FItemID", "11", 2, "FItemID");
    bill.AddField("FPrice", "12", 2, "FPrice");
    bill.AddField("FUnitID", "13", 2, "FUnitID");
    bill.AddField("FTaxRate", "14", 2, "FTaxRate");
    bill.AddField("FDiscountRate", "15", 2, "FDiscountRate");
    bill.AddRecord(1, {{"1", Cell(1)}, {"2", Cell(1.0)}, {"3", Cell(0)}});
    bill.AddRecord(2, {{"11", Cell(10)}, {"12", Cell(100.0)}, {"15", Cell(1)}});
    bill.data->SetValue("FID", 1001);
    auto classType = NewDictionary();
    classType->SetValue("FPrimaryKey", "FInterID");
    classType->SetValue("FIndexKey", "FEntryID");

    para->SetValue("PropString", "DB=para");
    para->SetValue("dctClassType", classType);
    para->SetValue("dctTableInfo", bill.tableInfo);
    para->SetValue("dctData", bill.data);
    para->SetValue("vctClassTypeEntry", bill.classTypeEntry);
    para->SetValue("P_PriceType", 0);
    para->SetValue("P_CurrencyKEY", "FCurrencyID");
    para->SetValue("P_ExChangeRateKEY", " FExchangeRate ");  // keys are trimmed
    para->SetValue("P_ItemKEY", "FItemID");
    para->SetValue("P_PriceKEY", "FPrice");
    para->SetValue("P_UnitKEY", "FUnitID");
    para->SetValue("P_TaxRateKEY", "FTaxRate");
    para->SetValue("P_DiscountRateKEY", "FDiscountRate");
    para->SetValue("P_TaxInPrice", 0);
    para->SetValue("P_TargetTaxInPrice", "1");
    para->SetValue("P_ROBKEY", "FROB");
  }
  DictionaryRef Page(int32_t page) { return ObjectAs<Dictionary>(bill.classTypeEntry->Item(page)); }
  DictionaryRef Field(const char* internalKey) {
    return ObjectAs<Dictionary>(bill.tableInfo->Value(internalKey));
  }
  void SetRedBlue(Variant stored) {
    ObjectAs<Dictionary>(bill.data->Value("Page1"))->SetValue("3", Cell(std::move(stored)));
  }
};

using Change = std::function<void(PurchaseOrderBill&)>;

// Runs the action on the bill with the session's property string "DB=session".
ActionResult UpdateItemPrice(PurchaseOrderBill& order) {
  FakeShareProps session("DB=session");
  DictionaryRef result;
  const ActionResult answer = ActionTestAccess::Call("TevSer_UpdateItemPrice", order.para, result);
  EXPECT_EQ(result, nullptr);
  return answer;
}

const std::string kNoOptionalKey =
    "Update t0 set t0.FOrderPrice = Round( Page2.FPrice , t1.FPriceDecimal)\r\n"
    "From POOrderEntry Page2\r\n"
    "Inner Join POOrder Page1 On Page1.FInterID = Page2.FInterID\r\n"
    "Inner Join t_ICItemCore t0 on t0.FItemID = Page2.FItemID\r\n"
    "Inner Join t_ICItem t1 on t1.FItemID = Page2.FItemID\r\n"
    "Where Page1.FInterID = 1001\r\n"
    " AND Page2.FEntryID = ( Select Max(FEntryID) From POOrderEntry Where FInterID = "
    "Page2.FInterID And FItemID = Page2.FItemID )";

}  // namespace

// The statement in the session's own property string; a changed setting
// shows in the first line (the price expression) or in the target's join.
TEST(UpdateItemPrice, BuildsOneUpdateFromTheBillDescription) {
  const auto firstLine = [](const std::string& sql) { return sql.substr(0, sql.find("\r\n")); };
  const std::string taxIn = " * (( 100 + Page2.FTaxRate ) / 100 ) ";
  const std::string taxOut = " * ( 100 / ( 100 + Page2.FTaxRate ) ) ";
  const std::string rest =
      " * Page1.FExchangeRate * ((100 - Page2.FDiscountRate)  / 100 )  / (Case When "
      "IsNull(t2.FCoefficient,0) = 0 then 1 else t2.FCoefficient end )  , t1.FPriceDecimal)";
  const std::string purchase = "Update t0 set t0.FOrderPrice = Round( Page2.FPrice";
  const std::string sale = "Update t0 set t0.FSalePrice = Round( Page2.FPrice";
  const struct {
    const char* name;
    Change change;
    std::string line, targetJoin;
  } cases[] = {
      {"every key", [](auto&) {}, purchase + taxIn + rest, "t_ICItemCore"},
      {"sale price", [](auto& o) { o.para->SetValue("P_PriceType", "0.6"); }, sale + taxIn + rest,
       "t_ICItemMaterial"},
      {"price with tax, target without",
       [](auto& o) {
         o.para->SetValue("P_TaxInPrice", 1);
         o.para->SetValue("P_TargetTaxInPrice", 0);
       },
       purchase + taxOut + rest, "t_ICItemCore"},
      {"both with tax", [](auto& o) { o.para->SetValue("P_TaxInPrice", 1); }, purchase + rest,
       "t_ICItemCore"},
      {"both without tax", [](auto& o) { o.para->SetValue("P_TargetTaxInPrice", "0"); },
       purchase + rest, "t_ICItemCore"},
      {"blue flag -1 on the header", [](auto& o) { o.SetRedBlue(-1); }, purchase + taxIn + rest,
       "t_ICItemCore"},
      {"flag 1 on an entry page",
       [](auto& o) {
         o.para->SetValue("P_ROBKEY", "FItemID");
         o.bill.AddRecord(2, {{"11", Cell(1)}});
       },
       purchase + taxIn + rest, "t_ICItemCore"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    PurchaseOrderBill order;
    c.change(order);
    FakeClassInfo database;
    EXPECT_EQ(UpdateItemPrice(order), 0);
    ASSERT_EQ(database.db->calls.size(), 1u);
    EXPECT_EQ(database.db->calls[0].first, "DB=session");
    const std::string& sql = database.db->calls[0].second;
    EXPECT_EQ(firstLine(sql), c.line);
    EXPECT_NE(sql.find("\r\nInner Join " + c.targetJoin + " t0 on t0.FItemID = Page2.FItemID\r\n"),
              std::string::npos);
  }
}

TEST(UpdateItemPrice, StatementWithEveryOptionalKeyAndWithNone) {
  const struct {
    const char* name;
    Change change;
    std::string sql;
  } cases[] = {
      {"every key", [](auto&) {}, data::emitted::kItemPriceUpdate},
      // With no header field configured, the first header page is the header.
      {"none",
       [](auto& o) {
         for (const char* key : {"P_CurrencyKEY", "P_ExChangeRateKEY", "P_UnitKEY", "P_TaxRateKEY",
                                 "P_DiscountRateKEY", "P_ROBKEY"}) {
           o.para->SetValue(key, "");
         }
       },
       kNoOptionalKey},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    PurchaseOrderBill order;
    c.change(order);
    FakeClassInfo database;
    EXPECT_EQ(UpdateItemPrice(order), 0);
    EXPECT_EQ(database.db->calls, (Calls{{"DB=session", c.sql}}));
  }
}

// Result 1 without a statement for a missing required key and for any text
// of the bill that is not a plain name or number where the SQL needs one; 0
// without a statement for a red bill.
TEST(UpdateItemPrice, RunsNothingForARedBillOrAnUnsafeDescription) {
  const std::string me = "TevSer_UpdateItemPrice";
  const struct {
    const char* name;
    Change change;
    ActionResult result;
    ErrorInfo error;  // number 0: no error kept
  } cases[] = {
      {"red flag 1 on the header", [](auto& o) { o.SetRedBlue("1"); }, 0, {}},
      {"no item key",
       [](auto& o) { o.para->SetValue("P_ItemKEY", "  "); },
       1,
       {-1, me, "函数没有配置物料字段", "", 0}},
      {"no price key",
       [](auto& o) { o.para->SetValue("P_PriceKEY", ""); },
       1,
       {-1, me, "函数没有配置价格字段", "", 0}},
      {"FID with SQL",
       [](auto& o) { o.bill.data->SetValue("FID", "1001 OR 1=1"); },
       1,
       {-1, me, "The bill's FID is not a whole number: \"1001 OR 1=1\"", "", 0}},
      {"FID with a fraction",
       [](auto& o) { o.bill.data->SetValue("FID", 1001.5); },
       1,
       {-1, me, "The bill's FID is not a whole number: \"1001.5\"", "", 0}},
      {"column with SQL",
       [](auto& o) { o.Field("12")->SetValue("FFieldName", "FPrice)*0--"); },
       1,
       {-1, me, "The column of the field FPrice is not a plain SQL name: \"FPrice)*0--\"", "", 0}},
      {"table with SQL",
       [](auto& o) { o.Page(2)->SetValue("FTableName", "POOrderEntry;DELETE t_ICItemCore"); },
       1,
       {-1, me, "The table of page 2 is not a plain SQL name: \"POOrderEntry;DELETE t_ICItemCore\"",
        "", 0}},
      {"key column with SQL",
       [](auto& o) {
         ObjectAs<Dictionary>(o.para->Value("dctClassType"))
             ->SetValue("FPrimaryKey", "FInterID OR 1=1");
       },
       1,
       {-1, me, "FPrimaryKey is not a plain SQL name: \"FInterID OR 1=1\"", "", 0}},
      {"unit key not described",
       [](auto& o) { o.para->SetValue("P_UnitKEY", "FUnitName"); },
       1,
       {-1, me, "The field FUnitName has no column: \"\"", "", 0}},
      {"no bill data",
       [](auto& o) { o.para->SetValue("dctData", nullptr); },
       1,
       {91, "", "Object variable or With block variable not set", "", 0}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    PurchaseOrderBill order;
    c.change(order);
    FakeClassInfo database;
    clsActionIC component;
    FakeShareProps session("DB=session");
    DictionaryRef result;
    EXPECT_EQ(component.DoAction("TevSer_UpdateItemPrice", "", order.para, result), c.result);
    EXPECT_EQ(database.db->calls, Calls{});
    EXPECT_EQ(clsActionIC::LastError(), c.error);
  }
}

// Both ends close the action's scope with flag 1; a database error is result
// 1, not an error of DoAction.
TEST(UpdateItemPrice, ClosesItsScopeWithOneAndAnswersOneForADatabaseError) {
  const std::string begin =
      "begin LumoClassActionIC.clsActionIC.TevSer_UpdateItemPrice 更新物料的价格资料";
  const ErrorInfo refused{-2147217900, "ClassInfo", "refused", "", 0};
  for (const bool fails : {false, true}) {
    SCOPED_TRACE(fails ? "database fails" : "database runs it");
    OnFreshThread([&] {
      FakeTraceLog log;
      FakeClassInfo database;
      if (fails) database.db->failure = refused;
      PurchaseOrderBill order;
      EXPECT_EQ(UpdateItemPrice(order), fails ? 1 : 0);
      EXPECT_EQ(log.log->events, (std::vector<std::string>{begin, "end 1 1"}));
      EXPECT_EQ(database.db->calls.size(), 1u);
      EXPECT_EQ(clsActionIC::LastError(), fails ? refused : ErrorInfo{});
    });
  }
}

}  // namespace lumo::testing
