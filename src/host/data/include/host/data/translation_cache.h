// The SQLite form of the T-SQL texts a connection has run, so that a text
// the component sends again (the same query for the next bill, a viewer
// opened again) skips the tokenizer. Translating depends only on the text
// and the connection's column types, which the component never changes.
#pragma once

#include <string>
#include <unordered_map>
#include <vector>

#include "host/data/column_types.h"
#include "host/data/tsql_dialect.h"

namespace lumo::data {

class TranslationCache {
 public:
  // The translation of tsql; valid until the next call. A text that cannot
  // be translated raises as TranslateForSqlite does, every time.
  const std::vector<SqliteStep>& Translate(const std::string& tsql, const ColumnTypes& columns);

 private:
  std::unordered_map<std::string, std::vector<SqliteStep>> translated_;
  std::vector<SqliteStep> uncached_;
};

}  // namespace lumo::data
