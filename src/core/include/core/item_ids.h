// Item id lists that go into an SQL condition as they stand ("FItemID IN
// (" + list + ")"). The ids come from the bill, so each piece is checked to
// be a whole number before any statement is built: a value such as
// "1) OR 1=1 --" would otherwise become SQL.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "collections/dictionary.h"

namespace lumo {

// Whether piece is one whole number, with an optional sign and blanks or
// tabs around it (" 12", "-3").
bool IsItemId(std::string_view piece);

// Error -1 from "P_ICItemID" naming the piece, unless it is an item id.
void RequireItemId(std::string_view piece);

// What a blank piece between two commas ("10,,30") means to the list's
// reader: an error in an IN list, or a place the viewers skip.
enum class BlankPieces { Refused, Allowed };

// RequireItemId for every comma-separated piece of list (blank pieces
// passing where they are allowed).
void RequireItemIdList(std::string_view list, BlankPieces blankPieces);

// The item list that a viewer of the bill's items gets: "P_ICItemID" as one
// value's text, or a column joined by joinColumn; "" without the key.
// Mend: the viewer puts the list into its SQL, so a list that is not ids is
// error -1 (blank pieces allowed); and one that names no item (",, ,")
// comes back "", as no list, instead of an IN list with nothing in it.
std::string ViewerItemList(const Dictionary& dctPara,
                           const std::function<std::string(const VbArray&)>& joinColumn);

}  // namespace lumo
