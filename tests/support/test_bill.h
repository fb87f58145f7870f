// Builds the bill collections that the host passes in dctPara: pages,
// fields (field key -> internal key -> description) and value cells.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "host/collections/dictionary.h"
#include "host/collections/vector.h"
#include "platform/variant.h"

namespace lumo::testing {

inline DictionaryRef Cell(Variant stored, std::string display = {}, std::string number = {}) {
  auto cell = NewDictionary();
  cell->SetValue("FFLD", std::move(stored));
  cell->SetValue("FDSP", std::move(display));
  cell->SetValue("FFND", std::move(number));
  return cell;
}

class TestBill {
 public:
  DictionaryRef classType = NewDictionary();
  VectorRef classTypeEntry = NewVector();
  DictionaryRef tableInfo = NewDictionary();
  DictionaryRef data = NewDictionary();

  TestBill() { tableInfo->SetValue("Map", map_); }

  // Pages are numbered in the order they are added, from 1.
  int32_t AddPage(bool entryPage, std::string tableName) {
    auto page = NewDictionary();
    page->SetValue("FEntryType", int32_t{entryPage ? 1 : 0});
    page->SetValue("FTableName", std::move(tableName));
    const int32_t number = classTypeEntry->Add(page);
    if (entryPage) {
      data->SetValue(PageKey(number), NewVector());
    } else {
      data->SetValue(PageKey(number), NewDictionary());
    }
    return number;
  }

  void AddField(const std::string& fieldKey, const std::string& internalKey, int32_t page,
                std::string column) {
    auto info = NewDictionary();
    info->SetValue("FPage", page);
    info->SetValue("FKey", fieldKey);
    info->SetValue("FFieldName", std::move(column));
    map_->SetValue(fieldKey, internalKey);
    tableInfo->SetValue(internalKey, info);
  }

  void SetHeaderCell(int32_t page, const std::string& internalKey, DictionaryRef cell) {
    ObjectAs<Dictionary>(data->Value(PageKey(page)))->SetValue(internalKey, std::move(cell));
  }

  // Adds a row of (internal key, cell) to an entry page; returns its number.
  int32_t AddRow(int32_t page, const std::vector<std::pair<std::string, DictionaryRef>>& cells) {
    auto row = NewDictionary();
    for (const auto& [internalKey, cell] : cells) row->SetValue(internalKey, cell);
    return ObjectAs<Vector>(data->Value(PageKey(page)))->Add(row);
  }

  // dctPara as the host fills it for a bill-bound action.
  DictionaryRef Para() const {
    auto para = NewDictionary();
    para->SetValue("dctClassType", classType);
    para->SetValue("vctClassTypeEntry", classTypeEntry);
    para->SetValue("dctTableInfo", tableInfo);
    para->SetValue("dctData", data);
    return para;
  }

 private:
  static std::string PageKey(int32_t page) { return "Page" + std::to_string(page); }
  DictionaryRef map_ = NewDictionary();
};

}  // namespace lumo::testing
