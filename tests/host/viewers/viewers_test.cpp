// The viewers on the demo database: what each lists, in which order, and
// the conditions they refuse. What the price list returns is tested with
// lumo-action's scripted presenter (tests/apps).
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "hostapi/resources_browser.h"
#include "hostapi/stock_status.h"
#include "hostapi/supply_face.h"
#include "hostapi/trade_query.h"
#include "support/fake_presenter.h"
#include "support/vb_testing.h"
#include "support/viewer_host.h"

namespace lumo::viewers {
namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

// One demo database for the suite, and the host parts for each test.
class Viewers : public ::testing::Test {
 protected:
  static void TearDownTestSuite() { fs::remove(Database()); }
  static std::string Database() {
    return (fs::temp_directory_path() / ("lumo-viewers-" + std::to_string(::getpid()) + ".db"))
        .string();
  }
  void SetUp() override { properties_ = testing::RegisterViewerHost(Database()); }
  void UseLanguage(const std::string& language) {
    testing::PublishSession(*properties_, Database(), language);
  }

  std::shared_ptr<components::PropertyStore> properties_;
};

// The cells of the given columns of each listed row, joined by "|"; only
// the rows whose item code (column codeColumn) begins with "09.", the demo
// items of the viewers, so rows other demo data adds leave the order seen.
Lines Cells(const RecordList& list, const std::vector<size_t>& columns, size_t codeColumn) {
  Lines lines;
  for (const auto& row : list.rows) {
    if (!row.at(codeColumn).starts_with("09.")) continue;
    std::string line;
    for (size_t c : columns) line += (line.empty() ? "" : "|") + row.at(c);
    lines.push_back(line);
  }
  return lines;
}

TEST_F(Viewers, PriceListShowsThePriceTypeNarrowedAndOrderedAsAsked) {
  // supplier|item|from quantity|price|currency
  const std::string k0 = "昆山精密导轨有限公司|09.001|0|185.00|人民币",
                    k50 = "昆山精密导轨有限公司|09.001|50|176.00|人民币",
                    kRail = "昆山精密导轨有限公司|09.002|0.00|96.50|人民币",
                    kDomestic = "昆山精密导轨有限公司|09.003|0|118.00|人民币",
                    kTaiwan = "Taiwan Linear Motion Co.|09.001|0|24.80|美元",
                    kTaiwanVat = "Taiwan Linear Motion Co.|09.001|0|27.50|美元";
  const struct {
    int32_t supplier, item;
    bool bySupplier;
    int32_t priceType;
    Lines rows;
  } cases[] = {
      {251, 0, true, 1, {k0, k50, kRail, kDomestic}},
      {0, 1451, false, 1, {k0, k50, kTaiwan}},
      {0, 1451, false, 2, {kTaiwanVat}},
      {252, 1451, true, 1, {kTaiwan}},
      {0, 0, true, 1, {k0, k50, kRail, kDomestic, kTaiwan}},
      {0, 0, false, 1, {k0, k50, kTaiwan, kRail, kDomestic}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.supplier << " " << c.item << " " << c.bySupplier);
    testing::FakePresenter presenter;
    const auto face = CreateObjectAs<ISupplyFace>(kSupplyFaceProgId);
    if (c.supplier) face->SetSelSupID(c.supplier);
    if (c.item) face->SetSelICItemID(c.item);
    face->SetCategoryBySupply(c.bySupplier);
    face->SetPriceType(c.priceType);
    face->Show(1);
    ASSERT_EQ(presenter.presenter->lists.size(), 1u);
    EXPECT_TRUE(presenter.presenter->lists[0].pickable);
    EXPECT_EQ(Cells(presenter.presenter->lists[0], {0, 1, 6, 7, 5}, 1), c.rows);
  }
}

TEST_F(Viewers, TradePricesAreOfTheKindPartnerAndItemNewestFirst) {
  // date|bill|partner|item|quantity|price|price with tax
  const std::string kOrder = "2024-06-03|POORD002351|昆山精密导轨有限公司|09.001|60|176.00|198.88",
                    kOrderRail =
                        "2024-06-03|POORD002351|昆山精密导轨有限公司|09.002|20.00|96.50|109.05",
                    kBought = "2024-02-05|POORD240031|昆山精密导轨有限公司|09.001|40|188.00|212.44",
                    kImported =
                        "2024-03-12|POORD240047|Taiwan Linear Motion Co.|09.001|100|25.20|28.48",
                    kSold = "2024-06-10|SEORD002352|杭州明达机械有限公司|09.001|8|255.00|288.15",
                    kSoldBefore =
                        "2024-04-02|SEORD240028|杭州明达机械有限公司|09.001|10|260.00|293.80";
  const struct {
    int32_t type, company, item;
    const char* number;
    const char* title;
    Lines rows;
  } cases[] = {
      {1, 0, 1451, "09.001", "采购历史价格 09.001", {kOrder, kImported, kBought}},
      {2, 0, 1451, "09.001", "销售历史价格 09.001", {kSold, kSoldBefore}},
      {0, 0, 1451, "", "历史价格", {kSold, kOrder, kSoldBefore, kImported, kBought}},
      {1, 251, 0, "", "采购历史价格", {kOrder, kOrderRail, kBought}},
      {2, 251, 1451, "09.001", "销售历史价格 09.001", {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.type << " " << c.company << " " << c.item);
    testing::FakePresenter presenter;
    const auto query = CreateObjectAs<ITradeQuery>(kTradeQueryProgId);
    query->SetQueryType(c.type);
    query->SetCompanyID(c.company);
    query->SetItemID(c.item);
    query->SetItemNumber(c.number);
    query->Show();
    ASSERT_EQ(presenter.presenter->lists.size(), 1u);
    const RecordList& list = presenter.presenter->lists[0];
    EXPECT_EQ(list.title, c.title);
    EXPECT_FALSE(list.pickable);
    EXPECT_EQ(Cells(list, {0, 1, 2, 3, 7, 8, 9}, 3), c.rows);
  }
}

// Titles and font follow the session's language.
TEST_F(Viewers, StockIsListedPerItemAndWarehouseWithWhatIsAvailable) {
  const Lines all = {"09.001|原材料仓|8|0|0|0|8",
                     "09.001|五金仓|36|10|12|60|74",
                     "09.002|五金仓|45.50|10.00|0.00|20.00|55.50",
                     "09.003|五金仓|120|20|0|0|100",
                     "09.004||0|0|0|0|0",
                     "09.005||0|0|0|0|0"};
  const struct {
    std::optional<std::string> condition;  // nullopt: Show, every item
    Lines rows;  // item|warehouse|on hand|safety|allocated|expected|available
    const char* language = "CHS";
    const char* shown = "库存状态|物料代码|WenQuanYi Micro Hei";  // title|first column|font
  } cases[] = {
      {"t1.FItemID IN (1455,1451)", {all[0], all[1], all[5]}},
      {"t1.FItemID IN ( 1452 ,,\t01455 )", {all[2], all[5]}},
      {"t1.FItemID IN (,)", {}},
      {std::nullopt, all},
      {"t1.FItemID IN (1455)", {all[5]}, "EN", "Stock Status|Item Code|"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.condition.value_or("Show"));
    UseLanguage(c.language);
    testing::FakePresenter presenter;
    const auto face = CreateObjectAs<IStockStatusFace>(kStockStatusProgId);
    c.condition ? face->ShowByBill(*c.condition) : face->Show();
    ASSERT_EQ(presenter.presenter->lists.size(), 1u);
    const RecordList& list = presenter.presenter->lists[0];
    EXPECT_EQ(Cells(list, {0, 3, 5, 6, 7, 8, 9}, 0), c.rows);
    EXPECT_EQ(list.title + "|" + list.columns.at(0).title + "|" + list.fontName, c.shown);
  }
}

TEST_F(Viewers, ReplacementsAreListedByItemAndPriority) {
  const Lines replacements = {"09.001|09.003|直线导轨滑块（国产）|1.0000|1|国产替代，精度等级 N",
                              "09.001|09.004|法兰型导轨滑块|1.0000|2|需改用法兰安装"};
  const struct {
    const char* filter;
    Lines rows;  // item|replacement|its name|rate|priority|note
  } cases[] = {
      {"t1.FItemID IN (1451)", replacements},
      {"t1.FItemID IN (1455,1452)", {}},
      {"", replacements},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.filter);
    testing::FakePresenter presenter;
    const auto browser = CreateObjectAs<IResourcesBrowser>(kResourcesBrowserProgId);
    browser->SetFilter(c.filter);
    browser->Show();
    ASSERT_EQ(presenter.presenter->lists.size(), 1u);
    EXPECT_EQ(Cells(presenter.presenter->lists[0], {0, 3, 4, 6, 7, 8}, 0), c.rows);
  }
}

TEST_F(Viewers, ConditionsOtherThanAListOfWholeNumbersAreRefusedAndNothingIsShown) {
  const char* const kConditions[] = {"t1.FItemID IN (1) OR (1=1)",
                                     "t1.FItemID IN (1);DELETE FROM t_Inventory;--)",
                                     "t1.FItemID IN (SELECT FItemID FROM t_ICItemCore)",
                                     "t1.FItemID IN (1.5)",
                                     "t1.FItemID IN (1 2)",
                                     "t1.FItemID IN (2147483648)",
                                     "t1.fitemid in (1)",
                                     "t1.FItemID IN (1",
                                     "FItemID IN (1)"};
  for (const char* condition : kConditions) {
    SCOPED_TRACE(condition);
    testing::FakePresenter presenter;
    const std::string description = "the item condition \"" + std::string(condition) +
                                    "\" is not t1.FItemID IN (whole numbers separated by commas)";
    EXPECT_VB_ERROR_INFO(
        CreateObjectAs<IStockStatusFace>(kStockStatusProgId)->ShowByBill(condition), 5,
        "LumoStockStatus.SSFace", description);
    const auto browser = CreateObjectAs<IResourcesBrowser>(kResourcesBrowserProgId);
    browser->SetFilter("t1.FItemID IN (1455)");
    EXPECT_VB_ERROR_INFO(browser->SetFilter(condition), 5, "LumoResources.Browser", description);
    EXPECT_TRUE(presenter.presenter->lists.empty());
    browser->Show();  // with the filter it had
    ASSERT_EQ(presenter.presenter->lists.size(), 1u);
    EXPECT_TRUE(presenter.presenter->lists[0].rows.empty());
  }
}

}  // namespace
}  // namespace lumo::viewers
