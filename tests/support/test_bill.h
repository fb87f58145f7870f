// Builds the bill collections that the host passes in dctPara: pages,
// fields (field key -> internal key -> description) and the records of value
// cells (any Dictionary serves as a cell).
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "collections/dictionary.h"
#include "collections/vector.h"

namespace lumo::testing {

struct TestBill {
  VectorRef classTypeEntry = NewVector();
  DictionaryRef tableInfo = NewDictionary(), data = NewDictionary(), map = NewDictionary();

  // One page per flag, numbered from 1: true for an entry page, false for a header page.
  std::vector<bool> entryPages;

  explicit TestBill(std::initializer_list<bool> pages) : entryPages(pages) {
    tableInfo->SetValue("Map", map);
    for (const bool entry : entryPages) {
      auto page = NewDictionary();
      page->SetValue("FEntryType", int32_t{entry ? 1 : 0});
      const int32_t number = classTypeEntry->Add(page);
      data->SetValue(PageKey(number), entry ? Variant(NewVector()) : Variant(NewDictionary()));
    }
  }

  void AddField(const std::string& fieldKey, const std::string& internalKey, int32_t page,
                const std::string& column) {
    auto info = NewDictionary();
    info->SetValue("FPage", page);
    info->SetValue("FKey", fieldKey);
    info->SetValue("FFieldName", column);
    map->SetValue(fieldKey, internalKey);
    tableInfo->SetValue(internalKey, info);
  }

  // Fills a header page's record, or adds a last row to an entry page: internal key -> cell.
  void AddRecord(int32_t page, const std::vector<std::pair<std::string, DictionaryRef>>& cells) {
    const bool entry = entryPages[page - 1];
    const Variant pageData = data->Value(PageKey(page));
    const DictionaryRef record = entry ? NewDictionary() : ObjectAs<Dictionary>(pageData);
    for (const auto& [internalKey, cell] : cells) record->SetValue(internalKey, cell);
    if (entry) ObjectAs<Vector>(pageData)->Add(record);
  }

  static std::string PageKey(int32_t page) { return "Page" + std::to_string(page); }
};

}  // namespace lumo::testing
