// A list of records as a viewer hands it to the presenter: a title, the
// column titles, and each record as one text per column, in the order the
// viewer listed them.
#pragma once

#include <string>
#include <vector>

namespace lumo {

struct RecordColumn {
  std::string title;
  bool numeric = false;  // shown right-aligned, and sorted by value
};

struct RecordList {
  std::string title;
  std::string fontName;  // empty: the presenter's own font
  std::vector<RecordColumn> columns;
  std::vector<std::vector<std::string>> rows;  // as many texts as columns each
  // True: the user picks one record or cancels. False: the user only looks.
  bool pickable = false;
};

}  // namespace lumo
