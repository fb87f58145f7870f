// "LumoGrid.GridTitleHelper": turns a grid's raw title row into the text
// the grid shows.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/object.h"

namespace lumo {

inline constexpr std::string_view kGridTitleHelperProgId = "LumoGrid.GridTitleHelper";

class IGridTitleHelper : public Object {
 public:
  // rawRow holds each title cell followed by "|"; the result has the same form.
  virtual std::string FormatTitleRow(int32_t row, const std::string& rawRow) = 0;
};

}  // namespace lumo
