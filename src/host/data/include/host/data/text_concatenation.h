// Which of T-SQL's "+" join texts.
//
// T-SQL joins two texts with "+" and adds two numbers; SQLite and
// PostgreSQL add with "+" and join with "||". The statement is read as expressions just far enough
// to type the operands of each "+": literals, columns (by the types the
// database declares), parenthesized expressions, CASE, a few functions, and
// T-SQL's order (* / % before + - & | ^, then left to right). A "+" between
// two texts is marked as a TextJoin (written "||", which binds tighter than
// anything around a chain of texts, so the grouping stays); one between two
// numbers stays; any other "+" is refused, because the databases would give
// it another meaning.
#pragma once

#include <string_view>

#include "host/data/column_types.h"
#include "host/data/sql_tokens.h"

namespace lumo::data {

// Marks the statement's tokens in place; a "+" whose operands are not both
// numbers or both texts is refused (RaiseUnsupportedSql) naming the
// expression.
void MarkTextConcatenation(SqlTokens& tokens, const ColumnTypes& columns,
                           std::string_view statement);

}  // namespace lumo::data
