// Dictionary: the host's keyed collection, as the component calls it.
//
// Entries keep their order of insertion in a vector; a hash map from key to
// position finds them, so Value, Lookup and Name(i) are all O(1). Keys
// compare exactly (letter case counts).
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "platform/object.h"
#include "platform/variant.h"

namespace lumo {

class Dictionary : public Object {
 public:
  // The stored value; Empty for an absent key.
  Variant Value(std::string_view key) const;
  // Value let / set: adds the key when absent, else replaces its value.
  void SetValue(std::string_view key, Variant value);
  bool Lookup(std::string_view key) const;
  Variant GetValue(std::string_view key, Variant defaultValue) const;
  int32_t Count() const { return static_cast<int32_t>(entries_.size()); }
  // Key at 1-based position; error 9 outside 1 .. Count.
  const std::string& Name(int32_t position) const;
  // A new dictionary with the same keys and values.
  std::shared_ptr<Dictionary> Clone() const;
  // Adds every entry of other; a key present in both takes other's value.
  // flags is accepted for the host's signature and must be 0 (else error 5).
  void Merge(const Dictionary& other, int32_t flags);

 private:
  struct KeyHash {
    using is_transparent = void;
    size_t operator()(std::string_view key) const { return std::hash<std::string_view>{}(key); }
  };
  std::vector<std::pair<std::string, Variant>> entries_;
  std::unordered_map<std::string, size_t, KeyHash, std::equal_to<>> positions_;
};

using DictionaryRef = std::shared_ptr<Dictionary>;

inline DictionaryRef NewDictionary() {
  return std::make_shared<Dictionary>();
}

}  // namespace lumo
