// The database contract: the tables behind the actions and the host
// components, and the stored procedure, on databases made by CreateDatabase.
#include <gtest/gtest.h>

#include "demo_database.h"
#include "platform/vb.h"

namespace lumo {
namespace {

using lumo::testing::DemoDatabase;

TEST(Schema, EveryTableTakesARowNamingOnlyTheColumnsTheActionsUse) {
  static const struct {
    const char* table;
    const char* insert;
  } kCases[] = {
      {"t_Currency", "(FCurrencyID,FOperator,FExchangeRate) VALUES (7,'/',8)"},
      {"t_SystemProfile", "(FCategory,FKey,FValue) VALUES ('IC','POOrderTaxInPrice','1')"},
      {"t_ICItemCore", "(FItemID,FNumber,FName,FModel,FOrderPrice) VALUES (7,'7','x','m',1.5)"},
      {"t_ICItemMaterial", "(FItemID,FTaxRate,FSalePrice) VALUES (7,13,2.5)"},
      {"t_MeasureUnit", "(FMeasureUnitID,FCoefficient) VALUES (7,12)"},
      {"t_Organization", "(FItemID,FValueAddRate) VALUES (7,13)"},
      {"t_Supplier", "(FItemID,FValueAddRate,FDiscount) VALUES (7,13,5)"},
      {"POOrder", "(FInterID) VALUES (7)"},
      {"POOrderEntry",
       "(FInterID,FEntryID,FItemID,FUnitID,FQty,FAuxQty,FPrice,FAuxPrice,FAuxTaxPrice,FTaxRate,"
       "FDiscountRate) VALUES (7,1,7,7,12,1,1,12,13.56,13,0)"},
      {"t_ItemMapping", "(FEntryID,FParentID,FItemID,FNumber,FName) VALUES (7,7,7,'S-7','y')"},
      {"t_SupplyPrice", "(FSupID,FItemID,FUnitID,FCyID,FPrice,FDiscount) VALUES (7,7,7,1,9,0)"},
      {"t_POMaxPrice", "(FItemID,FMaxPrice) VALUES (7,10)"},
      {"t_Stock", "(FStockID) VALUES (7)"},
      {"t_Inventory", "(FItemID,FQty) VALUES (7,100)"},
      {"t_ItemReplace", "(FItemID,FReplaceItemID) VALUES (7,8)"},
      {"t_TradeHistory", "(FCompanyID,FItemID,FPrice) VALUES (7,7,9)"},
      {"t_User", "(FUserID) VALUES (7)"},
  };
  const DemoDatabase db(false);
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.table);
    db.Run(std::string("INSERT INTO ") + c.table + " " + c.insert);
    EXPECT_EQ(db.Run(std::string("SELECT * FROM ") + c.table)->RecordCount(), 1);
  }

  // The views see the rows through their base tables, defaults filled in.
  const RecordsetRef item = db.Run("SELECT FItemID,FPriceDecimal FROM t_ICItem WHERE FItemID=7");
  ASSERT_EQ(item->RecordCount(), 1);
  EXPECT_EQ(vb::CLng(item->Value("FPriceDecimal")), 2);
  const RecordsetRef map = db.Run(
      "SELECT FEntryID,FParentID,FItemID,FNumber,FName,FItemNumber FROM v_SToIMapping");
  ASSERT_EQ(map->RecordCount(), 1);
  EXPECT_EQ(map->Value("FItemNumber"), Variant("7"));
}

TEST(Schema, AnEmptyDatabaseHoldsTheProcedureButNoData) {
  const DemoDatabase db(false);
  EXPECT_EQ(db.Run("SELECT FName FROM t_Procedure WHERE FName='p_UpdateSupplyInfoByPOOrd'")
                ->RecordCount(),
            1);
  EXPECT_EQ(db.Run("SELECT * FROM t_Currency")->RecordCount(), 0);
}

struct PriceRow {
  int32_t count;
  double price;
  double discount;
  int32_t user;
};

PriceRow SupplierPriceOfGalvanisedBoltsByTheBox(const DemoDatabase& db) {
  const RecordsetRef rows = db.Run(
      "SELECT FPrice,FDiscount,FUserID,FDate FROM t_SupplyPrice WHERE FSupID=201 AND "
      "FItemID=1008 AND FUnitID=2 AND FCyID=1 AND FPriceType=1 AND FQuantity=0");
  if (rows->RecordCount() == 0) return {0, 0, 0, 0};
  EXPECT_EQ(rows->Value("FDate"), Variant("2024-03-04"));  // the order's date
  return {rows->RecordCount(), vb::CDbl(rows->Value("FPrice")), vb::CDbl(rows->Value("FDiscount")),
          vb::CLng(rows->Value("FUserID"))};
}

TEST(Schema, TheOrderProcedureAddsThenUpdatesTheSupplierPrice) {
  const DemoDatabase db;
  ASSERT_EQ(SupplierPriceOfGalvanisedBoltsByTheBox(db).count, 0);

  db.Run("EXEC p_UpdateSupplyInfoByPOOrd 1001,3,16");
  PriceRow row = SupplierPriceOfGalvanisedBoltsByTheBox(db);
  EXPECT_EQ(row.count, 1);
  EXPECT_DOUBLE_EQ(row.price, 2.16);
  EXPECT_EQ(row.user, 16);

  db.Run("UPDATE POOrderEntry SET FAuxPrice=2.05, FDiscountRate=1.5 "
         "WHERE FInterID=1001 AND FEntryID=3");
  db.Run("EXEC p_UpdateSupplyInfoByPOOrd 1001,3,17");
  row = SupplierPriceOfGalvanisedBoltsByTheBox(db);
  EXPECT_EQ(row.count, 1);
  EXPECT_DOUBLE_EQ(row.price, 2.05);
  EXPECT_DOUBLE_EQ(row.discount, 1.5);
  EXPECT_EQ(row.user, 17);
}

TEST(Schema, TheOrderProcedureTakesTheTaxPriceWhenOrderPricesIncludeTax) {
  const DemoDatabase db;
  db.Run("UPDATE t_SystemProfile SET FValue='1' WHERE FCategory='IC' AND FKey='POOrderTaxInPrice'");
  db.Run("EXEC p_UpdateSupplyInfoByPOOrd 1001,3,16");
  EXPECT_DOUBLE_EQ(SupplierPriceOfGalvanisedBoltsByTheBox(db).price, 2.4408);
}

TEST(Schema, TheOrderProcedureLeavesTheListAloneForALineWithoutPrice) {
  const DemoDatabase db;
  const auto count = [&] { return db.Run("SELECT * FROM t_SupplyPrice")->RecordCount(); };
  const int32_t before = count();
  db.Run("EXEC p_UpdateSupplyInfoByPOOrd 1001,2,16");   // free samples
  db.Run("EXEC p_UpdateSupplyInfoByPOOrd 1001,99,16");  // no such line
  EXPECT_EQ(count(), before);
}

}  // namespace
}  // namespace lumo
