#include "host/viewers/item_condition.h"

#include <fmt/format.h>

#include <charconv>

#include "platform/error.h"

namespace lumo::viewers {

namespace {

constexpr std::string_view kPrefix = "t1.FItemID IN (";
constexpr std::string_view kBlanks = " \t";

std::string_view TrimBlanks(std::string_view text) {
  const size_t first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

// A whole number in the 32-bit range: an optional "-" and digits only.
bool ReadId(std::string_view piece, int32_t& id) {
  const std::string_view digits = piece.starts_with('-') ? piece.substr(1) : piece;
  if (digits.empty() || digits.find_first_not_of("0123456789") != std::string_view::npos) {
    return false;
  }
  const auto [end, error] = std::from_chars(piece.data(), piece.data() + piece.size(), id);
  return error == std::errc() && end == piece.data() + piece.size();
}

}  // namespace

std::vector<int32_t> ItemIdsOfCondition(std::string_view condition, std::string_view source) {
  const auto refuse = [&] {
    Raise(vberr::kInvalidCall, std::string(source),
          fmt::format("the item condition \"{}\" is not {}whole numbers separated by commas)",
                      condition, kPrefix));
  };
  if (!condition.starts_with(kPrefix) || !condition.ends_with(')')) refuse();
  std::string_view list = condition.substr(kPrefix.size());
  list.remove_suffix(1);

  std::vector<int32_t> ids;
  for (size_t start = 0; start <= list.size();) {
    const size_t comma = std::min(list.find(',', start), list.size());
    const std::string_view piece = TrimBlanks(list.substr(start, comma - start));
    int32_t id = 0;
    if (!piece.empty()) {
      if (!ReadId(piece, id)) refuse();
      ids.push_back(id);
    }
    start = comma + 1;
  }
  return ids;
}

std::string InCondition(std::string_view column, const std::vector<int32_t>& ids) {
  if (ids.empty()) return "1=0";
  return fmt::format("{} IN ({})", column, fmt::join(ids, ","));
}

}  // namespace lumo::viewers
