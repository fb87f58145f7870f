// Query helpers shared by the actions: database NULLs, one SELECT through
// the host's data-access component, and one value of the system profile.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/recordset.h"
#include "platform/variant.h"

namespace lumo {

// The default when value is the database NULL, else value unchanged (Empty,
// "" and 0 are kept as they are).
Variant NullToDefault(const Variant& value, const Variant& defaultValue);

// Runs sql through a new "LumoMClass.ClassInfo" and returns its recordset,
// open. A blank sql gives nullptr and creates nothing. Errors go to the
// caller.
RecordsetRef GetRecordset(const std::string& propString, const std::string& sql);

// The FValue of t_SystemProfile for category and key, or "" when there is
// no such row or the value is NULL. Errors go to the caller.
std::string GetSystemProfile(const std::string& propString, const std::string& category,
                             const std::string& key);

// Whether purchase-order prices include tax (1): the given text's leading
// number, or the profile value "POOrderTaxInPrice" of "IC" when the text
// is blank. Kept: a profile without that value, or with text in it, is
// error 13, as the host's own price forms fail.
int32_t POOrderTaxInPrice(const std::string& propString, const std::string& given);

// text with every single quote doubled, for use inside a '...' SQL literal.
std::string EscapeSqlQuotes(std::string_view text);

// Whether text is a whole number written plainly: an optional "-" and
// digits, nothing else (no blanks, point or exponent). Such a text can go
// into a statement as it stands.
bool IsWholeNumberText(std::string_view text);

// Whether text is a plain SQL name: letters, digits and underscores only,
// at least one character. Such a name can go into a statement unquoted.
bool IsPlainSqlName(std::string_view text);

}  // namespace lumo
