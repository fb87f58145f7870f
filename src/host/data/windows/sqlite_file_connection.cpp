// The Windows COM server carries no SQLite library: its databases are ODBC
// data sources, SQLite files included (through SQLite's ODBC driver).
#include "host/data/sqlite_file_connection.h"

#include "host/data/data_error.h"

namespace lumo::data {

std::unique_ptr<Connection> OpenSqliteFile(const std::string& path) {
  RaiseInvalidRequest("This build reaches its databases through ODBC only, so DBFile=" + path +
                      " cannot be opened: give DBConnect={Driver=SQLite3;Database=" + path + "}");
}

}  // namespace lumo::data
