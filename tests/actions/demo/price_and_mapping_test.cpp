// The price write-back and item mapping actions on the demo database, through
// DoAction, with the host components registered as lumo-action registers
// them. Each test gets a fresh copy of the database.
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <stdlib.h>
#include <unistd.h>

#include <filesystem>

#include "core/cls_action_ic.h"
#include "host/components/register.h"
#include "host/data/database_file.h"
#include "host/data/register.h"
#include "support/dictionary_entries.h"
#include "support/order_bill.h"

namespace lumo::testing {
namespace {

using Rows = std::vector<std::string>;

class OnDemoDatabase : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string folder = (std::filesystem::temp_directory_path() / "lumo-demo-XXXXXX").string();
    ASSERT_NE(mkdtemp(folder.data()), nullptr);
    folder_ = folder;
    data::CreateDatabase((folder_ / "demo.db").string(), true);
    data::RegisterDataAccess();
    store_ = components::RegisterHostComponents({});
    UseSession(16);
  }
  void TearDown() override { std::filesystem::remove_all(folder_); }

  void UseSession(int32_t userId) {
    props_ = "DBFile=" + (folder_ / "demo.db").string() + ";UserID=" + std::to_string(userId) +
             ";Language=CHS";
    store_->Set(static_cast<int32_t>(::getpid()), "PropsString", props_);
  }
  ActionResult Run(const std::string& action, const DictionaryRef& para) {
    para->SetValue("PropString", props_);
    result_ = nullptr;
    return clsActionIC().DoAction(action, "", para, result_);
  }
  // Runs SQL on the file itself, as another program would; the rows as "a|b|c".
  Rows Sql(const std::string& sql) const {
    sqlite3* db = nullptr;
    EXPECT_EQ(sqlite3_open((folder_ / "demo.db").c_str(), &db), SQLITE_OK);
    Rows rows;
    const auto addRow = [](void* into, int count, char** values, char**) {
      std::string row;
      for (int i = 0; i < count; ++i) row += (i ? "|" : "") + std::string(values[i]);
      static_cast<Rows*>(into)->push_back(row);
      return 0;
    };
    EXPECT_EQ(sqlite3_exec(db, sql.c_str(), addRow, &rows, nullptr), SQLITE_OK) << sql;
    sqlite3_close(db);
    return rows;
  }
  // An order bill of the demo database with its red/blue flag.
  ActionResult UpdateItemPrice(const char* header, const char* entries, int32_t id, int32_t redBlue,
                               const char* priceColumn, Entries more = {}) {
    OrderBill order(header, entries, id, priceColumn);
    order.SetRedBlue(redBlue);
    for (const auto& [key, value] : more) order.para->SetValue(key, value);
    return Run("TevSer_UpdateItemPrice", order.para);
  }

  std::filesystem::path folder_;
  std::string props_;
  std::shared_ptr<components::PropertyStore> store_;
  DictionaryRef result_;
};

TEST_F(OnDemoDatabase, ItemPriceUpdateWritesEachItemsLastLineConverted) {
  const std::string prices =
      "SELECT c.FItemID, FOrderPrice, FSalePrice FROM t_ICItemCore c JOIN t_ICItemMaterial m "
      "ON m.FItemID = c.FItemID WHERE c.FItemID BETWEEN 1201 AND 1205 ORDER BY c.FItemID";
  Rows expected = {"1201|0.22|0.38", "1202|0.03|0.06", "1203|0.045|0.08", "1204|1.2|2.05",
                   "1205|28.0|42.0"};
  ASSERT_EQ(Sql(prices), expected);

  // Order 2101 in dollars at 7.1: the screw's later line, a box of 12 at 0.42
  // less 5 %, gives 0.42 * 7.1 * 0.95 / 12 = 0.236075, four decimals.
  EXPECT_EQ(UpdateItemPrice("POOrder", "POOrderEntry", 2101, 0, "FAuxPrice"), 0);
  expected[0] = "1201|0.2361|0.38";
  expected[1] = "1202|0.0284|0.06";  // 0.004 * 7.1
  EXPECT_EQ(Sql(prices), expected);

  // Sales order 2151, prices with tax: the later line, a roll of 50 m at
  // 107.35, gives 107.35 / 1.13 / 50 = 1.90 a metre without tax.
  EXPECT_EQ(UpdateItemPrice("SEOrder", "SEOrderEntry", 2151, 0, "FAuxTaxPrice",
                            {{"P_PriceType", 1}, {"P_TaxInPrice", 1}}),
            0);
  expected[3] = "1204|1.2|1.9";
  EXPECT_EQ(Sql(prices), expected);

  // The red order 2102 (flag 1) keeps the grease's price; shown blue, it
  // writes 3.90 dollars at 7.1.
  for (const auto& [redBlue, grease] : {std::pair{1, "1205|28.0|42.0"}, {-1, "1205|27.69|42.0"}}) {
    SCOPED_TRACE(redBlue);
    EXPECT_EQ(UpdateItemPrice("POOrder", "POOrderEntry", 2102, redBlue, "FAuxPrice"), 0);
    expected[4] = grease;
    EXPECT_EQ(Sql(prices), expected);
  }
}

