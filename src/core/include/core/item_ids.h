// Item id lists that go into an SQL condition as they stand ("FItemID IN
// (" + list + ")"). The ids come from the bill, so each piece is checked to
// be a whole number before any statement is built: a value such as
// "1) OR 1=1 --" would otherwise become SQL.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "collections/dictionary.h"

namespace lumo {

// The id that piece names: a whole number in the 32-bit range, with an
// optional sign and blanks or tabs around it (" 12", "-3", "+1001");
// nullopt for anything else.
std::optional<int32_t> ReadItemId(std::string_view piece);

// piece's id as a condition writes it ("+1001" and " 1001 " are "1001"),
// so the text the component accepts is text every reader of the condition
// accepts. Error -1 from "P_ICItemID" naming the piece when it is no id.
std::string ItemIdText(std::string_view piece);

// What a blank piece between two commas ("10,,30") means to the list's
// reader: an error in an IN list, or a place the viewers skip.
enum class BlankPieces { Refused, Allowed };

// Every comma-separated piece of list through ItemIdText; blank pieces,
// where they are allowed, are kept as they stand.
std::string ItemIdList(std::string_view list, BlankPieces blankPieces);

// The item list that a viewer of the bill's items gets: "P_ICItemID" as one
// value's text, or a column joined by joinColumn; "" without the key.
// Mend: the viewer puts the list into its SQL, so a list that is not ids is
// error -1 (blank pieces allowed); and one that names no item (",, ,")
// comes back "", as no list, instead of an IN list with nothing in it.
std::string ViewerItemList(const Dictionary& dctPara,
                           const std::function<std::string(const VbArray&)>& joinColumn);

}  // namespace lumo
