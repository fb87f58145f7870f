// CreateOverLimitList: the list that the price alert shows in the item list
// dialog, made of three header rows: each record key's column position,
// its caption, and its kind (1 for the exchange rate and the three prices,
// which are numeric columns). The alert adds one record per line over its
// maximum price behind them.
#include <array>
#include <cstdint>
#include <string_view>

#include "collections/dictionary.h"
#include "core/cls_action_ic.h"
#include "core/lang.h"
#include "platform/error.h"

namespace lumo {

namespace {

struct Column {
  std::string_view key;
  const char* caption;  // Chinese source text; "BillPrice" depends on the tax basis
  int32_t kind;
};

constexpr std::array<Column, 10> kColumns = {{
    {"FEntryID", "行号$", 0},
    {"FItemNumber", "物料代码$", 0},
    {"FItemName", "物料名称$", 0},
    {"FItemModel", "规格型号$", 0},
    {"FUnitName", "单位$", 0},
    {"FCurrency", "币别$", 0},
    {"FExchangeRate", "汇率$", 1},
    {"MaxHighPrice", "最高限价$", 1},
    {"BillPrice", nullptr, 1},
    {"FPriceDiff", "差价$", 1},
}};

}  // namespace

VectorRef clsActionIC::CreateOverLimitList(bool bTaxInPrice) {
  auto list = NewVector();
  // Every statement is on its own: a failing one leaves its entry out.
  ErrStateGuard callersError;

  auto positions = NewDictionary();
  for (size_t i = 0; i < kColumns.size(); ++i) {
    ResumeNext([&] { positions->SetValue(kColumns[i].key, static_cast<int16_t>(i + 1)); });
  }
  ResumeNext([&] { list->Add(positions); });

  auto captions = NewDictionary();
  const std::string withTax = GetLangText("实际含税单价$");
  const std::string withoutTax = GetLangText("实际不含税单价$");
  for (const Column& column : kColumns) {
    ResumeNext([&] {
      captions->SetValue(column.key, column.caption ? GetLangText(column.caption)
                                     : bTaxInPrice  ? withTax
                                                    : withoutTax);
    });
  }
  ResumeNext([&] { list->Add(captions); });

  auto kinds = NewDictionary();
  for (const Column& column : kColumns) {
    ResumeNext([&] { kinds->SetValue(column.key, static_cast<int16_t>(column.kind)); });
  }
  ResumeNext([&] { list->Add(kinds); });
  return list;
}

}  // namespace lumo
