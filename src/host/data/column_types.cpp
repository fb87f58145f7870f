#include "host/data/column_types.h"

#include "platform/vb.h"

namespace lumo::data {

ValueType TypeOfDeclared(std::string_view declaredType) {
  const std::string type = vb::UCase(declaredType);
  const auto has = [&](std::string_view part) { return type.find(part) != std::string::npos; };
  if (has("DATE") || has("TIME")) return ValueType::Unknown;
  // SQLite's own order: INT first, then the texts, then BLOB or nothing.
  if (has("INT")) return ValueType::Number;
  if (has("CHAR") || has("CLOB") || has("TEXT")) return ValueType::Text;
  if (type.empty() || has("BLOB")) return ValueType::Unknown;
  return ValueType::Number;
}

void ColumnTypes::Add(std::string_view column, std::string_view declaredType) {
  const ValueType type = TypeOfDeclared(declaredType);
  const auto [entry, added] = types_.try_emplace(vb::UCase(column), type);
  if (!added && entry->second != type) entry->second = ValueType::Unknown;
}

ValueType ColumnTypes::Of(std::string_view column) const {
  const auto found = types_.find(vb::UCase(column));
  return found == types_.end() ? ValueType::Unknown : found->second;
}

namespace {

// The rows of a query of column names and their types.
ColumnTypes ColumnTypesOf(const std::optional<QueryResult>& declared) {
  ColumnTypes columns;
  if (!declared) return columns;
  for (const Recordset::Row& row : declared->rows) {
    if (row[0].IsString() && row[1].IsString()) columns.Add(row[0].AsString(), row[1].AsString());
  }
  return columns;
}

}  // namespace

ColumnTypes ReadColumnTypes(SqlSession& session) {
  return ColumnTypesOf(session.Run(
      "SELECT c.name, c.type FROM sqlite_master AS t JOIN pragma_table_info(t.name) AS c "
      "WHERE t.type IN ('table', 'view')",
      {}));
}

ColumnTypes ReadPostgresColumnTypes(SqlSession& session) {
  return ColumnTypesOf(
      session.Run("SELECT column_name::text, data_type::text FROM information_schema.columns "
                  "WHERE table_schema = ANY (current_schemas(false))",
                  {}));
}

}  // namespace lumo::data
