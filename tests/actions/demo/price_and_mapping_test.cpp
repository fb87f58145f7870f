// The price write-back and item mapping actions on the demo database, through
// DoAction, with the host components registered as lumo-action registers
// them. Each test gets a fresh copy of the database.
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "core/cls_action_ic.h"
#include "host/components/register.h"
#include "host/data/database_file.h"
#include "host/data/register.h"
#include "hostapi/class_info.h"
#include "platform/vb.h"
#include "support/test_bill.h"

namespace lumo::testing {
namespace {

using Rows = std::vector<std::string>;

DictionaryRef Cell(Variant stored) {
  auto cell = NewDictionary();
  cell->SetValue("FFLD", std::move(stored));
  return cell;
}

class OnDemoDatabase : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string folder = (std::filesystem::temp_directory_path() / "lumo-demo-XXXXXX").string();
    ASSERT_NE(mkdtemp(folder.data()), nullptr);
    folder_ = folder;
    path_ = (folder_ / "demo.db").string();
    data::CreateDatabase(path_, true);
    data::RegisterDataAccess();
    store_ = components::RegisterHostComponents({});
    UseSession(16);
  }
  void TearDown() override { std::filesystem::remove_all(folder_); }

  void UseSession(int32_t userId) {
    props_ = "DBFile=" + path_ + ";UserID=" + std::to_string(userId) + ";Language=CHS";
    store_->Set(static_cast<int32_t>(::getpid()), "PropsString", props_);
  }
  ActionResult Run(const std::string& action, const DictionaryRef& para) {
    para->SetValue("PropString", props_);
    DictionaryRef result;
    const ActionResult answer = clsActionIC().DoAction(action, "", para, result);
    result_ = result;
    return answer;
  }
  // The rows of a query as "a|b|c".
  Rows Query(const std::string& sql) const {
    RecordsetRef rs = CreateObjectAs<IClassInfo>(kClassInfoProgId)->GetData(props_, sql);
    Rows rows;
    for (; !rs->Eof(); rs->MoveNext()) {
      std::string row;
      for (int32_t c = 0; c < rs->FieldCount(); ++c) {
        row += (c ? "|" : "") + vb::CStr(rs->Value(rs->FieldName(c)));
      }
      rows.push_back(row);
    }
    return rows;
  }
  // Changes the database behind the component's back, as another program would.
  void Execute(const std::string& sql) const {
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(path_.c_str(), &db), SQLITE_OK);
    char* message = nullptr;
    const int rc = sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &message);
    EXPECT_EQ(rc, SQLITE_OK) << (message ? message : "");
    sqlite3_free(message);
    sqlite3_close(db);
  }

  std::filesystem::path folder_;
  std::string path_, props_;
  std::shared_ptr<components::PropertyStore> store_;
  DictionaryRef result_;
};

// An order bill as the host passes it: header page 1 with currency, rate and
// red/blue flag, entry page 2 with item, price, unit, tax and discount.
DictionaryRef OrderBill(const char* header, const char* entries, int32_t id, int32_t redBlue,
                        const char* priceColumn) {
  TestBill bill{false, true};
  ObjectAs<Dictionary>(bill.classTypeEntry->Item(1))->SetValue("FTableName", header);
  ObjectAs<Dictionary>(bill.classTypeEntry->Item(2))->SetValue("FTableName", entries);
  bill.AddField("FCurrencyID", "1", 1, "FCurrencyID");
  bill.AddField("FExchangeRate", "2", 1, "FExchangeRate");
  bill.AddField("FROB", "3", 1, "FROB");
  bill.AddField("FItemID", "11", 2, "FItemID");
  bill.AddField("FPrice", "12", 2, priceColumn);
  bill.AddField("FUnitID", "13", 2, "FUnitID");
  bill.AddField("FTaxRate", "14", 2, "FTaxRate");
  bill.AddField("FDiscountRate", "15", 2, "FDiscountRate");
  bill.AddRecord(1, {{"3", Cell(redBlue)}});
  bill.data->SetValue("FID", id);
  auto classType = NewDictionary();
  classType->SetValue("FPrimaryKey", "FInterID");
  classType->SetValue("FIndexKey", "FEntryID");

  auto para = NewDictionary();
  para->SetValue("dctClassType", classType);
  para->SetValue("dctTableInfo", bill.tableInfo);
  para->SetValue("dctData", bill.data);
  para->SetValue("vctClassTypeEntry", bill.classTypeEntry);
  para->SetValue("P_CurrencyKEY", "FCurrencyID");
  para->SetValue("P_ExChangeRateKEY", "FExchangeRate");
  para->SetValue("P_ItemKEY", "FItemID");
  para->SetValue("P_PriceKEY", "FPrice");
  para->SetValue("P_UnitKEY", "FUnitID");
  para->SetValue("P_TaxRateKEY", "FTaxRate");
  para->SetValue("P_DiscountRateKEY", "FDiscountRate");
  para->SetValue("P_ROBKEY", "FROB");
  return para;
}

