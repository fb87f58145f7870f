#include "host/data/text_concatenation.h"

#include <fmt/format.h>

#include <algorithm>
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "host/data/data_error.h"

namespace lumo::data {
namespace {

using Kind = SqlToken::Kind;

// Keywords that separate expressions; any other word is a name, or a
// function when "(" follows.
constexpr std::array kSeparatingWords = {
    "SELECT", "DISTINCT", "ALL",   "FROM",  "WHERE",  "AND",    "OR",      "NOT",    "ON",
    "AS",     "BY",       "GROUP", "ORDER", "HAVING", "WHEN",   "THEN",    "ELSE",   "SET",
    "INTO",   "VALUES",   "IN",    "IS",    "LIKE",   "ESCAPE", "BETWEEN", "EXISTS", "JOIN",
    "INNER",  "LEFT",     "RIGHT", "FULL",  "OUTER",  "CROSS",  "UNION",   "INSERT", "UPDATE",
    "DELETE", "CREATE",   "DROP",  "TABLE", "TEMP",   "ASC",    "DESC",    "DEFAULT"};
constexpr std::array kNumberFunctions = {"ROUND", "ABS",   "COUNT",   "SUM",
                                         "AVG",   "FLOOR", "CEILING", "SIGN"};
constexpr std::array kTextFunctions = {"UPPER", "LOWER", "LTRIM", "RTRIM", "SUBSTRING", "REPLACE"};
// Functions whose result is one of their arguments: typed when all agree.
constexpr std::array kArgumentFunctions = {"ISNULL", "IFNULL", "COALESCE", "MAX", "MIN"};

template <size_t N>
bool IsOneOf(const SqlToken& token, const std::array<const char*, N>& words) {
  return std::any_of(words.begin(), words.end(),
                     [&](const char* word) { return token.IsWord(word); });
}

bool IsAdditive(const SqlToken& token) {
  return token.IsSymbol('+') || token.IsSymbol('-') || token.IsSymbol('&') || token.IsSymbol('|') ||
         token.IsSymbol('^');
}

bool IsMultiplicative(const SqlToken& token) {
  return token.IsSymbol('*') || token.IsSymbol('/') || token.IsSymbol('%');
}

bool IsSign(const SqlToken& token) {
  return token.IsSymbol('+') || token.IsSymbol('-') || token.IsSymbol('~');
}

// "name" -> name, with "" standing for one quote.
std::string Unquoted(const std::string& quoted) {
  std::string name;
  for (size_t i = 1; i + 1 < quoted.size(); ++i) {
    name += quoted[i];
    if (quoted[i] == '"') ++i;
  }
  return name;
}

// The index of the ")" that closes each "(", tokens.size() when none does.
std::vector<size_t> MatchParentheses(const SqlTokens& tokens) {
  std::vector<size_t> closing(tokens.size(), tokens.size());
  std::vector<size_t> open;
  for (size_t i = 0; i < tokens.size(); ++i) {
    if (tokens[i].IsSymbol('(')) open.push_back(i);
    if (tokens[i].IsSymbol(')') && !open.empty()) {
      closing[open.back()] = i;
      open.pop_back();
    }
  }
  return closing;
}

// Types expressions over a statement's tokens; every position handed
// around is that of a significant token (or the end of the range).
class PlusTyper {
 public:
  PlusTyper(const SqlTokens& tokens, const ColumnTypes& columns, std::string_view statement)
      : tokens_(tokens),
        columns_(columns),
        statement_(statement),
        closing_(MatchParentheses(tokens)) {}

  // The "+" tokens that join texts.
  std::vector<size_t> Concatenations() {
    Expressions(0, tokens_.size());
    return concatenations_;
  }

 private:
  size_t Skip(size_t i, size_t end) const {
    while (i < end && tokens_[i].IsBlank()) ++i;
    return std::min(i, end);
  }

  // Every expression in [begin, end); the type of the range when it is one
  // expression, else Unknown.
  ValueType Expressions(size_t begin, size_t end) {
    size_t parts = 0;
    ValueType type = ValueType::Unknown;
    for (size_t i = Skip(begin, end); i < end; ++parts) {
      if (const std::optional<ValueType> chain = Chain(i, end)) {
        type = *chain;
      } else {
        i = Skip(i + 1, end);  // a separator
      }
    }
    return parts == 1 ? type : ValueType::Unknown;
  }

  // Each comma-separated part of [begin, end).
  std::vector<ValueType> Arguments(size_t begin, size_t end) {
    std::vector<ValueType> types;
    size_t part = begin;
    for (size_t i = begin; i < end; ++i) {
      if (tokens_[i].IsSymbol('(')) i = std::min(closing_[i], end);
      if (i < end && tokens_[i].IsSymbol(',')) {
        types.push_back(Expressions(part, i));
        part = i + 1;
      }
    }
    types.push_back(Expressions(part, end));
    return types;
  }

  // term { additive operator term }, left to right as T-SQL reads it.
  std::optional<ValueType> Chain(size_t& i, size_t end) {
    const size_t start = i;
    std::optional<ValueType> type = Term(i, end);
    if (!type) return std::nullopt;
    while (i < end && IsAdditive(tokens_[i])) {
      const size_t op = i;
      i = Skip(op + 1, end);
      const std::optional<ValueType> right = Term(i, end);
      if (!right) return ValueType::Unknown;  // malformed: SQLite will say so
      type = tokens_[op].IsSymbol('+') ? Plus(*type, *right, start, op, i) : ValueType::Number;
    }
    return type;
  }

