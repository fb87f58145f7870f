#include "host/ui/grid_title_helper.h"

#include <string_view>

namespace lumo::ui {

std::string GridTitleHelper::FormatTitleRow([[maybe_unused]] int32_t row,
                                            const std::string& rawRow) {
  std::string shown;
  std::string_view rest = rawRow;
  for (size_t bar; (bar = rest.find('|')) != std::string_view::npos; rest.remove_prefix(bar + 1)) {
    std::string_view cell = rest.substr(0, bar);
    if (!cell.empty() && cell.back() == '$') cell.remove_suffix(1);
    shown.append(cell).push_back('|');
  }
  return shown.append(rest);  // text after the last "|" is not a cell; kept as it is
}

}  // namespace lumo::ui
