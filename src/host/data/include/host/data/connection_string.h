// What may be shown of an ODBC connection string: never its password.
#pragma once

#include <string>
#include <string_view>

namespace lumo::data {

// The text with the value of every password in it masked: "Pwd=", "PWD=",
// "Password=" in any case, not part of a longer name, up to
// the next ";" or "}" (a braced value to its closing brace). Meant for any
// text that may hold a connection string: an error's description, a trace
// record, a property string.
std::string MaskPasswords(std::string_view text);

// The server a connection string names, as "host:port" (Server or Host,
// and Port when given), "DSN name" for a data source name, else "".
std::string ServerOf(std::string_view connectionString);

}  // namespace lumo::data
