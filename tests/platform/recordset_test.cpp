#include "platform/recordset.h"

#include "support/vb_testing.h"

namespace lumo {
namespace {

Recordset Items() {
  return Recordset({"FItemID", "FName", "FTaxRate"}, {{int32_t{5}, "Bolt", 17.0},
                                                      {5.0, "bolt", 13.0},
                                                      {"5", "Nut's cap", Variant::Null()},
                                                      {int32_t{7}, "Washer", 0.0},
                                                      {Variant::Null(), "", 6.0}});
}

std::vector<std::string> Names(Recordset& recordset) {
  std::vector<std::string> names;
  for (; !recordset.Eof(); recordset.MoveNext())
    names.push_back(recordset.Value("FName").AsString());
  return names;
}

TEST(Recordsets, NavigationStopsAtEofAndNeedsACurrentRow) {
  Recordset empty({"FItemID"}, {});
  EXPECT_TRUE(empty.Eof());
  EXPECT_VB_ERROR(empty.Value("FItemID"), 3021);

  Recordset items = Items();
  EXPECT_EQ(items.Value("fitemid"), Variant(int32_t{5}));
  EXPECT_VB_ERROR(items.Value("FPrice"), 3265);
  EXPECT_EQ(Names(items), (std::vector<std::string>{"Bolt", "bolt", "Nut's cap", "Washer", ""}));
  EXPECT_VB_ERROR(items.MoveNext(), 3021);
  items.MoveFirst();
  EXPECT_EQ(items.Value("FNAME"), Variant("Bolt"));
  ASSERT_EQ(items.FieldCount(), 3);
  EXPECT_EQ(items.FieldName(2), "FTaxRate");
  EXPECT_VB_ERROR(Recordset({"A", "B"}, {{int32_t{1}}}), 5);
}

TEST(Recordsets, FilterShowsTheMatchingRowsFromTheFirst) {
  static const struct {
    const char* criteria;
    std::vector<std::string> names;
  } kCases[] = {
      {"FItemID=5", {"Bolt", "bolt", "Nut's cap"}},  // Long 5, Double 5.0 and "5"
      {" FItemID = '5.0' ", {"Bolt", "bolt", "Nut's cap"}},
      {"FItemID=8", {}},
      {"FItemID=5x", {}},  // text that begins with a number is text
      {"FItemID=+5", {"Bolt", "bolt", "Nut's cap"}},
      {"FName=BOLT", {"Bolt", "bolt"}},
      {"FName='nut''s CAP'", {"Nut's cap"}},
      {"FName=''", {""}},
      {"FTaxRate=abc", {}},  // a number never equals non-numeric text
      {"FTaxRate=6", {""}},  // and Null equals nothing
      {"", {"Bolt", "bolt", "Nut's cap", "Washer", ""}},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.criteria);
    Recordset items = Items();
    items.SetFilter("FItemID=7");  // each filter replaces the one before
    items.MoveNext();
    items.SetFilter(c.criteria);
    EXPECT_EQ(items.RecordCount(), static_cast<int32_t>(c.names.size()));
    EXPECT_EQ(Names(items), c.names);
  }
}

// Enough rows to fill and wrap the index's table: every value finds exactly
// its rows, in row order, whichever kind the cells hold.
TEST(Recordsets, FilterFindsEveryValueOfALargeColumn) {
  constexpr int32_t kRows = 3000, kValues = 701;
  std::vector<Recordset::Row> rows;
  std::vector<std::vector<int32_t>> rowsOf(kValues + 2);  // [value + 1]: its rows
  for (int32_t row = 0; row < kRows; ++row) {
    const int32_t value = (row * 7) % kValues;
    rows.push_back({row % 2 ? Variant(value) : Variant(std::to_string(value)), row});
    rowsOf[value + 1].push_back(row);
  }
  Recordset column({"FItemID", "FRow"}, rows);
  for (int32_t value = -1; value <= kValues; ++value) {
    std::vector<int32_t> found;
    column.SetFilter("FItemID=" + std::to_string(value));
    for (; !column.Eof(); column.MoveNext()) found.push_back(column.Value("FRow").AsLong());
    ASSERT_EQ(found, rowsOf[value + 1]) << value;
  }
}

TEST(Recordsets, MalformedFilterOrUnreadableCellIsRefused) {
  for (const char* criteria : {"FItemID", "=5", "FItemID>=5", "FItemID=5 OR FItemID=7",
                               "FName='Bolt", "FName='Bolt'x", "FName=O'Brien"}) {
    SCOPED_TRACE(criteria);
    Recordset items = Items();
    EXPECT_VB_ERROR(items.SetFilter(criteria), 5);
  }
  Recordset items = Items();
  EXPECT_VB_ERROR(items.SetFilter("FPrice=5"), 3265);
  // A cell text too large for a number fails every filter of its column, not
  // only the first one that indexes it.
  Recordset huge({"FItemID"}, {{"5"}, {"1e999"}});
  EXPECT_VB_ERROR(huge.SetFilter("FItemID=5"), 6);
  EXPECT_VB_ERROR(huge.SetFilter("FItemID=5"), 6);
}

TEST(Recordsets, ClosedRecordsetRefusesEveryAccessButKeepsTheValuesReadBefore) {
  Recordset items = Items();
  const Variant& name = items.Value("FName");
  items.Close();
  EXPECT_EQ(name, Variant("Bolt"));
  EXPECT_VB_ERROR(items.RecordCount(), 3704);
  EXPECT_VB_ERROR(items.Value("FName"), 3704);
  EXPECT_VB_ERROR(items.SetFilter("FItemID=5"), 3704);
  EXPECT_VB_ERROR(items.Close(), 3704);
}

}  // namespace
}  // namespace lumo
