// An open database connection that runs the component's T-SQL texts.
#pragma once

#include <memory>
#include <string>

#include "host/data/connection_target.h"
#include "platform/recordset.h"

namespace lumo::data {

class Connection {
 public:
  virtual ~Connection() = default;
  // Runs one T-SQL text: the rows of its last query, or nullptr.
  virtual RecordsetRef Execute(const std::string& tsql) = 0;
  // False when the connection broke and must be opened again.
  virtual bool IsUsable() const { return true; }
};

// Opens the database the target names: a SQLite file (which must exist) or
// an ODBC data source. SQLite, directly or through its ODBC driver, gets the
// T-SQL translated; any other database gets the text unchanged.
std::unique_ptr<Connection> OpenConnection(const ConnectionTarget& target);

}  // namespace lumo::data