TEST_F(OnDemoDatabase, ItemPriceUpdateWritesEachItemsLastLineConverted) {
  const std::string purchasePrices =
      "SELECT FItemID, FOrderPrice FROM t_ICItemCore WHERE FItemID BETWEEN 1201 AND 1206 "
      "ORDER BY FItemID";
  const std::string salePrices =
      "SELECT FItemID, FSalePrice FROM t_ICItemMaterial WHERE FItemID BETWEEN 1201 AND 1206 "
      "ORDER BY FItemID";
  const Rows purchaseBefore = {"1201|0.22", "1202|0.03", "1203|0.045",
                               "1204|1.2",  "1205|28",   "1206|18"};
  const Rows saleBefore = {"1201|0.38", "1202|0.06", "1203|0.08",
                           "1204|2.05", "1205|42",   "1206|26"};
  ASSERT_EQ(Query(purchasePrices), purchaseBefore);
  ASSERT_EQ(Query(salePrices), saleBefore);

  // Order 2101 in dollars at 7.1: the screw's later line, a box of 12 at 0.42
  // less 5 %, gives 0.42 * 7.1 * 0.95 / 12 = 0.236075, four decimals.
  DictionaryRef purchase = OrderBill("POOrder", "POOrderEntry", 2101, 0, "FAuxPrice");
  EXPECT_EQ(Run("TevSer_UpdateItemPrice", purchase), 0);
  Rows purchaseAfter = purchaseBefore;
  purchaseAfter[0] = "1201|0.2361";
  purchaseAfter[1] = "1202|0.0284";  // 0.004 * 7.1
  EXPECT_EQ(Query(purchasePrices), purchaseAfter);
  EXPECT_EQ(Query(salePrices), saleBefore);

  // Sales order 2151, prices with tax: the later line, a roll of 50 m at
  // 107.35, gives 107.35 / 1.13 / 50 = 1.90 a metre without tax.
  DictionaryRef sale = OrderBill("SEOrder", "SEOrderEntry", 2151, 0, "FAuxTaxPrice");
  sale->SetValue("P_PriceType", 1);
  sale->SetValue("P_TaxInPrice", 1);
  EXPECT_EQ(Run("TevSer_UpdateItemPrice", sale), 0);
  Rows saleAfter = saleBefore;
  saleAfter[3] = "1204|1.9";
  EXPECT_EQ(Query(salePrices), saleAfter);
  EXPECT_EQ(Query(purchasePrices), purchaseAfter);
}

// The bill's red flag 1 keeps the grease's price; the same order shown blue
// writes it (3.90 dollars at 7.1).
TEST_F(OnDemoDatabase, ARedBillChangesNoPrice) {
  const std::string grease = "SELECT FOrderPrice FROM t_ICItemCore WHERE FItemID = 1205";
  const struct {
    int32_t redBlue;
    Rows price;
  } cases[] = {{1, {"28"}}, {-1, {"27.69"}}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.redBlue);
    EXPECT_EQ(Run("TevSer_UpdateItemPrice",
                  OrderBill("POOrder", "POOrderEntry", 2102, c.redBlue, "FAuxPrice")),
              0);
    EXPECT_EQ(Query(grease), c.price);
  }
}

