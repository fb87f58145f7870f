#include "host/ui/row_cells.h"

#include <cctype>

namespace lumo::ui {

std::vector<std::string> RowCells(std::string_view rowText, size_t columns) {
  std::vector<std::string> cells;
  cells.reserve(columns);
  for (size_t bar; cells.size() < columns && (bar = rowText.find('|')) != std::string_view::npos;
       rowText.remove_prefix(bar + 1)) {
    cells.emplace_back(rowText.substr(0, bar));
  }
  cells.resize(columns);
  return cells;
}

AccessKeyCaption SplitAccessKey(std::string_view caption) {
  AccessKeyCaption shown;
  for (size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] == '&' && i + 1 < caption.size()) {
      ++i;
      if (caption[i] != '&' && shown.key == 0) {
        shown.key = static_cast<char>(std::toupper(static_cast<unsigned char>(caption[i])));
      }
    }
    shown.text.push_back(caption[i]);
  }
  return shown;
}

}  // namespace lumo::ui
