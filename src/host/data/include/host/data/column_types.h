// What the database declares its columns to hold, as far as the T-SQL
// translation needs it: a number, a text, or not known.
//
// T-SQL's "+" joins two texts and adds two numbers; SQLite's always adds.
// The translation can only rewrite a "+" it can type, so it asks the
// columns of the database it runs on.
#pragma once

#include <string>
#include <string_view>
#include <unordered_map>

#include "host/data/sql_session.h"

namespace lumo::data {

enum class ValueType { Unknown, Number, Text };

// SQLite's affinity of a declared column type: INT, REAL, FLOA, DOUB,
// NUMERIC, DECIMAL... are numbers; CHAR, CLOB, TEXT are texts. No type, BLOB,
// and dates (which this schema keeps as texts but SQL Server adds days to)
// are Unknown.
ValueType TypeOfDeclared(std::string_view declaredType);

class ColumnTypes {
 public:
  // A name declared with different types in different tables is Unknown.
  void Add(std::string_view column, std::string_view declaredType);
  // By name without regard to letter case; Unknown for a name never added.
  ValueType Of(std::string_view column) const;

 private:
  std::unordered_map<std::string, ValueType> types_;  // upper-case name -> type
};

// The columns of every table and view of the session's SQLite database.
ColumnTypes ReadColumnTypes(SqlSession& session);

// The columns of every table and view that a PostgreSQL session sees on its
// search path ("integer", "double precision", "text", "character varying"...).
ColumnTypes ReadPostgresColumnTypes(SqlSession& session);

}  // namespace lumo::data
