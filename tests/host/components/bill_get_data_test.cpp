#include "host/components/bill_get_data.h"

#include <gtest/gtest.h>

#include "demo_database.h"
#include "host/collections/dictionary.h"
#include "platform/hostapi/bill_data.h"
#include "platform/vb.h"
#include "support/vb_testing.h"

namespace lumo {
namespace {

using lumo::testing::DemoDatabase;

DictionaryRef Request(int32_t supplier, int32_t item, int32_t unit, double quantity,
                      int32_t currency, int32_t priceType) {
  auto request = NewDictionary();
  request->SetValue("SupplyID", supplier);
  request->SetValue("ItemID", item);
  request->SetValue("UnitID", unit);
  request->SetValue("AuxQty", quantity);
  request->SetValue("CurrencyID", currency);
  request->SetValue("ExChangeRate", 1.0);
  request->SetValue("PriceType", priceType);
  request->SetValue("TranType", int16_t{0});
  return request;
}

TEST(BillGetData, GetSupplyInfoTakesTheHighestQuantityBreakNotAboveTheQuantity) {
  static const struct {
    const char* name;
    int32_t supplier, item, unit;
    double quantity;
    int32_t currency, priceType;
    double price, discount, cess;
  } kCases[] = {
      {"no quantity yet", 201, 1001, 1, 0, 1, 1, 0.38, 0, 13},
      {"just below a break", 201, 1001, 1, 999.5, 1, 1, 0.38, 0, 13},
      {"on a break", 201, 1001, 1, 1000, 1, 1, 0.34, 0, 13},
      {"highest break", 201, 1001, 1, 20000, 1, 1, 0.31, 2, 13},
      {"price type of its own", 201, 1001, 1, 20000, 1, 2, 0.43, 0, 13},
      {"unit of its own", 201, 1001, 2, 3, 1, 1, 4.40, 0, 13},
      {"currency of its own", 203, 1005, 1, 600, 4, 1, 245, 0, 13},
      {"small taxpayer", 205, 1007, 1, 50, 1, 1, 6.80, 0, 3},
      {"no row for the unit", 201, 1001, 6, 10, 1, 1, -1, -1, 13},
      {"no row for the currency", 201, 1001, 1, 10, 2, 1, -1, -1, 13},
      {"below the lowest break", 202, 1003, 6, 5, 1, 1, -1, -1, 13},
  };
  const DemoDatabase db;
  db.Run("DELETE FROM t_SupplyPrice WHERE FSupID=202 AND FUnitID=6 AND FQuantity=0");
  db.Run("INSERT INTO t_SupplyPrice (FSupID,FItemID,FUnitID,FCyID,FQuantity,FPrice,FDiscount) "
         "VALUES (202,1003,6,1,100,4.90,0)");
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.name);
    const Variant answer = CreateObjectAs<IBillGetData>(kBillGetDataProgId)
                               ->GetSupplyInfo(db.props(), Request(c.supplier, c.item, c.unit,
                                                                   c.quantity, c.currency,
                                                                   c.priceType));
    const auto info = ObjectAs<Dictionary>(answer);
    EXPECT_DOUBLE_EQ(vb::CDbl(info->Value("AuxPrice")), c.price);
    EXPECT_DOUBLE_EQ(vb::CDbl(info->Value("Discount")), c.discount);
    EXPECT_DOUBLE_EQ(vb::CDbl(info->Value("CESS")), c.cess);
  }
}

TEST(BillGetData, GetSupplyInfoAnswersNothingForAnUnknownSupplierOrItem) {
  const DemoDatabase db;
  const auto getData = CreateObjectAs<IBillGetData>(kBillGetDataProgId);
  EXPECT_TRUE(getData->GetSupplyInfo(db.props(), Request(999, 1001, 1, 1, 1, 1)).IsNothing());
  EXPECT_TRUE(getData->GetSupplyInfo(db.props(), Request(201, 9999, 1, 1, 1, 1)).IsNothing());
  EXPECT_VB_ERROR(getData->GetSupplyInfo(db.props(), nullptr), 91);
}

}  // namespace
}  // namespace lumo
