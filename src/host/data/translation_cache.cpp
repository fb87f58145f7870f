#include "host/data/translation_cache.h"

namespace lumo::data {
namespace {

// As many texts as the session keeps prepared statements.
constexpr size_t kMaxCachedTexts = 64;
// A longer text carries its own values (a bill's rows, a long id list) and
// is seldom sent twice; keeping it would only hold its memory.
constexpr size_t kMaxCachedLength = 4096;

}  // namespace

const std::vector<SqlStep>& TranslationCache::Translate(const std::string& tsql,
                                                        const ColumnTypes& columns) {
  if (tsql.size() > kMaxCachedLength) {
    uncached_ = data::Translate(tsql, columns, dialect_);
    return uncached_;
  }
  if (auto found = translated_.find(tsql); found != translated_.end()) return found->second;
  std::vector<SqlStep> steps = data::Translate(tsql, columns, dialect_);
  if (translated_.size() >= kMaxCachedTexts) translated_.clear();
  return translated_.emplace(tsql, std::move(steps)).first->second;
}

}  // namespace lumo::data
