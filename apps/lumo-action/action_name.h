// Telling a user what went wrong with an action name they typed.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace lumo::app {

// The component's action name nearest to `name` when one is close: the
// same but for letter case or blanks around it, or for at most two letters
// typed wrong, left out or added. nullopt when none is that close.
std::optional<std::string> NearestActionName(std::string_view name);

// The one line that says `name` is no action, with the nearest name when
// there is one.
std::string UnknownActionMessage(std::string_view name);

}  // namespace lumo::app
