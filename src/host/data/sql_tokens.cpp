#include "host/data/sql_tokens.h"

#include <cctype>

#include "host/data/data_error.h"

namespace lumo::data {
namespace {

bool IsWordStart(char c) {
  return std::isalpha(static_cast<unsigned char>(c)) || c == '_' || (c & 0x80);
}
bool IsWordChar(char c) {
  return IsWordStart(c) || std::isdigit(static_cast<unsigned char>(c)) || c == '$';
}
bool IsDigit(char c) {
  return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

class Scanner {
 public:
  explicit Scanner(std::string_view sql) : sql_(sql) {}

  SqlTokens Run() {
    SqlTokens tokens;
    // At most about one token in two characters ("5001," is two in five):
    // a long IN list gets its room once instead of doubling it step by step.
    tokens.reserve(sql_.size() / 2);
    while (pos_ < sql_.size()) tokens.push_back(Next());
    return tokens;
  }

 private:
  using Kind = SqlToken::Kind;

  char At(size_t offset) const { return pos_ + offset < sql_.size() ? sql_[pos_ + offset] : '\0'; }

  SqlToken Take(Kind kind, size_t end) {
    SqlToken token{kind, SqlToken::Role::Plain, std::string(sql_.substr(pos_, end - pos_))};
    pos_ = end;
    return token;
  }

  size_t EndOfWord(size_t from) const {
    while (from < sql_.size() && IsWordChar(sql_[from])) ++from;
    return from;
  }

  // End of a quoted token whose closing quote may be doubled to stand for
  // itself ('it''s', "a""b", [a]]b]).
  size_t EndOfQuoted(char close, std::string_view what) const {
    size_t at = pos_ + 1;
    while (true) {
      at = sql_.find(close, at);
      if (at == std::string_view::npos)
        RaiseInvalidRequest("Unterminated " + std::string(what) + " in SQL text");
      if (at + 1 < sql_.size() && sql_[at + 1] == close) {
        at += 2;
        continue;
      }
      return at + 1;
    }
  }

  SqlToken Next() {
    const char c = At(0);
    if (c == ' ' || c == '\t') {
      size_t end = pos_;
      while (end < sql_.size() && (sql_[end] == ' ' || sql_[end] == '\t')) ++end;
      return Take(Kind::Space, end);
    }
    if (c == '\r') return Take(Kind::LineBreak, pos_ + (At(1) == '\n' ? 2 : 1));
    if (c == '\n') return Take(Kind::LineBreak, pos_ + 1);
    if (c == '-' && At(1) == '-') {
      const size_t end = sql_.find_first_of("\r\n", pos_);
      return Take(Kind::Comment, end == std::string_view::npos ? sql_.size() : end);
    }
    if (c == '/' && At(1) == '*') {
      const size_t end = sql_.find("*/", pos_ + 2);
      if (end == std::string_view::npos) RaiseInvalidRequest("Unterminated comment in SQL text");
      return Take(Kind::Comment, end + 2);
    }
    if (c == '\'') return Take(Kind::Text, EndOfQuoted('\'', "text literal"));
    if (c == '"') return Take(Kind::QuotedName, EndOfQuoted('"', "quoted name"));
    if (c == '[') return Take(Kind::BracketName, EndOfQuoted(']', "bracketed name"));
    if (c == '@') return Take(Kind::Variable, EndOfWord(pos_ + (At(1) == '@' ? 2 : 1)));
    if (c == '#' && IsWordStart(At(1))) return Take(Kind::TempName, EndOfWord(pos_ + 1));
    if (c == ':' && IsWordStart(At(1))) return Take(Kind::Parameter, EndOfWord(pos_ + 1));
    if (IsDigit(c) || (c == '.' && IsDigit(At(1)))) return Take(Kind::Number, EndOfNumber());
    if (IsWordStart(c)) return Take(Kind::Word, EndOfWord(pos_));
    const std::string_view pair = sql_.substr(pos_, 2);
    if (pair == "<>" || pair == "<=" || pair == ">=" || pair == "!=" || pair == "||")
      return Take(Kind::Symbol, pos_ + 2);
    return Take(Kind::Symbol, pos_ + 1);
  }

  size_t EndOfNumber() const {
    size_t end = pos_;
    while (end < sql_.size() && (IsDigit(sql_[end]) || sql_[end] == '.')) ++end;
    if (end < sql_.size() && (sql_[end] == 'e' || sql_[end] == 'E')) {
      size_t exponent = end + 1;
      if (exponent < sql_.size() && (sql_[exponent] == '+' || sql_[exponent] == '-')) ++exponent;
      if (exponent < sql_.size() && IsDigit(sql_[exponent])) {
        end = exponent;
        while (end < sql_.size() && IsDigit(sql_[end])) ++end;
      }
    }
    return end;
  }

  std::string_view sql_;
  size_t pos_ = 0;
};

}  // namespace

bool SqlToken::IsWord(std::string_view keyword) const {
  return kind == Kind::Word && EqualsIgnoringCase(text, keyword);
}

SqlTokens Tokenize(std::string_view sql) {
  return Scanner(sql).Run();
}

std::string TextValue(const SqlToken& token) {
  std::string value;
  const std::string_view inner = std::string_view(token.text).substr(1, token.text.size() - 2);
  for (size_t i = 0; i < inner.size(); ++i) {
    value += inner[i];
    if (inner[i] == '\'') ++i;  // the second quote of a doubled pair
  }
  return value;
}

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

std::pair<size_t, size_t> TrimBlanks(const SqlTokens& tokens, size_t first, size_t last) {
  while (first < last && tokens[first].IsBlank()) ++first;
  while (last > first && tokens[last - 1].IsBlank()) --last;
  return {first, last};
}

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

bool IsAnyWord(const SqlToken& token, std::initializer_list<std::string_view> words) {
  for (std::string_view word : words) {
    if (token.IsWord(word)) return true;
  }
  return false;
}

std::string JoinTokens(SqlTokens::const_iterator first, SqlTokens::const_iterator last) {
  std::string text;
  for (; first != last; ++first) text += first->text;
  return text;
}

}  // namespace lumo::data
