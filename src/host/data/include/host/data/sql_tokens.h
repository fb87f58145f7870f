// A small SQL tokenizer shared by the T-SQL dialect and the stored
// procedures.
//
// Tokens keep their exact source text, so joining the texts of all tokens
// gives back the input; rewrites replace or drop whole tokens and never look
// inside a quoted string. Line breaks are tokens of their own because a
// T-SQL batch separates statements by lines.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/vb.h"

namespace lumo::data {

struct SqlToken {
  enum class Kind {
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
  Kind kind;
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

// The platform's: the SQL code compares keywords and names with it.
using vb::EqualsIgnoringCase;

}  // namespace lumo::data
