// The statement forms made of literal values: EXEC and INSERT ... VALUES.
#include <fmt/format.h>

#include <charconv>

#include "host/data/data_error.h"
#include "host/data/tsql_statement_forms.h"

namespace lumo::data {
namespace {

using Kind = SqlToken::Kind;

SqlValue ParseNumber(std::string_view text, bool negative, std::string_view statement) {
  const char* first = text.data();
  const char* last = text.data() + text.size();
  if (text.find_first_of(".eE") == std::string_view::npos) {
    int64_t whole = 0;
    if (std::from_chars(first, last, whole).ec == std::errc{}) return negative ? -whole : whole;
  }
  double real = 0;
  if (std::from_chars(first, last, real).ec != std::errc{})
    RaiseUnsupportedSql(fmt::format("number {}", text), statement);
  return negative ? -real : real;
}

}  // namespace

std::optional<SqlValue> LiteralValue(const SqlTokens& tokens, const std::vector<size_t>& at,
                                     std::string_view statement) {
  if (at.empty()) return std::nullopt;
  const SqlToken& first = tokens[at[0]];
  if (at.size() == 2 && (first.IsSymbol('-') || first.IsSymbol('+')) &&
      tokens[at[1]].kind == Kind::Number) {
    return ParseNumber(tokens[at[1]].text, first.IsSymbol('-'), statement);
  }
  if (at.size() != 1) return std::nullopt;
  if (first.kind == Kind::Number) return ParseNumber(first.text, false, statement);
  if (first.kind == Kind::Text) return TextValue(first);
  if (first.IsWord("NULL")) return SqlValue{};
  return std::nullopt;
}

ProcedureCall ReadExec(const SqlTokens& tokens, const std::string& statement) {
  const size_t nameAt = NextSignificant(tokens, 1);
  const size_t afterName = NextSignificant(tokens, nameAt + 1);
  if (nameAt >= tokens.size() || tokens[nameAt].kind != Kind::Word ||
      (afterName < tokens.size() && tokens[afterName].IsSymbol('.'))) {
    RaiseUnsupportedSql("EXEC without a plain procedure name", statement);
  }
  ProcedureCall call{tokens[nameAt].text, {}, statement};
  std::vector<size_t> argument;  // significant tokens of the argument being read
  const auto finish = [&] {
    if (argument.empty()) RaiseInvalidRequest("Empty argument in: " + statement);
    std::optional<SqlValue> value = LiteralValue(tokens, argument, statement);
    if (!value)
      RaiseUnsupportedSql("EXEC argument that is not a number, a 'text' or NULL", statement);
    call.arguments.push_back(std::move(*value));
    argument.clear();
  };
  if (afterName >= tokens.size()) return call;
  for (size_t i = afterName; i < tokens.size(); ++i) {
    if (tokens[i].IsBlank()) continue;
    if (tokens[i].IsSymbol(',')) {
      finish();
    } else {
      argument.push_back(i);
    }
  }
  finish();
  return call;
}

std::optional<TsqlInsertRows> ReadInsertOfLiterals(const SqlTokens& tokens,
                                                   std::string_view statement) {
  const std::vector<int> depths = Depths(tokens);
  const size_t values = FindTopLevelWord(tokens, depths, 1, "VALUES");
  const size_t open = NextSignificant(tokens, values + 1);
  if (open >= tokens.size() || !tokens[open].IsSymbol('(')) return std::nullopt;
  TsqlInsertRows insert{
      SqlTokens(tokens.begin(), tokens.begin() + static_cast<ptrdiff_t>(open)), 0, {}};
  std::vector<size_t> argument;  // significant tokens of the value being read
  size_t at = open + 1;
  for (; at < tokens.size(); ++at) {
    if (tokens[at].IsBlank()) continue;
    const bool close = depths[at] == 0 && tokens[at].IsSymbol(')');
    if (!close && !(depths[at] == 1 && tokens[at].IsSymbol(','))) {
      argument.push_back(at);
      continue;
    }
    std::optional<SqlValue> value = LiteralValue(tokens, argument, statement);
    if (!value) return std::nullopt;
    insert.values.push_back(std::move(*value));
    ++insert.width;
    argument.clear();
    if (close) break;
  }
  if (at >= tokens.size() || NextSignificant(tokens, at + 1) != tokens.size()) return std::nullopt;
  return insert;
}

}  // namespace lumo::data
