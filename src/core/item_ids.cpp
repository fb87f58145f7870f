#include "core/item_ids.h"

#include <string>

#include "platform/error.h"
#include "platform/vb.h"

namespace lumo {

namespace {

constexpr std::string_view kBlanks = " \t";

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

bool IsItemId(std::string_view piece) {
  if (IsBlank(piece)) return false;
  const size_t first = piece.find_first_not_of(kBlanks);
  piece = piece.substr(first, piece.find_last_not_of(kBlanks) - first + 1);
  if (piece.front() == '-' || piece.front() == '+') piece.remove_prefix(1);
  return !piece.empty() && piece.find_first_not_of("0123456789") == std::string_view::npos;
}

void RequireItemId(std::string_view piece) {
  if (!IsItemId(piece)) {
    Raise(-1, "P_ICItemID", "\"" + vb::Trim(piece) + "\" is not an item id");
  }
}

void RequireItemIdList(std::string_view list, BlankPieces blankPieces) {
  EveryPiece(list, [blankPieces](std::string_view piece) {
    if (blankPieces == BlankPieces::Refused || !IsBlank(piece)) RequireItemId(piece);
    return true;
  });
}

std::string ViewerItemList(const Dictionary& dctPara,
                           const std::function<std::string(const VbArray&)>& joinColumn) {
  if (!dctPara.Lookup("P_ICItemID")) return {};
  const Variant value = dctPara.GetValue("P_ICItemID", "");
  std::string list = value.IsArray() ? joinColumn(value.AsArray()) : vb::CStr(value);
  if (NamesNoItem(list)) return {};
  RequireItemIdList(list, BlankPieces::Allowed);
  return list;
}

}  // namespace lumo
