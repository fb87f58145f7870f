// Stored procedures of the SQLite databases.
//
// SQLite has none, so they live as data: table t_Procedure holds each
// procedure's name (FName), its comma-separated parameters (FParams), each
// a name and the SQL type a server database declares it with ("FInterID
// INTEGER"), and its body (FBody): SQLite statements separated by ";" that
// refer to the parameters as :Name. A call binds the EXEC line's literal
// arguments to the placeholders as values, never by pasting text into the
// SQL. A server database gets the same procedures as its own
// (server_schema.h).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace lumo::data {

// A value bound to a statement: NULL, a whole number, a real or a text.
using SqlValue = std::variant<std::monostate, int64_t, double, std::string>;

// The value as an SQL literal: NULL, 12, 1.5, 'it''s'.
std::string SqlLiteral(const SqlValue& value);

// "EXEC p_Name 1001,'a',NULL" as parsed: the procedure and its arguments.
struct ProcedureCall {
  std::string name;
  std::vector<SqlValue> arguments;
  std::string text;  // the EXEC statement, for error messages
};

// One statement of a procedure body, with "?" for each placeholder and the
// values to bind to them, in order.
struct BoundStatement {
  std::string sql;
  std::vector<SqlValue> arguments;
};

inline constexpr std::string_view kProcedureTable = "t_Procedure";

// One parameter of FParams: "Name" or "Name TYPE".
struct ProcedureParameter {
  std::string name;
  std::string type;  // empty when not given
};
std::vector<ProcedureParameter> ParseParameters(std::string_view list);

// The query that finds a procedure; its one argument is the name.
inline constexpr std::string_view kProcedureQuery =
    "SELECT FParams, FBody FROM t_Procedure WHERE FName = ? COLLATE NOCASE";

// Pairs the call's arguments with the procedure's parameters and gives the
// body's statements ready to run. A wrong argument count, or a placeholder
// that names no parameter, is error 5.
std::vector<BoundStatement> BindProcedure(const ProcedureCall& call, std::string_view parameters,
                                          std::string_view body);

}  // namespace lumo::data
