// Every action through DoAction, with the host components, the viewers and
// a scripted presenter registered as lumo-action registers them (dialogs
// answered No, price lists picked at their first record, nothing on a
// screen), beside the statements the action causes run with bare sqlite3
// calls on the same file. Prints, per action, both CPU times per call and
// their ratio: what DoAction, the trace scopes, the data-access component,
// the T-SQL translation and the recordset cost on top of the database work
// itself. Also times DoAction on a name that matches no action, with
// tracing off: the dispatch alone.
//
// With a PostgreSQL server (LUMO_PG_CONNECT, as bench/run gives it), every
// action also runs on a demo database there, beside the statements the data
// layer sends for it run with bare ODBC calls through the same driver. The
// server does the database work in another process, so these are timed in
// real time, not in the CPU time of this one.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "bare_odbc.h"
#include "bare_query.h"
#include "collections/dictionary.h"
#include "core/cls_action_ic.h"
#include "demo_database.h"
#include "host/components/register.h"
#include "host/data/register.h"
#include "host/ui/presenter_choice.h"
#include "host/viewers/register.h"
#include "hosting/variant_json.h"
#include "pg_demo_database.h"
#include "ratio_reporter.h"

namespace {

struct ActionCase {
  const char* action;
  // dctPara as lumo-action reads it: a JSON object, or "@file" for a bill
  // under data/; "PropString" is added.
  const char* para;
  // What the call causes in the database, as SQLite runs it (the T-SQL
  // translated, the bill's ids in place).
  std::vector<std::string> statements;
  // The same as PostgreSQL gets it, where it differs.
  std::vector<std::string> pgStatements = {};
};

// The price alert on order 2201: the options and the items once, then per
// line its maximum price and its unit's factor (the second line in unit 2).
std::vector<std::string> PriceAlertStatements() {
  std::vector<std::string> statements = {
      "Select FKey,FValue From t_SystemProfile Where FCategory = 'IC' AND FKey in "
      "('IsUsePurPrcMgr', 'AlertPOMaxPrice', 'AlertHighPriceWhenCheck', 'POOrderTaxInPrice', "
      "'SInvoiceDecimal')",
      "Select FItemID,FNumber,FName,FModel From t_ICItemCore where FItemID In ( "
      "1301,1302,1303,1304,1305,1306 )"};
  for (int item = 1301; item <= 1306; ++item) {
    statements.push_back(
        "SELECT FMaxPrice FROM t_POMaxPrice WHERE FItemID=" + std::to_string(item) +
        " AND FSupID IN (0,231) AND FPriceType IN (-1,1) ORDER BY FSupID DESC, "
        "FPriceType DESC");
    statements.push_back("SELECT FCoefficient,FScale FROM t_MeasureUnit WHERE FMeasureUnitID=" +
                         std::string(item == 1302 ? "2" : "1"));
  }
  return statements;
}

// The supplier price list from order 2101: its lines, then the stored
// procedure's upsert once per line, in one transaction.
std::vector<std::string> UpdatePOPriceStatements() {
  std::vector<std::string> statements = {
      "SELECT t1.FInterId,t2.FEntryID FROM POOrder t1, POOrderEntry t2 WHERE "
      "t1.FInterID=t2.FInterID AND t1.FInterID= 2101 AND t2.FAuxPrice<>0 And t2.FAuxTaxPrice<>0 "
      "Order By t2.FEntryID",
      "BEGIN IMMEDIATE"};
  for (int entry = 1; entry <= 3; ++entry) {
    statements.push_back(
        "SELECT FParams, FBody FROM t_Procedure WHERE FName = 'p_UpdateSupplyInfoByPOOrd' "
        "COLLATE NOCASE");
    statements.push_back(
        "INSERT INTO t_SupplyPrice (FSupID, FItemID, FUnitID, FCyID, FPriceType, FQuantity, "
        "FPrice, FDiscount, FDate, FUserID) SELECT o.FSupplyID, e.FItemID, e.FUnitID, "
        "o.FCurrencyID, CASE WHEN o.FInvStyle = 12511 THEN 2 ELSE 1 END, 0, CASE WHEN (SELECT "
        "p.FValue FROM t_SystemProfile p WHERE p.FCategory = 'IC' AND p.FKey = "
        "'POOrderTaxInPrice') = '1' THEN e.FAuxTaxPrice ELSE e.FAuxPrice END, e.FDiscountRate, "
        "o.FDate, CAST(16 AS INTEGER) FROM POOrder o INNER JOIN POOrderEntry e ON e.FInterID = "
        "o.FInterID WHERE o.FInterID = 2101 AND e.FEntryID = " +
        std::to_string(entry) +
        " AND o.FSupplyID > 0 AND e.FItemID > 0 AND e.FAuxPrice <> 0 ON CONFLICT (FSupID, "
        "FItemID, FUnitID, FCyID, FPriceType, FQuantity) DO UPDATE SET FPrice = excluded.FPrice, "
        "FDiscount = excluded.FDiscount, FDate = excluded.FDate, FUserID = excluded.FUserID");
  }
  statements.push_back("COMMIT");
  return statements;
}

// The supplier price list from order 2101 on the server: its lines, then a
// call of the server's procedure per line, in one transaction.
std::vector<std::string> UpdatePOPricePgStatements() {
  std::vector<std::string> statements = {UpdatePOPriceStatements().front(), "BEGIN"};
  for (int entry = 1; entry <= 3; ++entry) {
    statements.push_back("CALL p_UpdateSupplyInfoByPOOrd(2101," + std::to_string(entry) + ",16)");
  }
  statements.push_back("COMMIT");
  return statements;
}

const std::vector<ActionCase>& Cases() {
  // Statements that a call repeats with other values (one per line of the
  // bill) are listed once per value, as the call runs them.
  static const std::string kTaxInPrice =
      "SELECT FKey,FValue FROM t_SystemProfile WHERE FCategory='IC' AND FKey='POOrderTaxInPrice'";
  static const std::vector<ActionCase> cases = {
      {"TevSer_GetExchangeRate",
       R"({"P_CurrencyID": 4})",
       {"SELECT FOperator,FExchangeRate FROM t_Currency WHERE FCurrencyID=4"}},
      {"TevSer_CurrencyCal",
       R"({"P_CurrencyID": 4, "P_OldExchangeRate": 0.5, "P_CalField1": 100})",
       {"SELECT * FROM t_Currency WHERE FCurrencyID=4"}},
      {"TevSer_GetTaxRate",
       R"({"P_ICItemID": [null, 1001, "", 1007]})",
       {"SELECT FKey,FValue FROM t_SystemProfile WHERE FCategory='IC' AND FKey='PurTaxRateOption'",
        "SELECT FTaxRate,FItemID FROM t_ICItemMaterial WHERE FItemID IN (1001,1007)"}},
      {"TevSer_GetSupplyInfo",
       R"({"P_SupplyID": 211, "P_ICItemID": 1101, "P_UnitID": 1, "P_AuxQty": 12,
           "P_CalDiscount": 1})",
       {"SELECT s.FValueAddRate FROM t_Supplier s, t_ICItemCore i WHERE s.FItemID=211 AND "
        "i.FItemID=1101",
        "SELECT FQuantity,FPrice,FDiscount FROM t_SupplyPrice WHERE FSupID=211 AND FItemID=1101 "
        "AND FUnitID=1 AND FCyID=1 AND FPriceType=1 ORDER BY FQuantity DESC",
        kTaxInPrice}},
      {"TevSer_PriceQueryPO",
       R"({"P_ICItemID": 1451})",
       {"SELECT p.FEntryID,p.FSupID,s.FNumber AS FSupNumber,s.FName AS FSupName,p.FItemID,"
        "i.FNumber AS FItemNumber,i.FName AS FItemName,i.FModel,i.FPriceDecimal,p.FUnitID,"
        "u.FName AS FUnitName,u.FQtyDecimal,p.FCyID,c.FName AS FCyName,p.FPriceType,p.FQuantity,"
        "p.FPrice,p.FDiscount,p.FDate FROM t_SupplyPrice p LEFT JOIN t_Supplier s ON "
        "s.FItemID=p.FSupID LEFT JOIN t_ICItemCore i ON i.FItemID=p.FItemID LEFT JOIN "
        "t_MeasureUnit u ON u.FMeasureUnitID=p.FUnitID LEFT JOIN t_Currency c ON "
        "c.FCurrencyID=p.FCyID WHERE p.FPriceType=1 AND p.FItemID=1451 ORDER BY "
        "i.FNumber,p.FItemID,s.FNumber,p.FSupID,p.FUnitID,p.FCyID,p.FQuantity,p.FEntryID",
        "SELECT FOperator,FExchangeRate FROM t_Currency WHERE FCurrencyID=1", kTaxInPrice}},
      {"TevSer_HPriceQry",
       R"({"P_QueryType": 0, "P_ICItemID": 1451})",
       {"SELECT FNumber FROM t_ICItemCore WHERE FItemID=1451",
        "SELECT t.*,COALESCE(s.FName,g.FName) AS FCompanyName,i.FNumber AS FItemNumber,i.FName AS "
        "FItemName,i.FPriceDecimal,u.FName AS FUnitName,u.FQtyDecimal,c.FName AS FCurrencyName "
        "FROM (SELECT 1 AS FKind,h.FCompanyID AS FCompanyID,h.FDate,h.FBillNo,h.FEntryID AS "
        "FLine,h.FItemID,h.FUnitID,h.FCurrencyID,h.FQty,h.FPrice,h.FTaxPrice,h.FDiscountRate FROM "
        "t_TradeHistory h WHERE h.FTranType=1 AND h.FItemID=1451 UNION ALL SELECT 1 AS "
        "FKind,o.FSupplyID AS FCompanyID,o.FDate,o.FBillNo,e.FEntryID AS "
        "FLine,e.FItemID,e.FUnitID,o.FCurrencyID,e.FAuxQty AS FQty,e.FAuxPrice AS "
        "FPrice,e.FAuxTaxPrice AS FTaxPrice,e.FDiscountRate FROM POOrder o INNER JOIN "
        "POOrderEntry e ON e.FInterID=o.FInterID WHERE 1=1 AND e.FItemID=1451 UNION ALL SELECT 2 "
        "AS FKind,h.FCompanyID AS FCompanyID,h.FDate,h.FBillNo,h.FEntryID AS "
        "FLine,h.FItemID,h.FUnitID,h.FCurrencyID,h.FQty,h.FPrice,h.FTaxPrice,h.FDiscountRate FROM "
        "t_TradeHistory h WHERE h.FTranType=2 AND h.FItemID=1451 UNION ALL SELECT 2 AS "
        "FKind,o.FCustID AS FCompanyID,o.FDate,o.FBillNo,e.FEntryID AS "
        "FLine,e.FItemID,e.FUnitID,o.FCurrencyID,e.FAuxQty AS FQty,e.FAuxPrice AS "
        "FPrice,e.FAuxTaxPrice AS FTaxPrice,e.FDiscountRate FROM SEOrder o INNER JOIN "
        "SEOrderEntry e ON e.FInterID=o.FInterID WHERE 1=1 AND e.FItemID=1451) t LEFT JOIN "
        "t_Supplier s ON t.FKind=1 AND s.FItemID=t.FCompanyID LEFT JOIN t_Organization g ON "
        "t.FKind=2 AND g.FItemID=t.FCompanyID LEFT JOIN t_ICItemCore i ON i.FItemID=t.FItemID "
        "LEFT JOIN t_MeasureUnit u ON u.FMeasureUnitID=t.FUnitID LEFT JOIN t_Currency c ON "
        "c.FCurrencyID=t.FCurrencyID ORDER BY t.FDate DESC,t.FBillNo,t.FLine,t.FKind"}},
      {"TevSer_VStockStatus",
       R"({"P_ICItemID": [null, 1451, 1452, "", 1455]})",
       {"SELECT t1.FItemID,t1.FNumber,t1.FName,t1.FModel,st.FName AS FStockName,u.FName AS "
        "FUnitName,u.FQtyDecimal,ifnull(v.FQty,0) AS FQty,ifnull(v.FSafeQty,0) AS "
        "FSafeQty,ifnull(v.FAllocQty,0) AS FAllocQty,ifnull(v.FOnOrderQty,0) AS "
        "FOnOrderQty,ifnull(v.FQty,0)-ifnull(v.FSafeQty,0)-ifnull(v.FAllocQty,0)+ifnull(v."
        "FOnOrderQty,0) AS FAvailQty FROM t_ICItemCore t1 LEFT JOIN t_Inventory v ON "
        "v.FItemID=t1.FItemID LEFT JOIN t_Stock st ON st.FStockID=v.FStockID LEFT JOIN "
        "t_MeasureUnit u ON u.FMeasureUnitID=t1.FUnitID WHERE t1.FItemID IN (1451,1452,1455) "
        "ORDER BY t1.FNumber,t1.FItemID,st.FNumber,v.FStockID"},
       {"SELECT t1.FItemID,t1.FNumber,t1.FName,t1.FModel,st.FName AS FStockName,u.FName AS "
        "FUnitName,u.FQtyDecimal,coalesce(v.FQty,0) AS FQty,coalesce(v.FSafeQty,0) AS "
        "FSafeQty,coalesce(v.FAllocQty,0) AS FAllocQty,coalesce(v.FOnOrderQty,0) AS "
        "FOnOrderQty,coalesce(v.FQty,0)-coalesce(v.FSafeQty,0)-coalesce(v.FAllocQty,0)+coalesce(v."
        "FOnOrderQty,0) AS FAvailQty FROM t_ICItemCore t1 LEFT JOIN t_Inventory v ON "
        "v.FItemID=t1.FItemID LEFT JOIN t_Stock st ON st.FStockID=v.FStockID LEFT JOIN "
        "t_MeasureUnit u ON u.FMeasureUnitID=t1.FUnitID WHERE t1.FItemID IN (1451,1452,1455) "
        "ORDER BY t1.FNumber,t1.FItemID,st.FNumber,v.FStockID"}},
      {"TevSer_VItemReplace",
       R"({"P_ICItemID": [null, 1001, 1005, "", 1451]})",
       {"SELECT t1.FItemID,t1.FNumber,t1.FName,t1.FModel,r.FReplaceItemID,t2.FNumber AS "
        "FReplaceNumber,t2.FName AS FReplaceName,t2.FModel AS "
        "FReplaceModel,r.FRate,r.FPriority,r.FNote FROM t_ItemReplace r INNER JOIN t_ICItemCore "
        "t1 ON t1.FItemID=r.FItemID LEFT JOIN t_ICItemCore t2 ON t2.FItemID=r.FReplaceItemID "
        "WHERE t1.FItemID IN (1001,1005,1451) ORDER BY "
        "t1.FNumber,t1.FItemID,r.FPriority,t2.FNumber,r.FEntryID"}},
      {"TevSer_POPriceAlert", "@po_bill_2201.json", PriceAlertStatements()},
      {"TevSer_UpdateItemPrice",
       "@po_bill_2101.json",
       {"BEGIN IMMEDIATE",
        "UPDATE t_ICItemCore AS t0 SET FOrderPrice = Round(Page2.FAuxPrice * Page1.FExchangeRate "
        "* ((100 - Page2.FDiscountRate) / 100) / (Case When ifnull(t2.FCoefficient,0) = 0 then 1 "
        "else t2.FCoefficient end), t1.FPriceDecimal) FROM POOrderEntry Page2 Inner Join POOrder "
        "Page1 On Page1.FInterID = Page2.FInterID Inner Join t_ICItem t1 on t1.FItemID = "
        "Page2.FItemID Left Join t_MeasureUnit t2 on t2.FMeasureUnitID = Page2.FUnitID WHERE "
        "(t0.FItemID = Page2.FItemID) AND (Page1.FInterID = 2101 AND Page2.FEntryID = (Select "
        "Max(FEntryID) From POOrderEntry Where FInterID = Page2.FInterID And FItemID = "
        "Page2.FItemID))",
        "COMMIT"},
       {"BEGIN",
        "UPDATE t_ICItemCore AS t0 SET FOrderPrice = Round(CAST(Page2.FAuxPrice * "
        "Page1.FExchangeRate "
        "* ((100 - Page2.FDiscountRate) / 100) / (Case When coalesce(t2.FCoefficient,0) = 0 then 1 "
        "else t2.FCoefficient end) AS numeric), t1.FPriceDecimal) FROM POOrderEntry Page2 Inner "
        "Join POOrder "
        "Page1 On Page1.FInterID = Page2.FInterID Inner Join t_ICItem t1 on t1.FItemID = "
        "Page2.FItemID Left Join t_MeasureUnit t2 on t2.FMeasureUnitID = Page2.FUnitID WHERE "
        "(t0.FItemID = Page2.FItemID) AND (Page1.FInterID = 2101 AND Page2.FEntryID = (Select "
        "Max(FEntryID) From POOrderEntry Where FInterID = Page2.FInterID And FItemID = "
        "Page2.FItemID))",
        "COMMIT"}},
      {"TevSer_UpdatePOPrice", R"({"P_InterID": 2101})", UpdatePOPriceStatements(),
       UpdatePOPricePgStatements()},
      {"TevSer_GetMapNumber",
       R"({"P_SupplierOrCustomerID": 221, "P_ICItemID": 1202})",
       {"Select FEntryID as FInterID,FNumber as FMapNumber, FName as FMapName From v_SToIMapping "
        "Where FItemID = 1202 And FParentID = 221"}},
      {"TevSer_SynMapAndItem",
       R"({"P_SupplierOrCustomerID": 221, "P_ICItemID": [null, 1201, 1203]})",
       {"BEGIN IMMEDIATE",
        "Create TEMP Table temp.\"#TmpItem\"(FIndex int not null default(0), FItemID int not null "
        "default(0))",
        "Insert Into temp.\"#TmpItem\" (FIndex,FItemID) Values(1,1201)",
        "Insert Into temp.\"#TmpItem\" (FIndex,FItemID) Values(2,1203)",
        "Select u1.FIndex,Min(v1.FEntryID) as FInterID from temp.\"#TmpItem\" u1 Left Join "
        "v_SToIMapping v1 on u1.FItemID = v1.FItemID And v1.FParentID = 221 Group by u1.FIndex "
        "Order by u1.FIndex",
        "Drop Table temp.\"#TmpItem\"", "COMMIT"},
       {"BEGIN",
        "Create TEMP Table pg_temp.\"#TmpItem\"(FIndex int not null default(0), FItemID int not "
        "null "
        "default(0))",
        "Insert Into pg_temp.\"#TmpItem\" (FIndex,FItemID) Values(1,1201),(2,1203)",
        "Select u1.FIndex,Min(v1.FEntryID) as FInterID from pg_temp.\"#TmpItem\" u1 Left Join "
        "v_SToIMapping v1 on u1.FItemID = v1.FItemID And v1.FParentID = 221 Group by u1.FIndex "
        "Order by u1.FIndex",
        "Drop Table pg_temp.\"#TmpItem\"", "COMMIT"}},
  };
  return cases;
}

