// PostgreSQL's dialect: see the table in tsql_dialect.h.
//
// Values are written into the statements as literals, never bound: the
// driver would send a whole number as a bigint, which no procedure taking
// an integer accepts, and a NULL as a text, which no number column takes.
// The values are those the reading took from literals, written again by
// SqlLiteral, so no text of the caller reaches the statement unquoted.
#include <algorithm>
#include <span>

#include "host/data/dialect_writer.h"

namespace lumo::data {
namespace {

using Role = SqlToken::Role;

// Rows per INSERT statement: one round trip for a bill's items, and a
// statement of a few tens of kilobytes at most.
constexpr size_t kRowsPerInsert = 1000;

// A text with a backslash as E'...', which reads the same whether the
// server takes a backslash in '...' as a character or as an escape.
std::string Literal(const SqlValue& value) {
  const auto* text = std::get_if<std::string>(&value);
  if (text == nullptr || text->find('\\') == std::string::npos) return SqlLiteral(value);
  std::string escaped;
  for (char c : *text) escaped += c == '\\' ? std::string("\\\\") : std::string(1, c);
  std::string literal = "E";
  literal += SqlLiteral(escaped);
  return literal;
}

std::string ValueList(std::span<const SqlValue> values) {
  std::string list;
  for (const SqlValue& value : values) {
    if (!list.empty()) list += ",";
    list += Literal(value);
  }
  return list;
}

class PostgresDialectWriter final : public DialectWriter {
 public:
  std::string_view Backend() const override { return "PostgreSQL"; }

  std::string RoleText(const SqlToken& token) const override {
    switch (token.role) {
      case Role::IsNullFunction:
        return "coalesce";
      case Role::TempName:
        return "pg_temp.\"" + token.text + "\"";
      case Role::TempTableKeyword:
        return "TEMP " + token.text;
      case Role::TextJoin:
        return "||";
      // Round takes no digits for a double precision value: it rounds as a
      // number, as T-SQL does for a float.
      case Role::RoundOpen:
        return "(CAST(";
      case Role::RoundComma:
        return " AS numeric),";
      default:
        return token.text;
    }
  }

  void WriteCall(ProcedureCall call, std::vector<SqlStep>& steps) const override {
    steps.emplace_back(SqlStatement{"CALL " + call.name + "(" + ValueList(call.arguments) + ")"});
  }

  void WriteRows(TsqlInsertRows rows, std::vector<SqlStep>& steps) const override {
    const std::string head = Text(rows.head);
    const std::span<const SqlValue> values = rows.values;
    const size_t perStatement = kRowsPerInsert * rows.width;
    for (size_t first = 0; first < values.size(); first += perStatement) {
      std::string text = head;
      const auto chunk = values.subspan(first, std::min(perStatement, values.size() - first));
      for (size_t row = 0; row < chunk.size(); row += rows.width) {
        text += row == 0 ? "(" : ",(";
        text += ValueList(chunk.subspan(row, rows.width)) + ")";
      }
      steps.emplace_back(SqlStatement{std::move(text)});
    }
  }
};

}  // namespace

const DialectWriter& PostgresWriter() {
  static const PostgresDialectWriter writer;
  return writer;
}

}  // namespace lumo::data
