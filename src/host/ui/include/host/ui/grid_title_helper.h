// "LumoGrid.GridTitleHelper": the title row as the grid shows it.
//
// A caption that ends in "$" is a column title: the helper drops that one
// marker, and the grid shows its title rows centred in bold. So "行号$"
// shows as 行号, and a caption meant to end in "$" is written with two
// ("US$$" shows as US$).
#pragma once

#include "hostapi/grid_title.h"

namespace lumo::ui {

class GridTitleHelper final : public IGridTitleHelper {
 public:
  std::string FormatTitleRow(int32_t row, const std::string& rawRow) override;
};

}  // namespace lumo::ui
