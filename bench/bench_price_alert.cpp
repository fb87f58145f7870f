// TevSer_POPriceAlert through DoAction on a purchase order of 100 and 1,000
// lines, none over their maximum price and all over it (then the scripted
// presenter answers the dialog No), beside the bare queries the action
// runs: the options and the items once, and per line the maximum price and
// the unit factor that the system-information component reads. Prints the
// time per line of each and their ratio.
#include <benchmark/benchmark.h>
#include <sqlite3.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "bare_query.h"
#include "collections/dictionary.h"
#include "collections/vector.h"
#include "core/cls_action_ic.h"
#include "demo_database.h"
#include "host/components/register.h"
#include "host/data/register.h"
#include "host/ui/presenter_choice.h"
#include "ratio_reporter.h"

namespace {

using lumo::Dictionary;
using lumo::DictionaryRef;
using lumo::NewDictionary;
using lumo::Variant;

constexpr int32_t kFirstItem = 900001;  // the benchmark's own items
constexpr int32_t kMostLines = 1000;
constexpr int32_t kSupplier = 231;
constexpr double kMaxPrice = 10.0;

// kMostLines items of the benchmark's own, each with a maximum price.
bool AddItems(const std::string& path) {
  sqlite3* db = nullptr;
  sqlite3_open(path.c_str(), &db);
  std::string sql = "BEGIN;";
  for (int32_t item = kFirstItem; item < kFirstItem + kMostLines; ++item) {
    const std::string id = std::to_string(item);
    sql += "INSERT INTO t_ICItemCore (FItemID, FNumber, FName, FModel, FUnitID) VALUES (" + id +
           ", 'B" + id + "', '基准物料', 'M" + id + "', 1);";
    sql += "INSERT INTO t_POMaxPrice (FItemID, FMaxPrice) VALUES (" + id + ", 10.0);";
  }
  const bool added = sqlite3_exec(db, (sql + "COMMIT;").c_str(), nullptr, nullptr, nullptr) == 0;
  sqlite3_close(db);
  return added;
}

// The demo database with the benchmark's items; the dialog's profile is
// kept beside it.
const lumo::bench::DemoDatabase& Database() {
  static const lumo::bench::DemoDatabase database("lumo_bench_price_alert");
  static const bool itemsAdded = AddItems(database.path());
  if (!itemsAdded) std::abort();
  return database;
}

DictionaryRef Cell(Variant stored, Variant shown = "", Variant number = "") {
  auto cell = NewDictionary();
  cell->SetValue("FFLD", std::move(stored));
  cell->SetValue("FDSP", std::move(shown));
  cell->SetValue("FFND", std::move(number));
  return cell;
}

// dctPara of a purchase order of `lines` lines, all priced `price`.
DictionaryRef Order(int32_t lines, double price, const std::string& props) {
  auto entries = lumo::NewVector();
  auto header = NewDictionary(), body = NewDictionary();
  header->SetValue("FEntryType", 0);
  body->SetValue("FEntryType", 1);
  entries->Add(header);
  entries->Add(body);

  auto map = NewDictionary(), tableInfo = NewDictionary();
  tableInfo->SetValue("Map", map);
  const std::pair<const char*, int32_t> fields[] = {
      {"FSupplyID", 1}, {"FCurrencyID", 1}, {"FExchangeRate", 1}, {"FItemID", 2},
      {"FUnitID", 2},   {"FAuxPrice", 2},   {"FDiscountRate", 2}};
  for (const auto& [key, page] : fields) {
    auto info = NewDictionary();
    info->SetValue("FPage", page);
    info->SetValue("FKey", key);
    info->SetValue("FFieldName", key);
    map->SetValue(key, key);
    tableInfo->SetValue(key, info);
  }

  auto page1 = NewDictionary();
  page1->SetValue("FSupplyID", Cell(kSupplier, "常州恒力液压件有限公司", "S011"));
  page1->SetValue("FCurrencyID", Cell(1, "人民币", "RMB"));
  page1->SetValue("FExchangeRate", Cell(1.0));
  auto page2 = lumo::NewVector();
  for (int32_t line = 0; line < lines; ++line) {
    auto row = NewDictionary();
    auto item = Cell(kFirstItem + line, "基准物料");
    item->SetValue("FPriceDecimal", 2);
    row->SetValue("FItemID", item);
    row->SetValue("FUnitID", Cell(1, "个"));
    row->SetValue("FAuxPrice", Cell(price));
    row->SetValue("FDiscountRate", Cell(0.0));
    page2->Add(row);
  }
  auto data = NewDictionary();
  data->SetValue("Page1", page1);
  data->SetValue("Page2", page2);

  auto para = NewDictionary();
  para->SetValue("PropString", props);
  para->SetValue("dctTableInfo", tableInfo);
  para->SetValue("dctData", data);
  para->SetValue("vctClassTypeEntry", entries);
  for (const char* key : {"P_SupplyKEY", "P_CurrencyKEY", "P_ExChangeRateKEY", "P_ItemKEY",
                          "P_UnitKEY", "P_PriceKEY", "P_DiscountRateKEY"}) {
    static const std::map<std::string, const char*> kFields = {
        {"P_SupplyKEY", "FSupplyID"},
        {"P_CurrencyKEY", "FCurrencyID"},
        {"P_ExChangeRateKEY", "FExchangeRate"},
        {"P_ItemKEY", "FItemID"},
        {"P_UnitKEY", "FUnitID"},
        {"P_PriceKEY", "FAuxPrice"},
        {"P_DiscountRateKEY", "FDiscountRate"}};
    para->SetValue(key, kFields.at(key));
  }
  return para;
}

// range(0): lines; range(1): 1 when every line is over its maximum price.
void DoActionPriceAlert(benchmark::State& state) {
  const auto lines = static_cast<int32_t>(state.range(0));
  const bool over = state.range(1) == 1;
  const std::string props = Database().props();
  ::setenv("LUMO_PROFILE", (Database().path() + ".ini").c_str(), 1);
  lumo::data::RegisterDataAccess();
  lumo::components::RegisterHostComponents({})->Set(static_cast<int32_t>(::getpid()), "PropsString",
                                                    props);
  std::istringstream in;
  const lumo::ui::PresenterChoice choice{lumo::ui::UiMode::None, lumo::ui::Answer::No,
                                         std::nullopt};
  const lumo::ui::PresenterSetup setup{in, std::cerr, nullptr, nullptr};
  const lumo::ui::UiRegistration ui(lumo::ui::PresenterKind::Scripted, choice, setup);
  lumo::clsActionIC component;
  const DictionaryRef dctPara = Order(lines, over ? kMaxPrice + 1 : kMaxPrice - 1, props);
  for (auto _ : state) {
    DictionaryRef dctReturn;
    benchmark::DoNotOptimize(component.DoAction("TevSer_POPriceAlert", "", dctPara, dctReturn));
    if (lumo::clsActionIC::LastError().number != 0 || (dctReturn != nullptr) != over) {
      state.SkipWithError("the alert did not answer as expected");
      break;
    }
  }
}
BENCHMARK(DoActionPriceAlert)->ArgsProduct({{100, 1000}, {0, 1}})->Unit(benchmark::kMillisecond);

void BareQueries(benchmark::State& state) {
  const auto lines = static_cast<int32_t>(state.range(0));
  sqlite3* db = nullptr;
  // Opened as the data layer opens its pooled connections.
  if (sqlite3_open_v2(Database().path().c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX,
                      nullptr) != SQLITE_OK) {
    state.SkipWithError("cannot open the database");
    sqlite3_close(db);
    return;
  }
  std::string items;
  for (int32_t line = 0; line < lines; ++line) items += std::to_string(kFirstItem + line) + ",";
  items.pop_back();
  for (auto _ : state) {
    lumo::bench::RunBareStatement(
        db,
        "SELECT FKey,FValue FROM t_SystemProfile WHERE FCategory = 'IC' AND FKey IN "
        "('IsUsePurPrcMgr', 'AlertPOMaxPrice', 'AlertHighPriceWhenCheck', "
        "'POOrderTaxInPrice', 'SInvoiceDecimal')");
    lumo::bench::RunBareStatement(
        db,
        "SELECT FItemID,FNumber,FName,FModel FROM t_ICItemCore WHERE FItemID IN (" + items + ")");
    for (int32_t line = 0; line < lines; ++line) {
      lumo::bench::RunBareStatement(
          db,
          "SELECT FMaxPrice FROM t_POMaxPrice WHERE FItemID=" + std::to_string(kFirstItem + line) +
              " AND FSupID IN (0," + std::to_string(kSupplier) +
              ") AND FPriceType IN (-1,1) ORDER BY FSupID DESC, FPriceType DESC");
      lumo::bench::RunBareStatement(
          db, "SELECT FCoefficient,FScale FROM t_MeasureUnit WHERE FMeasureUnitID=1");
    }
  }
  sqlite3_close(db);
}
BENCHMARK(BareQueries)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  lumo::bench::RatioReporter reporter;
  if (!lumo::bench::RunBenchmarks(argc, argv, reporter)) return 1;
  std::printf("\nper line (CPU time)      lines  action us  bare us  action / bare\n");
  for (const int lines : {100, 1000}) {
    // The reporter keeps nanoseconds; printed in microseconds per line.
    const double bare = reporter.Of("BareQueries/" + std::to_string(lines)) / 1000 / lines;
    for (const int over : {0, 1}) {
      const double action =
          reporter.Of("DoActionPriceAlert/" + std::to_string(lines) + "/" + std::to_string(over)) /
          1000 / lines;
      if (action > 0 && bare > 0) {
        std::printf("%-24s %5d  %9.1f  %7.1f  %13.2f\n",
                    over ? "all over, answered No" : "none over", lines, action, bare,
                    action / bare);
      }
    }
  }
  return 0;
}
