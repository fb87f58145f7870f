// The component's T-SQL turned into the statements a database runs: the
// forms of the T-SQL reading (tsql_reading.h) written out in the dialect of
// the database. The two dialects differ only in how they write a form:
//
//   T-SQL                  SQLite                        PostgreSQL
//   IsNull(a, b)           ifnull(a, b)                  coalesce(a, b)
//   #T                     temp."#T"                     pg_temp."#T"
//   Create Table #T        Create TEMP Table temp."#T"   Create TEMP Table pg_temp."#T"
//   FName + 'x' (texts)    FName || 'x'                  FName || 'x'
//   Round(x, n)            Round(x, n)                   Round(CAST(x AS numeric), n)
//   Update a set a.c = v   UPDATE t AS a SET c = v FROM f WHERE (j) AND (w), on both
//     From f Inner Join t a on j Where w
//   EXEC p 1,'x'           a ProcedureCall (procedure.h)  CALL p(1, 'x')
//   INSERTs of literal     one INSERT with "?" for the    INSERT ... VALUES (1,'x'),(2,'y'),
//     rows                 values, run per row            up to 1000 rows a statement
//
// Set NoCount On is dropped on both; everything else is written as it is.
#pragma once

#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "host/data/column_types.h"
#include "host/data/procedure.h"

namespace lumo::data {

struct SqlStatement {
  std::string text;
};

// One INSERT with a "?" for each value, run once per row of values (the
// rows one after another in `values`): SQLite compiles it once for all rows
// instead of once per row.
struct InsertRows {
  std::string text;
  size_t width = 0;  // values per row
  std::vector<SqlValue> values;
};

using SqlStep = std::variant<SqlStatement, ProcedureCall, InsertRows>;

enum class SqlDialect { Sqlite, Postgres };

// "SQLite", "PostgreSQL": the database an error names.
std::string_view BackendName(SqlDialect dialect);

// columns: the declared types of the database's columns, which type the
// operands of "+". A construct the reading refuses is error 5 naming it,
// the statement and the database.
std::vector<SqlStep> Translate(std::string_view tsql, const ColumnTypes& columns,
                               SqlDialect dialect);

inline std::vector<SqlStep> TranslateForSqlite(std::string_view tsql, const ColumnTypes& columns) {
  return Translate(tsql, columns, SqlDialect::Sqlite);
}

}  // namespace lumo::data
