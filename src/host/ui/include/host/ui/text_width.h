// How wide UTF-8 text shows on a terminal: East Asian wide and fullwidth
// characters (Chinese, Japanese, Korean, fullwidth forms) take two columns,
// combining marks none, every other character one. A byte that does not
// begin a valid UTF-8 character counts as one column.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace lumo::ui {

size_t DisplayWidth(std::string_view text);

// The text with blanks before it (alignRight) or after it up to `width`
// columns; a text as wide or wider is returned as it is.
std::string PadToWidth(std::string_view text, size_t width, bool alignRight);

}  // namespace lumo::ui
