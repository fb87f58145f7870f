#include "host/data/tsql_dialect.h"

#include <fmt/format.h>

#include "host/data/data_error.h"
#include "host/data/dialect_writer.h"

namespace lumo::data {
namespace {

const DialectWriter& WriterOf(SqlDialect dialect) {
  return dialect == SqlDialect::Postgres ? PostgresWriter() : SqliteWriter();
}

}  // namespace

std::string DialectWriter::Text(const SqlTokens& tokens) const {
  std::string text;
  for (const SqlToken& token : tokens) {
    text += token.role == SqlToken::Role::Plain ? token.text : RoleText(token);
  }
  return text;
}

std::string DialectWriter::UpdateFromText(const TsqlUpdateFrom& update) const {
  std::string condition = Text(update.join);
  // Both sides bracketed, so an OR on either side cannot bind across the AND.
  if (!update.where.empty()) condition = "(" + condition + ") AND (" + Text(update.where) + ")";
  return fmt::format("UPDATE {} AS {} SET{}FROM{}WHERE {}", Text(update.target), Text(update.alias),
                     Text(update.assignments), Text(update.from), condition);
}

std::string_view BackendName(SqlDialect dialect) {
  return WriterOf(dialect).Backend();
}

std::vector<SqlStep> Translate(std::string_view tsql, const ColumnTypes& columns,
                               SqlDialect dialect) {
  const DialectWriter& writer = WriterOf(dialect);
  std::vector<TsqlForm> forms;
  try {
    forms = ReadTsql(tsql, columns);
  } catch (const UnsupportedSql& refused) {
    RaiseUnsupportedSqlFor(writer.Backend(), refused);
  }
  std::vector<SqlStep> steps;
  for (TsqlForm& form : forms) {
    if (auto* statement = std::get_if<TsqlStatement>(&form)) {
      steps.push_back(SqlStatement{writer.Text(statement->tokens)});
    } else if (auto* update = std::get_if<TsqlUpdateFrom>(&form)) {
      steps.push_back(SqlStatement{writer.UpdateFromText(*update)});
    } else if (auto* call = std::get_if<ProcedureCall>(&form)) {
      writer.WriteCall(std::move(*call), steps);
    } else {
      writer.WriteRows(std::move(std::get<TsqlInsertRows>(form)), steps);
    }
  }
  return steps;
}

}  // namespace lumo::data
