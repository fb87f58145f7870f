#include "action_name.h"

#include <fmt/format.h>

#include <algorithm>
#include <cstddef>
#include <vector>

#include "core/cls_action_ic.h"
#include "platform/vb.h"

namespace lumo::app {

namespace {

// Letters typed wrong, left out or added that still count as a slip.
constexpr size_t kSlips = 2;

// The edit distance of a and b (Levenshtein), on one row of the table.
size_t EditDistance(std::string_view a, std::string_view b) {
  std::vector<size_t> row(b.size() + 1);
  for (size_t j = 0; j <= b.size(); ++j) row[j] = j;
  for (size_t i = 1; i <= a.size(); ++i) {
    size_t diagonal = row[0];
    row[0] = i;
    for (size_t j = 1; j <= b.size(); ++j) {
      const size_t above = row[j];
      row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
      diagonal = above;
    }
  }
  return row[b.size()];
}

}  // namespace

std::optional<std::string> NearestActionName(std::string_view name) {
  const std::string typed = vb::UCase(vb::Trim(name));
  std::optional<std::string> nearest;
  size_t best = kSlips + 1;
  for (const std::string_view action : clsActionIC::ActionNames()) {
    const size_t distance = EditDistance(typed, vb::UCase(action));
    if (distance < best) {
      best = distance;
      nearest = std::string(action);
    }
  }
  return nearest;
}

std::string UnknownActionMessage(std::string_view name) {
  const std::optional<std::string> nearest = NearestActionName(name);
  return fmt::format("\"{}\" is not an action of the component{}", name,
                     nearest ? fmt::format(" (did you mean {}?)", *nearest) : "");
}

}  // namespace lumo::app
