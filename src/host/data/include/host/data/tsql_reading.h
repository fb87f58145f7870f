// T-SQL as the component writes it, read once into the forms that each
// database's dialect then writes out its own way (sql_dialect.h).
//
// The component speaks SQL Server's dialect. The reading accepts the forms
// the component emits and nothing more that is T-SQL only:
//   - several statements in one text, separated by line breaks: a line whose
//     first word is SELECT, INSERT, UPDATE, DELETE, CREATE, DROP, EXEC,
//     EXECUTE or SET NOCOUNT starts a statement (outside parentheses);
//     a ";" also ends one;
//   - Set NoCount On/Off: dropped (no database here reports counts to it);
//   - IsNull(a, b), #temp names, "Create Table #T", a "+" between two texts
//     and Round(x, n): tokens marked with their role (sql_tokens.h);
//   - "Update a set a.col = ... From x Inner Join target a on a.key = ...
//     ... Where w": its parts (TsqlUpdateFrom);
//   - EXEC procedure literal, ...: a ProcedureCall (procedure.h);
//   - Insert Into t (a, b) Values(literal, literal): TsqlInsertRows, which
//     also takes the rows of the INSERTs of the same form that follow it.
// Everything else passes as it is. Constructs that only SQL Server knows
// (TOP, [names], @variables, DECLARE, GETDATE(), table hints...), a "+"
// whose operands are not both numbers or both texts, and a Round without
// exactly two arguments are refused with error 5 naming the construct,
// before anything runs.
#pragma once

#include <string_view>
#include <variant>
#include <vector>

#include "host/data/column_types.h"
#include "host/data/procedure.h"
#include "host/data/sql_tokens.h"

namespace lumo::data {

// A statement passed on token by token.
struct TsqlStatement {
  SqlTokens tokens;
};

// "Update a set a.c = x From f ... Inner Join t a on j ... Where w".
struct TsqlUpdateFrom {
  SqlTokens target;       // t
  SqlTokens alias;        // a
  SqlTokens assignments;  // " c = x", the alias taken off every column set
  SqlTokens from;         // " f ...": the FROM clause without the target's join
  SqlTokens join;         // j
  SqlTokens where;        // w; empty when there is no WHERE
};

// INSERTs of one row of literal values each, all with the same text before
// their values: head is "Insert Into t (a,b) Values", the rows follow one
// another in values, `width` values each.
struct TsqlInsertRows {
  SqlTokens head;
  size_t width = 0;
  std::vector<SqlValue> values;
};

using TsqlForm = std::variant<TsqlStatement, TsqlUpdateFrom, ProcedureCall, TsqlInsertRows>;

// columns types the operands of "+". A refused construct is thrown as
// UnsupportedSql (data_error.h), which the translation for a database turns
// into error 5; a text that cannot be read at all (an open quote) is error 5.
std::vector<TsqlForm> ReadTsql(std::string_view tsql, const ColumnTypes& columns);

// Reads the whole statements of `tsql` one by one onto forms: what
// ReadTsql does where it finds no run of row inserts to read faster.
void ReadStatements(std::string_view tsql, const ColumnTypes& columns,
                    std::vector<TsqlForm>& forms);

// Whether a statement starts at the token `at` of a line.
bool StartsStatement(const SqlTokens& tokens, size_t at);

}  // namespace lumo::data
