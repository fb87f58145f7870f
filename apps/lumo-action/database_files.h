// Where lumo-action finds its database, and how it writes a new one.
#pragma once

#include <filesystem>

namespace lumo::app {

// $XDG_DATA_HOME/lumo-action/demo.db, or ~/.local/share/lumo-action/demo.db.
std::filesystem::path DefaultDatabasePath();

// The demo database at `path`, created with demo data when it is missing.
void EnsureDemoDatabase(const std::filesystem::path& path);

// Writes a new database (the schema, and the demo data unless `empty`)
// into the file `target`, or into the empty database of the PostgreSQL
// server that `target` names as an ODBC connection string (one that gives
// a Driver or a DSN). Refuses, with UsageError, to overwrite an existing
// file; a server database that is not empty is refused unchanged.
void CreateNewDatabase(const std::string& target, bool empty);

}  // namespace lumo::app
