#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/action_test_access.h"
#include "support/dictionary_entries.h"
#include "support/fake_class_info.h"
#include "support/fake_viewers.h"
#include "support/vb_testing.h"

namespace lumo::testing {

// The viewer gets query type, partner, item id and the item's number, in
// that order; the number is looked up only for an item above 0 in a
// session that names its database.
TEST(HistoryPriceQry, HandsTheViewerTheItemAndItsNumber) {
  const Table number = {{"FNumber"}, {{"06.001"}}};
  const std::string sql = "SELECT FNumber FROM t_ICItemCore WHERE FItemID=1401";
  const struct {
    const char* name;
    Entries para;
    std::vector<Table> answers;
    std::vector<std::string> calls;  // after "new", before "Show"
    Calls sql;
  } cases[] = {
      {"no keys", {}, {}, {"QueryType 1", "CompanyID 0", "ItemID 0", "ItemNumber "}, {}},
      {"every key, by leading number",
       {{"P_QueryType", "2 days"}, {"P_CompanyID", 241.5}, {"P_ICItemID", "1401"}},
       {number},
       {"QueryType 2", "CompanyID 242", "ItemID 1401", "ItemNumber 06.001"},
       {{"DB=demo", sql}}},
      {"a query type that is no number",
       {{"P_QueryType", "x"}, {"P_ICItemID", -4}},
       {},
       {"QueryType 0", "CompanyID 0", "ItemID -4", "ItemNumber "},
       {}},
      {"an item without a row",
       {{"P_ICItemID", 1401}},
       {{{"FNumber"}, {}}},
       {"QueryType 1", "CompanyID 0", "ItemID 1401", "ItemNumber "},
       {{"DB=demo", sql}}},
      {"a blank session",
       {{"P_ICItemID", 1401}, {"PropString", "  "}},
       {number},
       {"QueryType 1", "CompanyID 0", "ItemID 1401", "ItemNumber "},
       {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    FakeTradeQuery viewer;
    FakeClassInfo database;
    database.db->queue.assign(c.answers.begin(), c.answers.end());
    DictionaryRef result;
    EXPECT_EQ(ActionTestAccess::Call("TevSer_HPriceQry", ParaOf(c.para), result), 0);
    std::vector<std::string> calls = {"new"};
    calls.insert(calls.end(), c.calls.begin(), c.calls.end());
    calls.push_back("Show");
    EXPECT_EQ(viewer.viewer->calls, calls);
    EXPECT_EQ(database.db->calls, c.sql);
    EXPECT_EQ(result, nullptr);
  }
}

TEST(HistoryPriceQry, ErrorsLeaveWithTheHandlersName) {
  {
    FakeTradeQuery viewer;
    FakeClassInfo database;
    database.db->queue.push_back({{"FNumber"}, {{Variant::Null()}}});
    DictionaryRef result;
    EXPECT_VB_ERROR_INFO(
        ActionTestAccess::Call("TevSer_HPriceQry", ParaOf({{"P_ICItemID", 1401}}), result), 94,
        "HistoryPriceQry:", "Invalid use of Null");
    EXPECT_TRUE(viewer.viewer->calls.empty());
    viewer.viewer->failOn = "Show";
    EXPECT_VB_ERROR_INFO(ActionTestAccess::Call("TevSer_HPriceQry", ParaOf({}), result), 5,
                         "HistoryPriceQry:Viewer", "the viewer failed");
  }
  DictionaryRef result;
  EXPECT_VB_ERROR_INFO(ActionTestAccess::Call("TevSer_HPriceQry", ParaOf({}), result), 429,
                       "HistoryPriceQry:LumoTradeQuery.TradeQuery",
                       "ActiveX component can't create object: \"LumoTradeQuery.TradeQuery\"");
}

}  // namespace lumo::testing
