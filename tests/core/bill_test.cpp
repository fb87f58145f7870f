#include "core/bill.h"

#include <gtest/gtest.h>

#include <string>

#include "support/fake_class_info.h"
#include "support/test_bill.h"
#include "support/vb_testing.h"

namespace lumo {
namespace {

using testing::Cell;
using testing::MakeRecordset;
using testing::TestBill;

// A purchase order: supplier on header page 1, item and price on entry page 2.
struct PurchaseOrder : TestBill {
  DictionaryRef supplier = Cell(int32_t{7}, "Acme", "S07");
  DictionaryRef item1 = Cell(int32_t{101}), item2 = Cell(int32_t{102});
  PurchaseOrder() {
    AddPage(false, "POOrder");
    AddPage(true, "POOrderEntry");
    AddField("FSupplyID", "FBase1", 1, "FSupplyID");
    AddField("FItemID", "FBase2", 2, "FItemID");
    AddField("FPrice", "FNumber3", 2, "FPrice");
    SetHeaderCell(1, "FBase1", supplier);
    AddRow(2, {{"FBase2", item1}, {"FNumber3", Cell(2.5)}});
    AddRow(2, {{"FBase2", item2}, {"FNumber3", Cell(3.5)}});
  }
  DictionaryRef CellOf(const std::string& key, int32_t row) const {
    return GetFieldCell(key, tableInfo, classTypeEntry, data, row);
  }
};

TEST(Bill, FindsHeaderAndEntryCells) {
  const PurchaseOrder bill;
  const struct {
    const char* key;
    int32_t row;
    DictionaryRef expected;
  } cases[] = {
      {"FSupplyID", 1, bill.supplier}, {"FSupplyID", 7, bill.supplier},
      {"FItemID", 1, bill.item1},      {"FItemID", 2, bill.item2},
      {"FItemID", 3, nullptr},         {"FItemID", 0, nullptr},
      {"FUnknown", 1, nullptr},        {"", 1, nullptr},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.key) + " row " + std::to_string(c.row));
    EXPECT_EQ(bill.CellOf(c.key, c.row), c.expected);
  }
  EXPECT_EQ(GetFieldCell("FItemID", nullptr, nullptr, nullptr, 1), nullptr);
}

TEST(Bill, QualifiesSqlNamesByPageAndTrimsTheCallersPrefix) {
  const PurchaseOrder bill;
  const struct {
    const char* key;
    const char* prefix;
    const char* expected;
    const char* prefixAfter;
  } cases[] = {
      {"FPrice", "Page", "Page2.FPrice", "Page"},
      {"FPrice", "   ", "FPrice", ""},
      {"FSupplyID", " Page ", "Page1.FSupplyID", "Page"},
      {"FUnknown", " Page ", "", " Page "},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.key) + " '" + c.prefix + "'");
    std::string prefix = c.prefix;
    EXPECT_EQ(GetFieldSqlName(c.key, bill.tableInfo, prefix), c.expected);
    EXPECT_EQ(prefix, c.prefixAfter);
  }
}

TEST(Bill, RecordsetToDictionaryKeysRowsByTheirKeyColumn) {
  const testing::Table items{{"FKey", "FValue", "FName", "FRate"},
                             {{"1", 10, "a", 0.5}, {"2", 20, "b", 0.6}, {"1", 30, "c", 0.7}}};
  const auto values = RecordsetToDictionary(MakeRecordset(items), "FKey", "FValue");
  EXPECT_EQ(values->Count(), 2);
  EXPECT_EQ(values->Value("1"), Variant(30));
  EXPECT_EQ(values->Value("2"), Variant(20));

  const auto rows =
      RecordsetToDictionary(MakeRecordset(items), "FKey", " FRate , ,FName,FRate,FNone");
  const auto row2 = ObjectAs<Dictionary>(rows->Value("2"));
  ASSERT_EQ(row2->Count(), 2);
  EXPECT_EQ(row2->Name(1), "FName");  // column order, not list order
  EXPECT_EQ(row2->Value("FRate"), Variant(0.6));
  EXPECT_EQ(
      ObjectAs<Dictionary>(RecordsetToDictionary(MakeRecordset(items), "FKey", "")->Value("1"))
          ->Count(),
      4);

  EXPECT_EQ(RecordsetToDictionary(MakeRecordset({{"FKey"}, {}}), "FKey", "")->Count(), 0);
  EXPECT_EQ(RecordsetToDictionary(nullptr, "FKey", ""), nullptr);
  EXPECT_VB_ERROR(RecordsetToDictionary(MakeRecordset(items), "FKey", "FNone"), 3265);
  EXPECT_VB_ERROR(RecordsetToDictionary(MakeRecordset({{"FKey"}, {{Variant::Null()}}}), "FKey", ""),
                  94);
}

}  // namespace
}  // namespace lumo
