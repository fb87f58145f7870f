#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "platform/error.h"
#include "support/action_test_access.h"
#include "support/dictionary_entries.h"
#include "support/fake_class_info.h"

namespace lumo::testing {
namespace {

const std::string kProfile =
    "SELECT FKey,FValue FROM t_SystemProfile WHERE FCategory='IC' AND FKey=";
const std::string kItems = "SELECT FTaxRate,FItemID FROM t_ICItemMaterial WHERE FItemID IN (";
const std::string kSupplier = "SELECT FValueAddRate FROM t_Supplier WHERE FItemID=";
const std::string kOrganization = "SELECT FValueAddRate FROM t_Organization WHERE FItemID=";

Table Profile(const char* key, Variant value) {
  return {{"FKey", "FValue"}, {{key, std::move(value)}}};
}
Table PartnerRate(Variant rate) {
  return {{"FValueAddRate"}, {{std::move(rate)}}};
}
Table ItemRates(std::vector<Recordset::Row> rows) {
  return {{"FTaxRate", "FItemID"}, std::move(rows)};
}
const Table kNoRows = {{"FValueAddRate"}, {}};

DictionaryRef Para(const Entries& entries) {
  auto para = NewDictionary();
  para->SetValue("PropString", "DB=demo");
  for (const auto& [key, value] : entries) para->SetValue(key, value);
  return para;
}

std::vector<std::string> Statements(const Calls& calls) {
  std::vector<std::string> statements;
  for (const auto& [props, sql] : calls) {
    EXPECT_EQ(props, "DB=demo");
    statements.push_back(sql);
  }
  return statements;
}

}  // namespace

TEST(GetTaxRate, TakesThePartnersOrTheItemsRateAsTheOptionSays) {
  const VbArray withBlank(1, {5, " ", " 7 "});
  const struct {
    const char* name;
    Entries para;
    std::vector<Table> answers;  // in the order of the statements
    std::vector<std::string> sql;
    std::optional<Variant> written;  // nullopt: dctReturn stays Nothing
  } cases[] = {
      {"purchasing side's profile option 1",
       {{"P_ICItemID", 1001}},
       {Profile("PurTaxRateOption", "1"), ItemRates({{13, 1001}})},
       {kProfile + "'PurTaxRateOption'", kItems + "1001)"},
       Variant(13)},
      {"sales side's profile option 0, a supplier",
       {{"P_SystemType", "2"}, {"P_CompanyType", 1}, {"P_CompanyID", 12}},
       {Profile("SaleTaxRateOption", "0"), PartnerRate(3.0)},
       {kProfile + "'SaleTaxRateOption'", kSupplier + "12"},
       Variant(3.0)},
      {"a blank option and a missing profile entry: a customer",
       {{"P_TaxRateOption", "  "}, {"P_CompanyID", "301.5"}},
       {{{"FKey", "FValue"}, {}}, PartnerRate(13)},
       {kProfile + "'PurTaxRateOption'", kOrganization + "302"},
       Variant(13)},
      {"option abc is 0 without asking the profile",
       {{"P_TaxRateOption", "abc"}, {"P_CompanyID", 5}},
       {PartnerRate(Variant::Null())},
       {kOrganization + "5"},
       Variant(0)},
      {"partner id 0", {{"P_TaxRateOption", 0}, {"P_CompanyID", 0}}, {}, {}, std::nullopt},
      {"partner type 2",
       {{"P_TaxRateOption", 0}, {"P_CompanyType", 2}, {"P_CompanyID", 5}},
       {},
       {},
       std::nullopt},
      {"partner without a row",
       {{"P_TaxRateOption", 0}, {"P_CompanyID", 5}},
       {kNoRows},
       {kOrganization + "5"},
       std::nullopt},
      {"option 2 acts as 1: the first row of a list",
       {{"P_TaxRateOption", "2"}, {"P_ICItemID", "5,7"}},
       {ItemRates({{9, 5}, {13, 7}})},
       {kItems + "5,7)"},
       Variant(9)},
      {"NULL item rate",
       {{"P_TaxRateOption", 1}, {"P_ICItemID", 5}},
       {ItemRates({{Variant::Null(), 5}})},
       {kItems + "5)"},
       Variant(0)},
      {"no item row",
       {{"P_TaxRateOption", 1}, {"P_ICItemID", 5}},
       {ItemRates({})},
       {kItems + "5)"},
       std::nullopt},
      {"blank item list", {{"P_TaxRateOption", 1}, {"P_ICItemID", " "}}, {}, {}, std::nullopt},
      {"no item ids", {{"P_TaxRateOption", 1}}, {}, {}, std::nullopt},
      {"a column with a blank, ids untrimmed",
       {{"P_TaxRateOption", 1}, {"P_ICItemID", withBlank}},
       {ItemRates({{9, 5}, {13, 7}})},
       {kItems + "5, 7 )"},
       VbArray(0, {Variant(), 9, Variant(), 13})},
      {"a column skips element 0; NULL rate is 0",
       {{"P_TaxRateOption", 1}, {"P_ICItemID", VbArray(0, {"x", 7.0, Variant()})}},
       {ItemRates({{Variant::Null(), 7}})},
       {kItems + "7)"},
       VbArray(0, {Variant(), 0, Variant()})},
      {"a column id without a row is left Empty",
       {{"P_TaxRateOption", 1}, {"P_ICItemID", VbArray(1, {5, 8, 7})}},
       {ItemRates({{9, 5}, {13, 7}})},
       {kItems + "5,8,7)"},
       VbArray(0, {Variant(), 9, Variant(), 13})},
      {"a column without any row",
       {{"P_TaxRateOption", 1}, {"P_ICItemID", VbArray(1, std::vector<Variant>{5})}},
       {ItemRates({})},
       {kItems + "5)"},
       std::nullopt},
      {"a column of blanks",
       {{"P_TaxRateOption", 1}, {"P_ICItemID", VbArray(1, {"", Variant()})}},
       {},
       {},
       std::nullopt},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    FakeClassInfo database;
    database.db->queue.assign(c.answers.begin(), c.answers.end());
    DictionaryRef result;
    EXPECT_EQ(ActionTestAccess::Call("TevSer_GetTaxRate", Para(c.para), result), 0);
    EXPECT_EQ(Statements(database.db->calls), c.sql);
    if (c.written) {
      ASSERT_NE(result, nullptr);
      EXPECT_EQ(EntriesOf(*result), (Entries{{"P_TaxRate", *c.written}}));
    } else {
      EXPECT_EQ(result, nullptr);
    }
  }
}

// Item ids are pasted into the statement, so anything but whole numbers is
// refused before any statement runs, the option's profile look-up included.
TEST(GetTaxRate, RaisesWithItsNameAndRunsNoSqlForABadItemId) {
  const std::string me = "TevSer_GetTaxRate:";
  const ErrorInfo databaseError{5, "ClassInfo", "no such table", "db.chm", 9};
  const struct {
    const char* name;
    Entries para;
    bool databaseFails;
    ErrorInfo expected;
  } cases[] = {
      {"blank PropString",
       {{"PropString", " "}},
       false,
       {-1, me + "PropString", "Propstring is empty!", "", 0}},
      {"database error",
       {{"P_ICItemID", 5}},
       true,
       {5, me + "ClassInfo", "no such table", "db.chm", 9}},
      {"option overflow", {{"P_TaxRateOption", "3e10"}}, false, {6, me, "Overflow", "", 0}},
      {"an OR through the list",
       {{"P_ICItemID", "1) OR 1=1 --"}},
       false,
       {-1, me + "P_ICItemID", "\"1) OR 1=1 --\" is not an item id", "", 0}},
      {"a second statement",
       {{"P_ICItemID", "5); DELETE FROM t_ICItemMaterial; --"}},
       false,
       {-1, me + "P_ICItemID", "\"5); DELETE FROM t_ICItemMaterial; --\" is not an item id", "",
        0}},
      {"an empty piece",
       {{"P_ICItemID", "5, ,7"}},
       false,
       {-1, me + "P_ICItemID", "\"\" is not an item id", "", 0}},
      {"a trailing comma",
       {{"P_ICItemID", "5,"}},
       false,
       {-1, me + "P_ICItemID", "\"\" is not an item id", "", 0}},
      {"a fraction in a list",
       {{"P_ICItemID", "5, 7.5"}},
       false,
       {-1, me + "P_ICItemID", "\"7.5\" is not an item id", "", 0}},
      {"a column element with a quote",
       {{"P_ICItemID", VbArray(1, {5, "7'"})}},
       false,
       {-1, me + "P_ICItemID", "\"7'\" is not an item id", "", 0}},
      {"a column element with a list",
       {{"P_ICItemID", VbArray(1, std::vector<Variant>{"5,7"})}},
       false,
       {-1, me + "P_ICItemID", "\"5,7\" is not an item id", "", 0}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    FakeClassInfo database;
    if (c.databaseFails) database.db->failure = databaseError;
    DictionaryRef result;
    try {
      ActionTestAccess::Call("TevSer_GetTaxRate", Para(c.para), result);
      ADD_FAILURE() << "no error";
    } catch (const VbError& e) {
      EXPECT_EQ(e.info(), c.expected);
    }
    EXPECT_EQ(database.db->calls.size(), c.databaseFails ? 1u : 0u);
    EXPECT_EQ(result, nullptr);
  }
}

}  // namespace lumo::testing
