// The translation of the T-SQL texts a connection has run, so that a text
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
  explicit TranslationCache(SqlDialect dialect) : dialect_(dialect) {}

  // The translation of tsql; valid until the next call. A text that cannot
  // be translated raises as Translate does, every time.
  const std::vector<SqlStep>& Translate(const std::string& tsql, const ColumnTypes& columns);

 private:
  SqlDialect dialect_;
  std::unordered_map<std::string, std::vector<SqlStep>> translated_;
  std::vector<SqlStep> uncached_;
};

}  // namespace lumo::data
