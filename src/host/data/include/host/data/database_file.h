// Creating a new SQLite database for the component.
#pragma once

#include <string>

namespace lumo::data {

// Writes a new database file with the schema and, when asked, the demo
// data, all in one transaction. An existing file is refused (error 5) and
// left alone; on any failure no file is left behind.
void CreateDatabase(const std::string& path, bool withDemoData);

}  // namespace lumo::data