  ValueType Plus(ValueType left, ValueType right, size_t start, size_t op, size_t end) {
    if (left == ValueType::Number && right == ValueType::Number) return ValueType::Number;
    if (left == ValueType::Text && right == ValueType::Text) {
      concatenations_.push_back(op);
      return ValueType::Text;
    }
    size_t last = end;
    while (last > start && tokens_[last - 1].IsBlank()) --last;
    RaiseUnsupportedSql(fmt::format("+ of operands not known to be both numbers or both texts: {}",
                                    JoinTokens(tokens_.begin() + static_cast<ptrdiff_t>(start),
                                               tokens_.begin() + static_cast<ptrdiff_t>(last))),
                        statement_);
  }

  // Signs, then atom { multiplicative operator atom }: a number unless it
  // is a lone atom.
  std::optional<ValueType> Term(size_t& i, size_t end) {
    const size_t start = i;
    bool arithmetic = SkipSigns(i, end);
    const std::optional<ValueType> atom = Atom(i, end);
    if (!atom) {
      i = start;
      return std::nullopt;
    }
    while (i < end && IsMultiplicative(tokens_[i])) {
      size_t next = Skip(i + 1, end);
      SkipSigns(next, end);
      if (!Atom(next, end)) break;
      i = next;
      arithmetic = true;
    }
    return arithmetic ? ValueType::Number : *atom;
  }

  bool SkipSigns(size_t& i, size_t end) const {
    const size_t start = i;
    while (i < end && IsSign(tokens_[i])) i = Skip(i + 1, end);
    return i != start;
  }

  std::optional<ValueType> Atom(size_t& i, size_t end) {
    if (i >= end) return std::nullopt;
    const SqlToken& token = tokens_[i];
    switch (token.kind) {
      case Kind::Number:
        i = Skip(i + 1, end);
        return ValueType::Number;
      case Kind::Text:
        i = Skip(i + 1, end);
        return ValueType::Text;
      case Kind::Parameter:
        i = Skip(i + 1, end);
        return ValueType::Unknown;
      case Kind::QuotedName:
      case Kind::TempName:
        return Name(i, end);
      case Kind::Word: {
        if (IsOneOf(token, kSeparatingWords)) return std::nullopt;
        if (token.IsWord("CASE")) return Case(i, end);
        const size_t next = Skip(i + 1, end);
        if (next < end && tokens_[next].IsSymbol('(')) return Call(i, next, end);
        return Name(i, end);
      }
      case Kind::Symbol:
        if (token.IsSymbol('(')) return Group(i, end);
        return std::nullopt;
      default:
        return std::nullopt;
    }
  }

  // name { . name }: the type of the last part's column.
  ValueType Name(size_t& i, size_t end) {
    size_t last = i;
    size_t next = Skip(i + 1, end);
    while (next < end && tokens_[next].IsSymbol('.')) {
      const size_t part = Skip(next + 1, end);
      const bool isPart =
          part < end && (tokens_[part].kind == Kind::Word ||
                         tokens_[part].kind == Kind::QuotedName || tokens_[part].IsSymbol('*'));
      if (!isPart) break;
      last = part;
      next = Skip(part + 1, end);
    }
    i = next;
    const SqlToken& name = tokens_[last];
    if (name.kind == Kind::Word) return columns_.Of(name.text);
    if (name.kind == Kind::QuotedName) return columns_.Of(Unquoted(name.text));
    return ValueType::Unknown;
  }

  ValueType Group(size_t& i, size_t end) {
    const size_t close = std::min(closing_[i], end);
    const std::vector<ValueType> items = Arguments(i + 1, close);
    i = Skip(close + 1, end);
    return items.size() == 1 ? items.front() : ValueType::Unknown;
  }

  ValueType Call(size_t& i, size_t open, size_t end) {
    const SqlToken& function = tokens_[i];
    const size_t close = std::min(closing_[open], end);
    const std::vector<ValueType> arguments = Arguments(open + 1, close);
    i = Skip(close + 1, end);
    if (IsOneOf(function, kNumberFunctions)) return ValueType::Number;
    if (IsOneOf(function, kTextFunctions)) return ValueType::Text;
    const bool allAgree = std::all_of(arguments.begin(), arguments.end(),
                                      [&](ValueType type) { return type == arguments.front(); });
    if (IsOneOf(function, kArgumentFunctions) && allAgree) return arguments.front();
    return ValueType::Unknown;
  }

  // CASE ... END: the expressions inside are typed; the result is Unknown.
  ValueType Case(size_t& i, size_t end) {
    size_t nested = 0;
    size_t j = i + 1;
    for (; j < end; ++j) {
      if (tokens_[j].IsSymbol('(')) j = std::min(closing_[j], end - 1);
      if (tokens_[j].IsWord("CASE")) ++nested;
      if (tokens_[j].IsWord("END")) {
        if (nested == 0) break;
        --nested;
      }
    }
    Expressions(i + 1, j);
    i = Skip(std::min(j + 1, end), end);
    return ValueType::Unknown;
  }

  const SqlTokens& tokens_;
  const ColumnTypes& columns_;
  std::string_view statement_;
  std::vector<size_t> closing_;
  std::vector<size_t> concatenations_;
};

}  // namespace

void MarkTextConcatenation(SqlTokens& tokens, const ColumnTypes& columns,
                           std::string_view statement) {
  for (const size_t plus : PlusTyper(tokens, columns, statement).Concatenations()) {
    tokens[plus].role = SqlToken::Role::TextJoin;
  }
}

}  // namespace lumo::data
