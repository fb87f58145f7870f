// The component's spelling of the column names a PostgreSQL result gives.
//
// PostgreSQL keeps unquoted names in lower case and gives them so in a
// result ("fitemid"). The component reads fields by name without regard to
// case, but it also keys dictionaries by the names a recordset gives, and
// those must read as on any other database ("FItemID"). So a name the
// server folded is spelt again as the statement wrote it, else as
// data/schema.sql declares it; SQLite gives the same names for both.
#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace lumo::data {

class ColumnSpelling {
 public:
  // The names of mixed case in the schema's text.
  explicit ColumnSpelling(std::string_view schemaSql);

  // Each name of `columns` in lower case that the statement or the schema
  // spells otherwise, in their spelling (the statement's first).
  void Respell(std::vector<std::string>& columns, std::string_view statement) const;

 private:
  std::unordered_map<std::string, std::string> declared_;  // lower case -> spelling
};

}  // namespace lumo::data
