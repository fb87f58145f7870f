// SQLite's ODBC driver, held to the rules of a DBFile connection.
//
// Left to itself the driver creates a database file that is not there (one
// named after the whole connection string when it names no Database) and
// waits up to 100 s for a lock. A DBFile connection refuses a missing file
// and gives up after 5 s; through the driver the component does the same.
// A DSN names its driver only in the ODBC configuration, so a DSN is taken
// as it is configured.
#pragma once

#include <string>

namespace lumo::data {

// The connection string to hand to the driver manager. For SQLite's driver
// (a Driver whose name holds "SQLite"): the Database must be an existing
// file, else the error of a DBFile that is not there; NoCreat=1 is added,
// and Timeout=5000 unless a Timeout is given. For PostgreSQL's driver (a
// Driver whose name holds "PostgreSQL"), Protocol=7.4-1 unless a Protocol
// is given: an error rolls the whole transaction back, as the component's
// batches are all or nothing anyway, instead of the driver's default of a
// SAVEPOINT before every statement (a round trip each). Any other string
// is returned unchanged.
std::string OdbcConnectionString(const std::string& connectionString);

}  // namespace lumo::data
