#include "collections/dictionary.h"

#include "platform/error.h"

namespace lumo {

Variant Dictionary::Value(std::string_view key) const {
  auto found = positions_.find(key);
  return found == positions_.end() ? Variant() : entries_[found->second].second;
}

void Dictionary::SetValue(std::string_view key, Variant value) {
  if (auto found = positions_.find(key); found != positions_.end()) {
    entries_[found->second].second = std::move(value);
    return;
  }
  positions_.emplace(std::string(key), entries_.size());
  entries_.emplace_back(std::string(key), std::move(value));
}

bool Dictionary::Lookup(std::string_view key) const {
  return positions_.contains(key);
}

Variant Dictionary::GetValue(std::string_view key, Variant defaultValue) const {
  auto found = positions_.find(key);
  if (found == positions_.end()) return defaultValue;  // moved, not copied
  return entries_[found->second].second;
}

const std::string& Dictionary::Name(int32_t position) const {
  if (position < 1 || position > Count()) Raise(vberr::kSubscript, "Dictionary.Name");
  return entries_[static_cast<size_t>(position - 1)].first;
}

std::shared_ptr<Dictionary> Dictionary::Clone() const {
  return std::make_shared<Dictionary>(*this);
}

void Dictionary::Merge(const Dictionary& other, int32_t flags) {
  if (flags != 0) Raise(vberr::kInvalidCall, "Dictionary.Merge", "Merge takes only the flag 0");
  if (&other == this) return;  // every entry is already here with its own value
  for (const auto& [key, value] : other.entries_) SetValue(key, value);
}

}  // namespace lumo
