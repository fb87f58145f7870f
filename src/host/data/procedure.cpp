#include "host/data/procedure.h"

#include <fmt/format.h>

#include <algorithm>

#include "host/data/data_error.h"
#include "host/data/sql_tokens.h"

namespace lumo::data {
namespace {

std::vector<std::string> ParameterNames(std::string_view list) {
  std::vector<std::string> names;
  while (!list.empty()) {
    const size_t comma = list.find(',');
    std::string_view name = list.substr(0, comma);
    while (!name.empty() && (name.front() == ' ' || name.front() == ':')) name.remove_prefix(1);
    while (!name.empty() && name.back() == ' ') name.remove_suffix(1);
    if (!name.empty()) names.emplace_back(name);
    if (comma == std::string_view::npos) break;
    list.remove_prefix(comma + 1);
  }
  return names;
}

bool HasStatement(const SqlTokens& tokens) {
  return std::any_of(tokens.begin(), tokens.end(), [](const SqlToken& t) { return !t.IsBlank(); });
}

}  // namespace

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
  const std::vector<std::string> names = ParameterNames(parameters);
  if (names.size() != call.arguments.size()) {
    RaiseInvalidRequest(fmt::format("Procedure {} takes {} argument(s), {} given: {}", call.name,
                                    names.size(), call.arguments.size(), call.text));
  }
  const auto argumentOf = [&](const SqlToken& placeholder) -> const SqlValue& {
    const std::string_view name = std::string_view(placeholder.text).substr(1);
    for (size_t i = 0; i < names.size(); ++i) {
      if (EqualsIgnoringCase(names[i], name)) return call.arguments[i];
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
