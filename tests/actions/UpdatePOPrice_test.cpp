#include <gtest/gtest.h>

#include "core/cls_action_ic.h"
#include "support/fake_class_info.h"
#include "support/fake_share_props.h"

namespace lumo::testing {

// The entries the query finds, in its order, one EXEC line each, in one call
// with the session's property string. Result 1 without a batch for a user id
// that is not a whole number, and 1 when the database refuses the batch.
TEST(UpdatePOPrice, RunsTheProcedureForEveryPricedEntryInOneBatch) {
  const std::string session = "DB=session;UserID=16", exec = "EXEC p_UpdateSupplyInfoByPOOrd ";
  const ErrorInfo refused{-2147217900, "ClassInfo", "refused", "", 0};
  const auto userError = [](std::string id) {
    return ErrorInfo{-1, "TevSer_UpdatePOPrice",
                     "The session's UserID is not a whole number: \"" + id + "\"", "", 0};
  };
  const auto entries = [](std::vector<Variant> ids) { return ids; };
  const struct {
    const char* name;
    std::optional<Variant> interId;  // nullopt: absent
    std::string props;
    std::vector<Variant> entries;
    const char* order;
    std::string batch;  // "": none sent
    ActionResult result = 0;
    ErrorInfo error = {};
  } cases[] = {
      {"entries 1 and 3 of order 1001", 1001, session, entries({1, 3}), "1001",
       exec + "1001,1,16\r\n" + exec + "1001,3,16\r\n"},
      {"1001.5 is 1002", 1001.5, session, entries({2}), "1002", exec + "1002,2,16\r\n"},
      {"leading number, NULL entry", "1003 x", session, entries({Variant::Null()}), "1003",
       exec + "1003,0,16\r\n"},
      {"no priced entry", 1001, session, {}, "1001", ""},
      {"absent id is order 0", std::nullopt, session, {}, "0", ""},
      {"user id with SQL", 1001, "DB=s;UserID=16 or 1=1", entries({1}), "1001", "", 1,
       userError("16 OR 1=1")},
      {"batch refused", 1001, session, entries({1}), "1001", exec + "1001,1,16\r\n", 1, refused},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    FakeShareProps shared(c.props);
    FakeClassInfo database;
    Table priced{{"FInterId", "FEntryID"}, {}};
    for (const Variant& id : c.entries) priced.rows.push_back({1001, id});
    database.db->queue.push_back(priced);
    if (c.error == refused) {
      database.db->failure = refused;
      database.db->failingCall = 2;
    }
    auto para = NewDictionary();
    para->SetValue("PropString", "DB=para");
    if (c.interId) para->SetValue("P_InterID", *c.interId);
    DictionaryRef result;
    EXPECT_EQ(clsActionIC().DoAction("TevSer_UpdatePOPrice", "", para, result), c.result);
    EXPECT_EQ(result, nullptr);
    Calls expected{{c.props,
                    " SELECT t1.FInterId,t2.FEntryID FROM POOrder t1, POOrderEntry t2 "
                    "WHERE t1.FInterID=t2.FInterID  AND t1.FInterID= " +
                        std::string(c.order) +
                        " AND t2.FAuxPrice<>0  And t2.FAuxTaxPrice<>0 Order By "
                        "t2.FEntryID "}};
    if (!c.batch.empty()) expected.emplace_back(c.props, c.batch);
    EXPECT_EQ(database.db->calls, expected);
    EXPECT_EQ(clsActionIC::LastError(), c.error);
  }
}

}  // namespace lumo::testing
