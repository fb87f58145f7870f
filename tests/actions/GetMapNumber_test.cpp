#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "support/action_test_access.h"
#include "support/fake_class_info.h"

namespace lumo::testing {

// Ids and the map type are leading numbers rounded to even; the map type is
// 16-bit. "P_MapID" is "" first, then the first record's entry (NULL: 0); an
// error answers -1 and leaves it as it was.
TEST(GetMapNumber, LooksUpTheEntryOfASupplierAndItem) {
  const std::string select =
      "Select FEntryID as FInterID,FNumber as FMapNumber, FName as FMapName From v_SToIMapping "
      "Where FItemID = ";
  const Variant none = Variant::Null();  // no record at all
  const struct {
    const char* name;
    Variant mapType, partner, item;
    std::string where;  // "": no query
    std::vector<Variant> entries;
    ActionResult result;
    std::optional<Variant> mapId;  // nullopt: not written
  } cases[] = {
      {"supplier 12, item 345", 0, 12, 345, "345 And FParentID = 12", {77, 78}, 0, 77},
      {"NULL entry", 0, 12, 345, "345 And FParentID = 12", {none}, 0, 0},
      {"no entry", 0, 12, 345, "345 And FParentID = 12", {}, 0, ""},
      {"negative ids as they are", 0, -12, "-345", "-345 And FParentID = -12", {5}, 0, 5},
      {"map type 0.5 rounds to 0", "0.5", 12, 345, "345 And FParentID = 12", {5}, 0, 5},
      {"map type 1.5 rounds to 2", "1.5", 12, 345, "", {5}, 0, ""},
      {"map type 1", 1, 12, 345, "", {5}, 0, ""},
      {"no supplier", 0, Variant(), 345, "", {5}, 0, ""},
      {"item 0", 0, 12, "x", "", {5}, 0, ""},
      {"supplier beyond a Long", 0, 3000000000.0, 345, "", {5}, -1, std::nullopt},
      {"map type beyond an Integer", 40000, 12, 345, "", {5}, -1, std::nullopt},
      {"database error", 0, 12, 345, "345 And FParentID = 12", {}, -1, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    FakeClassInfo database;
    Table table{{"FInterID", "FMapNumber", "FMapName"}, {}};
    for (const Variant& entry : c.entries) table.rows.push_back({entry, "N", "Name"});
    database.db->queue.push_back(table);
    if (c.result == -1 && !c.where.empty())
      database.db->failure = ErrorInfo{-1, "db", "refused", "", 0};
    auto para = NewDictionary();
    para->SetValue("PropString", "DB=demo");
    para->SetValue("P_MapType", c.mapType);
    if (!c.partner.IsEmpty()) para->SetValue("P_SupplierOrCustomerID", c.partner);
    para->SetValue("P_ICItemID", c.item);
    DictionaryRef result;
    EXPECT_EQ(ActionTestAccess::Call("TevSer_GetMapNumber", para, result), c.result);
    EXPECT_EQ(database.db->calls,
              (c.where.empty() ? Calls{} : Calls{{"DB=demo", select + c.where}}));
    EXPECT_EQ(result && result->Lookup("P_MapID") ? std::optional(result->Value("P_MapID"))
                                                  : std::nullopt,
              c.mapId);
  }
}

}  // namespace lumo::testing
