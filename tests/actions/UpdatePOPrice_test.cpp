#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "core/cls_action_ic.h"
#include "support/action_test_access.h"
#include "support/fake_class_info.h"
#include "support/fake_share_props.h"

namespace lumo::testing {

namespace {

std::string EntryQuery(const std::string& order) {
  return " SELECT t1.FInterId,t2.FEntryID FROM POOrder t1, POOrderEntry t2 WHERE "
         "t1.FInterID=t2.FInterID  AND t1.FInterID= " +
         order + " AND t2.FAuxPrice<>0  And t2.FAuxTaxPrice<>0 Order By t2.FEntryID ";
}

Table Entries(const std::vector<Variant>& entryIds) {
  Table table{{"FInterId", "FEntryID"}, {}};
  for (const Variant& id : entryIds) table.rows.push_back({1001, id});
  return table;
}

}  // namespace

// The entries the query finds, in its order, one EXEC line each, in one call
// with the session's property string.
TEST(UpdatePOPrice, RunsTheProcedureForEveryPricedEntryInOneBatch) {
  const struct {
    const char* name;
    std::optional<Variant> interId;  // nullopt: absent
    const char* order;
    std::vector<Variant> entries;
    std::string batch;  // "": no batch
  } cases[] = {
      {"entries 1 and 3 of order 1001",
       1001,
       "1001",
       {1, 3},
       "EXEC p_UpdateSupplyInfoByPOOrd 1001,1,16\r\nEXEC p_UpdateSupplyInfoByPOOrd 1001,3,16\r\n"},
      {"1001.5 is 1002", 1001.5, "1002", {2}, "EXEC p_UpdateSupplyInfoByPOOrd 1002,2,16\r\n"},
      {"text with a leading number",
       "1003 x",
       "1003",
       {Variant::Null()},
       "EXEC p_UpdateSupplyInfoByPOOrd 1003,0,16\r\n"},
      {"no priced entry", 1001, "1001", {}, ""},
      {"absent id is order 0", std::nullopt, "0", {}, ""},
      {"non-numeric id is order 0", "abc", "0", {}, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    FakeShareProps session("DB=session;UserID=16");
    FakeClassInfo database;
    database.db->queue.push_back(Entries(c.entries));
    auto para = NewDictionary();
    para->SetValue("PropString", "DB=para");
    if (c.interId) para->SetValue("P_InterID", *c.interId);
    DictionaryRef result;
    EXPECT_EQ(ActionTestAccess::Call("TevSer_UpdatePOPrice", para, result), 0);
    EXPECT_EQ(result, nullptr);
    Calls expected{{"DB=session;UserID=16", EntryQuery(c.order)}};
    if (!c.batch.empty()) expected.emplace_back("DB=session;UserID=16", c.batch);
    EXPECT_EQ(database.db->calls, expected);
  }
}

// Result 1 and no batch for a user id that is not a plain whole number, and
// result 1 when the database refuses the batch.
TEST(UpdatePOPrice, AnswersOneForABadUserIdOrARefusedBatch) {
  const ErrorInfo refused{-2147217900, "ClassInfo", "refused", "", 0};
  const struct {
    const char* name;
    const char* props;
    bool batchFails;
    size_t calls;
    ErrorInfo error;
  } cases[] = {
      {"no user id",
       "DB=session",
       false,
       1,
       {-1, "TevSer_UpdatePOPrice", "The session's UserID is not a whole number: \"\"", "", 0}},
      {"user id with SQL",
       "DB=session;UserID=16 or 1=1",
       false,
       1,
       {-1, "TevSer_UpdatePOPrice", "The session's UserID is not a whole number: \"16 OR 1=1\"", "",
        0}},
      {"batch refused", "DB=session;UserID=16", true, 2, refused},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    FakeShareProps session(c.props);
    FakeClassInfo database;
    database.db->queue.push_back(Entries({1}));
    if (c.batchFails) {
      database.db->failure = refused;
      database.db->failingCall = 2;
    }
    auto para = NewDictionary();
    para->SetValue("P_InterID", 1001);
    clsActionIC component;
    DictionaryRef result;
    EXPECT_EQ(component.DoAction("TevSer_UpdatePOPrice", "", para, result), 1);
    EXPECT_EQ(database.db->calls.size(), c.calls);
    EXPECT_EQ(clsActionIC::LastError(), c.error);
  }
}

}  // namespace lumo::testing
