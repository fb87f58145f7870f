// Text to and from ODBC's W (UTF-16) functions.
//
// Only the W functions are used, on every system: the driver manager then
// hands every text on in UTF-16 whatever the process's code page is, and
// Wine's driver manager, which forwards to the machine's unixODBC, takes no
// other (its A functions abort).
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "host/data/odbc_handles.h"

namespace lumo::data {

static_assert(sizeof(SQLWCHAR) == sizeof(char16_t), "ODBC's wide characters are UTF-16 units");

// The UTF-8 text as UTF-16 units ended by a 0, ready for a W function.
std::vector<SQLWCHAR> OdbcText(std::string_view text);

// `length` UTF-16 units from the driver as UTF-8.
std::string TextFromOdbc(const SQLWCHAR* text, size_t length);

// A 0-ended UTF-16 text from the driver, as UTF-8; at most `capacity` units
// are read, for a driver that filled the buffer without the 0.
std::string TextFromOdbcBuffer(const SQLWCHAR* text, size_t capacity);

}  // namespace lumo::data
