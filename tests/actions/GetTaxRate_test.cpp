#include <gtest/gtest.h>

#include "platform/error.h"
#include "support/action_test_access.h"
#include "support/dictionary_entries.h"
#include "support/fake_class_info.h"

namespace lumo::testing {

// The answers come in the order of the statements. Item ids are pasted into
// the statement, so the item branch refuses anything but whole numbers
// before its statement runs and writes each id as the number it is; the
// partner branch never reads them. An id without a row leaves its line
// Empty.
TEST(GetTaxRate, TakesThePartnersOrTheItemsRateAsTheOptionSays) {
  const std::string profile =
      "SELECT FKey,FValue FROM t_SystemProfile WHERE FCategory='IC' AND FKey=";
  const std::string items = "SELECT FTaxRate,FItemID FROM t_ICItemMaterial WHERE FItemID IN (";
  const std::string supplier = "SELECT FValueAddRate FROM t_Supplier WHERE FItemID=";
  const std::string organization = "SELECT FValueAddRate FROM t_Organization WHERE FItemID=";
  const auto option = [](Variant value) { return Table{{"FKey", "FValue"}, {{"x", value}}}; };
  const auto rate = [](Variant value) { return Table{{"FValueAddRate"}, {{value}}}; };
  const Table rates57 = {{"FTaxRate", "FItemID"}, {{9, 5}, {13, 7}}};
  const Table noRates = {{"FTaxRate", "FItemID"}, {}}, noRate = {{"FValueAddRate"}, {}},
              noOption = {{"FKey", "FValue"}, {}};
  const auto badId = [](const std::string& piece) {
    return ErrorInfo{-1, "TevSer_GetTaxRate:P_ICItemID", "\"" + piece + "\" is not an item id", "",
                     0};
  };
  const auto column = [](std::vector<Variant> ids) { return VbArray(1, std::move(ids)); };
  const auto tables = [](std::vector<Table> answers) { return answers; };
  const auto sql = [](std::vector<std::string> statements) { return statements; };
  const std::string opt = "P_TaxRateOption", id = "P_CompanyID", item = "P_ICItemID";
  const auto no = std::nullopt;
  const Variant E;
  const struct {
    const char* name;
    Entries para;
    std::vector<Table> answers;
    std::vector<std::string> sql;
    std::optional<Variant> written;  // nullopt: dctReturn stays Nothing
    std::optional<ErrorInfo> error;
  } cases[] = {
      {"purchasing side's profile option 1: one item", Entries({{item, 7}}),
       tables({option("1"), rates57}), sql({profile + "'PurTaxRateOption'", items + "7)"}), 9, no},
      {"sales side's profile option 0: a supplier",
       Entries({{"P_SystemType", "2"}, {"P_CompanyType", 1}, {id, 12}}),
       tables({option("0"), rate(3.0)}), sql({profile + "'SaleTaxRateOption'", supplier + "12"}),
       3.0, no},
      {"a blank option, no profile entry: a customer, NULL rate",
       Entries({{opt, "  "}, {id, "301.5"}}), tables({noOption, rate(Variant::Null())}),
       sql({profile + "'PurTaxRateOption'", organization + "302"}), 0, no},
      {"option abc is 0 without the profile", Entries({{opt, "abc"}, {id, 5}}), tables({rate(13)}),
       sql({organization + "5"}), 13, no},
      {"partner id 0", {{opt, 0}, {id, "0.5"}}, {}, {}, {}, {}},
      {"partner type 2", {{opt, 0}, {"P_CompanyType", 2}, {id, 5}}, {}, {}, {}, {}},
      {"partner without a row", {{opt, 0}, {id, 5}}, {noRate}, {organization + "5"}, {}, {}},
      {"option 2 acts as 1: a list's first row", Entries({{opt, "2"}, {item, "5,7"}}),
       tables({rates57}), sql({items + "5,7)"}), 9, no},
      {"no item row", {{opt, 1}, {item, 5}}, {noRates}, {items + "5)"}, {}, {}},
      {"blank item list", {{opt, 1}, {item, " "}}, {}, {}, {}, {}},
      {"a column: one IN list, blanks and element 0 skipped, ids as numbers",
       Entries({{opt, 1}, {item, VbArray(0, {"x", 5, " ", " +7 "})}}), tables({rates57}),
       sql({items + "5,7)"}), VbArray(0, {E, 9, E, 13}), no},
      {"a list's ids as numbers", Entries({{opt, 1}, {item, "+5, 007,-0"}}), tables({rates57}),
       sql({items + "5,7,0)"}), 9, no},
      {"a column id without a row is left Empty", Entries({{opt, 1}, {item, column({5, 8, 7})}}),
       tables({rates57}), sql({items + "5,8,7)"}), VbArray(0, {E, 9, E, 13}), no},
      {"blank PropString", Entries({{"PropString", " "}}), tables({}), sql({}), no,
       ErrorInfo{-1, "TevSer_GetTaxRate:PropString", "Propstring is empty!", "", 0}},
      {"an OR through the list",
       {{opt, 1}, {item, "1) OR 1=1 --"}},
       {},
       {},
       {},
       badId("1) OR 1=1 --")},
      {"an empty piece", {{opt, 1}, {item, "5,,7"}}, {}, {}, {}, badId("")},
      {"a column element with a list",
       {{opt, 1}, {item, column({5, "5,7"})}},
       {},
       {},
       {},
       badId("5,7")},
      {"an id beyond a Long", {{opt, 1}, {item, "5,2147483648"}}, {}, {}, {}, badId("2147483648")},
      {"the profile's option 1 refuses a bad id after asking",
       {{item, "5,"}},
       {option("1")},
       {profile + "'PurTaxRateOption'"},
       {},
       badId("")},
      {"the partner's rate whatever the ids", Entries({{opt, 0}, {id, 5}, {item, "5,7,"}}),
       tables({rate(13)}), sql({organization + "5"}), 13, no},
      {"the partner's rate beside a bad column", Entries({{id, 5}, {item, column({5, "x"})}}),
       tables({option("0"), rate(13)}), sql({profile + "'PurTaxRateOption'", organization + "5"}),
       13, no},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    FakeClassInfo database;
    database.db->queue.assign(c.answers.begin(), c.answers.end());
    DictionaryRef result;
    EXPECT_EQ(ActionTestAccess::Raised("TevSer_GetTaxRate", ParaOf(c.para), result), c.error);
    ExpectWritten(result,
                  c.written ? std::optional(Entries{{"P_TaxRate", *c.written}}) : std::nullopt);
    Calls expected;
    for (const std::string& statement : c.sql) expected.emplace_back("DB=demo", statement);
    EXPECT_EQ(database.db->calls, expected);
  }
}

}  // namespace lumo::testing
