// A small SQL tokenizer shared by the T-SQL dialect and the stored
// procedures.
//
// Tokens keep their exact source text, so joining the texts of all tokens
// gives back the input; rewrites replace or drop whole tokens and never look
// inside a quoted string. Line breaks are tokens of their own because a
// T-SQL batch separates statements by lines.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/vb.h"

namespace lumo::data {

struct SqlToken {
  enum class Kind : uint8_t {
    Space,        // blanks and tabs
    LineBreak,    // CRLF, LF or CR
    Comment,      // -- to the end of the line, or /* ... */
    Word,         // identifier or keyword
    Number,       // 12, 1.5, 2e3
    Text,         // 'quoted text' ('' inside stands for one quote)
    QuotedName,   // "name"
    BracketName,  // [name]: T-SQL only
    Variable,     // @name, @@name: T-SQL only
    TempName,     // #name: a T-SQL temporary table
    Parameter,    // :name, the placeholders of a procedure body
    Symbol,       // one character, or <> <= >= != ||
  };
  // What the T-SQL reading found a token to stand for, where a dialect
  // writes it its own way; Plain tokens are written as they are.
  enum class Role : uint8_t {
    Plain,
    IsNullFunction,    // the name of IsNull(a, b)
    TempName,          // #name
    TempTableKeyword,  // the TABLE of "Create Table #name"
    TextJoin,          // a "+" between two texts
    RoundOpen,         // the "(" of Round(x, n)
    RoundComma,        // the "," between Round's x and n
  };
  Kind kind;
  Role role = Role::Plain;
  std::string text;

  bool IsBlank() const {
    return kind == Kind::Space || kind == Kind::LineBreak || kind == Kind::Comment;
  }
  // A word equal to `keyword` without regard to ASCII letter case.
  bool IsWord(std::string_view keyword) const;
  bool IsSymbol(char c) const { return kind == Kind::Symbol && text.size() == 1 && text[0] == c; }
};

using SqlTokens = std::vector<SqlToken>;

// Splits a text into tokens; an unterminated quote, bracket or comment is
// error 5 naming what is open.
SqlTokens Tokenize(std::string_view sql);

// The value of a Text token: the quotes removed and '' turned into '.
std::string TextValue(const SqlToken& token);

// Joins the token texts of [first, last).
std::string JoinTokens(SqlTokens::const_iterator first, SqlTokens::const_iterator last);
inline std::string JoinTokens(const SqlTokens& tokens) {
  return JoinTokens(tokens.begin(), tokens.end());
}

// The index of the first non-blank token at or after `from`, tokens.size()
// when there is none; of the last non-blank one before `before`,
// tokens.size() when there is none.
size_t NextSignificant(const SqlTokens& tokens, size_t from);
size_t PreviousSignificant(const SqlTokens& tokens, size_t before);

// The range [first, last) without the blank tokens at either end.
std::pair<size_t, size_t> TrimBlanks(const SqlTokens& tokens, size_t first, size_t last);

// The depth of parentheses before each token: 0 outside any.
std::vector<int> Depths(const SqlTokens& tokens);

// The index of the first word `word` at or after `from` outside any
// parentheses (by `depths`, as Depths gives them); tokens.size() if none.
size_t FindTopLevelWord(const SqlTokens& tokens, const std::vector<int>& depths, size_t from,
                        std::string_view word);

// Whether the token is one of the words, without regard to letter case.
bool IsAnyWord(const SqlToken& token, std::initializer_list<std::string_view> words);

// The platform's: the SQL code compares keywords and names with it.
using vb::EqualsIgnoringCase;

}  // namespace lumo::data
