#include "host/data/sqlite_odbc_driver.h"

#include <fmt/format.h>

#include <filesystem>

#include "host/data/connection_target.h"
#include "host/data/data_error.h"
#include "host/data/sqlite_file_rules.h"
#include "platform/vb.h"

namespace lumo::data {

std::string OdbcConnectionString(const std::string& connectionString) {
  // An ODBC connection string has the syntax of the session property string.
  const PropertyList properties = ParsePropertyString(connectionString);
  const std::optional<std::string> driver = FindProperty(properties, "Driver");
  if (driver && vb::InStr(*driver, "PostgreSQL") != 0 && !FindProperty(properties, "Protocol")) {
    std::string text(vb::TrimWhiteSpace(connectionString));
    return text + (text.ends_with(';') ? "" : ";") + "Protocol=7.4-1;";
  }
  if (!driver || vb::InStr(*driver, "SQLite") == 0) return connectionString;

  const std::optional<std::string> database = FindProperty(properties, "Database");
  if (!database || database->empty()) {
    RaiseInvalidRequest("The connection string names SQLite's ODBC driver but no Database");
  }
  if (!std::filesystem::is_regular_file(*database)) RaiseNoDatabaseFile(*database);

  std::string text(vb::TrimWhiteSpace(connectionString));
  if (!text.ends_with(';')) text += ';';
  text += "NoCreat=1;";
  if (!FindProperty(properties, "Timeout"))
    text += fmt::format("Timeout={};", kSqliteBusyTimeoutMs);
  return text;
}

}  // namespace lumo::data
