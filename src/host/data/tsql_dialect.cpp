#include "host/data/tsql_dialect.h"

#include <fmt/format.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <iterator>
#include <optional>

#include "host/data/data_error.h"
#include "host/data/sql_tokens.h"
#include "host/data/text_concatenation.h"
#include "platform/error.h"

namespace lumo::data {
namespace {

using Kind = SqlToken::Kind;

[[noreturn]] void Refuse(std::string_view construct, std::string_view statement) {
  RaiseUnsupportedSql(construct, statement);
}

bool IsAnyWord(const SqlToken& token, std::initializer_list<std::string_view> words) {
  for (std::string_view word : words) {
    if (token.IsWord(word)) return true;
  }
  return false;
}

// Index of the next non-blank token at or after `from`; tokens.size() if none.
size_t NextSignificant(const SqlTokens& tokens, size_t from) {
  while (from < tokens.size() && tokens[from].IsBlank()) ++from;
  return from;
}

size_t PreviousSignificant(const SqlTokens& tokens, size_t before) {
  while (before > 0) {
    if (!tokens[--before].IsBlank()) return before;
  }
  return tokens.size();
}

SqlTokens Trimmed(SqlTokens::const_iterator first, SqlTokens::const_iterator last) {
  while (first != last && first->IsBlank()) ++first;
  while (last != first && (last - 1)->IsBlank()) --last;
  return SqlTokens(first, last);
}

// ---- splitting a batch ------------------------------------------------------

bool StartsStatement(const SqlTokens& tokens, size_t at) {
  const SqlToken& token = tokens[at];
  if (IsAnyWord(token,
                {"SELECT", "INSERT", "UPDATE", "DELETE", "CREATE", "DROP", "EXEC", "EXECUTE"})) {
    return true;
  }
  const size_t next = NextSignificant(tokens, at + 1);
  return token.IsWord("SET") && next < tokens.size() && tokens[next].IsWord("NOCOUNT");
}

// Each statement is the run of tokens between two boundaries, trimmed of
// blanks and moved into place in one piece: a long IN list is thousands of
// tokens, too many to copy or to append one by one.
std::vector<SqlTokens> SplitStatements(SqlTokens tokens) {
  std::vector<SqlTokens> statements;
  size_t start = 0;  // of the current statement
  const auto finish = [&](size_t end) {
    while (start < end && tokens[start].IsBlank()) ++start;
    while (end > start && tokens[end - 1].IsBlank()) --end;
    if (start < end) {
      statements.emplace_back(std::make_move_iterator(tokens.begin() + start),
                              std::make_move_iterator(tokens.begin() + end));
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
        Refuse("square-bracket name " + token.text, statement);
      case Kind::Variable:
        Refuse("variable " + token.text, statement);
      case Kind::Word:
        for (std::string_view word : kTsqlOnlyWords) {
          if (token.IsWord(word))
            Refuse(fmt::format("T-SQL keyword or function {}", token.text), statement);
        }
        if (token.IsWord("WITH") && nextIsOpen) Refuse("table hint WITH (...)", statement);
        if (token.IsWord("N") && i + 1 < tokens.size() && tokens[i + 1].kind == Kind::Text) {
          Refuse("N'...' text literal", statement);
        }
        break;
      default:
        break;
    }
  }
}

// ---- token rewrites ---------------------------------------------------------

void RewriteFunctionsAndTempNames(SqlTokens& tokens) {
  for (size_t i = 0; i < tokens.size(); ++i) {
    SqlToken& token = tokens[i];
    const size_t next = NextSignificant(tokens, i + 1);
    if (token.IsWord("ISNULL") && next < tokens.size() && tokens[next].IsSymbol('(')) {
      token.text = "ifnull";
    } else if (token.kind == Kind::TempName) {
      token = {Kind::QuotedName, "temp.\"" + token.text + "\""};
    }
  }
}

// "Create Table #T(...)" -> "Create TEMP Table temp."#T"(...)"
void MakeTempTableCreation(SqlTokens& tokens) {
  const size_t table = NextSignificant(tokens, 1);
  const size_t name = NextSignificant(tokens, table + 1);
  if (table < tokens.size() && tokens[table].IsWord("TABLE") && name < tokens.size() &&
      tokens[name].kind == Kind::TempName) {
    tokens[table].text = "TEMP " + tokens[table].text;
  }
}

// ---- Update alias ... From ... Join target alias ... ------------------------

// Depth of parentheses before each token.
std::vector<int> Depths(const SqlTokens& tokens) {
  std::vector<int> depths(tokens.size());
  int depth = 0;
  for (size_t i = 0; i < tokens.size(); ++i) {
    if (tokens[i].IsSymbol(')')) --depth;
    depths[i] = depth;
    if (tokens[i].IsSymbol('(')) ++depth;
  }
  return depths;
}

size_t FindTopLevelWord(const SqlTokens& tokens, const std::vector<int>& depths, size_t from,
                        std::string_view word) {
  for (size_t i = from; i < tokens.size(); ++i) {
    if (depths[i] == 0 && tokens[i].IsWord(word)) return i;
  }
  return tokens.size();
}

bool ReferencesAlias(SqlTokens::const_iterator first, SqlTokens::const_iterator last,
                     std::string_view alias) {
  for (auto it = first; it != last && it + 1 != last; ++it) {
    if (it->kind == Kind::Word && EqualsIgnoringCase(it->text, alias) && (it + 1)->IsSymbol('.'))
      return true;
  }
  return false;
}

// One item of a FROM clause: the first table, or "<kind> JOIN table alias ON
// condition", as the token range [begin, end).
struct JoinItem {
  size_t begin, end;
  bool inner = false;
  size_t table = 0, alias = 0, on = 0;  // token indexes; 0 when absent
};

std::vector<JoinItem> SplitJoins(const SqlTokens& tokens, const std::vector<int>& depths,
                                 size_t begin, size_t end, std::string_view statement) {
  std::vector<size_t> starts{begin};
  for (size_t i = begin; i < end; ++i) {
    if (depths[i] != 0 || tokens[i].IsBlank()) continue;
    if (tokens[i].IsSymbol(',')) Refuse("UPDATE ... FROM with a comma join", statement);
    const size_t previous = PreviousSignificant(tokens, i);
    const bool afterJoinWord =
        previous < tokens.size() &&
        IsAnyWord(tokens[previous], {"INNER", "LEFT", "RIGHT", "FULL", "CROSS", "OUTER"});
    if (IsAnyWord(tokens[i], {"INNER", "LEFT", "RIGHT", "FULL", "CROSS"}) ||
        (tokens[i].IsWord("JOIN") && !afterJoinWord)) {
      starts.push_back(i);
    }
  }
  std::vector<JoinItem> items;
  for (size_t n = 0; n < starts.size(); ++n) {
    JoinItem item{starts[n], n + 1 < starts.size() ? starts[n + 1] : end};
    size_t at = NextSignificant(tokens, item.begin);
    if (n > 0) {
      item.inner = tokens[at].IsWord("INNER") || tokens[at].IsWord("JOIN");
      at = FindTopLevelWord(tokens, depths, at, "JOIN");
      at = NextSignificant(tokens, at + 1);
    }
    item.table = at;
    if (item.table >= item.end) Refuse("FROM clause item without a table", statement);
    at = NextSignificant(tokens, at + 1);
    if (at < item.end && tokens[at].IsWord("AS")) at = NextSignificant(tokens, at + 1);
    if (at < item.end && tokens[at].kind == Kind::Word && !tokens[at].IsWord("ON")) item.alias = at;
    const size_t on = FindTopLevelWord(tokens, depths, item.begin, "ON");
    if (on < item.end) item.on = on;
    items.push_back(item);
  }
  return items;
}

std::string RewriteUpdateFrom(const SqlTokens& tokens, size_t from, std::string_view statement) {
  const std::vector<int> depths = Depths(tokens);
  const size_t aliasAt = NextSignificant(tokens, 1);
  const size_t setAt = NextSignificant(tokens, aliasAt + 1);
  if (tokens[aliasAt].kind != Kind::Word || setAt >= from || !tokens[setAt].IsWord("SET")) {
    Refuse("UPDATE ... FROM not of the form Update alias set ... From ... Join target alias",
           statement);
  }
  const std::string& alias = tokens[aliasAt].text;
  const size_t where = FindTopLevelWord(tokens, depths, from, "WHERE");

  // "alias.col = ..." -> "col = ..." in every assignment.
  std::string assignments;
  bool atAssignmentStart = true;
  for (size_t i = setAt + 1; i < from; ++i) {
    const SqlToken& token = tokens[i];
    if (atAssignmentStart && !token.IsBlank()) {
      atAssignmentStart = false;
      const size_t dot = NextSignificant(tokens, i + 1);
      if (dot < from && tokens[dot].IsSymbol('.')) {
        if (!EqualsIgnoringCase(token.text, alias))
          Refuse("SET of a column of another table than " + alias, statement);
        i = dot;
        continue;
      }
    }
    if (depths[i] == 0 && token.IsSymbol(',')) atAssignmentStart = true;
    assignments += token.text;
  }

  const std::vector<JoinItem> items = SplitJoins(tokens, depths, from + 1, where, statement);
  const JoinItem* target = nullptr;
  for (const JoinItem& item : items) {
    if (item.alias != 0 && EqualsIgnoringCase(tokens[item.alias].text, alias)) target = &item;
  }
  if (target == nullptr || target == &items.front()) {
    Refuse("UPDATE whose target " + alias + " is not a joined table of FROM", statement);
  }
  if (!target->inner || target->on == 0)
    Refuse("UPDATE whose target " + alias + " is not INNER JOINed", statement);
  std::string otherJoins;
  for (const JoinItem& item : items) {
    if (&item == target) continue;
    // SQLite joins the target to the FROM clause only through WHERE.
    if (ReferencesAlias(tokens.begin() + item.begin, tokens.begin() + item.end, alias)) {
      Refuse("the UPDATE target " + alias + " in the condition of another join", statement);
    }
    otherJoins += JoinTokens(tokens.begin() + item.begin, tokens.begin() + item.end);
  }

  const SqlTokens targetCondition =
      Trimmed(tokens.begin() + target->on + 1, tokens.begin() + target->end);
  std::string condition = JoinTokens(targetCondition);
  if (where < tokens.size()) {
    // Both sides bracketed, so an OR on either side cannot bind across the AND.
    condition = "(" + condition + ") AND (" +
                JoinTokens(Trimmed(tokens.begin() + where + 1, tokens.end())) + ")";
  }
  return fmt::format("UPDATE {} AS {} SET{}FROM{}WHERE {}", tokens[target->table].text, alias,
                     assignments, otherJoins, condition);
}

// ---- EXEC -------------------------------------------------------------------

SqlValue ParseNumber(std::string_view text, bool negative, std::string_view statement) {
  const char* first = text.data();
  const char* last = text.data() + text.size();
  if (text.find_first_of(".eE") == std::string_view::npos) {
    int64_t whole = 0;
    if (std::from_chars(first, last, whole).ec == std::errc{}) return negative ? -whole : whole;
  }
  double real = 0;
  if (std::from_chars(first, last, real).ec != std::errc{})
    Refuse(fmt::format("number {}", text), statement);
  return negative ? -real : real;
}

// The value of an argument made of the significant tokens at `at`: a number
// (with or without its sign), a 'text' or NULL; nullopt for anything else.
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

ProcedureCall ParseExec(const SqlTokens& tokens, std::string statement) {
  const size_t nameAt = NextSignificant(tokens, 1);
  const size_t afterName = NextSignificant(tokens, nameAt + 1);
  if (nameAt >= tokens.size() || tokens[nameAt].kind != Kind::Word ||
      (afterName < tokens.size() && tokens[afterName].IsSymbol('.'))) {
    Refuse("EXEC without a plain procedure name", statement);
  }
  ProcedureCall call{tokens[nameAt].text, {}, statement};
  std::vector<size_t> argument;  // significant tokens of the argument being read
  const auto finish = [&] {
    if (argument.empty()) RaiseInvalidRequest("Empty argument in: " + statement);
    std::optional<SqlValue> value = LiteralValue(tokens, argument, statement);
    if (!value) Refuse("EXEC argument that is not a number, a 'text' or NULL", statement);
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

// ---- Insert ... Values(literal, ...) ----------------------------------------

// "Insert Into t (a,b) Values(1,'x')" as "Insert Into t (a,b) Values(?,?)"
// with the values 1 and 'x'; nullopt when a value is not a literal or more
// than one row follows VALUES.
std::optional<InsertRows> InsertOfLiterals(const SqlTokens& tokens, std::string_view statement) {
  const std::vector<int> depths = Depths(tokens);
  const size_t values = FindTopLevelWord(tokens, depths, 1, "VALUES");
  const size_t open = NextSignificant(tokens, values + 1);
  if (open >= tokens.size() || !tokens[open].IsSymbol('(')) return std::nullopt;
  InsertRows insert{JoinTokens(tokens.begin(), tokens.begin() + open) + "(", 0, {}};
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
    insert.text += insert.width++ == 0 ? "?" : ",?";
    argument.clear();
    if (close) break;
  }
  if (at >= tokens.size() || NextSignificant(tokens, at + 1) != tokens.size()) return std::nullopt;
  insert.text += ")";
  return insert;
}

// Adds the step to the batch; the rows of an InsertRows go to the one before
// it when that inserts the same way.
void Append(std::vector<SqliteStep>& steps, SqliteStep step) {
  auto* rows = std::get_if<InsertRows>(&step);
  auto* last = steps.empty() ? nullptr : std::get_if<InsertRows>(&steps.back());
  if (rows != nullptr && last != nullptr && last->text == rows->text &&
      last->width == rows->width) {
    last->values.insert(last->values.end(), std::make_move_iterator(rows->values.begin()),
                        std::make_move_iterator(rows->values.end()));
    return;
  }
  steps.push_back(std::move(step));
}

// ---- one statement ----------------------------------------------------------

std::optional<SqliteStep> TranslateStatement(SqlTokens tokens, const ColumnTypes& columns) {
  const std::string statement = JoinTokens(tokens);
  const SqlToken& first = tokens.front();
  if (first.IsWord("SET")) {
    const size_t option = NextSignificant(tokens, 1);
    const size_t value = NextSignificant(tokens, option + 1);
    const bool noCount = option < tokens.size() && tokens[option].IsWord("NOCOUNT") &&
                         value < tokens.size() && IsAnyWord(tokens[value], {"ON", "OFF"}) &&
                         NextSignificant(tokens, value + 1) == tokens.size();
    if (!noCount) Refuse("SET option", statement);
    return std::nullopt;  // SQLite reports no row counts to suppress
  }
  RefuseTsqlOnly(tokens, statement);
  if (IsAnyWord(first, {"EXEC", "EXECUTE"})) return ParseExec(tokens, statement);
  RewriteTextConcatenation(tokens, columns, statement);
  if (first.IsWord("CREATE")) MakeTempTableCreation(tokens);
  RewriteFunctionsAndTempNames(tokens);
  if (first.IsWord("INSERT")) {
    if (std::optional<InsertRows> insert = InsertOfLiterals(tokens, statement)) return *insert;
  }
  if (first.IsWord("UPDATE")) {
    const size_t from = FindTopLevelWord(tokens, Depths(tokens), 1, "FROM");
    if (from < tokens.size()) return SqlStatement{RewriteUpdateFrom(tokens, from, statement)};
  }
  return SqlStatement{JoinTokens(tokens)};
}

// Translates whole statements of `tsql` one by one, adding them to steps.
void TranslateStatements(std::string_view tsql, const ColumnTypes& columns,
                         std::vector<SqliteStep>& steps) {
  for (SqlTokens& statement : SplitStatements(Tokenize(tsql))) {
    if (auto step = TranslateStatement(std::move(statement), columns))
      Append(steps, std::move(*step));
  }
}

// ---- runs of row inserts ----------------------------------------------------
//
// A batch that fills a table row by row repeats one INSERT line with other
// values, thousands of times, and tokenizing every line would cost more than
// SQLite's own work. So once the first line of such a run is translated (as
// InsertRows), each line after it that repeats its text up to the values'
// "(" byte for byte, with whole numbers for values, only has its numbers
// read. The steps are those of the statement by statement translation: a run
// starts only where the text before it ends outside any quote, comment and
// parenthesis, and ends only where a new statement begins.

struct Line {
  size_t begin, end, next;  // its text [begin, end); the next line's start
};

Line LineAt(std::string_view text, size_t at) {
  size_t end = at;  // a plain loop: find_first_of searches its set once per character
  while (end < text.size() && text[end] != '\r' && text[end] != '\n') ++end;
  size_t next = end;
  if (next < text.size()) next += text.substr(next, 2) == "\r\n" ? 2 : 1;
  return {at, end, next};
}

bool IsBlankChar(char c) {
  return c == ' ' || c == '\t';
}

// The text of an INSERT line up to its last "("; empty when the line does not
// begin with INSERT.
std::string_view RowPrefix(std::string_view line) {
  if (line.size() < 7 || !EqualsIgnoringCase(line.substr(0, 6), "INSERT") || !IsBlankChar(line[6]))
    return {};
  const size_t open = line.rfind('(');
  return open == std::string_view::npos ? std::string_view{} : line.substr(0, open + 1);
}

// Appends the values of a line that is `prefix` followed by whole numbers as
// in "1,-2, 3)" and blanks. Any other line leaves values as they were and is
// left to the statement translation.
bool AppendRowValues(std::string_view line, std::string_view prefix,
                     std::vector<SqlValue>& values) {
  if (prefix.empty() || !line.starts_with(prefix)) return false;
  const std::string_view text = line.substr(prefix.size());
  const size_t before = values.size();
  const auto refuse = [&] {
    values.resize(before);
    return false;
  };
  size_t at = 0;
  const auto skipBlanks = [&] {
    while (at < text.size() && IsBlankChar(text[at])) ++at;
  };
  while (true) {
    skipBlanks();
    const size_t number = at;
    if (at < text.size() && text[at] == '-') ++at;
    const size_t digits = at;
    while (at < text.size() && text[at] >= '0' && text[at] <= '9') ++at;
    // Up to 18 digits fit a whole number, as the statement translation reads them.
    if (at == digits || at - digits > 18) return refuse();
    int64_t value = 0;
    std::from_chars(text.data() + number, text.data() + at, value);
    values.emplace_back(value);
    skipBlanks();
    if (at < text.size() && text[at] == ')') break;
    if (at >= text.size() || text[at] != ',') return refuse();
    ++at;
  }
  ++at;
  skipBlanks();
  return at == text.size() || refuse();
}

// Whether `text` ends outside any quote, comment and parenthesis.
bool EndsAtTopLevel(std::string_view text) {
  SqlTokens tokens;
  try {
    tokens = Tokenize(text);
  } catch (const VbError&) {
    return false;  // a quote or comment left open
  }
  int depth = 0;
  for (const SqlToken& token : tokens) depth += token.IsSymbol('(') - token.IsSymbol(')');
  return depth == 0;
}

// Whether a statement begins at `at`, after blank lines: the end of the text,
// a ";" or a line that starts a statement.
bool BeginsStatement(std::string_view text, size_t at) {
  while (at < text.size() && (IsBlankChar(text[at]) || text[at] == '\r' || text[at] == '\n')) ++at;
  if (at == text.size() || text[at] == ';') return true;
  const Line line = LineAt(text, at);
  try {
    return StartsStatement(Tokenize(text.substr(at, line.end - at)), 0);
  } catch (const VbError&) {
    return false;
  }
}

// The rows of the lines from `at` that insert like `prefix`, added to rows;
// the start of the first line not taken.
size_t TakeRowLines(std::string_view tsql, size_t at, std::string_view prefix, InsertRows& rows) {
  size_t taken = at, lastTaken = at;
  size_t valuesBeforeLast = rows.values.size();
  for (Line line = LineAt(tsql, at); line.begin < tsql.size(); line = LineAt(tsql, line.next)) {
    const size_t before = rows.values.size();
    if (!AppendRowValues(tsql.substr(line.begin, line.end - line.begin), prefix, rows.values))
      break;
    if (rows.values.size() - before != rows.width) {
      rows.values.resize(before);
      break;
    }
    valuesBeforeLast = before;
    lastTaken = line.begin;
    taken = line.next;
  }
  // A last line that what follows would continue is left to the statements.
  if (taken != at && !BeginsStatement(tsql, taken)) {
    rows.values.resize(valuesBeforeLast);
    taken = lastTaken;
  }
  return taken;
}

}  // namespace

std::vector<SqliteStep> TranslateForSqlite(std::string_view tsql, const ColumnTypes& columns) {
  std::vector<SqliteStep> steps;
  size_t done = 0;  // the text before it is translated
  for (size_t at = 0; at < tsql.size();) {
    const Line line = LineAt(tsql, at);
    at = line.next;
    const std::string_view text = tsql.substr(line.begin, line.end - line.begin);
    const std::string_view prefix = RowPrefix(text);
    std::vector<SqlValue> first;
    if (!AppendRowValues(text, prefix, first) || !BeginsStatement(tsql, line.next)) continue;
    if (!EndsAtTopLevel(tsql.substr(done, line.begin - done))) break;  // no runs from here on
    TranslateStatements(tsql.substr(done, line.next - done), columns, steps);
    done = line.next;
    auto* rows = steps.empty() ? nullptr : std::get_if<InsertRows>(&steps.back());
    if (rows != nullptr && rows->width == first.size() &&
        std::equal(first.begin(), first.end(), rows->values.end() - rows->width)) {
      done = at = TakeRowLines(tsql, done, prefix, *rows);
    }
  }
  TranslateStatements(tsql.substr(done), columns, steps);
  return steps;
}

}  // namespace lumo::data