TEST_F(OnDemoDatabase, SupplierPriceListIsInsertedThenUpdatedAllOrNothing) {
  const std::string priceList =
      "SELECT FSupID, FItemID, FUnitID, FCyID, FPriceType, FQuantity, FPrice, FDiscount, FDate, "
      "FUserID FROM t_SupplyPrice WHERE FSupID IN (221, 222) ORDER BY FSupID, FItemID, FUnitID";
  const auto update = [&](int32_t order) {
    auto para = NewDictionary();
    para->SetValue("P_InterID", order);
    return Run("TevSer_UpdatePOPrice", para);
  };
  ASSERT_EQ(Query(priceList), Rows{});

  // The free spray cans of order 2103 have no price and are left out.
  EXPECT_EQ(update(2101), 0);
  EXPECT_EQ(update(2103), 0);
  EXPECT_EQ(
      Query(priceList),
      (Rows{"221|1201|1|2|1|0|0.03|0|2024-05-06|16", "221|1201|2|2|1|0|0.42|5|2024-05-06|16",
            "221|1202|1|2|1|0|0.004|0|2024-05-06|16", "222|1203|1|1|1|0|0.04|0|2024-05-13|16"}));

  Execute(
      "UPDATE POOrderEntry SET FAuxPrice = 0.40, FAuxTaxPrice = 0.452 WHERE FInterID = 2101 "
      "AND FEntryID = 3");
  UseSession(17);
  EXPECT_EQ(update(2101), 0);
  EXPECT_EQ(
      Query(priceList),
      (Rows{"221|1201|1|2|1|0|0.03|0|2024-05-06|17", "221|1201|2|2|1|0|0.4|5|2024-05-06|17",
            "221|1202|1|2|1|0|0.004|0|2024-05-06|17", "222|1203|1|1|1|0|0.04|0|2024-05-13|16"}));

  // The washer's line is refused after the screw's first line was written:
  // nothing of the order stays.
  Execute(
      "DELETE FROM t_SupplyPrice WHERE FSupID = 221;"
      "CREATE TRIGGER refuse_washers BEFORE INSERT ON t_SupplyPrice WHEN NEW.FItemID = 1202 "
      "BEGIN SELECT RAISE(ABORT, 'washers refused'); END");
  EXPECT_EQ(update(2101), 1);
  EXPECT_NE(clsActionIC::LastError().description.find("washers refused"), std::string::npos)
      << clsActionIC::LastError().description;
  EXPECT_EQ(Query(priceList), Rows{"222|1203|1|1|1|0|0.04|0|2024-05-13|16"});
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
  const struct {
    const char* name;
    const char* action;
    int32_t partner, synType;
    Variant items, mapId;
  } cases[] = {
      {"items to entries", "TevSer_SynMapAndItem", 221, 0,
       list({1201, 1203, 1202, 1206, 1205, 1204}), longs({0, 651, 0, 652, 0, 656, 0})},
      {"entries to items", "TevSer_SynMapAndItem", 221, 1, list({652, 654, 651, 999, 656}),
       longs({0, 1202, 0, 1201, 0, 1205})},
      {"a customer's items", "TevSer_SynMapAndItem", 321, 0, list({1204, 1201}),
       longs({0, 655, 0})},
      {"a customer's entry", "TevSer_SynMapAndItem", 321, 1, list({655}), longs({0, 1204})},
      {"one entry to its item", "TevSer_SynMapAndItem", 221, 1, 656, 1205},
      {"one item to its entry", "TevSer_GetMapNumber", 221, 0, 1202, 652},
      {"an item of another supplier", "TevSer_GetMapNumber", 221, 0, 1203, ""},
      {"that supplier's entry", "TevSer_GetMapNumber", 222, 0, 1203, 654},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    auto para = NewDictionary();
    para->SetValue("P_MapType", 0);
    para->SetValue("P_SynType", c.synType);
    para->SetValue("P_SupplierOrCustomerID", c.partner);
    para->SetValue("P_ICItemID", c.items);
    EXPECT_EQ(Run(c.action, para), 0);
    ASSERT_NE(result_, nullptr);
    EXPECT_EQ(result_->Value("P_MapID"), c.mapId);
  }
}

}  // namespace
}  // namespace lumo::testing
