#include "host/components/sys_info.h"

#include <gtest/gtest.h>

#include "demo_database.h"
#include "platform/hostapi/sys_info.h"
#include "platform/vb.h"
#include "support/vb_testing.h"

namespace lumo {
namespace {

using lumo::testing::DemoDatabase;

std::shared_ptr<ISysInfo> NewSysInfo() { return CreateObjectAs<ISysInfo>(kSysInfoProgId); }

TEST(SysInfo, GetItemInfoGivesTheRowOfTheKey) {
  const DemoDatabase db;
  const RecordsetRef yen = NewSysInfo()->GetItemInfo(db.props(), "t_Currency", 4, "FCurrencyID");
  ASSERT_EQ(yen->RecordCount(), 1);
  EXPECT_EQ(yen->Value("FOperator"), Variant("/"));
  EXPECT_EQ(vb::CDbl(yen->Value("FExchangeRate")), 20);

  const RecordsetRef none = NewSysInfo()->GetItemInfo(db.props(), "t_Currency", 99, "FCurrencyID");
  EXPECT_TRUE(!none || none->RecordCount() == 0);
}

TEST(SysInfo, GetItemInfoRefusesNamesThatAreNotPlainIdentifiers) {
  static const struct {
    const char* table;
    const char* key;
  } kCases[] = {
      {"t_Currency; DELETE FROM t_Currency", "FCurrencyID"},
      {"t_Currency", "FCurrencyID=1 OR 1"},
      {"t_Currency --", "FCurrencyID"},
      {"", "FCurrencyID"},
      {"t_Currency", ""},
      {"1t_Currency", "FCurrencyID"},
      {"[t_Currency]", "FCurrencyID"},
  };
  const DemoDatabase db;
  for (const auto& c : kCases) {
    SCOPED_TRACE(std::string(c.table) + " / " + c.key);
    EXPECT_VB_ERROR(NewSysInfo()->GetItemInfo(db.props(), c.table, 1, c.key), 5);
  }
  EXPECT_EQ(db.Run("SELECT * FROM t_Currency")->RecordCount(), 5);
}

TEST(SysInfo, GetPOMaxHighPricePicksTheMostSpecificLimitInTheBillsCurrency) {
  static const struct {
    const char* name;
    int32_t supplier, item, currency;
    double rate;
    int32_t priceType;
    double expected;
  } kCases[] = {
      {"general limit", 201, 1001, 1, 1, 1, 0.40},
      {"price type of its own", 201, 1001, 1, 1, 2, 0.45},
      {"other price type takes the general row", 201, 1001, 1, 1, 0, 0.40},
      {"supplier of its own", 203, 1005, 1, 1, 1, 13},
      {"other supplier takes the general row", 202, 1005, 1, 1, 1, 14},
      {"divided by the bill's rate", 203, 1005, 4, 0.05, 1, 260},
      {"no bill rate: the currency's own, '/' inverted", 203, 1005, 4, 0, 1, 260},
      {"no bill rate: the currency's own, '*'", 201, 1003, 2, 0, 1, 5 / 7.1},
      {"no bill rate, unknown currency: home", 201, 1003, 99, -1, 1, 5},
      {"item without a limit", 205, 1007, 1, 1, 1, -1},
      {"unknown item", 201, 9999, 1, 1, 1, -1},
  };
  const DemoDatabase db;
  db.Run("INSERT INTO t_POMaxPrice (FItemID,FSupID,FPriceType,FMaxPrice) VALUES (1001,0,2,0.45)");
  std::string props = db.props();
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.name);
    int32_t supplier = c.supplier, item = c.item, currency = c.currency, priceType = c.priceType;
    double rate = c.rate;
    const Variant price =
        NewSysInfo()->GetPOMaxHighPrice(props, supplier, item, currency, rate, priceType);
    EXPECT_NEAR(vb::CDbl(price), c.expected, 1e-9);
  }
}

TEST(SysInfo, GetCoeAndScaleFillsTheUnitsFactorWithZerosForWhatIsMissing) {
  static const struct {
    int32_t unit;
    double coefficient, scale;
  } kCases[] = {{1, 1, 0}, {2, 12, 0}, {5, 0.001, 0}, {7, 50, 0}, {8, 0, 0.5}, {99, 0, 0}};
  const DemoDatabase db;
  db.Run("INSERT INTO t_MeasureUnit (FMeasureUnitID,FCoefficient,FScale) VALUES (8,NULL,0.5)");
  std::string props = db.props();
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.unit);
    int32_t unit = c.unit;
    double coefficient = -7, scale = -7;
    NewSysInfo()->GetCoeAndScale(props, unit, coefficient, scale);
    EXPECT_EQ(coefficient, c.coefficient);
    EXPECT_EQ(scale, c.scale);
  }
}

}  // namespace
}  // namespace lumo
