#include <gtest/gtest.h>

#include <functional>
#include <map>

#include "support/action_test_access.h"
#include "support/dictionary_entries.h"
#include "support/fake_class_info.h"
#include "support/fake_presenter.h"
#include "support/fake_sys_info.h"
#include "support/item_list.h"
#include "support/test_bill.h"
#include "support/vb_testing.h"

namespace lumo::testing {
namespace {

using Texts = std::vector<std::string>;

DictionaryRef Cell(Variant stored, Variant shown = "", Variant number = "") {
  return Dict({{"FFLD", stored}, {"FDSP", shown}, {"FFND", number}});
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
  const Texts header = {"FSupplyID", "FCurrencyID", "FExchangeRate", "FInvStyle"};
  const Texts entry = {"FItemID",      "FUnitID",  "FAuxPrice",
                       "FAuxTaxPrice", "FTaxRate", "FDiscountRate"};
  for (const std::string& key : header) bill.AddField(key, "i" + key, 1, key);
  for (const std::string& key : entry) bill.AddField(key, "i" + key, 2, key);
  const auto record = [](const Texts& keys, const std::vector<DictionaryRef>& cells) {
    std::vector<std::pair<std::string, DictionaryRef>> record;
    for (size_t i = 0; i < keys.size(); ++i) record.emplace_back("i" + keys[i], cells[i]);
    return record;
  };
  bill.AddRecord(1, record(header, {Cell(order.supplier, "恒力液压", "S011"),
                                    Cell(order.currency, "人民币", "RMB"), Cell(order.rate),
                                    Cell(order.invStyle)}));
  for (const Line& line : order.lines) {
    auto item = Cell(line.item, "接头", "06.001");
    item->SetValue("FPriceDecimal", line.priceDecimal);
    bill.AddRecord(
        2, record(entry, {item, Cell(line.unit, "箱"), Cell(line.price), Cell(line.taxPrice),
                          Cell(line.taxRate), Cell(line.discount)}));
  }
  const char* taxPrice = order.taxPriceKey ? "FAuxTaxPrice" : "";
  const char* invStyle = order.invStyleKey ? "FInvStyle" : "";
  return ParaOf(
      {{"dctClassType", NewDictionary()},
       {"dctTableInfo", bill.tableInfo},
       {"dctData", bill.data},
       {"vctClassTypeEntry", bill.classTypeEntry},
       {"P_PriceType", 7},
       {"P_SaveOrApprove", order.saveOrApprove}},
      Zip({"P_SupplyKEY", "P_CurrencyKEY", "P_ExChangeRateKEY", "P_PriceKEY", "P_TaxPriceKEY",
           "P_ItemKEY", "P_UnitKEY", "P_TaxRateKEY", "P_DiscountRateKEY", "P_InvStyleKey"},
          {" FSupplyID ", "FCurrencyID", "FExchangeRate", "FAuxPrice", taxPrice, "FItemID",
           "FUnitID", "FTaxRate", "FDiscountRate", invStyle}));
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
    size_t start = rows[2].size() - 1;
    for (int bars = 0; bars < 3; ++bars) start = rows[2].rfind('|', start - 1);
    return rows[2].substr(start + 1);
  }
};

const std::string kItemsSql =
    "Select FItemID,FNumber,FName,FModel From t_ICItemCore where FItemID In ( ";

// Checked only when switched on for this save or approval; then the lines
// over their limit are listed, and No or a closed window (as any button the
// dialog does not offer) cancels the save. With no line over its limit
// nothing is shown or written.
TEST(POPriceAlert, ListsTheLinesOverTheLimitWhenSwitchedOnAndCancelsOnNoOrClose) {
  const struct {
    const char* name;
    Options options;
    Variant mode;
    bool checked, cancel;
    std::optional<int32_t> answer = kAnswerNo;  // nullopt: the window closed
    bool over = true;                           // false: every line within its limit
  } cases[] = {
      {"saving, checked on saving", AlertOn(), 0, true, true},
      {"Yes", AlertOn(), 0, true, false, kAnswerYes},
      {"window closed", AlertOn(), 0, true, true, std::nullopt},
      {"approving, checked on approval, N from the profile",
       AlertOn({{"AlertHighPriceWhenCheck", "True"}, {"SInvoiceDecimal", "2"}}), 1, true, true},
      {"saving, checked on approval", AlertOn({{"AlertHighPriceWhenCheck", "1"}}), 0, false, false},
      {"approving, checked on saving", AlertOn(), 1, false, false},
      {"mode 2 with the check on saving", AlertOn(), 2, true, true},
      {"mode 2 with the check on approval", AlertOn({{"AlertHighPriceWhenCheck", "-1"}}), 2, true,
       true},
      {"price management off", AlertOn({{"IsUsePurPrcMgr", "0"}}), 0, false, false},
      {"alert off", AlertOn({{"AlertPOMaxPrice", "False"}}), 0, false, false},
      {"no options stored", {}, 0, false, false},
      {"every line within its limit", AlertOn(), 0, true, false, kAnswerNo, false},
  };
  const std::string options =
      "Select FKey,FValue From t_SystemProfile Where FCategory = 'IC' AND FKey in "
      "('IsUsePurPrcMgr', 'AlertPOMaxPrice', 'AlertHighPriceWhenCheck', 'POOrderTaxInPrice', "
      "'SInvoiceDecimal')";
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Alert alert(c.options, c.answer);
    alert.sysInfo.answers->maxPrices[{231, 1301, 1, 1}] = c.over ? 9.0 : 9.5;
    alert.sysInfo.answers->maxPrices[{231, 1302, 1, 1}] = c.over ? 2.0 : 3.0;
    alert.Run({.lines = {{.price = 8.6}, {.item = 1302, .price = 3.0}, {.price = 9.5}},
               .saveOrApprove = c.mode});
    Calls queries = {{"DB=demo", options}};
    if (c.checked) queries.emplace_back("DB=demo", kItemsSql + "1301,1302,1301 )");
    EXPECT_EQ(alert.database.db->calls, queries);
    EXPECT_EQ(alert.sysInfo.answers->created, c.checked ? 1 : 0);
    const auto& shown = *alert.presenter.presenter;
    EXPECT_EQ(shown.shown, c.checked && c.over ? 1 : 0);
    if (c.checked && c.over) {
      EXPECT_EQ(shown.caption, "采购最高限价报警和控制");
      EXPECT_EQ(shown.controls.header.text,
                "对于当前供应商恒力液压[S011]，以下物料超过采购最高限价：");
      EXPECT_EQ(shown.controls.footer1.text, "是否继续保存？");
      EXPECT_EQ(shown.controls.footer2.text, "");
      EXPECT_EQ(shown.rows,
                (Texts{"行号$|物料代码$|物料名称$|规格型号$|单位$|币别$|汇率$|最高限价$|"
                       "实际不含税单价$|差价$|",
                       "||||||||||", "2|06.002|O型密封圈||箱|人民币|1|2.00|3.00|1.00|",
                       "3|06.001|液压直通接头|M18|箱|人民币|1|9.00|9.50|0.50|"}));
    }
    if (c.cancel) {
      ASSERT_NE(alert.dctReturn, nullptr);
      EXPECT_EQ(alert.dctReturn->Count(), 1);
      EXPECT_EQ(alert.dctReturn->Value("CancelSeries"), Variant(true));
    } else {
      EXPECT_EQ(alert.dctReturn, nullptr);
    }
  }
}

