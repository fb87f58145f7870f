#include <gtest/gtest.h>

#include "support/action_test_access.h"
#include "support/dictionary_entries.h"
#include "support/fake_sys_info.h"

namespace lumo::testing {

// t_Currency as the fake component answers it (other ids have no row):
// 2 "*" 0.5, 3 "/" 8, 4 "/" 4, 5 "*" 0, 6 a NULL rate. Each case runs with
// P_CurrencyID 2 and P_OldExchangeRate 2 unless it says otherwise, and a
// Nothing dctReturn; the fields converted before a failing one stay written.
TEST(CurrencyCal, ConvertsThePresentFieldsLookingUpOnlyTheMissingRates) {
  const std::string F1 = "P_CalField1", F2 = "P_CalField2", F3 = "P_CalField3", F5 = "P_CalField5";
  const std::string id = "P_CurrencyID", oldId = "P_OldCurrencyID", oldRate = "P_OldExchangeRate";
  const auto fail = [](int32_t number, const char* description, const char* source = "") {
    return ErrorInfo{number, std::string("TevSer_CurrencyCal:") + source, description, "", 0};
  };
  const auto column = [](int32_t lbound, std::vector<Variant> items) {
    return Variant(VbArray(lbound, std::move(items)));
  };
  const auto in = [](Entries entries) { return entries; };
  const auto ids = [](std::vector<int32_t> ids) { return ids; };
  const Variant N = Variant::Null(), E;
  const auto no = std::nullopt;
  const struct {
    const char* name;
    Entries para;
    std::vector<int32_t> lookedUp;
    std::optional<Entries> written;  // nullopt: dctReturn stays Nothing
    std::optional<ErrorInfo> error;
  } cases[] = {
      {"* 0.5, given rate 2", {{F1, 100}}, {2}, Entries({{F1, 400.0}}), {}},
      {"/ 8, given rate 2", {{id, 3}, {F1, 100}}, {3}, Entries({{F1, 1600.0}}), {}},
      {"a given rate beside a / old currency", in({{oldId, 4}, {oldRate, "2 per"}, {F1, 100}}),
       ids({2}), Entries({{F1, 400.0}}), no},
      {"a looked-up / rate divides; ids by leading number, half to even",
       in({{id, "2.5"}, {oldId, "4.5 x"}, {oldRate, 0}, {F1, 100}}), ids({2, 4}),
       Entries({{F1, 50.0}}), no},
      {"scalars by variant arithmetic, only the fields given",
       in({{F2, "1,000.5"}, {F3, N}, {F5, E}}), ids({2}),
       Entries({{F2, 4002.0}, {F3, N}, {F5, 0.0}}), no},
      {"columns from 1 and from 0, elements by leading number",
       in({{F1, column(1, {100, "12abc", "abc"})}, {F2, column(0, {100, 10, E})}}), ids({2}),
       Entries({{F1, column(0, {E, 400.0, 48.0, 0.0})}, {F2, column(0, {E, 40.0, 0.0})}}), no},
      {"no new currency", {{id, "abc"}, {F1, 1}}, {}, {}, {}},
      {"neither old rate nor old currency", {{oldRate, 0}, {F1, 1}}, {}, {}, {}},
      {"no field", {}, {}, {}, {}},
      {"new currency without a row", {{id, 9}, {F1, 1}}, {9}, {}, {}},
      {"old currency with rate 0", {{oldId, 5}, {oldRate, 0}, {F1, 1}}, {2, 5}, {}, {}},
      {"blank PropString", in({{"PropString", "  "}, {F1, 1}}), ids({}), no,
       fail(-1, "Propstring is empty!", "PropString")},
      {"NULL rate", {{id, 6}, {F1, 1}}, {6}, {}, fail(94, "Invalid use of Null")},
      {"text scalar after a written field", in({{F1, 100}, {F2, "abc"}, {F3, 1}}), ids({2}),
       Entries({{F1, 400.0}}), fail(13, "Type mismatch")},
      {"NULL element after a written field", in({{F1, 100}, {F2, column(1, {1, N})}}), ids({2}),
       Entries({{F1, 400.0}}), fail(94, "Invalid use of Null")},
      {"column from 2", in({{F1, column(2, {1, 2})}}), ids({2}), Entries({}),
       fail(9, "Subscript out of range")},
  };
  const Table currencies = {{"FCurrencyID", "FOperator", "FExchangeRate"},
                            {{2, "*", 0.5}, {3, "/", 8}, {4, "/", 4}, {5, "*", 0}, {6, "*", N}}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    FakeSysInfo sysInfo;
    for (const Recordset::Row& row : currencies.rows) {
      sysInfo.answers->items[{"t_Currency", row[0].AsLong()}] = {currencies.columns, {row}};
    }
    DictionaryRef result;
    const DictionaryRef para = ParaOf({{id, 2}, {oldRate, 2}}, c.para);
    EXPECT_EQ(ActionTestAccess::Raised("TevSer_CurrencyCal", para, result), c.error);
    ExpectWritten(result, c.written);
    std::vector<std::string> lookUps;
    for (const int32_t id : c.lookedUp) {
      lookUps.push_back("GetItemInfo DB=demo t_Currency " + std::to_string(id) + " FCurrencyID");
    }
    EXPECT_EQ(sysInfo.answers->calls, lookUps);
    EXPECT_EQ(sysInfo.answers->created, static_cast<int>(lookUps.size()));
  }
}

}  // namespace lumo::testing
