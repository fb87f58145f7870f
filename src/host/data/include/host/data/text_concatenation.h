// T-SQL's "+" as SQLite must read it.
//
// T-SQL joins two texts with "+" and adds two numbers; SQLite always adds,
// and joins with "||". The statement is read as expressions just far enough
// to type the operands of each "+": literals, columns (by the types the
// database declares), parenthesized expressions, CASE, a few functions, and
// T-SQL's order (* / % before + - & | ^, then left to right). A "+" between
// two texts becomes "||" (which binds tighter than anything around a chain
// of texts, so the grouping stays); one between two numbers stays; any
// other "+" is refused, because SQLite would give it another meaning.
#pragma once

#include <string_view>

#include "host/data/column_types.h"
#include "host/data/sql_tokens.h"

namespace lumo::data {

// Rewrites the statement's tokens in place; error 5 naming the expression
// for a "+" whose operands are not both numbers or both texts.
void RewriteTextConcatenation(SqlTokens& tokens, const ColumnTypes& columns,
                              std::string_view statement);

}  // namespace lumo::data
