// A Dictionary's entries as (key, value) pairs in their order, so a test
// compares everything an action wrote in one expectation.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "collections/dictionary.h"
#include "support/print_variant.h"

namespace lumo::testing {

using Entries = std::vector<std::pair<std::string, Variant>>;

inline Entries EntriesOf(const Dictionary& dictionary) {
  Entries entries;
  for (int32_t i = 1; i <= dictionary.Count(); ++i) {
    entries.emplace_back(dictionary.Name(i), dictionary.Value(dictionary.Name(i)));
  }
  return entries;
}

}  // namespace lumo::testing
