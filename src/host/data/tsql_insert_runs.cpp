// Runs of row inserts, read without the tokenizer.
//
// A batch that fills a table row by row repeats one INSERT line with other
// values, thousands of times, and tokenizing every line would cost more than
// the database's own work. So once the first line of such a run is read (as
// TsqlInsertRows), each line after it that repeats its text up to the
// values' "(" byte for byte, with whole numbers for values, only has its
// numbers read. The forms are those of the statement by statement reading: a
// run starts only where the text before it ends outside any quote, comment
// and parenthesis, and ends only where a new statement begins.
#include <algorithm>
#include <charconv>

#include "host/data/tsql_reading.h"
#include "platform/error.h"

namespace lumo::data {
namespace {

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
  return tokens.empty() || Depths(tokens).back() + tokens.back().IsSymbol('(') == 0;
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
size_t TakeRowLines(std::string_view tsql, size_t at, std::string_view prefix,
                    TsqlInsertRows& rows) {
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

std::vector<TsqlForm> ReadTsql(std::string_view tsql, const ColumnTypes& columns) {
  std::vector<TsqlForm> forms;
  size_t done = 0;  // the text before it is translated
  for (size_t at = 0; at < tsql.size();) {
    const Line line = LineAt(tsql, at);
    at = line.next;
    const std::string_view text = tsql.substr(line.begin, line.end - line.begin);
    const std::string_view prefix = RowPrefix(text);
    std::vector<SqlValue> first;
    if (!AppendRowValues(text, prefix, first) || !BeginsStatement(tsql, line.next)) continue;
    if (!EndsAtTopLevel(tsql.substr(done, line.begin - done))) break;  // no runs from here on
    ReadStatements(tsql.substr(done, line.next - done), columns, forms);
    done = line.next;
    auto* rows = forms.empty() ? nullptr : std::get_if<TsqlInsertRows>(&forms.back());
    if (rows != nullptr && rows->width == first.size() &&
        std::equal(first.begin(), first.end(),
                   rows->values.end() - static_cast<std::ptrdiff_t>(rows->width))) {
      done = at = TakeRowLines(tsql, done, prefix, *rows);
    }
  }
  ReadStatements(tsql.substr(done), columns, forms);
  return forms;
}

}  // namespace lumo::data
