#include "host/data/column_spelling.h"

#include <algorithm>

#include "host/data/sql_tokens.h"

namespace lumo::data {
namespace {

char Lower(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string Lowered(std::string_view text) {
  std::string lower(text);
  std::transform(lower.begin(), lower.end(), lower.begin(), Lower);
  return lower;
}

bool IsNameChar(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' ||
         c == '$' || (c & 0x80) != 0;
}

// The spelling of the first whole word `name` (in lower case) in the
// statement, whose lower-case copy is `lower`; empty when there is none.
std::string_view SpellingIn(std::string_view statement, std::string_view lower,
                            std::string_view name) {
  for (size_t at = lower.find(name); at != std::string_view::npos; at = lower.find(name, at + 1)) {
    const size_t end = at + name.size();
    if ((at == 0 || !IsNameChar(lower[at - 1])) && (end == lower.size() || !IsNameChar(lower[end])))
      return statement.substr(at, name.size());
  }
  return {};
}

}  // namespace

ColumnSpelling::ColumnSpelling(std::string_view schemaSql) {
  for (const SqlToken& token : Tokenize(schemaSql)) {
    if (token.kind != SqlToken::Kind::Word) continue;
    const std::string lower = Lowered(token.text);
    const bool mixed =
        lower != token.text && std::any_of(token.text.begin(), token.text.end(),
                                           [](char c) { return c >= 'a' && c <= 'z'; });
    if (mixed) declared_.try_emplace(lower, token.text);
  }
}

void ColumnSpelling::Respell(std::vector<std::string>& columns, std::string_view statement) const {
  std::string lower;  // made for the first name that needs it
  for (std::string& column : columns) {
    if (column.empty() || Lowered(column) != column) continue;
    if (lower.empty()) lower = Lowered(statement);
    if (const std::string_view spelt = SpellingIn(statement, lower, column); !spelt.empty()) {
      column = spelt;
    } else if (const auto found = declared_.find(column); found != declared_.end()) {
      column = found->second;
    }
  }
}

}  // namespace lumo::data
