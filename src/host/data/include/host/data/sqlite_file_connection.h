// A connection to a SQLite database file opened directly (DBFile), for the
// builds that carry the SQLite library; the Windows COM server reaches its
// databases through ODBC only and refuses a DBFile.
#pragma once

#include <memory>
#include <string>

#include "host/data/connection.h"

namespace lumo::data {

// The file must exist; its T-SQL texts are translated for SQLite.
std::unique_ptr<Connection> OpenSqliteFile(const std::string& path);

}  // namespace lumo::data
