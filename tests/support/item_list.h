// Builds the content of the item list dialog: the three header items
// (column positions, captions, kinds) of three columns, No (1), Name (2)
// and Price (3, numeric), then the data rows given.
#pragma once

#include <initializer_list>

#include "collections/vector.h"
#include "support/dictionary_entries.h"

namespace lumo::testing {

inline VectorRef ItemList(std::initializer_list<DictionaryRef> rows = {}) {
  auto list = NewVector();
  // Keys out of column order, so the positions decide it.
  list->Add(Dict({{"Name", 2}, {"No", 1}, {"Price", 3}}));
  list->Add(Dict({{"Name", "名称$"}, {"No", "行号$"}, {"Price", "单价$"}}));
  list->Add(Dict({{"Name", 0}, {"No", 0}, {"Price", 1}}));
  for (const DictionaryRef& row : rows) list->Add(row);
  return list;
}

}  // namespace lumo::testing