// The bill's price is brought to the basis of the maximum price (tax,
// discount, unit factor) and both are rounded to N decimals before the test.
TEST(POPriceAlert, ComparesPricesOnTheSameBasisRoundedToTheSameDecimals) {
  const Options taxIn = AlertOn({{"POOrderTaxInPrice", "1"}});
  const auto at = [](Variant price, Variant decimals = 2) {
    return Line{.price = price, .priceDecimal = decimals};
  };
  const std::pair<double, double> base = {0, 0};
  const struct {
    const char* name;
    Options options;
    Line line;
    Variant max;
    std::string prices;                       // "none" when the line is within its limit
    std::pair<double, double> unit = {0, 0};  // coefficient, scale
    Variant mode = 0;
    bool taxPriceKey = true;
  } cases[] = {
      {"rounding edge", AlertOn(), at(10.006), 10.004, "10.00|10.01|0.01|"},
      {"equal when rounded", AlertOn(), at(10.004), 10.001, "none"},
      {"maximum 0 marks any price", AlertOn(), at(0.01), 0.0, "0.00|0.01|0.01|"},
      {"negative maximum marks none", AlertOn(), at(99.0), -1.0, "none"},
      {"tax price compared unchanged", taxIn, at(1.0), 11.0, "11.00|11.30|0.30|"},
      {"without a tax-price key, raised by its tax rate", taxIn, at(10.0), 11.0,
       "11.00|11.30|0.30|", base, 0, false},
      {"option off: price without tax", AlertOn(), {.taxPrice = 20.0}, 10.5, "none"},
      {"discount 10 lowers to 90 %", AlertOn(), {.discount = 10.0}, 8.5, "8.50|9.00|0.50|"},
      {"negative discount ignored", AlertOn(), {.discount = -5.0}, 9.0, "9.00|10.00|1.00|"},
      {"unit of 12", AlertOn(), at(5.4), 0.4, "4.80|5.40|0.60|", {12, 0}},
      {"coefficient plus scale", AlertOn(), at(5.4), 0.4, "4.80|5.40|0.60|", {10, 2}},
      {"factor 0 keeps the base unit", AlertOn(), at(5.4), 5.0, "5.00|5.40|0.40|"},
      {"N = 0", AlertOn(), at(11.4, 0), 10.4, "10|11|1|"},
      {"grouped digits", AlertOn(), at(1280.5), 1234.5, "1,234.50|1,280.50|46.00|"},
      {"N from the profile on approval",
       AlertOn({{"AlertHighPriceWhenCheck", "1"}, {"SInvoiceDecimal", "3"}}), at(1.0006, 0), 1.0004,
       "1.000|1.001|0.001|", base, 1},
      {"N from the item cell on saving", AlertOn({{"SInvoiceDecimal", "3"}}), at(1.0006, "2"),
       1.0004, "none"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Alert alert(c.options);
    alert.sysInfo.answers->maxPrices[{231, 1301, 1, 1}] = c.max;
    alert.sysInfo.answers->units[5] = c.unit;
    alert.Run({.lines = {c.line}, .taxPriceKey = c.taxPriceKey, .saveOrApprove = c.mode});
    EXPECT_EQ(alert.Prices(), c.prices);
  }
}

// The price type from the invoice style; lines lacking an item, supplier or
// currency ask for no maximum price.
TEST(POPriceAlert, AsksForTheMaximumPriceOfEveryCompleteLine) {
  const auto asked = [](const char* priceType, int lines = 1) {
    Texts calls;
    for (int i = 0; i < lines; ++i) {
      calls.push_back(std::string("GetPOMaxHighPrice DB=demo 231 1301 1 0.500000 ") + priceType);
      calls.push_back("GetCoeAndScale DB=demo 5");
    }
    return calls;
  };
  const struct {
    const char* name;
    Order order;
    Texts calls;
  } cases[] = {
      {"value-added-tax invoice", {.rate = "0.5", .invStyle = "12511"}, asked("0")},
      {"ordinary invoice", {.rate = "0.5", .invStyle = 12510}, asked("1")},
      {"no invoice style key",
       {.rate = "0.5", .invStyle = 12511, .invStyleKey = false},
       asked("7")},
      {"no item on line 1", {.rate = "0.5", .lines = {{.item = 0}, {}}}, asked("1")},
      {"no supplier", {.supplier = "x", .rate = "0.5", .lines = {{}, {}}}, {}},
      {"no currency", {.currency = -3, .rate = "0.5", .lines = {{}, {}}}, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Alert alert(AlertOn());
    alert.Run(c.order);
    EXPECT_EQ(alert.sysInfo.answers->calls, c.calls);
  }
}

TEST(POPriceAlert, ErrorsEndTheActionWithoutADialog) {
  const auto keep = [](DictionaryRef&) {};
  const struct {
    const char* name;
    Order order;
    std::function<void(DictionaryRef&)> spoil;
    int32_t error;
    Options options = AlertOn();
  } cases[] = {
      {"item key not described",
       {},
       [](auto& p) { p->SetValue("P_ItemKEY", "FNone"); },
       vberr::kObjectNotSet},
      {"negative decimals", {.lines = {{.priceDecimal = -1}}}, keep, vberr::kInvalidCall},
      {"an item the item table lacks", {.lines = {{.item = 1399}}}, keep, vberr::kTypeMismatch},
      {"no dctPara", {}, [](auto& p) { p = nullptr; }, vberr::kObjectNotSet},
      {"an option that is no Boolean",
       {},
       keep,
       vberr::kTypeMismatch,
       AlertOn({{"AlertPOMaxPrice", "yes"}})},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Alert alert(c.options);
    alert.sysInfo.answers->maxPrices[{231, 1399, 1, 1}] = 1.0;
    DictionaryRef para = Para(c.order);
    c.spoil(para);
    EXPECT_VB_ERROR(ActionTestAccess::Call("TevSer_POPriceAlert", para, alert.dctReturn), c.error);
    EXPECT_EQ(alert.presenter.presenter->shown, 0);
  }
}

// The other captions and the column order show in the dialog's rows above.
TEST(CreateOverLimitList, TheRateAndThePricesAreNumericAndTheBillPriceMayIncludeTax) {
  const VectorRef list = ActionTestAccess::CreateOverLimitList(true);
  EXPECT_EQ(ObjectAs<Dictionary>(list->Item(2))->Value("BillPrice"), Variant("实际含税单价$"));
  Texts numeric;
  for (const auto& [key, kind] : EntriesOf(*ObjectAs<Dictionary>(list->Item(3)))) {
    if (kind == Variant(int16_t{1})) numeric.push_back(key);
  }
  EXPECT_EQ(numeric, (Texts{"FExchangeRate", "MaxHighPrice", "BillPrice", "FPriceDiff"}));
}

}  // namespace
}  // namespace lumo::testing
