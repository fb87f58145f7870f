// Which database a session property string names.
//
// The property string is "key=value;key=value;..."; keys compare without
// regard to case. A value may be put in braces as in an ODBC connection
// string, so that its ";" stay with it: the value ends at the first "}"
// that is not doubled, and "}}" inside stands for "}". Two keys name the
// database:
//   DBFile=<path of a SQLite file>
//   DBConnect={<ODBC connection string>}   e.g. {Driver=SQLite3;Database=/x.db}
// Not core's FindPropValue: that one upper-cases values and knows no braces,
// which would break file paths and ODBC connection strings.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace lumo::data {

using PropertyList = std::vector<std::pair<std::string, std::string>>;

// The key=value pairs in order; an unterminated brace is error 5.
PropertyList ParsePropertyString(std::string_view props);

// The value of the first pair whose key matches.
std::optional<std::string> FindProperty(const PropertyList& properties, std::string_view key);

struct ConnectionTarget {
  enum class Kind { SqliteFile, Odbc };
  Kind kind;
  std::string text;  // the file path or the ODBC connection string

  // The key of the thread's connection pool.
  std::string PoolKey() const { return (kind == Kind::SqliteFile ? "file:" : "odbc:") + text; }
};

// Error 5 naming both keys when neither (or both) is given, or one is empty.
ConnectionTarget ConnectionTargetOf(std::string_view props);

}  // namespace lumo::data
