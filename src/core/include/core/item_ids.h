// Item id lists that go into an SQL condition as they stand ("FItemID IN
// (" + list + ")"). The ids come from the bill, so each piece is checked to
// be a whole number before any statement is built: a value such as
// "1) OR 1=1 --" would otherwise become SQL.
#pragma once

#include <string_view>

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

// Whether list names no item at all: every piece blank (",, ," or "").
bool NamesNoItem(std::string_view list);

}  // namespace lumo
