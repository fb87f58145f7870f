#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "support/action_test_access.h"
#include "support/fake_class_info.h"
#include "support/fake_presenter.h"
#include "support/fake_sys_info.h"
#include "support/item_list.h"
#include "support/test_bill.h"
#include "support/vb_testing.h"

namespace lumo::testing {
namespace {

const std::string kOptionsSql =
    "Select FKey,FValue From t_SystemProfile Where FCategory = 'IC' AND FKey in "
    "('IsUsePurPrcMgr', 'AlertPOMaxPrice', 'AlertHighPriceWhenCheck', 'POOrderTaxInPrice', "
    "'SInvoiceDecimal')";

DictionaryRef Cell(Variant stored, Variant shown = "", Variant number = "") {
  return Dict(
      {{"FFLD", std::move(stored)}, {"FDSP", std::move(shown)}, {"FFND", std::move(number)}});
}

struct Line {
  Variant item = 1301, unit = 5, price = 10.0, taxPrice = 11.3, taxRate = 13.0, discount = 0.0;
  Variant priceDecimal = 2;
};

// A purchase order: header page 1 (supplier, currency, rate, invoice
// style), entry page 2 (item, unit, prices, tax and discount rates).
struct Order {
  Variant supplier = 231, currency = 1, rate = 1.0, invStyle = 12510;
  std::vector<Line> lines = {Line{}};
  bool taxPriceKey = true, invStyleKey = true;
  Variant saveOrApprove = 0;
};

DictionaryRef Para(const Order& order) {
  TestBill bill({false, true});
  const std::pair<const char*, int32_t> fields[] = {
      {"FSupplyID", 1}, {"FCurrencyID", 1},  {"FExchangeRate", 1}, {"FInvStyle", 1},
      {"FItemID", 2},   {"FUnitID", 2},      {"FAuxPrice", 2},     {"FAuxTaxPrice", 2},
      {"FTaxRate", 2},  {"FDiscountRate", 2}};
  for (const auto& [key, page] : fields) bill.AddField(key, std::string("i") + key, page, key);
  bill.AddRecord(1, {{"iFSupplyID", Cell(order.supplier, "恒力液压", "S011")},
                     {"iFCurrencyID", Cell(order.currency, "人民币", "RMB")},
                     {"iFExchangeRate", Cell(order.rate)},
                     {"iFInvStyle", Cell(order.invStyle)}});
  for (const Line& line : order.lines) {
    auto item = Cell(line.item, "接头", "06.001");
    item->SetValue("FPriceDecimal", line.priceDecimal);
    bill.AddRecord(2, {{"iFItemID", item},
                       {"iFUnitID", Cell(line.unit, "箱")},
                       {"iFAuxPrice", Cell(line.price)},
                       {"iFAuxTaxPrice", Cell(line.taxPrice)},
                       {"iFTaxRate", Cell(line.taxRate)},
                       {"iFDiscountRate", Cell(line.discount)}});
  }
  return Dict({{"PropString", "DB=demo"},
               {"dctClassType", NewDictionary()},
               {"dctTableInfo", bill.tableInfo},
               {"dctData", bill.data},
               {"vctClassTypeEntry", bill.classTypeEntry},
               {"P_SupplyKEY", " FSupplyID "},
               {"P_CurrencyKEY", "FCurrencyID"},
               {"P_ExChangeRateKEY", "FExchangeRate"},
               {"P_PriceType", 7},
               {"P_PriceKEY", "FAuxPrice"},
               {"P_TaxPriceKEY", order.taxPriceKey ? "FAuxTaxPrice" : ""},
               {"P_ItemKEY", "FItemID"},
               {"P_UnitKEY", "FUnitID"},
               {"P_TaxRateKEY", "FTaxRate"},
               {"P_DiscountRateKEY", "FDiscountRate"},
               {"P_InvStyleKey", order.invStyleKey ? "FInvStyle" : ""},
               {"P_SaveOrApprove", order.saveOrApprove}});
}

using Options = std::map<std::string, Variant>;

Options AlertOn(Options changes = {}) {
  Options options = {{"IsUsePurPrcMgr", "1"},
                     {"AlertPOMaxPrice", "1"},
                     {"AlertHighPriceWhenCheck", "0"},
                     {"POOrderTaxInPrice", "0"}};
  for (auto& [key, value] : changes) options[key] = value;
  return options;
}

// Runs the handler on fakes: the options and the item rows from the data
// layer, maximum prices (supplier, item, currency, price type) and unit
// factors from the system information, and a presenter giving `answer`.
struct Alert {
  FakeClassInfo database;
  FakeSysInfo sysInfo;
  FakePresenter presenter;
  DictionaryRef dctReturn;

