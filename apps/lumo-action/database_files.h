// Where lumo-action finds its database, and how it writes a new one.
#pragma once

#include <filesystem>

namespace lumo::app {

// $XDG_DATA_HOME/lumo-action/demo.db, or ~/.local/share/lumo-action/demo.db.
std::filesystem::path DefaultDatabasePath();

// The demo database at `path`, created with demo data when it is missing.
void EnsureDemoDatabase(const std::filesystem::path& path);

// Writes a new database (the schema, and the demo data unless `empty`).
// Refuses, with UsageError, to overwrite an existing file.
void CreateNewDatabase(const std::filesystem::path& path, bool empty);

}  // namespace lumo::app
