// SQLite's dialect: see the table in tsql_dialect.h.
#include "host/data/dialect_writer.h"

namespace lumo::data {
namespace {

using Role = SqlToken::Role;

class SqliteDialectWriter final : public DialectWriter {
 public:
  std::string_view Backend() const override { return "SQLite"; }

  std::string RoleText(const SqlToken& token) const override {
    switch (token.role) {
      case Role::IsNullFunction:
        return "ifnull";
      case Role::TempName:
        return "temp.\"" + token.text + "\"";
      case Role::TempTableKeyword:
        return "TEMP " + token.text;
      case Role::TextJoin:
        return "||";
      default:  // Round's parentheses and comma, and Plain
        return token.text;
    }
  }

  // The body is read from t_Procedure when the call runs (batch_runner.h).
  void WriteCall(ProcedureCall call, std::vector<SqlStep>& steps) const override {
    steps.emplace_back(std::move(call));
  }

  void WriteRows(TsqlInsertRows rows, std::vector<SqlStep>& steps) const override {
    std::string text = Text(rows.head) + "(";
    for (size_t i = 0; i < rows.width; ++i) text += i == 0 ? "?" : ",?";
    steps.emplace_back(InsertRows{text + ")", rows.width, std::move(rows.values)});
  }
};

}  // namespace

const DialectWriter& SqliteWriter() {
  static const SqliteDialectWriter writer;
  return writer;
}

}  // namespace lumo::data
