// Writing the component's database into a PostgreSQL server.
#pragma once

#include <string>

namespace lumo::data {

// Writes the schema and, when asked, the demo data (server_schema.h) into
// the database that the ODBC connection string names, all in one
// transaction. The database must be a PostgreSQL one and empty: no table,
// view, sequence or routine in the schema it writes into. Otherwise, and on
// any failure, nothing is changed and the error (5, or the server's) says
// why; no error shows the connection's password.
void CreateServerDatabase(const std::string& connectionString, bool withDemoData);

}  // namespace lumo::data