TEST_F(OnDemoDatabase, SupplierPriceListIsInsertedThenUpdatedAllOrNothing) {
  const std::string priceList =
      "SELECT FSupID, FItemID, FUnitID, FCyID, FPriceType, FQuantity, FPrice, FDiscount, FDate, "
      "FUserID FROM t_SupplyPrice WHERE FSupID IN (221, 222) ORDER BY FSupID, FItemID, FUnitID";
  const auto update = [&](int32_t order) {
    return Run("TevSer_UpdatePOPrice", Dict({{"P_InterID", order}}));
  };
  ASSERT_EQ(Sql(priceList), Rows{});

  // The free spray cans of order 2103 have no price and are left out.
  EXPECT_EQ(update(2101), 0);
  EXPECT_EQ(update(2103), 0);
  EXPECT_EQ(Sql(priceList), (Rows{"221|1201|1|2|1|0.0|0.03|0.0|2024-05-06|16",
                                  "221|1201|2|2|1|0.0|0.42|5.0|2024-05-06|16",
                                  "221|1202|1|2|1|0.0|0.004|0.0|2024-05-06|16",
                                  "222|1203|1|1|1|0.0|0.04|0.0|2024-05-13|16"}));

  Sql("UPDATE POOrderEntry SET FAuxPrice = 0.40, FAuxTaxPrice = 0.452 WHERE FInterID = 2101 "
      "AND FEntryID = 3");
  UseSession(17);
  EXPECT_EQ(update(2101), 0);
  EXPECT_EQ(Sql(priceList), (Rows{"221|1201|1|2|1|0.0|0.03|0.0|2024-05-06|17",
                                  "221|1201|2|2|1|0.0|0.4|5.0|2024-05-06|17",
                                  "221|1202|1|2|1|0.0|0.004|0.0|2024-05-06|17",
                                  "222|1203|1|1|1|0.0|0.04|0.0|2024-05-13|16"}));

  // The washer's line is refused after the screw's first line was written:
  // nothing of the order stays.
  Sql("DELETE FROM t_SupplyPrice WHERE FSupID = 221;"
      "CREATE TRIGGER refuse_washers BEFORE INSERT ON t_SupplyPrice WHEN NEW.FItemID = 1202 "
      "BEGIN SELECT RAISE(ABORT, 'washers refused'); END");
  EXPECT_EQ(update(2101), 1);
  EXPECT_NE(clsActionIC::LastError().description.find("washers refused"), std::string::npos)
      << clsActionIC::LastError().description;
  EXPECT_EQ(Sql(priceList), Rows{"222|1203|1|1|1|0.0|0.04|0.0|2024-05-13|16"});
}

// Supplier 221 maps the screw twice (651, 653), the washer and the grease;
// the cable ties are mapped only for supplier 222, the tubing only for
// customer 321, the spray nowhere.
TEST_F(OnDemoDatabase, MappingTranslatesMixedColumnsBothWays) {
  const auto list = [](std::vector<Variant> values) {
    values.insert(values.begin(), Variant());
    return Variant(VbArray(0, std::move(values)));
  };
  const auto longs = [](std::vector<int32_t> values) {
    return Variant(VbArray(0, std::vector<Variant>(values.begin(), values.end())));
  };
  const char *syn = "TevSer_SynMapAndItem", *get = "TevSer_GetMapNumber";
  const struct {
    const char* name;
    const char* action;
    int32_t partner, synType;
    Variant items, mapId;
  } cases[] = {
      {"items to entries", syn, 221, 0, list({1201, 1203, 1202, 1206, 1205, 1204}),
       longs({0, 651, 0, 652, 0, 656, 0})},
      {"entries to items", syn, 221, 1, list({652, 654, 651, 999, 656}),
       longs({0, 1202, 0, 1201, 0, 1205})},
      {"a customer's items", syn, 321, 0, list({1204, 1201}), longs({0, 655, 0})},
      {"a customer's entry", syn, 321, 1, list({655}), longs({0, 1204})},
      {"one entry to its item", syn, 221, 1, 656, 1205},
      {"one item to its entry", get, 221, 0, 1202, 652},
      {"an item of another supplier", get, 221, 0, 1203, ""},
      {"that supplier's entry", get, 222, 0, 1203, 654},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Run(c.action, Dict({{"P_MapType", 0},
                                  {"P_SynType", c.synType},
                                  {"P_SupplierOrCustomerID", c.partner},
                                  {"P_ICItemID", c.items}})),
              0);
    ASSERT_NE(result_, nullptr);
    EXPECT_EQ(result_->Value("P_MapID"), c.mapId);
  }
}

}  // namespace
}  // namespace lumo::testing
