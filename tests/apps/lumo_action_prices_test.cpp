// Currency conversion, tax rates and supplier prices end to end: lumo-action
// on the demo database, one run per branch, columns given as JSON arrays.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <span>
#include <string>
#include <vector>

#include "support/lumo_action_fixture.h"
#include "variant_json.h"

namespace lumo::app {
namespace {

struct Case {
  const char* name;
  std::vector<std::string> pairs;
  const char* expected;  // the output's "return" and, when there is one, its "error"
};

void ExpectOutcome(const Json& output, const Case& c) {
  const Json expected = Json::parse(c.expected);
  EXPECT_EQ(output["result"], 0);
  EXPECT_EQ(output["return"], expected["return"]);
  EXPECT_EQ(output.value("error", Json()), expected.value("error", Json()));
}

class DemoActions : public LumoAction {
 protected:
  // What lumo-action prints for the action on the demo database.
  Json Act(const std::string& action, const std::vector<std::string>& pairs) const {
    std::vector<std::string> args = {"--db", demo, action};
    args.insert(args.end(), pairs.begin(), pairs.end());
    const Outcome outcome = Run(args);
    EXPECT_EQ(outcome.status, 0) << outcome.err;
    return Json::parse(outcome.out);
  }
  // The first column of the statement's first row, as an integer.
  long long Scalar(const std::string& sql) const {
    sqlite3* db = nullptr;
    sqlite3_stmt* statement = nullptr;
    long long value = -1;
    if (sqlite3_open(demo.c_str(), &db) == SQLITE_OK &&
        sqlite3_prepare_v2(db, sql.c_str(), -1, &statement, nullptr) == SQLITE_OK &&
        sqlite3_step(statement) == SQLITE_ROW) {
      value = sqlite3_column_int64(statement, 0);
    }
    sqlite3_finalize(statement);
    sqlite3_close(db);
    return value;
  }
  // Runs the action once per case.
  void ExpectCases(const std::string& action, std::span<const Case> cases) const {
    for (const Case& c : cases) {
      SCOPED_TRACE(c.name);
      ExpectOutcome(Act(action, c.pairs), c);
    }
  }
  void Exec(const std::string& sql) const {
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(demo.c_str(), &db), SQLITE_OK);
    const int status = sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr);
    sqlite3_close(db);
    ASSERT_EQ(status, SQLITE_OK) << sql;
  }
};

// USD (2) is 7.1 yuan, JPY (4) is kept with "/" at 20 yen to the yuan,
// SGD (6) has no rate yet.
TEST_F(DemoActions, CurrencyCalConvertsAmountsAndColumns) {
  const Case cases[] = {
      {"into yen at a given rate, a scalar and a column",
       {"P_CurrencyID=4", "P_OldExchangeRate=0.5", "P_CalField1=100",
        R"(P_CalField2={"$array": [1, "12abc", ""], "$lbound": 1})"},
       R"({"return": {"P_CalField1": 1000.0,
                      "P_CalField2": [{"$empty": true}, 10.0, 120.0, 0.0]}})"},
      {"from yen, looked up: divided by 20",
       {"P_CurrencyID=1", "P_OldCurrencyID=4", "P_CalField3=1000"},
       R"({"return": {"P_CalField3": 50.0}})"},
      {"into a currency without a rate",
       {"P_CurrencyID=6", "P_OldCurrencyID=2", "P_CalField1=10"},
       R"({"return": null})"},
      {"a text amount",
       {"P_CurrencyID=4", "P_OldExchangeRate=1", "P_CalField1=1", "P_CalField2=abc"},
       R"({"return": {"P_CalField1": 20.0}, "error": {"number": 13,
           "source": "TevSer_CurrencyCal:", "description": "Type mismatch"}})"},
  };
  ExpectCases("TevSer_CurrencyCal", cases);
}