const lumo::bench::DemoDatabase& Database() {
  static const lumo::bench::DemoDatabase database("lumo_bench_action");
  return database;
}

const lumo::bench::PgDemoDatabase& PgDatabase() {
  static const lumo::bench::PgDemoDatabase database("lumo_bench_action");
  return database;
}

// The host's registrations, kept for the whole run.
struct Host {
  std::istringstream in;
  lumo::ui::UiRegistration ui;
  std::shared_ptr<lumo::components::PropertyStore> shared;
  Host()
      : ui(lumo::ui::PresenterKind::Scripted,
           lumo::ui::PresenterChoice{lumo::ui::UiMode::None, lumo::ui::Answer::No, 1},
           lumo::ui::PresenterSetup{in, std::cerr, nullptr, nullptr}) {
    ::setenv("LUMO_PROFILE", (Database().path() + ".ini").c_str(), 1);
    lumo::data::RegisterDataAccess();
    shared = lumo::components::RegisterHostComponents({});
    lumo::viewers::RegisterViewers();
  }
};

// Once for the whole program, before the first call; the viewers read the
// session's property string of the process, so it names the database the
// benchmark runs on.
void RegisterHost(const std::string& props) {
  static Host host;
  host.shared->Set(static_cast<int32_t>(::getpid()), "PropsString", props);
}

