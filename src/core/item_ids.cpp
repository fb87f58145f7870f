#include "core/item_ids.h"

#include <charconv>
#include <string>
#include <utility>

#include "platform/error.h"
#include "platform/vb.h"

namespace lumo {

namespace {

constexpr std::string_view kBlanks = " \t";
// The magnitude of the smallest Long; the largest is one less.
constexpr uint64_t kLongMagnitude = uint64_t{1} << 31;

bool IsBlank(std::string_view piece) {
  return piece.find_first_not_of(kBlanks) == std::string_view::npos;
}

// Calls visit with each piece between commas; stops at the first false.
template <class Visit>
bool EveryPiece(std::string_view list, Visit visit) {
  for (size_t begin = 0;;) {
    const size_t comma = list.find(',', begin);
    if (!visit(list.substr(begin, comma - begin))) return false;
    if (comma == std::string_view::npos) return true;
    begin = comma + 1;
  }
}

// Whether list names no item at all: every piece blank (",, ," or "").
bool NamesNoItem(std::string_view list) {
  return EveryPiece(list, IsBlank);
}

}  // namespace

std::optional<int32_t> ReadItemId(std::string_view piece) {
  const size_t first = piece.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return std::nullopt;
  piece = piece.substr(first, piece.find_last_not_of(kBlanks) - first + 1);
  const bool negative = piece.front() == '-';
  if (negative || piece.front() == '+') piece.remove_prefix(1);
  if (piece.empty() || piece.find_first_not_of("0123456789") != std::string_view::npos) {
    return std::nullopt;
  }
  // The digits were checked, so only a number too long for 64 bits fails
  // here; leading zeros are read as the number they pad.
  uint64_t magnitude = 0;
  if (std::from_chars(piece.data(), piece.data() + piece.size(), magnitude).ec != std::errc() ||
      magnitude > (negative ? kLongMagnitude : kLongMagnitude - 1)) {
    return std::nullopt;
  }
  const int64_t id = static_cast<int64_t>(magnitude);
  return static_cast<int32_t>(negative ? -id : id);
}

std::string ItemIdText(std::string_view piece) {
  const std::optional<int32_t> id = ReadItemId(piece);
  if (!id) Raise(-1, "P_ICItemID", "\"" + vb::Trim(piece) + "\" is not an item id");
  return std::to_string(*id);
}

std::string ItemIdList(std::string_view list, BlankPieces blankPieces) {
  std::string ids;
  bool first = true;
  EveryPiece(list, [&](std::string_view piece) {
    if (!std::exchange(first, false)) ids += ',';
    const bool kept = blankPieces == BlankPieces::Allowed && IsBlank(piece);
    ids += kept ? std::string(piece) : ItemIdText(piece);
    return true;
  });
  return ids;
}

std::string ViewerItemList(const Dictionary& dctPara,
                           const std::function<std::string(const VbArray&)>& joinColumn) {
  if (!dctPara.Lookup("P_ICItemID")) return {};
  const Variant value = dctPara.GetValue("P_ICItemID", "");
  std::string list = value.IsArray() ? joinColumn(value.AsArray()) : vb::CStr(value);
  if (NamesNoItem(list)) return {};
  return ItemIdList(list, BlankPieces::Allowed);
}

}  // namespace lumo
