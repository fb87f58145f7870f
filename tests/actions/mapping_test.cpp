// TevSer_GetMapNumber and TevSer_SynMapAndItem: the mapping between the
// company's items and a partner's mapping entries.
#include <gtest/gtest.h>

#include "host/data/emitted_sql.h"
#include "support/action_test_access.h"
#include "support/dictionary_entries.h"
#include "support/fake_class_info.h"

namespace lumo::testing {
namespace {

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
// leaves "P_ICItemID" out, Empty as partner "P_SupplierOrCustomerID".
std::pair<ActionResult, std::optional<Variant>> Map(const char* action, Variant items,
                                                    Variant mapType = 0, Variant synType = 0,
                                                    Variant partner = 7) {
  const DictionaryRef para = ParaOf({{"P_MapType", mapType}, {"P_SynType", synType}});
  if (!partner.IsEmpty()) para->SetValue("P_SupplierOrCustomerID", std::move(partner));
  if (!items.IsNothing()) para->SetValue("P_ICItemID", std::move(items));
  DictionaryRef result;
  const ActionResult answer = ActionTestAccess::Call(action, para, result);
  if (!result || !result->Lookup("P_MapID")) return {answer, std::nullopt};
  return {answer, result->Value("P_MapID")};
}

const char* const kSyn = "TevSer_SynMapAndItem";

}  // namespace

// The list goes to the database as one batch, each value its leading
// number rounded to even (Empty 0); the query part depends on map and
// synchronisation type (none for a map type other than 0).
TEST(SynMapAndItem, ListIsOneBatch) {
  const std::string batch = data::emitted::kMappingBatch;  // 101, 102, 103 to entries, partner 7
  const size_t select = batch.find("\r\nSelect");
  const std::string query = batch.substr(select, batch.find("\r\nDrop") - select);
  const std::string toItems = With(
      batch, {{"Min(v1.FEntryID)", "Min(v1.FItemID)"}, {"= v1.FItemID And", "= v1.FEntryID And"}});
  const Variant items = List({101, 102, 103});
  const struct {
    const char* name;
    Variant items, mapType, synType;
    std::string batch;
  } cases[] = {
      {"items to entries", items, 0, 0, batch},
      {"entries to items", items, 0, "1", toItems},
      {"types 0.5 and 2.5 are 0 and 2", items, "0.5", 2.5, toItems},
      {"map type 1", items, 1, 0, With(batch, {{query, ""}})},
      {"leading numbers, Empty 0", List({Variant(), "102.5", -3}), 0, 0,
       With(batch, {{"(1,101)", "(1,0)"}, {"(3,103)", "(3,-3)"}})},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    FakeClassInfo database;  // no recordset comes back
    EXPECT_EQ(Map(kSyn, c.items, c.mapType, c.synType),
              std::pair(0, std::optional(Longs({0, 0, 0, 0}))));
    EXPECT_EQ(database.db->calls, (Calls{{"DB=demo", c.batch}}));
  }
}

// Each record lands at its FIndex; records the list cannot hold, and lists
// without elements, answer -1 and leave "P_MapID" unwritten.
TEST(SynMapAndItem, ListResultsByPosition) {
  const Variant none = Variant::Null();
  const auto no = std::nullopt;
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
      {"upper bound 0: no query", VbArray(0, std::vector<Variant>{5}), no, 0, Longs({0})},
      {"more records than values", List({1}), Results({{1, 501}, {1, 502}}), -1, no},
      {"FIndex 0", List({1}), Results({{0, 501}}), -1, no},
      {"FIndex beyond the list", List({1}), Results({{2, 501}}), -1, no},
      {"no elements", VbArray(0, -1), no, -1, no},
      {"no element 1", VbArray(2, std::vector<Variant>{5, 6}), no, -1, no},
      {"value beyond a Long", List({3000000000.0}), no, -1, no},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    FakeClassInfo database;
    if (c.records) database.db->queue.push_back(*c.records);
    EXPECT_EQ(Map(kSyn, c.items), std::pair(c.result, c.mapId));
    EXPECT_EQ(database.db->calls.size(), c.records ? 1u : 0u);
  }
}

