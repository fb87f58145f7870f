#include "host/data/tsql_reading.h"

#include <fmt/format.h>

#include <array>
#include <iterator>

#include "host/data/data_error.h"
#include "host/data/text_concatenation.h"
#include "host/data/tsql_statement_forms.h"

namespace lumo::data {
namespace {

using Kind = SqlToken::Kind;
using Role = SqlToken::Role;

// Each statement is the run of tokens between two boundaries, trimmed of
// blanks and moved into place in one piece: a long IN list is thousands of
// tokens, too many to copy or to append one by one.
std::vector<SqlTokens> SplitStatements(SqlTokens tokens) {
  std::vector<SqlTokens> statements;
  size_t start = 0;  // of the current statement
  const auto finish = [&](size_t end) {
    const auto [first, last] = TrimBlanks(tokens, start, end);
    if (first < last) {
      statements.emplace_back(
          std::make_move_iterator(tokens.begin() + static_cast<std::ptrdiff_t>(first)),
          std::make_move_iterator(tokens.begin() + static_cast<std::ptrdiff_t>(last)));
    }
  };
  int depth = 0;
  bool atLineStart = true;
  for (size_t i = 0; i < tokens.size(); ++i) {
    const SqlToken& token = tokens[i];
    if (token.kind == Kind::LineBreak) atLineStart = true;
    if (token.IsBlank()) continue;
    if (depth == 0 && token.IsSymbol(';')) {
      finish(i);
      start = i + 1;
      continue;
    }
    if (depth == 0 && atLineStart && StartsStatement(tokens, i)) {
      finish(i);
      start = i;
    }
    atLineStart = false;
    if (token.IsSymbol('(')) ++depth;
    if (token.IsSymbol(')')) --depth;
  }
  finish(tokens.size());
  return statements;
}

// ---- constructs that only SQL Server knows ----------------------------------

constexpr std::array<std::string_view, 22> kTsqlOnlyWords = {
    "TOP",       "DECLARE",     "GETDATE",   "NOLOCK",   "CONVERT", "LEN",
    "CHARINDEX", "DATEADD",     "DATEDIFF",  "DATEPART", "NEWID",   "SCOPE_IDENTITY",
    "IDENTITY",  "PRINT",       "RAISERROR", "BEGIN",    "COMMIT",  "ROLLBACK",
    "TRAN",      "TRANSACTION", "GO",        "OUTPUT"};

void RefuseTsqlOnly(const SqlTokens& tokens, std::string_view statement) {
  for (size_t i = 0; i < tokens.size(); ++i) {
    const SqlToken& token = tokens[i];
    const size_t next = NextSignificant(tokens, i + 1);
    const bool nextIsOpen = next < tokens.size() && tokens[next].IsSymbol('(');
    switch (token.kind) {
      case Kind::BracketName:
        RaiseUnsupportedSql("square-bracket name " + token.text, statement);
      case Kind::Variable:
        RaiseUnsupportedSql("variable " + token.text, statement);
      case Kind::Word:
        for (std::string_view word : kTsqlOnlyWords) {
          if (token.IsWord(word))
            RaiseUnsupportedSql(fmt::format("T-SQL keyword or function {}", token.text), statement);
        }
        if (token.IsWord("WITH") && nextIsOpen)
          RaiseUnsupportedSql("table hint WITH (...)", statement);
        if (token.IsWord("N") && i + 1 < tokens.size() && tokens[i + 1].kind == Kind::Text)
          RaiseUnsupportedSql("N'...' text literal", statement);
        break;
      default:
        break;
    }
  }
}

// ---- roles of single tokens -------------------------------------------------

// Round(x, n): its "(" and the "," between its two arguments.
void MarkRound(SqlTokens& tokens, size_t open, const std::vector<int>& depths,
               std::string_view statement) {
  size_t comma = 0, commas = 0, at = open + 1;
  for (; at < tokens.size() && depths[at] > depths[open]; ++at) {
    if (depths[at] == depths[open] + 1 && tokens[at].IsSymbol(',')) {
      comma = at;
      ++commas;
    }
  }
  if (commas != 1 || at == tokens.size())
    RaiseUnsupportedSql("Round(...) without exactly two arguments", statement);
  tokens[open].role = Role::RoundOpen;
  tokens[comma].role = Role::RoundComma;
}

void MarkFunctionsAndTempNames(SqlTokens& tokens, std::string_view statement) {
  const std::vector<int> depths = Depths(tokens);
  for (size_t i = 0; i < tokens.size(); ++i) {
    SqlToken& token = tokens[i];
    const size_t next = NextSignificant(tokens, i + 1);
    const bool call = next < tokens.size() && tokens[next].IsSymbol('(');
    if (token.IsWord("ISNULL") && call) token.role = Role::IsNullFunction;
    if (token.IsWord("ROUND") && call) MarkRound(tokens, next, depths, statement);
    if (token.kind == Kind::TempName) token.role = Role::TempName;
  }
  // "Create Table #T(...)"
  const size_t table = NextSignificant(tokens, 1);
  const size_t name = NextSignificant(tokens, table + 1);
  if (tokens.front().IsWord("CREATE") && table < tokens.size() && tokens[table].IsWord("TABLE") &&
      name < tokens.size() && tokens[name].kind == Kind::TempName) {
    tokens[table].role = Role::TempTableKeyword;
  }
}

std::optional<TsqlForm> ReadStatement(SqlTokens tokens, const ColumnTypes& columns) {
  const std::string statement = JoinTokens(tokens);
  const SqlToken& first = tokens.front();
  if (first.IsWord("SET")) {
    const size_t option = NextSignificant(tokens, 1);
    const size_t value = NextSignificant(tokens, option + 1);
    const bool noCount = option < tokens.size() && tokens[option].IsWord("NOCOUNT") &&
                         value < tokens.size() && IsAnyWord(tokens[value], {"ON", "OFF"}) &&
                         NextSignificant(tokens, value + 1) == tokens.size();
    if (!noCount) RaiseUnsupportedSql("SET option", statement);
    return std::nullopt;
  }
  RefuseTsqlOnly(tokens, statement);
  if (IsAnyWord(first, {"EXEC", "EXECUTE"})) return ReadExec(tokens, statement);
  MarkTextConcatenation(tokens, columns, statement);
  MarkFunctionsAndTempNames(tokens, statement);
  if (first.IsWord("INSERT")) {
    if (std::optional<TsqlInsertRows> insert = ReadInsertOfLiterals(tokens, statement))
      return std::move(*insert);
  }
  if (first.IsWord("UPDATE")) {
    const size_t from = FindTopLevelWord(tokens, Depths(tokens), 1, "FROM");
    if (from < tokens.size()) return ReadUpdateFrom(tokens, from, statement);
  }
  return TsqlStatement{std::move(tokens)};
}

bool SameTexts(const SqlTokens& a, const SqlTokens& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (a[i].text != b[i].text) return false;
  }
  return true;
}

// Adds the form to the batch; the rows of a TsqlInsertRows go to the one
// before it when that inserts the same way.
void Append(std::vector<TsqlForm>& forms, TsqlForm form) {
  auto* rows = std::get_if<TsqlInsertRows>(&form);
  auto* last = forms.empty() ? nullptr : std::get_if<TsqlInsertRows>(&forms.back());
  if (rows != nullptr && last != nullptr && last->width == rows->width &&
      SameTexts(last->head, rows->head)) {
    last->values.insert(last->values.end(), std::make_move_iterator(rows->values.begin()),
                        std::make_move_iterator(rows->values.end()));
    return;
  }
  forms.push_back(std::move(form));
}

}  // namespace

bool StartsStatement(const SqlTokens& tokens, size_t at) {
  const SqlToken& token = tokens[at];
  if (IsAnyWord(token,
                {"SELECT", "INSERT", "UPDATE", "DELETE", "CREATE", "DROP", "EXEC", "EXECUTE"})) {
    return true;
  }
  const size_t next = NextSignificant(tokens, at + 1);
  return token.IsWord("SET") && next < tokens.size() && tokens[next].IsWord("NOCOUNT");
}

void ReadStatements(std::string_view tsql, const ColumnTypes& columns,
                    std::vector<TsqlForm>& forms) {
  for (SqlTokens& statement : SplitStatements(Tokenize(tsql))) {
    if (auto form = ReadStatement(std::move(statement), columns)) Append(forms, std::move(*form));
  }
}

}  // namespace lumo::data
