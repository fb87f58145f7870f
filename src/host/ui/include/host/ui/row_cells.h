// The cells of a grid row text, where each cell's text is followed by "|".
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace lumo::ui {

// Exactly `columns` cells: missing ones are empty, cells beyond them and
// text after the last "|" are dropped.
std::vector<std::string> RowCells(std::string_view rowText, size_t columns);

// A button caption as shown without its access-key marker ("是(&Y)" shows
// as 是(Y), "&&" as one "&"), and the key the marker names (0 for none).
struct AccessKeyCaption {
  std::string text;
  char key = 0;  // the marked character, upper-cased when a letter
};
AccessKeyCaption SplitAccessKey(std::string_view caption);

}  // namespace lumo::ui
