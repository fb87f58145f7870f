#include "host/data/batch_runner.h"

#include <fmt/format.h>

#include <cctype>
#include <span>

#include "host/data/data_error.h"
#include "host/data/sql_tokens.h"
#include "host/data/transaction.h"
#include "platform/error.h"

namespace lumo::data {
namespace {

// The values as SQL literals, separated by ", ".
std::string LiteralList(std::span<const SqlValue> values) {
  std::string list;
  for (const SqlValue& value : values) {
    if (!list.empty()) list += ", ";
    list += SqlLiteral(value);
  }
  return list;
}

struct StepRunner {
  SqlSession& session;
  std::optional<QueryResult> last;

  void operator()(const SqlStatement& statement) { Keep(session.Run(statement.text, {})); }

  void operator()(const ProcedureCall& call) {
    const SqlValue name = call.name;
    std::optional<QueryResult> found = session.Run(std::string(kProcedureQuery), {&name, 1});
    if (!found || found->rows.empty())
      RaiseInvalidRequest(fmt::format("Unknown stored procedure {} in: {}", call.name, call.text));
    const Recordset::Row& row = found->rows.front();
    if (!row[0].IsString() || !row[1].IsString()) {
      RaiseInvalidRequest(
          fmt::format("Stored procedure {} has no parameter list or body", call.name));
    }
    for (const BoundStatement& statement :
         BindProcedure(call, row[0].AsString(), row[1].AsString())) {
      Keep(session.Run(statement.sql, statement.arguments));
    }
  }

  void operator()(const InsertRows& insert) {
    const std::span<const SqlValue> values = insert.values;
    for (size_t row = 0; row < values.size(); row += insert.width) {
      const std::span<const SqlValue> rowValues = values.subspan(row, insert.width);
      try {
        Keep(session.Run(insert.text, rowValues));
      } catch (const VbError& error) {
        // The statement reads "Values(?,?)": name the row that failed.
        ErrorInfo info = error.info();
        info.description += " (values: " + LiteralList(rowValues) + ")";
        Raise(std::move(info));
      }
    }
  }

  void Keep(std::optional<QueryResult> result) {
    if (result) last = std::move(result);
  }
};

bool IsSingleQuery(const std::vector<SqlStep>& steps) {
  if (steps.size() != 1) return false;
  const auto* statement = std::get_if<SqlStatement>(&steps.front());
  if (statement == nullptr) return false;
  const std::string_view text = statement->text;
  return text.size() > 6 && EqualsIgnoringCase(text.substr(0, 6), "SELECT") &&
         std::isspace(static_cast<unsigned char>(text[6]));
}

}  // namespace

RecordsetRef RunBatch(SqlSession& session, const std::vector<SqlStep>& steps) {
  StepRunner runner{session, std::nullopt};
  if (IsSingleQuery(steps)) {
    runner(std::get<SqlStatement>(steps.front()));
  } else {
    Transaction transaction(session);
    for (const SqlStep& step : steps) std::visit(runner, step);
    transaction.Commit();
  }
  if (!runner.last) return nullptr;
  return std::make_shared<Recordset>(std::move(runner.last->columns), std::move(runner.last->rows));
}

}  // namespace lumo::data
