// T-SQL as the component writes it, turned into statements SQLite runs.
//
// The component speaks SQL Server's dialect. This translator accepts the
// forms the component emits and nothing more that is T-SQL only:
//   - several statements in one text, separated by line breaks: a line whose
//     first word is SELECT, INSERT, UPDATE, DELETE, CREATE, DROP, EXEC,
//     EXECUTE or SET NOCOUNT starts a statement (outside parentheses);
//     a ";" also ends one;
//   - Set NoCount On/Off (dropped: SQLite reports no counts);
//   - IsNull(a, b) -> ifnull(a, b);
//   - #temp tables: "Create Table #T" makes a TEMP table; every #T is
//     renamed temp."#T";
//   - "Update a set a.col = ... From x Inner Join target a on a.key = ...
//     ... Where w" -> "UPDATE target AS a SET col = ... FROM x ... WHERE
//     a.key = ... AND (w)";
//   - EXEC procedure literal, ... -> a ProcedureCall (see procedure.h);
//   - Insert Into t (a, b) Values(literal, literal) -> InsertRows, which
//     also takes the rows of the INSERTs of the same form that follow it.
//   - a "+" between two texts -> "||" (text_concatenation.h); a "+" whose
//     operands are not both numbers or both texts is refused.
// Everything else passes unchanged; constructs that only SQL Server knows
// (TOP, [names], @variables, DECLARE, GETDATE(), table hints...) are
// refused with error 5 naming the construct, before anything runs.
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

using SqliteStep = std::variant<SqlStatement, ProcedureCall, InsertRows>;

// columns: the declared types of the database's columns, which type the
// operands of "+".
std::vector<SqliteStep> TranslateForSqlite(std::string_view tsql, const ColumnTypes& columns);

}  // namespace lumo::data
