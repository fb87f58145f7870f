#include "host/data/translation_cache.h"

namespace lumo::data {
namespace {

// As many texts as the session keeps prepared statements.
constexpr size_t kMaxCachedTexts = 64;
// A longer text carries its own values (a bill's rows, a long id list) and
// is seldom sent twice; keeping it would only hold its memory.
constexpr size_t kMaxCachedLength = 4096;

}  // namespace

const std::vector<SqliteStep>& TranslationCache::Translate(const std::string& tsql,
                                                           const ColumnTypes& columns) {
  if (tsql.size() > kMaxCachedLength) {
    uncached_ = TranslateForSqlite(tsql, columns);
    return uncached_;
  }
  if (auto found = translated_.find(tsql); found != translated_.end()) return found->second;
  std::vector<SqliteStep> steps = TranslateForSqlite(tsql, columns);
  if (translated_.size() >= kMaxCachedTexts) translated_.clear();
  return translated_.emplace(tsql, std::move(steps)).first->second;
}

}  // namespace lumo::data
