#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "host/data/emitted_sql.h"
#include "support/action_test_access.h"
#include "support/fake_class_info.h"

namespace lumo::testing {

namespace {

using Lines = std::vector<std::string>;

Lines SplitLines(const std::string& text) {
  Lines lines;
  size_t start = 0;
  for (size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
    lines.push_back(text.substr(start, end - start));
  }
  lines.push_back(text.substr(start));
  return lines;
}

// A list: element 0 (not read) is -1, then the values.
Variant List(std::vector<Variant> values) {
  values.insert(values.begin(), -1);
  return VbArray(0, std::move(values));
}

Variant Longs(std::vector<int32_t> values) {
  return VbArray(0, std::vector<Variant>(values.begin(), values.end()));
}

Table Results(const std::vector<std::pair<Variant, Variant>>& rows) {
  Table table{{"FIndex", "FInterID"}, {}};
  for (const auto& [index, id] : rows) table.rows.push_back({index, id});
  return table;
}

// The action's result and "P_MapID" (nullopt: not written). Nothing as items
// leaves "P_ICItemID" out.
std::pair<ActionResult, std::optional<Variant>> SynMapAndItem(Variant items, Variant mapType = 0,
                                                              Variant synType = 0,
                                                              Variant partner = 7) {
  auto para = NewDictionary();
  para->SetValue("PropString", "DB=demo");
  para->SetValue("P_MapType", std::move(mapType));
  para->SetValue("P_SynType", std::move(synType));
  para->SetValue("P_SupplierOrCustomerID", std::move(partner));
  if (!items.IsNothing()) para->SetValue("P_ICItemID", std::move(items));
  DictionaryRef result;
  const ActionResult answer = ActionTestAccess::Call("TevSer_SynMapAndItem", para, result);
  if (!result || !result->Lookup("P_MapID")) return {answer, std::nullopt};
  return {answer, result->Value("P_MapID")};
}

}  // namespace

// The list goes to the database as one batch, line by line; the query part
// depends on map and synchronisation type (none for a map type other than 0).
TEST(SynMapAndItem, ListIsOneBatch) {
  const Lines toEntries = {"Select u1.FIndex,Min(v1.FEntryID) as FInterID from #TmpItem u1",
                           "Left Join v_SToIMapping v1 on u1.FItemID = v1.FItemID And "
                           "v1.FParentID = 7",
                           "Group by u1.FIndex", "Order by u1.FIndex", ""};
  const Lines toItems = {"Select u1.FIndex,Min(v1.FItemID) as FInterID from #TmpItem u1",
                         "Left Join v_SToIMapping v1 on u1.FItemID = v1.FEntryID And "
                         "v1.FParentID = 7",
                         "Group by u1.FIndex", "Order by u1.FIndex", ""};
  const struct {
    const char* name;
    Variant mapType, synType;
    Lines query;
  } cases[] = {
      {"items to entries", 0, 0, toEntries},
      {"entries to items", 0, "1", toItems},
      {"types 0.5 and 2.5 are 0 and 2", "0.5", 2.5, toItems},
      {"map type 1", 1, 0, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    FakeClassInfo database;  // no recordset comes back
    EXPECT_EQ(SynMapAndItem(List({101, 102}), c.mapType, c.synType),
              std::pair(0, std::optional(Longs({0, 0, 0}))));
    Lines expected = {"Set NoCount On ",
                      "",
                      "Create Table #TmpItem(FIndex int not null default(0) , FItemID int not "
                      "null default(0))",
                      "",
                      "Insert Into #TmpItem (FIndex,FItemID) Values(1,101)",
                      "Insert Into #TmpItem (FIndex,FItemID) Values(2,102)",
                      ""};
    expected.insert(expected.end(), c.query.begin(), c.query.end());
    expected.push_back("Drop Table #TmpItem");
    ASSERT_EQ(database.db->calls.size(), 1u);
    EXPECT_EQ(database.db->calls[0].first, "DB=demo");
    EXPECT_EQ(SplitLines(database.db->calls[0].second), expected);
  }
  // Values are leading numbers rounded to even, Empty is 0.
  FakeClassInfo database;
  SynMapAndItem(List({Variant(), "102.5", -3}));
  const Lines lines = SplitLines(database.db->calls.at(0).second);
  EXPECT_EQ(Lines(lines.begin() + 4, lines.begin() + 7),
            (Lines{"Insert Into #TmpItem (FIndex,FItemID) Values(1,0)",
                   "Insert Into #TmpItem (FIndex,FItemID) Values(2,102)",
                   "Insert Into #TmpItem (FIndex,FItemID) Values(3,-3)"}));
  // The data layer's own tests run what the action sends.
  SynMapAndItem(List({101, 102, 103}));
  EXPECT_EQ(database.db->calls.at(1).second, data::emitted::kMappingBatch);
}

// Each record lands at its FIndex; records the list cannot hold, and lists
// without elements, answer -1 and leave "P_MapID" unwritten.
TEST(SynMapAndItem, ListResultsByPosition) {
  const Variant none = Variant::Null();
  const struct {
    const char* name;
    Variant items;
    std::optional<Table> records;
    ActionResult result;
    std::optional<Variant> mapId;
  } cases[] = {
      {"one record per value", List({101, 102}), Results({{1, 501}, {2, 502}}), 0,
       Longs({0, 501, 502})},
      {"a position without a record", List({1, 2, 3}), Results({{1, 501}, {3, 503}}), 0,
       Longs({0, 501, 0, 503})},
      {"records out of order, NULL", List({1, 2}), Results({{2, 502}, {1, none}}), 0,
       Longs({0, 0, 502})},
      {"upper bound 0: no query", VbArray(0, std::vector<Variant>{5}), std::nullopt, 0, Longs({0})},
      {"more records than values", List({1}), Results({{1, 501}, {1, 502}}), -1, std::nullopt},
      {"FIndex 0", List({1}), Results({{0, 501}}), -1, std::nullopt},
      {"FIndex beyond the list", List({1}), Results({{2, 501}}), -1, std::nullopt},
      {"no elements", VbArray(0, -1), std::nullopt, -1, std::nullopt},
      {"no element 1", VbArray(2, std::vector<Variant>{5, 6}), std::nullopt, -1, std::nullopt},
      {"value beyond a Long", List({3000000000.0}), std::nullopt, -1, std::nullopt},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    FakeClassInfo database;
    if (c.records) database.db->queue.push_back(*c.records);
    EXPECT_EQ(SynMapAndItem(c.items), std::pair(c.result, c.mapId));
    EXPECT_EQ(database.db->calls.size(), c.records ? 1u : 0u);
  }
}

TEST(SynMapAndItem, SingleValueAndNothingToDo) {
  const std::string toEntry =
      "Select FEntryID as FInterID,FNumber as FNumber, FName as FName From v_SToIMapping Where "
      "FItemID = ";
  const std::string toItem =
      "Select FItemID as FInterID,FItemNumber as FNumber,'' as FName From v_SToIMapping Where "
      "FEntryID = ";
  const struct {
    const char* name;
    Variant items, mapType, synType, partner;
    std::string sql;  // "": no query
    std::optional<Variant> mapId;
  } cases[] = {
      {"entry 55 to its item", 55, 0, 1, 7, toItem + "55 And FParentID = 7", 1205},
      {"item 101 to its entry", "101", 0, 0, 7, toEntry + "101 And FParentID = 7", 1205},
      {"Empty is item 0", Variant(), 0, 0, 7, toEntry + "0 And FParentID = 7", 1205},
      {"map type 1", 55, 1, 0, 7, "", ""},
      {"no partner", 55, 0, 0, 0, "", std::nullopt},
      {"no P_ICItemID", Variant::Nothing(), 0, 0, 7, "", std::nullopt},
      {"no partner for a list", List({1}), 0, 0, "0.4", "", std::nullopt},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    FakeClassInfo database;
    database.db->queue.push_back({{"FInterID", "FNumber", "FName"}, {{1205, "N", ""}}});
    EXPECT_EQ(SynMapAndItem(c.items, c.mapType, c.synType, c.partner), std::pair(0, c.mapId));
    EXPECT_EQ(database.db->calls, (c.sql.empty() ? Calls{} : Calls{{"DB=demo", c.sql}}));
  }
}

}  // namespace lumo::testing
