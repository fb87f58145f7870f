#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "platform/error.h"
#include "support/action_test_access.h"
#include "support/dictionary_entries.h"
#include "support/fake_class_info.h"

namespace lumo::testing {

// The answers come in the order of the statements. Item ids are pasted into
// the statement, so anything but whole numbers is refused before any
// statement runs, the option's profile look-up included; an id without a
// row leaves its line Empty.
TEST(GetTaxRate, TakesThePartnersOrTheItemsRateAsTheOptionSays) {
  const std::string me = "TevSer_GetTaxRate:";
  const std::string profile =
      "SELECT FKey,FValue FROM t_SystemProfile WHERE FCategory='IC' AND FKey=";
  const std::string items = "SELECT FTaxRate,FItemID FROM t_ICItemMaterial WHERE FItemID IN (";
  const std::string supplier = "SELECT FValueAddRate FROM t_Supplier WHERE FItemID=";
  const std::string organization = "SELECT FValueAddRate FROM t_Organization WHERE FItemID=";
  const auto option = [](Variant value) { return Table{{"FKey", "FValue"}, {{"x", value}}}; };
  const auto rate = [](Variant value) { return Table{{"FValueAddRate"}, {{value}}}; };
  const Table rates57 = {{"FTaxRate", "FItemID"}, {{9, 5}, {13, 7}}};
  const Table noRates = {{"FTaxRate", "FItemID"}, {}};
  const auto badId = [&](const std::string& piece) {
    return ErrorInfo{-1, me + "P_ICItemID", "\"" + piece + "\" is not an item id", "", 0};
  };
  const auto column = [](std::vector<Variant> ids) { return VbArray(1, std::move(ids)); };
  const struct {
    const char* name;
    Entries para;
    std::vector<Table> answers;
    std::vector<std::string> sql;
    std::optional<Variant> written;  // nullopt: dctReturn stays Nothing
    std::optional<ErrorInfo> error;
  } cases[] = {
      {"purchasing side's profile option 1: one item",
       {{"P_ICItemID", 7}},
       {option("1"), rates57},
       {profile + "'PurTaxRateOption'", items + "7)"},
       Variant(9),
       {}},
      {"sales side's profile option 0: a supplier",
       {{"P_SystemType", "2"}, {"P_CompanyType", 1}, {"P_CompanyID", 12}},
       {option("0"), rate(3.0)},
       {profile + "'SaleTaxRateOption'", supplier + "12"},
       Variant(3.0),
       {}},
      {"a blank option, no profile entry: a customer, NULL rate",
       {{"P_TaxRateOption", "  "}, {"P_CompanyID", "301.5"}},
       {{{"FKey", "FValue"}, {}}, rate(Variant::Null())},
       {profile + "'PurTaxRateOption'", organization + "302"},
       Variant(0),
       {}},
      {"option abc is 0 without the profile",
       {{"P_TaxRateOption", "abc"}, {"P_CompanyID", 5}},
       {rate(13)},
       {organization + "5"},
       Variant(13),
       {}},
      {"partner id 0", {{"P_TaxRateOption", 0}, {"P_CompanyID", "0.5"}}, {}, {}, {}, {}},
      {"partner type 2",
       {{"P_TaxRateOption", 0}, {"P_CompanyType", 2}, {"P_CompanyID", 5}},
       {},
       {},
       {},
       {}},
      {"partner without a row",
       {{"P_TaxRateOption", 0}, {"P_CompanyID", 5}},
       {{{"FValueAddRate"}, {}}},
       {organization + "5"},
       {},
       {}},
      {"option 2 acts as 1: the first row of a list",
       {{"P_TaxRateOption", "2"}, {"P_ICItemID", "5,7"}},
       {rates57},
       {items + "5,7)"},
       Variant(9),
       {}},
      {"no item row",
       {{"P_TaxRateOption", 1}, {"P_ICItemID", 5}},
       {noRates},
       {items + "5)"},
       {},
       {}},
      {"blank item list", {{"P_TaxRateOption", 1}, {"P_ICItemID", " "}}, {}, {}, {}, {}},
      {"a column: one IN list, blanks and element 0 skipped, ids untrimmed",
       {{"P_TaxRateOption", 1}, {"P_ICItemID", VbArray(0, {"x", 5, " ", " 7 "})}},
       {rates57},
       {items + "5, 7 )"},
       VbArray(0, {Variant(), 9, Variant(), 13}),
       {}},
      {"a column id without a row is left Empty",
       {{"P_TaxRateOption", 1}, {"P_ICItemID", column({5, 8, 7})}},
       {rates57},
       {items + "5,8,7)"},
       VbArray(0, {Variant(), 9, Variant(), 13}),
       {}},
      {"blank PropString",
       {{"PropString", " "}},
       {},
       {},
       {},
       ErrorInfo{-1, me + "PropString", "Propstring is empty!", "", 0}},
      {"an OR through the list",
       {{"P_ICItemID", "1) OR 1=1 --"}},
       {},
       {},
       {},
       badId("1) OR 1=1 --")},
      {"a second statement",
       {{"P_ICItemID", "5); DELETE FROM t_ICItemMaterial; --"}},
       {},
       {},
       {},
       badId("5); DELETE FROM t_ICItemMaterial; --")},
      {"a fraction in a list", {{"P_ICItemID", "5, 7.5"}}, {}, {}, {}, badId("7.5")},
      {"an empty piece", {{"P_ICItemID", "5,,7"}}, {}, {}, {}, badId("")},
      {"a column element with a quote",
       {{"P_ICItemID", column({5, "7'"})}},
       {},
       {},
       {},
       badId("7'")},
      {"a column element with a list",
       {{"P_ICItemID", column({5, "5,7"})}},
       {},
       {},
       {},
       badId("5,7")},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    FakeClassInfo database;
    database.db->queue.assign(c.answers.begin(), c.answers.end());
    DictionaryRef result;
    try {
      EXPECT_EQ(ActionTestAccess::Call("TevSer_GetTaxRate", ParaOf(c.para), result), 0);
      EXPECT_FALSE(c.error);
    } catch (const VbError& e) {
      EXPECT_EQ(std::optional(e.info()), c.error);
    }
    ExpectWritten(result,
                  c.written ? std::optional(Entries{{"P_TaxRate", *c.written}}) : std::nullopt);
    std::vector<std::string> statements;
    for (const auto& [props, sql] : database.db->calls) {
      EXPECT_EQ(props, "DB=demo");
      statements.push_back(sql);
    }
    EXPECT_EQ(statements, c.sql);
  }
}

}  // namespace lumo::testing