lumo::DictionaryRef Para(const char* para, const std::string& props = Database().props()) {
  std::istringstream none;
  const auto json = para[0] == '@' ? lumo::hosting::ReadJsonFile(
                                         std::string(LUMO_DATA_DIR "/") + (para + 1), none)
                                   : lumo::hosting::ParseJson(para, "para");
  auto dctPara = lumo::ObjectAs<lumo::Dictionary>(lumo::hosting::VariantFromJson(json));
  dctPara->SetValue("PropString", props);
  return dctPara;
}

void DoActionCase(benchmark::State& state, const ActionCase& c, const std::string& props) {
  RegisterHost(props);
  lumo::clsActionIC component;
  const lumo::DictionaryRef dctPara = Para(c.para, props);
  for (auto _ : state) {
    lumo::DictionaryRef dctReturn;
    benchmark::DoNotOptimize(component.DoAction(c.action, "", dctPara, dctReturn));
    if (lumo::clsActionIC::LastError().number != 0) {
      state.SkipWithError(lumo::clsActionIC::LastError().description.c_str());
      break;
    }
  }
}

void BareCase(benchmark::State& state, const ActionCase& c) {
  lumo::bench::RunBareStatements(state, Database().path(), c.statements);
}

void BarePgCase(benchmark::State& state, const ActionCase& c) {
  lumo::bench::RunBareOdbcStatements(state, PgDatabase().connection(),
                                     c.pgStatements.empty() ? c.statements : c.pgStatements);
}

