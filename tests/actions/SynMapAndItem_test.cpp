#include <gtest/gtest.h>

#include <optional>
#include <string>
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
  std::vector<Variant> elements(values.begin(), values.end());
  return VbArray(0, std::move(elements));
}

Table Results(const std::vector<std::pair<Variant, Variant>>& rows) {
  Table table{{"FIndex", "FInterID"}, {}};
  for (const auto& [index, id] : rows) table.rows.push_back({index, id});
  return table;
}

struct Call {
  ActionResult result;
  DictionaryRef dctReturn;
};

Call SynMapAndItem(Variant items, Variant mapType = 0, Variant synType = 0, Variant partner = 7) {
  auto para = NewDictionary();
  para->SetValue("PropString", "DB=demo");
  para->SetValue("P_MapType", std::move(mapType));
  para->SetValue("P_SynType", std::move(synType));
  para->SetValue("P_SupplierOrCustomerID", std::move(partner));
  if (!items.IsNothing()) para->SetValue("P_ICItemID", std::move(items));
  Call call{0, nullptr};
  call.result = ActionTestAccess::Call("TevSer_SynMapAndItem", para, call.dctReturn);
  return call;
}

std::optional<Variant> MapId(const Call& call) {
  if (!call.dctReturn || !call.dctReturn->Lookup("P_MapID")) return std::nullopt;
  return call.dctReturn->Value("P_MapID");
}

const Lines kCreate = {"Set NoCount On ", "",
                       "Create Table #TmpItem(FIndex int not null default(0) , FItemID int not "
                       "null default(0))",
                       ""};

}  // namespace

TEST(SynMapAndItem, ListOfItemsIsOneBatchWhoseRowsGoToTheirPositions) {
  FakeClassInfo database;
  database.db->queue.push_back(Results({{1, 501}, {2, 502}}));
  const Call call = SynMapAndItem(List({101, 102}));
  EXPECT_EQ(call.result, 0);
  EXPECT_EQ(MapId(call), Longs({0, 501, 502}));
  ASSERT_EQ(database.db->calls.size(), 1u);
  EXPECT_EQ(database.db->calls[0].first, "DB=demo");
  Lines expected = kCreate;
  for (const char* line : {"Insert Into #TmpItem (FIndex,FItemID) Values(1,101)",
                           "Insert Into #TmpItem (FIndex,FItemID) Values(2,102)", "",
                           "Select u1.FIndex,Min(v1.FEntryID) as FInterID from #TmpItem u1",
                           "Left Join v_SToIMapping v1 on u1.FItemID = v1.FItemID And "
                           "v1.FParentID = 7",
                           "Group by u1.FIndex", "Order by u1.FIndex", "", "Drop Table #TmpItem"}) {
    expected.push_back(line);
  }
  EXPECT_EQ(SplitLines(database.db->calls[0].second), expected);

  // The data layer's own tests run what the action sends.
  FakeClassInfo again;
  SynMapAndItem(List({101, 102, 103}));
  EXPECT_EQ(again.db->calls.at(0).second, data::emitted::kMappingBatch);
}

// The query part of the batch by map and synchronisation type; no query for
// a map type other than 0.
TEST(SynMapAndItem, ListBatchBySynchronisationType) {
  const Lines toItems = {"Select u1.FIndex,Min(v1.FItemID) as FInterID from #TmpItem u1",
                         "Left Join v_SToIMapping v1 on u1.FItemID = v1.FEntryID And "
                         "v1.FParentID = -7",
                         "Group by u1.FIndex", "Order by u1.FIndex", ""};
  const struct {
    const char* name;
    Variant mapType, synType;
    Lines query;
  } cases[] = {
      {"entries to items", 0, "1", toItems},
      {"type 0.5 is 0, 2.5 is 2", "0.5", 2.5, toItems},
      {"map type 1", 1, 0, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    FakeClassInfo database;  // no recordset comes back
    const Call call = SynMapAndItem(List({Variant(), "55.5"}), c.mapType, c.synType, -7);
    EXPECT_EQ(call.result, 0);
    EXPECT_EQ(MapId(call), Longs({0, 0, 0}));
    Lines expected = kCreate;
    expected.push_back("Insert Into #TmpItem (FIndex,FItemID) Values(1,0)");
    expected.push_back("Insert Into #TmpItem (FIndex,FItemID) Values(2,56)");
    expected.push_back("");
    expected.insert(expected.end(), c.query.begin(), c.query.end());
    expected.push_back("Drop Table #TmpItem");
    EXPECT_EQ(SplitLines(database.db->calls.at(0).second), expected);
  }
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
    size_t calls;
  } cases[] = {
      {"a position without a record", List({1, 2, 3}), Results({{1, 501}, {3, 503}}), 0,
       Longs({0, 501, 0, 503}), 1},
      {"records out of order, NULL", List({1, 2}), Results({{2, 502}, {1, none}}), 0,
       Longs({0, 0, 502}), 1},
      {"no records", List({1}), Results({}), 0, Longs({0, 0}), 1},
      {"upper bound 0", VbArray(0, std::vector<Variant>{5}), std::nullopt, 0, Longs({0}), 0},
      {"more records than values", List({1}), Results({{1, 501}, {1, 502}}), -1, std::nullopt, 1},
      {"FIndex 0", List({1}), Results({{0, 501}}), -1, std::nullopt, 1},
      {"FIndex beyond the list", List({1}), Results({{2, 501}}), -1, std::nullopt, 1},
      {"no elements", VbArray(0, -1), std::nullopt, -1, std::nullopt, 0},
      {"no element 1", VbArray(2, std::vector<Variant>{5, 6}), std::nullopt, -1, std::nullopt, 0},
      {"value beyond a Long", List({3000000000.0}), std::nullopt, -1, std::nullopt, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    FakeClassInfo database;
    if (c.records) database.db->queue.push_back(*c.records);
    const Call call = SynMapAndItem(c.items);
    EXPECT_EQ(call.result, c.result);
    EXPECT_EQ(MapId(call), c.mapId);
    EXPECT_EQ(database.db->calls.size(), c.calls);
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
    const Call call = SynMapAndItem(c.items, c.mapType, c.synType, c.partner);
    EXPECT_EQ(call.result, 0);
    EXPECT_EQ(MapId(call), c.mapId);
    EXPECT_EQ(database.db->calls, (c.sql.empty() ? Calls{} : Calls{{"DB=demo", c.sql}}));
  }
}

}  // namespace lumo::testing