  explicit Alert(const Options& options, std::optional<int32_t> answer = kAnswerNo)
      : presenter(answer) {
    Table table{{"FKey", "FValue"}, {}};
    for (const auto& [key, value] : options) table.rows.push_back({key, value});
    database.db->queue.push_back(std::move(table));
    database.db->queue.push_back({{"FItemID", "FNumber", "FName", "FModel"},
                                  {{1301, "06.001", "液压直通接头", "M18"},
                                   {1302, "06.002", "O型密封圈", Variant::Null()}}});
  }
  void Run(const Order& order) {
    EXPECT_EQ(ActionTestAccess::Call("TevSer_POPriceAlert", Para(order), dctReturn), 0);
  }
  // The price cells (maximum, bill, difference) of the first listed line.
  std::string Prices() const {
    const auto& rows = presenter.presenter->rows;
    if (rows.size() < 3) return "none";
    const std::string& row = rows[2];
    size_t start = row.size() - 1;
    for (int bars = 0; bars < 3; ++bars) start = row.rfind('|', start - 1);
    return row.substr(start + 1);
  }
};

TEST(POPriceAlert, ChecksOnlyWhenSwitchedOnForThisSaveOrApproval) {
  const struct {
    const char* name;
    Options options;
    Variant mode;
    bool checked;
  } cases[] = {
      {"saving, checked on saving", AlertOn(), 0, true},
      {"approving, checked on approval", AlertOn({{"AlertHighPriceWhenCheck", "True"}}), 1, true},
      {"saving, checked on approval", AlertOn({{"AlertHighPriceWhenCheck", "1"}}), 0, false},
      {"approving, checked on saving", AlertOn(), 1, false},
      {"mode 2 with the check on saving", AlertOn(), 2, true},
      {"mode 2 with the check on approval", AlertOn({{"AlertHighPriceWhenCheck", "-1"}}), 2, true},
      {"price management off", AlertOn({{"IsUsePurPrcMgr", "0"}}), 0, false},
      {"alert off", AlertOn({{"AlertPOMaxPrice", "False"}}), 0, false},
      {"no options stored", {}, 0, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Alert alert(c.options);
    Order order;
    order.saveOrApprove = c.mode;
    order.lines[0].price = 99.0;
    alert.sysInfo.answers->maxPrices[{231, 1301, 1, 1}] = 10.0;
    alert.Run(order);
    const Calls optionsOnly = {{"DB=demo", kOptionsSql}};
    if (c.checked) {
      ASSERT_EQ(alert.database.db->calls.size(), 2u);
      EXPECT_EQ(alert.database.db->calls[1].second,
                "Select FItemID,FNumber,FName,FModel From t_ICItemCore where FItemID In ( 1301 )");
      EXPECT_EQ(alert.sysInfo.answers->created, 1);
      EXPECT_EQ(alert.presenter.presenter->shown, 1);
    } else {
      EXPECT_EQ(alert.database.db->calls, optionsOnly);
      EXPECT_EQ(alert.sysInfo.answers->created, 0);
      EXPECT_EQ(alert.presenter.presenter->shown, 0);
      EXPECT_EQ(alert.dctReturn, nullptr);
    }
  }
}

TEST(POPriceAlert, ComparesPricesOnTheSameBasisRoundedToTheSameDecimals) {
  const struct {
    const char* name;
    Options options;
    Line line;
    Variant max;
    std::pair<double, double> unit;  // coefficient, scale
    std::string prices;              // "none" when the line is within its limit
    Variant mode = 0;
  } cases[] = {
      {"rounding edge", AlertOn(), {.price = 10.006}, 10.004, {0, 0}, "10.00|10.01|0.01|"},
      {"equal when rounded", AlertOn(), {.price = 10.004}, 10.001, {0, 0}, "none"},
      {"maximum 0 marks any price", AlertOn(), {.price = 0.01}, 0.0, {0, 0}, "0.00|0.01|0.01|"},
      {"negative maximum marks none", AlertOn(), {.price = 99.0}, -1.0, {0, 0}, "none"},
      {"tax price compared unchanged",
       AlertOn({{"POOrderTaxInPrice", "1"}}),
       {.price = 1.0, .taxPrice = 11.3},
       11.0,
       {0, 0},
       "11.00|11.30|0.30|"},
      {"option off: price without tax",
       AlertOn(),
       {.price = 10.0, .taxPrice = 20.0},
       10.5,
       {0, 0},
       "none"},
      {"discount 10 lowers to 90 %",
       AlertOn(),
       {.price = 10.0, .discount = 10.0},
       8.5,
       {0, 0},
       "8.50|9.00|0.50|"},
      {"negative discount ignored",
       AlertOn(),
       {.price = 10.0, .discount = -5.0},
       9.0,
       {0, 0},
       "9.00|10.00|1.00|"},
      {"unit of 12", AlertOn(), {.price = 5.4}, 0.4, {12, 0}, "4.80|5.40|0.60|"},
      {"coefficient plus scale", AlertOn(), {.price = 5.4}, 0.4, {10, 2}, "4.80|5.40|0.60|"},
      {"factor 0 keeps the base unit", AlertOn(), {.price = 5.4}, 5.0, {0, 0}, "5.00|5.40|0.40|"},
      {"N = 0", AlertOn(), {.price = 11.4, .priceDecimal = 0}, 10.4, {0, 0}, "10|11|1|"},
      {"grouped digits", AlertOn(), {.price = 1280.5}, 1234.5, {0, 0}, "1,234.50|1,280.50|46.00|"},
      {"N from the profile on approval",
       AlertOn({{"AlertHighPriceWhenCheck", "1"}, {"SInvoiceDecimal", "3"}}),
       {.price = 1.0006, .priceDecimal = 0},
       1.0004,
       {0, 0},
       "1.000|1.001|0.001|",
       1},
      {"N from the item cell on saving",
       AlertOn({{"SInvoiceDecimal", "3"}}),
       {.price = 1.0006, .priceDecimal = "2"},
       1.0004,
       {0, 0},
       "none"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Alert alert(c.options);
    alert.sysInfo.answers->maxPrices[{231, 1301, 1, 1}] = c.max;
    alert.sysInfo.answers->units[5] = c.unit;
    Order order;
    order.lines = {c.line};
    order.saveOrApprove = c.mode;
    alert.Run(order);
    EXPECT_EQ(alert.Prices(), c.prices);
  }
}

TEST(POPriceAlert, PriceWithoutTaxPriceKeyIsRaisedByItsTaxRate) {
  Alert alert(AlertOn({{"POOrderTaxInPrice", "1"}}));
  alert.sysInfo.answers->maxPrices[{231, 1301, 1, 1}] = 11.0;
  Order order;
  order.taxPriceKey = false;
  order.lines[0].price = 10.0;
  alert.Run(order);
  EXPECT_EQ(alert.Prices(), "11.00|11.30|0.30|");
}

TEST(POPriceAlert, InvoiceStyleDecidesThePriceTypeElseTheCallersIsUsed) {
  const struct {
    const char* name;
    Variant style;
    bool styleKey;
    const char* priceType;
  } cases[] = {
      {"value-added-tax invoice", "12511", true, "0"},
      {"ordinary invoice", 12510, true, "1"},
      {"no invoice style key", 12511, false, "7"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Alert alert(AlertOn());
    Order order;
    order.invStyle = c.style;
    order.invStyleKey = c.styleKey;
    order.rate = "0.5";
    alert.Run(order);
    EXPECT_EQ(alert.sysInfo.answers->calls,
              (std::vector<std::string>{
                  "GetPOMaxHighPrice DB=demo 231 1301 1 0.500000 " + std::string(c.priceType),
                  "GetCoeAndScale DB=demo 5"}));
  }
}

TEST(POPriceAlert, LinesWithoutItemSupplierOrCurrencyAreNotTested) {
  for (const char* missing : {"item", "supplier", "currency"}) {
    SCOPED_TRACE(missing);
    Alert alert(AlertOn());
    Order order;
    order.lines.push_back(Line{});
    if (missing == std::string("item")) order.lines[0].item = 0;
    if (missing == std::string("supplier")) order.supplier = "x";
    if (missing == std::string("currency")) order.currency = -3;
    alert.Run(order);
    const size_t tested = missing == std::string("item") ? 1 : 0;
    EXPECT_EQ(alert.sysInfo.answers->calls.size(), 2 * tested);
  }
}

TEST(POPriceAlert, ListsTheLinesOverTheLimitAndCancelsOnNoOrClose) {
  const struct {
    const char* name;
    std::optional<int32_t> answer;
    bool cancel;
  } cases[] = {
      {"Yes", kAnswerYes, false},
      {"No", kAnswerNo, true},
      {"window closed", std::nullopt, true},
      {"Yes to all is not offered: closed", kAnswerYesToAll, true},
      {"Cancel is not offered: closed", kAnswerCancel, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Alert alert(AlertOn(), c.answer);
    Order order;
    order.lines = {Line{.price = 8.6}, Line{.item = 1302, .price = 3.0}, Line{.price = 9.5}};
    alert.sysInfo.answers->maxPrices[{231, 1301, 1, 1}] = 9.0;
    alert.sysInfo.answers->maxPrices[{231, 1302, 1, 1}] = 2.0;
    alert.Run(order);

    const auto& shown = *alert.presenter.presenter;
    EXPECT_EQ(shown.caption, "采购最高限价报警和控制");
    EXPECT_EQ(shown.controls.header.text,
              "对于当前供应商恒力液压[S011]，以下物料超过采购最高限价：");
    EXPECT_EQ(shown.controls.footer1.text, "是否继续保存？");
    EXPECT_EQ(shown.controls.footer2.text, "");
    EXPECT_EQ(shown.rows, (std::vector<std::string>{
                              "行号$|物料代码$|物料名称$|规格型号$|单位$|币别$|汇率$|最高限价$|"
                              "实际不含税单价$|差价$|",
                              "||||||||||",
                              "2|06.002|O型密封圈||箱|人民币|1|2.00|3.00|1.00|",
                              "3|06.001|液压直通接头|M18|箱|人民币|1|9.00|9.50|0.50|",
                          }));
    EXPECT_EQ(alert.sysInfo.answers->created, 1);
    EXPECT_EQ(alert.database.db->calls.back().second,
              "Select FItemID,FNumber,FName,FModel From t_ICItemCore where FItemID In ( "
              "1301,1302,1301 )");
    if (c.cancel) {
      ASSERT_NE(alert.dctReturn, nullptr);
      EXPECT_EQ(alert.dctReturn->Count(), 1);
      EXPECT_EQ(alert.dctReturn->Value("CancelSeries"), Variant(true));
    } else {
      EXPECT_EQ(alert.dctReturn, nullptr);
    }
  }
}

TEST(POPriceAlert, ErrorsEndTheActionWithoutADialog) {
  const auto keep = [](DictionaryRef&) {};
  const struct {
    const char* name;
    Order order;
    std::function<void(DictionaryRef&)> spoil;
    int32_t error;
  } cases[] = {
      {"item key not described",
       {},
       [](DictionaryRef& p) { p->SetValue("P_ItemKEY", "FNone"); },
       vberr::kObjectNotSet},
      {"negative decimals", {.lines = {{.priceDecimal = -1}}}, keep, vberr::kInvalidCall},
      {"an item the item table lacks", {.lines = {{.item = 1399}}}, keep, vberr::kTypeMismatch},
      {"no dctPara", {}, [](DictionaryRef& p) { p = nullptr; }, vberr::kObjectNotSet},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Alert alert(AlertOn());
    alert.sysInfo.answers->maxPrices[{231, 1399, 1, 1}] = 1.0;
    DictionaryRef para = Para(c.order);
    c.spoil(para);
    EXPECT_VB_ERROR(ActionTestAccess::Call("TevSer_POPriceAlert", para, alert.dctReturn), c.error);
    EXPECT_EQ(alert.presenter.presenter->shown, 0);
  }
  Alert badOption(AlertOn({{"AlertPOMaxPrice", "yes"}}));
  EXPECT_VB_ERROR(ActionTestAccess::Call("TevSer_POPriceAlert", Para(Order{}), badOption.dctReturn),
                  vberr::kTypeMismatch);
}

TEST(CreateOverLimitList, HeaderRowsNameTheColumnsAndOnlyThePriceCaptionFollowsTheTaxBasis) {
  for (const bool taxInPrice : {true, false}) {
    SCOPED_TRACE(taxInPrice);
    const VectorRef list = ActionTestAccess::CreateOverLimitList(taxInPrice);
    ASSERT_EQ(list->UpperBound(), 3);
    const std::vector<std::string> keys = {
        "FEntryID",  "FItemNumber",   "FItemName",    "FItemModel", "FUnitName",
        "FCurrency", "FExchangeRate", "MaxHighPrice", "BillPrice",  "FPriceDiff"};
    const std::vector<std::string> captions = {
        "行号$",     "物料代码$", "物料名称$",
        "规格型号$", "单位$",     "币别$",
        "汇率$",     "最高限价$", taxInPrice ? "实际含税单价$" : "实际不含税单价$",
        "差价$"};
    const auto positions = ObjectAs<Dictionary>(list->Item(1));
    const auto names = ObjectAs<Dictionary>(list->Item(2));
    const auto kinds = ObjectAs<Dictionary>(list->Item(3));
    for (size_t i = 0; i < keys.size(); ++i) {
      SCOPED_TRACE(keys[i]);
      EXPECT_EQ(positions->Name(static_cast<int32_t>(i + 1)), keys[i]);
      EXPECT_EQ(positions->Value(keys[i]), Variant(static_cast<int16_t>(i + 1)));
      EXPECT_EQ(names->Value(keys[i]), Variant(captions[i]));
      EXPECT_EQ(kinds->Value(keys[i]), Variant(static_cast<int16_t>(i >= 6 ? 1 : 0)));
    }
  }
}

}  // namespace
}  // namespace lumo::testing
