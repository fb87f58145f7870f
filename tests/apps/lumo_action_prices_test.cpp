// Currency conversion, tax rates and supplier prices end to end: lumo-action
// on the demo database, so each action's statements meet the real tables.
// USD (2) is 7.1 yuan, JPY (4) is kept with "/" at 20 yen to the yuan; oil
// (1101) from supplier 211 is 113 yuan a drum, 10 % off from 10 drums, 13 %
// tax, and the demo's purchase-order prices exclude tax.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <string>
#include <vector>

#include "hosting/variant_json.h"
#include "support/lumo_action_fixture.h"

namespace lumo::app {
namespace {

using hosting::Json;

class DemoActions : public LumoAction {
 protected:
  // The output's "return" and, when there is one, its "error".
  Json Act(const std::string& action, std::vector<std::string> pairs) const {
    pairs.insert(pairs.begin(), {"--db", demo, action});
    const Outcome outcome = Run(pairs);
    Json json = Json::parse(outcome.out);
    EXPECT_EQ(outcome.status, json.contains("error") ? 1 : 0) << outcome.err;
    EXPECT_EQ(json["result"], 0);
    json.erase("result");
    json.erase("para");
    return json;
  }
  void Exec(const std::string& sql) const {
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(demo.c_str(), &db), SQLITE_OK);
    const int status = sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr);
    sqlite3_close(db);
    ASSERT_EQ(status, SQLITE_OK) << sql;
  }
  long long Rows(const std::string& table) const {
    sqlite3* db = nullptr;
    sqlite3_stmt* count = nullptr;
    sqlite3_open(demo.c_str(), &db);
    sqlite3_prepare_v2(db, ("SELECT COUNT(*) FROM " + table).c_str(), -1, &count, nullptr);
    const long long rows = sqlite3_step(count) == SQLITE_ROW ? sqlite3_column_int64(count, 0) : -1;
    sqlite3_finalize(count);
    sqlite3_close(db);
    return rows;
  }
};

// The item ids become part of the statement, so SQL in them is refused
// before anything runs and the table keeps its rows.
TEST_F(DemoActions, GetTaxRateRunsNoSqlFromAnItemId) {
  const long long before = Rows("t_ICItemMaterial");
  ASSERT_GT(before, 0);
  for (const std::string attack : {"5); DELETE FROM t_ICItemMaterial; --", "1) OR 1=1 --"}) {
    SCOPED_TRACE(attack);
    const Json error = {{"number", -1},
                        {"source", "TevSer_GetTaxRate:P_ICItemID"},
                        {"description", "\"" + attack + "\" is not an item id"}};
    EXPECT_EQ(Act("TevSer_GetTaxRate", {"P_ICItemID=" + attack}),
              Json({{"return", nullptr}, {"error", error}}));
    EXPECT_EQ(Rows("t_ICItemMaterial"), before);
  }
}

TEST_F(DemoActions, EachActionAnswersFromTheDemoTables) {
  const std::vector<std::string> oil = {"P_SupplyID=211",  "P_ICItemID=1101", "P_UnitID=1",
                                        "P_CalDiscount=1", "P_CalTax=1",      "P_AuxQty=12"};
  const struct {
    const char* action;
    std::vector<std::string> pairs;
    const char* expected;
  } cases[] = {
      {"TevSer_CurrencyCal",
       {"P_CurrencyID=4", "P_OldExchangeRate=0.5", "P_CalField1=100",
        R"(P_CalField2={"$array": [1, "12abc", ""], "$lbound": 1})"},
       R"({"return": {"P_CalField1": 1000.0,
                      "P_CalField2": [{"$empty": true}, 10.0, 120.0, 0.0]}})"},
      {"TevSer_CurrencyCal",
       {"P_CurrencyID=1", "P_OldCurrencyID=4", "P_CalField3=1000"},
       R"({"return": {"P_CalField3": 50.0}})"},
      {"TevSer_CurrencyCal",
       {"P_CurrencyID=4", "P_OldExchangeRate=1", "P_CalField1=1", "P_CalField2=abc"},
       R"({"return": {"P_CalField1": 20.0}, "error": {"number": 13,
           "source": "TevSer_CurrencyCal:", "description": "Type mismatch"}})"},
      // Purchasing takes item rates: a blank, an unknown id and a NULL rate.
      {"TevSer_GetTaxRate",
       {R"(P_ICItemID={"$array": [1001, " ", 1007, 9999, 1102], "$lbound": 1})"},
       R"({"return": {"P_TaxRate": [{"$empty": true}, 13.0, {"$empty": true}, 9.0,
                                    {"$empty": true}, 0]}})"},
      {"TevSer_GetTaxRate",
       {"P_SystemType=1", "P_CompanyID=303"},
       R"({"return": {"P_TaxRate": 0.0}})"},
      {"TevSer_GetTaxRate",
       {"P_TaxRateOption=0", "P_CompanyType=1", "P_CompanyID=212"},
       R"({"return": {"P_TaxRate": 0}})"},
      {"TevSer_GetSupplyInfo", oil, R"({"return": {"P_Discount": 10.0, "P_Price": 101.7}})"},
      {"TevSer_GetSupplyInfo",
       {"P_SupplyID=211", "P_ICItemID=1101", "P_UnitID=1", "P_CalDiscount=1", "P_AuxQty=5"},
       R"({"return": {"P_Discount": 0.0, "P_Price": 113.0}})"},
      {"TevSer_GetSupplyInfo",
       {"P_SupplyID=201", "P_ICItemID=1001", "P_UnitID=1", "P_InvStyle=12511"},
       R"({"return": {"P_Discount": 0.0, "P_Price": 0.43}})"},
      {"TevSer_GetSupplyInfo",
       {"P_SupplyID=999", "P_ICItemID=1101", "P_UnitID=1"},
       R"({"return": null})"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.expected);
    EXPECT_EQ(Act(c.action, c.pairs), Json::parse(c.expected));
  }

  // Tax-inclusive prices from the profile lose their tax; without the
  // profile entry the action fails after writing the discount.
  Exec("UPDATE t_SystemProfile SET FValue='1' WHERE FKey='POOrderTaxInPrice'");
  const Json taxIn = Act("TevSer_GetSupplyInfo", oil)["return"];
  EXPECT_EQ(taxIn["P_Discount"], 10.0);
  EXPECT_NEAR(taxIn.value("P_TaxPrice", 0.0), 90.0, 1e-9);
  EXPECT_FALSE(taxIn.contains("P_Price"));
  Exec("DELETE FROM t_SystemProfile WHERE FKey='POOrderTaxInPrice'");
  EXPECT_EQ(Act("TevSer_GetSupplyInfo", oil), Json::parse(R"({"return": {"P_Discount": 10.0},
      "error": {"number": 13, "source": "GetSupplyInfo:", "description": "Type mismatch"}})"));
}

}  // namespace
}  // namespace lumo::app
