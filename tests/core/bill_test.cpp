#include "core/bill.h"

#include <gtest/gtest.h>

#include "platform/vb.h"
#include "support/fake_class_info.h"
#include "support/test_bill.h"
#include "support/vb_testing.h"

namespace lumo::testing {

// A purchase order: supplier on header page 1, item and price on entry page 2.
struct PurchaseOrder : TestBill {
  DictionaryRef supplier = NewDictionary(), item1 = NewDictionary(), item2 = NewDictionary();
  PurchaseOrder() : TestBill({false, true}) {
    AddField("FSupplyID", "FBase1", 1, "FSupplyID");
    AddField("FItemID", "FBase2", 2, "FItemID");
    AddField("FPrice", "FNumber3", 2, "FPrice");
    AddRecord(1, {{"FBase1", supplier}});
    AddRecord(2, {{"FBase2", item1}, {"FNumber3", NewDictionary()}});
    AddRecord(2, {{"FBase2", item2}, {"FNumber3", NewDictionary()}});
  }
};

// Header cells are found in any row, entry cells in their row; only an
// FEntryType equal to 1 makes a page of rows, any other value reads the
// page as a header record.
TEST(Bill, FindsHeaderCellsInAnyRowAndEntryCellsInTheirRow) {
  const PurchaseOrder bill;
  const struct {
    const char* key;
    int32_t row;
    DictionaryRef expected;
    std::optional<Variant> entryType = std::nullopt;  // of the key's page, in place of its own
  } cases[] = {
      {"FSupplyID", 1, bill.supplier}, {"FSupplyID", 7, bill.supplier},
      {"FItemID", 1, bill.item1},      {"FItemID", 2, bill.item2},
      {"FItemID", 3, nullptr},         {"FItemID", 0, nullptr},
      {"FUnknown", 1, nullptr},        {"", 1, nullptr},
      {"FItemID", 1, nullptr, 2},      {"FItemID", 1, bill.item1, "1"},
      {"FItemID", 1, bill.item1, 1.0}, {"FSupplyID", 1, bill.supplier, 2},
      {"FSupplyID", 1, nullptr, 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.key) + " row " + std::to_string(c.row) + " FEntryType " +
                 (c.entryType ? vb::CStr(*c.entryType) : "as built"));
    const int32_t pageOfKey = std::string(c.key) == "FSupplyID" ? 1 : 2;
    const auto page = ObjectAs<Dictionary>(bill.classTypeEntry->Item(pageOfKey));
    const Variant kept = page->Value("FEntryType");
    if (c.entryType) page->SetValue("FEntryType", *c.entryType);
    EXPECT_EQ(GetFieldCell(c.key, bill.tableInfo, bill.classTypeEntry, bill.data, c.row),
              c.expected);
    page->SetValue("FEntryType", kept);
  }
  EXPECT_EQ(GetFieldInfo(bill.tableInfo, "FUnknown"), nullptr);
}

TEST(Bill, QualifiesSqlNamesByPageAndTrimsTheCallersPrefix) {
  const PurchaseOrder bill;
  const struct {
    const char *key, *prefix, *expected, *prefixAfter;
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

// The result as text: "{key=value;...}", a row's fields nested the same way.
std::string Show(const Variant& value) {
  if (!value.IsObject()) return vb::CStr(value);
  const auto entries = ObjectAs<Dictionary>(value);
  std::string text = "{";
  for (int32_t i = 1; i <= entries->Count(); ++i) {
    text += entries->Name(i) + "=" + Show(entries->Value(entries->Name(i))) + ";";
  }
  return text + "}";
}

TEST(Bill, RecordsetToDictionaryKeysRowsByTheirKeyColumn) {
  const Table items{{"FKey", "FValue", "FName"}, {{"1", 10, "a"}, {"2", 20, "b"}, {"1", 30, "c"}}};
  const struct {
    const char* name;
    Table table;
    const char *fields, *expected;
  } cases[] = {
      {"one wanted field, later rows replace", items, "FValue", "{1=30;2=20;}"},
      {"several, in column order", items, " FName , ,FKey,FName,FNone",
       "{1={FKey=1;FName=c;};2={FKey=2;FName=b;};}"},
      {"all columns", items, " ", "{1={FKey=1;FValue=30;FName=c;};2={FKey=2;FValue=20;FName=b;};}"},
      {"no rows", {items.columns, {}}, "FValue", "{}"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Show(RecordsetToDictionary(MakeRecordset(c.table), "FKey", c.fields)), c.expected);
  }
  EXPECT_EQ(RecordsetToDictionary(nullptr, "FKey", ""), nullptr);
  EXPECT_VB_ERROR(RecordsetToDictionary(MakeRecordset(items), "FKey", "FNone"), 3265);
  EXPECT_VB_ERROR(RecordsetToDictionary(MakeRecordset({{"FKey"}, {{Variant::Null()}}}), "FKey", ""),
                  94);
}

}  // namespace lumo::testing
