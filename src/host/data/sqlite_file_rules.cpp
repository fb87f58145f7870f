#include "host/data/sqlite_file_rules.h"

#include <fmt/format.h>

#include "host/data/data_error.h"

namespace lumo::data {

void RaiseNoDatabaseFile(const std::string& path) {
  // SQLite's code and text for SQLITE_CANTOPEN, which the ODBC path (and a
  // build without the SQLite library) must give alike.
  RaiseDatabaseError(
      "SQLite error 14",
      fmt::format("Cannot open the database file {}: unable to open database file", path), "open");
}

}  // namespace lumo::data
