// Fuzz target: the T-SQL translation for SQLite, on any text. A text it
// cannot take is refused with a VbError (error 5 naming the construct);
// anything else that leaves it, or a crash, is a fault. The INSERT rows it
// gathers must come whole: a row of values for every row.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <utility>
#include <variant>

#include "host/data/column_types.h"
#include "host/data/tsql_dialect.h"
#include "platform/error.h"

namespace {

// Columns of each kind the translation types a "+" by, as the demo
// database declares them.
lumo::data::ColumnTypes DemoColumns() {
  constexpr std::pair<std::string_view, std::string_view> kColumns[] = {
      {"FItemID", "INTEGER"}, {"FPrice", "REAL"},         {"FQty", "NUMERIC(18,4)"},
      {"FNumber", "TEXT"},    {"FName", "VARCHAR(80)"},   {"FModel", "TEXT"},
      {"FDate", "DATE"},      {"FNote", "NVARCHAR(255)"}, {"FData", "BLOB"},
      {"FIndex", "int"},      {"FBillNo", "TEXT"},        {"FExchangeRate", "DOUBLE"}};
  lumo::data::ColumnTypes columns;
  for (const auto& [name, type] : kColumns) columns.Add(name, type);
  return columns;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const lumo::data::ColumnTypes columns = DemoColumns();
  const std::string_view tsql(reinterpret_cast<const char*>(data), size);
  try {
    for (const auto& step : lumo::data::TranslateForSqlite(tsql, columns)) {
      if (const auto* rows = std::get_if<lumo::data::InsertRows>(&step)) {
        if (rows->width == 0 || rows->values.size() % rows->width != 0) {
          std::fprintf(stderr, "fuzz_tsql: %zu values in rows of %zu\n", rows->values.size(),
                       rows->width);
          std::abort();
        }
      }
    }
  } catch (const lumo::VbError&) {
    // Refused: the answer for a text the translation cannot take.
  }
  return 0;
}