// No action has this name; the trace log is registered with tracing off.
void DoActionUnknownName(benchmark::State& state) {
  RegisterHost(Database().props());
  lumo::clsActionIC component;
  const lumo::DictionaryRef dctPara = Para("{}");
  for (auto _ : state) {
    lumo::DictionaryRef dctReturn;
    benchmark::DoNotOptimize(component.DoAction("TevSer_NoSuchAction", "", dctPara, dctReturn));
  }
}
BENCHMARK(DoActionUnknownName);

// TevSer_CurrencyCal on a column of n amounts: one exchange-rate query, then
// each amount converted.
void DoActionCurrencyColumn(benchmark::State& state) {
  RegisterHost(Database().props());
  const auto items = static_cast<int32_t>(state.range(0));
  const lumo::DictionaryRef dctPara = Para(R"({"P_CurrencyID": 4, "P_OldExchangeRate": 0.5})");
  lumo::VbArray column(1, items);
  for (int32_t i = 1; i <= items; ++i) column.at(i) = i * 0.25;
  dctPara->SetValue("P_CalField1", column);
  lumo::clsActionIC component;
  for (auto _ : state) {
    lumo::DictionaryRef dctReturn;
    component.DoAction("TevSer_CurrencyCal", "", dctPara, dctReturn);
    if (!dctReturn || !dctReturn->Value("P_CalField1").IsArray()) {
      state.SkipWithError("no column came back");
      break;
    }
  }
}
BENCHMARK(DoActionCurrencyColumn)
    ->Name("DoActionColumn/TevSer_CurrencyCal")
    ->Arg(1'000)
    ->Arg(10'000)
    ->Arg(100'000);

}  // namespace

int main(int argc, char** argv) {
  for (const ActionCase& c : Cases()) {
    benchmark::RegisterBenchmark(
        (std::string("DoAction/") + c.action).c_str(),
        [&c](benchmark::State& state) { DoActionCase(state, c, Database().props()); });
    benchmark::RegisterBenchmark((std::string("Bare/") + c.action).c_str(), BareCase, c);
    if (lumo::bench::PgDemoDatabase::Server() == nullptr) continue;
    benchmark::RegisterBenchmark(
        (std::string("PgDoAction/") + c.action).c_str(),
        [&c](benchmark::State& state) { DoActionCase(state, c, PgDatabase().props()); })
        ->UseRealTime();
    benchmark::RegisterBenchmark((std::string("PgBare/") + c.action).c_str(), BarePgCase, c)
        ->UseRealTime();
  }
  lumo::bench::RatioReporter reporter;
  if (!lumo::bench::RunBenchmarks(argc, argv, reporter)) return 1;
  std::printf("\n%-24s %14s %14s %8s\n", "action", "DoAction ns", "bare ns", "ratio");
  for (const ActionCase& c : Cases()) {
    const double action = reporter.Of(std::string("DoAction/") + c.action);
    const double bare = reporter.Of(std::string("Bare/") + c.action);
    if (action > 0 && bare > 0) {
      std::printf("%-24s %14.0f %14.0f %8.2f\n", c.action, action, bare, action / bare);
    }
  }
  for (const ActionCase& c : Cases()) {
    const double action = reporter.RealOf(std::string("PgDoAction/") + c.action);
    const double bare = reporter.RealOf(std::string("PgBare/") + c.action);
    if (action > 0 && bare > 0) {
      std::printf("%-24s %14.0f %14.0f %8.2f  (PostgreSQL, real time)\n", c.action, action, bare,
                  action / bare);
    }
  }
  if (const double unknown = reporter.Of("DoActionUnknownName"); unknown > 0) {
    std::printf("%-24s %14.0f\n", "(unknown name)", unknown);
  }
  return 0;
}
