// The item condition the actions hand the stock and replacement viewers:
// "t1.FItemID IN (" followed by whole numbers separated by commas and ")".
// Blanks around a number and empty pieces ("10,,30", which the replacement
// action keeps for an empty bill line) are allowed; nothing else is, since
// the ids end up in the viewer's SQL. They go in re-printed as numbers,
// never as the caller's text.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace lumo::viewers {

// The ids of the condition, in its order. Anything but the form above,
// or a number outside the 32-bit range, is error 5 from `source`, naming
// the condition.
std::vector<int32_t> ItemIdsOfCondition(std::string_view condition, std::string_view source);

// "column IN (a,b,...)" for the ids; "1=0" (matches nothing) for none.
std::string InCondition(std::string_view column, const std::vector<int32_t>& ids);

}  // namespace lumo::viewers