// Ids and the map type are leading numbers rounded to even; the map type is
// 16-bit. "P_MapID" is "" first, then the first record's entry (NULL: 0).
// Errors answer -1 and leave it as it was.
TEST(Mapping, OneValueLooksUpItsEntryOrItemForAPartner) {
  const std::string map =
      "Select FEntryID as FInterID,FNumber as FMapNumber, FName as FMapName From v_SToIMapping "
      "Where FItemID = ";
  const std::string toEntry =
      "Select FEntryID as FInterID,FNumber as FNumber, FName as FName From v_SToIMapping Where "
      "FItemID = ";
  const std::string toItem =
      "Select FItemID as FInterID,FItemNumber as FNumber,'' as FName From v_SToIMapping Where "
      "FEntryID = ";
  const char* const get = "TevSer_GetMapNumber";
  const Variant N = Variant::Null(), E, nothing = Variant::Nothing();
  const auto no = std::nullopt;
  const struct {
    const char* name;
    const char* action;
    Variant mapType, synType, partner, item;
    const char* where;  // "": no query
    std::vector<Variant> entries;
    ActionResult result;
    std::optional<Variant> mapId;
  } cases[] = {
      {"supplier 12, item 345", get, 0, 0, 12, 345, "345 And FParentID = 12", {77, 78}, 0, 77},
      {"NULL entry", get, 0, 0, 12, 345, "345 And FParentID = 12", {N}, 0, 0},
      {"no entry", get, 0, 0, 12, 345, "345 And FParentID = 12", {}, 0, ""},
      {"negative ids as they are", get, 0, 0, -12, "-345", "-345 And FParentID = -12", {5}, 0, 5},
      {"map type 0.5 rounds to 0", get, "0.5", 0, 12, 345, "345 And FParentID = 12", {5}, 0, 5},
      {"map type 1.5 rounds to 2", get, "1.5", 0, 12, 345, "", {5}, 0, ""},
      {"no supplier", get, 0, 0, E, 345, "", {5}, 0, ""},
      {"item 0", get, 0, 0, 12, "x", "", {5}, 0, ""},
      {"supplier beyond a Long", get, 0, 0, 3000000000.0, 345, "", {5}, -1, no},
      {"map type beyond an Integer", get, 40000, 0, 12, 345, "", {5}, -1, no},
      {"database error", get, 0, 0, 12, 345, "345 And FParentID = 12", {}, -1, ""},
      {"entry 55 to its item", kSyn, 0, 1, 7, 55, "55 And FParentID = 7", {1205}, 0, 1205},
      {"item 101 to its entry", kSyn, 0, 0, 7, "101", "101 And FParentID = 7", {1205}, 0, 1205},
      {"Empty is item 0", kSyn, 0, 0, 7, E, "0 And FParentID = 7", {1205}, 0, 1205},
      {"map type 1", kSyn, 1, 0, 7, 55, "", {1205}, 0, ""},
      {"no partner", kSyn, 0, 0, 0, 55, "", {1205}, 0, no},
      {"no P_ICItemID", kSyn, 0, 0, 7, nothing, "", {1205}, 0, no},
      {"no partner for a list", kSyn, 0, 0, "0.4", List({1}), "", {1205}, 0, no},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    FakeClassInfo database;
    Table table{{"FInterID", "FNumber", "FName"}, {}};
    for (const Variant& entry : c.entries) table.rows.push_back({entry, "N", ""});
    database.db->queue.push_back(table);
    const bool queried = *c.where;
    if (c.result == -1 && queried) database.db->failure = ErrorInfo{-1, "db", "refused", "", 0};
    EXPECT_EQ(Map(c.action, c.item, c.mapType, c.synType, c.partner), std::pair(c.result, c.mapId));
    const std::string& select = std::string_view(c.action) == get ? map
                                : c.synType == 0                  ? toEntry
                                                                  : toItem;
    EXPECT_EQ(database.db->calls, (queried ? Calls{{"DB=demo", select + c.where}} : Calls{}));
  }
}

}  // namespace lumo::testing
