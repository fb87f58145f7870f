// "Update alias set alias.col = ... From x Inner Join target alias on ...
// ... Where w": SQL Server's UPDATE of a joined table, taken apart so that
// a dialect can write it as "UPDATE target AS alias SET col = ... FROM x ...
// WHERE <the target's join condition> AND (w)".
#include "host/data/data_error.h"
#include "host/data/tsql_statement_forms.h"

namespace lumo::data {
namespace {

using Kind = SqlToken::Kind;

bool ReferencesAlias(SqlTokens::const_iterator first, SqlTokens::const_iterator last,
                     std::string_view alias) {
  for (auto it = first; it != last && it + 1 != last; ++it) {
    if (it->kind == Kind::Word && EqualsIgnoringCase(it->text, alias) && (it + 1)->IsSymbol('.'))
      return true;
  }
  return false;
}

SqlTokens Slice(const SqlTokens& tokens, size_t first, size_t last) {
  return SqlTokens(tokens.begin() + static_cast<ptrdiff_t>(first),
                   tokens.begin() + static_cast<ptrdiff_t>(last));
}

SqlTokens TrimmedSlice(const SqlTokens& tokens, size_t first, size_t last) {
  const auto [begin, end] = TrimBlanks(tokens, first, last);
  return Slice(tokens, begin, end);
}

// One item of a FROM clause: the first table, or "<kind> JOIN table alias ON
// condition", as the token range [begin, end).
struct JoinItem {
  size_t begin, end;
  bool inner = false;
  size_t table = 0, alias = 0, on = 0;  // token indexes; 0 when absent
};

// Where each item of the FROM clause [begin, end) starts.
std::vector<size_t> JoinStarts(const SqlTokens& tokens, const std::vector<int>& depths,
                               size_t begin, size_t end, std::string_view statement) {
  std::vector<size_t> starts{begin};
  for (size_t i = begin; i < end; ++i) {
    if (depths[i] != 0 || tokens[i].IsBlank()) continue;
    if (tokens[i].IsSymbol(','))
      RaiseUnsupportedSql("UPDATE ... FROM with a comma join", statement);
    const size_t previous = PreviousSignificant(tokens, i);
    const bool afterJoinWord =
        previous < tokens.size() &&
        IsAnyWord(tokens[previous], {"INNER", "LEFT", "RIGHT", "FULL", "CROSS", "OUTER"});
    if (IsAnyWord(tokens[i], {"INNER", "LEFT", "RIGHT", "FULL", "CROSS"}) ||
        (tokens[i].IsWord("JOIN") && !afterJoinWord)) {
      starts.push_back(i);
    }
  }
  return starts;
}

std::vector<JoinItem> SplitJoins(const SqlTokens& tokens, const std::vector<int>& depths,
                                 size_t begin, size_t end, std::string_view statement) {
  const std::vector<size_t> starts = JoinStarts(tokens, depths, begin, end, statement);
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
    if (item.table >= item.end) RaiseUnsupportedSql("FROM clause item without a table", statement);
    at = NextSignificant(tokens, at + 1);
    if (at < item.end && tokens[at].IsWord("AS")) at = NextSignificant(tokens, at + 1);
    if (at < item.end && tokens[at].kind == Kind::Word && !tokens[at].IsWord("ON")) item.alias = at;
    const size_t on = FindTopLevelWord(tokens, depths, item.begin, "ON");
    if (on < item.end) item.on = on;
    items.push_back(item);
  }
  return items;
}

// "alias.col = ..., col2 = ..." -> "col = ..., col2 = ..."
SqlTokens Assignments(const SqlTokens& tokens, const std::vector<int>& depths, size_t set,
                      size_t from, const std::string& alias, std::string_view statement) {
  SqlTokens assignments;
  bool atAssignmentStart = true;
  for (size_t i = set + 1; i < from; ++i) {
    const SqlToken& token = tokens[i];
    if (atAssignmentStart && !token.IsBlank()) {
      atAssignmentStart = false;
      const size_t dot = NextSignificant(tokens, i + 1);
      if (dot < from && tokens[dot].IsSymbol('.')) {
        if (!EqualsIgnoringCase(token.text, alias))
          RaiseUnsupportedSql("SET of a column of another table than " + alias, statement);
        i = dot;
        continue;
      }
    }
    if (depths[i] == 0 && token.IsSymbol(',')) atAssignmentStart = true;
    assignments.push_back(token);
  }
  return assignments;
}

}  // namespace

TsqlUpdateFrom ReadUpdateFrom(const SqlTokens& tokens, size_t from, std::string_view statement) {
  const std::vector<int> depths = Depths(tokens);
  const size_t aliasAt = NextSignificant(tokens, 1);
  const size_t setAt = NextSignificant(tokens, aliasAt + 1);
  if (tokens[aliasAt].kind != Kind::Word || setAt >= from || !tokens[setAt].IsWord("SET")) {
    RaiseUnsupportedSql(
        "UPDATE ... FROM not of the form Update alias set ... From ... Join target alias",
        statement);
  }
  const std::string& alias = tokens[aliasAt].text;
  const size_t where = FindTopLevelWord(tokens, depths, from, "WHERE");

  const std::vector<JoinItem> items = SplitJoins(tokens, depths, from + 1, where, statement);
  const JoinItem* target = nullptr;
  for (const JoinItem& item : items) {
    if (item.alias != 0 && EqualsIgnoringCase(tokens[item.alias].text, alias)) target = &item;
  }
  if (target == nullptr || target == &items.front()) {
    RaiseUnsupportedSql("UPDATE whose target " + alias + " is not a joined table of FROM",
                        statement);
  }
  if (!target->inner || target->on == 0)
    RaiseUnsupportedSql("UPDATE whose target " + alias + " is not INNER JOINed", statement);

  TsqlUpdateFrom update{Slice(tokens, target->table, target->table + 1),
                        Slice(tokens, aliasAt, aliasAt + 1),
                        Assignments(tokens, depths, setAt, from, alias, statement),
                        {},
                        TrimmedSlice(tokens, target->on + 1, target->end),
                        {}};
  for (const JoinItem& item : items) {
    if (&item == target) continue;
    // The other joins come before the WHERE that joins the target.
    if (ReferencesAlias(tokens.begin() + static_cast<ptrdiff_t>(item.begin),
                        tokens.begin() + static_cast<ptrdiff_t>(item.end), alias)) {
      RaiseUnsupportedSql("the UPDATE target " + alias + " in the condition of another join",
                          statement);
    }
    const SqlTokens part = Slice(tokens, item.begin, item.end);
    update.from.insert(update.from.end(), part.begin(), part.end());
  }
  if (where < tokens.size()) update.where = TrimmedSlice(tokens, where + 1, tokens.size());
  return update;
}

}  // namespace lumo::data