// The demo's purchasing side takes item rates, its sales side partner rates.
TEST_F(DemoActions, GetTaxRateTakesPartnerOrItemRates) {
  const Case cases[] = {
      {"purchasing: a list", {"P_ICItemID=1001, 1007"}, R"({"return": {"P_TaxRate": 13.0}})"},
      {"purchasing: a column with a blank, an unknown id and a NULL rate",
       {R"(P_ICItemID={"$array": [1001, " ", 1007, 9999, 1102], "$lbound": 1})"},
       R"({"return": {"P_TaxRate": [{"$empty": true}, 13.0, {"$empty": true}, 9.0,
                                    {"$empty": true}, 0]}})"},
      {"sales: the export customer",
       {"P_SystemType=1", "P_CompanyID=303"},
       R"({"return": {"P_TaxRate": 0.0}})"},
      {"a supplier without a rate",
       {"P_TaxRateOption=0", "P_CompanyType=1", "P_CompanyID=212"},
       R"({"return": {"P_TaxRate": 0}})"},
  };
  ExpectCases("TevSer_GetTaxRate", cases);
}

TEST_F(DemoActions, GetTaxRateRunsNoSqlFromAnItemId) {
  const std::string count = "SELECT COUNT(*) FROM t_ICItemMaterial";
  const long long before = Scalar(count);
  ASSERT_GT(before, 0);
  for (const char* attack : {"5); DELETE FROM t_ICItemMaterial; --", "1) OR 1=1 --"}) {
    SCOPED_TRACE(attack);
    const Json error = {{"number", -1},
                        {"source", "TevSer_GetTaxRate:P_ICItemID"},
                        {"description", "\"" + std::string(attack) + "\" is not an item id"}};
    const Json output = Act("TevSer_GetTaxRate", {"P_ICItemID=" + std::string(attack)});
    EXPECT_EQ(output["return"], nullptr);
    EXPECT_EQ(output["error"], error);
    EXPECT_EQ(Scalar(count), before);
  }
}

// Oil (1101) from supplier 211: 113 yuan a drum, 10 % off from 10 drums,
// 13 % tax. The demo's purchase-order prices exclude tax.
TEST_F(DemoActions, GetSupplyInfoPricesALine) {
  const std::vector<std::string> oil = {"P_SupplyID=211", "P_ICItemID=1101", "P_UnitID=1",
                                        "P_CalDiscount=1", "P_CalTax=1"};
  const auto with = [&oil](std::vector<std::string> more) {
    more.insert(more.begin(), oil.begin(), oil.end());
    return more;
  };
  const Case cases[] = {
      {"from the discount's quantity on", with({"P_AuxQty=12"}),
       R"({"return": {"P_Discount": 10.0, "P_Price": 101.7}})"},
      {"below it", with({"P_AuxQty=5"}), R"({"return": {"P_Discount": 0.0, "P_Price": 113.0}})"},
      {"a value-added-tax invoice's price list",
       {"P_SupplyID=201", "P_ICItemID=1001", "P_UnitID=1", "P_InvStyle=12511"},
       R"({"return": {"P_Discount": 0.0, "P_Price": 0.43}})"},
      {"an unknown supplier",
       {"P_SupplyID=999", "P_ICItemID=1101", "P_UnitID=1"},
       R"({"return": null})"},
  };
  ExpectCases("TevSer_GetSupplyInfo", cases);

  // Tax-inclusive prices, given or from the profile, lose their tax.
  for (const bool fromProfile : {false, true}) {
    SCOPED_TRACE(fromProfile ? "profile" : "given");
    if (fromProfile) Exec("UPDATE t_SystemProfile SET FValue='1' WHERE FKey='POOrderTaxInPrice'");
    std::vector<std::string> pairs = with({"P_AuxQty=12"});
    if (!fromProfile) pairs.push_back("P_POOrderTaxInPrice=1");
    const Json output = Act("TevSer_GetSupplyInfo", pairs);
    EXPECT_EQ(output["return"]["P_Discount"], 10.0);
    EXPECT_NEAR(output["return"].value("P_TaxPrice", 0.0), 90.0, 1e-9);
    EXPECT_FALSE(output["return"].contains("P_Price"));
  }

  // Without the profile entry the action fails after writing the discount.
  Exec("DELETE FROM t_SystemProfile WHERE FKey='POOrderTaxInPrice'");
  ExpectOutcome(Act("TevSer_GetSupplyInfo", with({"P_AuxQty=12"})),
                {"no profile entry",
                 {},
                 R"({"return": {"P_Discount": 10.0}, "error": {"number": 13,
                     "source": "GetSupplyInfo:", "description": "Type mismatch"}})"});
}

}  // namespace
}  // namespace lumo::app
