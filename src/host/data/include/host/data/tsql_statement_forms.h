// The T-SQL reading of single statements of a recognised form: EXEC, an
// INSERT of literal values and UPDATE ... FROM (see tsql_reading.h). Each
// refuses what it cannot take by RaiseUnsupportedSql.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "host/data/procedure.h"
#include "host/data/sql_tokens.h"
#include "host/data/tsql_reading.h"

namespace lumo::data {

// The value of the literal made of the significant tokens at `at`: a number
// (with or without its sign), a 'text' or NULL; nullopt for anything else.
std::optional<SqlValue> LiteralValue(const SqlTokens& tokens, const std::vector<size_t>& at,
                                     std::string_view statement);

// "EXEC p_Name 1001,'a',NULL".
ProcedureCall ReadExec(const SqlTokens& tokens, const std::string& statement);

// "Insert Into t (a,b) Values(1,'x')"; nullopt when a value is not a
// literal or more than one row follows VALUES.
std::optional<TsqlInsertRows> ReadInsertOfLiterals(const SqlTokens& tokens,
                                                   std::string_view statement);

// "Update a set ... From ..." whose FROM is the token at `from`.
TsqlUpdateFrom ReadUpdateFrom(const SqlTokens& tokens, size_t from, std::string_view statement);

}  // namespace lumo::data
