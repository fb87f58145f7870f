#include "host/data/procedure.h"

#include <fmt/format.h>

#include <algorithm>

#include "host/data/data_error.h"
#include "host/data/sql_tokens.h"
#include "platform/vb.h"

namespace lumo::data {
namespace {

bool HasStatement(const SqlTokens& tokens) {
  return std::any_of(tokens.begin(), tokens.end(), [](const SqlToken& t) { return !t.IsBlank(); });
}

}  // namespace

std::vector<ProcedureParameter> ParseParameters(std::string_view list) {
  std::vector<ProcedureParameter> parameters;
  while (!list.empty()) {
    const size_t comma = list.find(',');
    std::string_view part = vb::TrimWhiteSpace(list.substr(0, comma));
    if (part.starts_with(':')) part.remove_prefix(1);
    if (!part.empty()) {
      const size_t blank = part.find_first_of(" \t");
      parameters.push_back({std::string(part.substr(0, blank)),
                            blank == std::string_view::npos
                                ? std::string()
                                : std::string(vb::TrimWhiteSpace(part.substr(blank)))});
    }
    if (comma == std::string_view::npos) break;
    list.remove_prefix(comma + 1);
  }
  return parameters;
}

std::string SqlLiteral(const SqlValue& value) {
  struct Literal {
    std::string operator()(std::monostate) const { return "NULL"; }
    std::string operator()(int64_t number) const { return std::to_string(number); }
    std::string operator()(double number) const { return fmt::format("{}", number); }
    std::string operator()(const std::string& text) const {
      std::string quoted = "'";
      for (char c : text) quoted += c == '\'' ? std::string("''") : std::string(1, c);
      return quoted + "'";
    }
  };
  return std::visit(Literal{}, value);
}

std::vector<BoundStatement> BindProcedure(const ProcedureCall& call, std::string_view parameters,
                                          std::string_view body) {
  const std::vector<ProcedureParameter> names = ParseParameters(parameters);
  if (names.size() != call.arguments.size()) {
    RaiseInvalidRequest(fmt::format("Procedure {} takes {} argument(s), {} given: {}", call.name,
                                    names.size(), call.arguments.size(), call.text));
  }
  const auto argumentOf = [&](const SqlToken& placeholder) -> const SqlValue& {
    const std::string_view name = std::string_view(placeholder.text).substr(1);
    for (size_t i = 0; i < names.size(); ++i) {
      if (EqualsIgnoringCase(names[i].name, name)) return call.arguments[i];
    }
    RaiseInvalidRequest(fmt::format("Procedure {} uses {}, which is not one of its parameters",
                                    call.name, placeholder.text));
  };

  std::vector<BoundStatement> statements;
  SqlTokens current;
  const auto finish = [&] {
    if (!HasStatement(current)) return;
    BoundStatement statement;
    for (const SqlToken& token : current) {
      if (token.kind == SqlToken::Kind::Parameter) {
        statement.sql += '?';
        statement.arguments.push_back(argumentOf(token));
      } else {
        statement.sql += token.text;
      }
    }
    statements.push_back(std::move(statement));
  };
  for (SqlToken& token : Tokenize(body)) {
    if (token.IsSymbol(';')) {
      finish();
      current.clear();
    } else {
      current.push_back(std::move(token));
    }
  }
  finish();
  return statements;
}

}  // namespace lumo::data
