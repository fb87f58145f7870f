// How the host components reach the database: every statement goes through
// "LumoMClass.ClassInfo" with the caller's session property string, exactly
// as the component's own actions do. Ids enter SQL as formatted whole
// numbers and names only after IsPlainIdentifier, so no caller text is ever
// pasted into a statement.
#pragma once

#include <string>
#include <string_view>

#include "platform/recordset.h"

namespace lumo::components {

// Runs one statement; nullptr when the data layer gives no rows object.
RecordsetRef Query(const std::string& propString, const std::string& sql);

// A letter or "_" followed by letters, digits and "_": a name that can stand
// in a statement without quoting.
bool IsPlainIdentifier(std::string_view name);

// The column of the current row as a number; fallback when there is no row
// or the value is Null or Empty.
double NumberOr(const RecordsetRef& rows, std::string_view column, double fallback);

// The currency's rate in multiplier form (home amount = amount x rate):
// a rate stored with the operator "/" is inverted; 1 for an unknown
// currency or a rate of 0.
double MultiplierRate(const std::string& propString, int32_t currencyId);

}  // namespace lumo::components
