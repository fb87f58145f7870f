// A Dictionary's entries as (key, value) pairs in their order, so a test
// compares everything an action wrote in one expectation.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "collections/dictionary.h"
#include "support/print_variant.h"

namespace lumo::testing {

using Entries = std::vector<std::pair<std::string, Variant>>;

inline DictionaryRef Dict(const Entries& entries) {
  auto dictionary = NewDictionary();
  for (const auto& [key, value] : entries) dictionary->SetValue(key, value);
  return dictionary;
}

inline Entries EntriesOf(const Dictionary& dictionary) {
  Entries entries;
  for (int32_t i = 1; i <= dictionary.Count(); ++i) {
    entries.emplace_back(dictionary.Name(i), dictionary.Value(dictionary.Name(i)));
  }
  return entries;
}

// Each key with the value at its position; a Nothing value leaves its key out.
inline Entries Zip(const std::vector<std::string>& keys, const std::vector<Variant>& values) {
  Entries entries;
  for (size_t i = 0; i < keys.size() && i < values.size(); ++i) {
    if (!values[i].IsNothing()) entries.emplace_back(keys[i], values[i]);
  }
  return entries;
}

// What an action left in dctReturn: exactly `expected`, or still Nothing
// for nullopt. Doubles are compared up to the rounding of double
// arithmetic (113 × 0.9 ÷ 1.13 is 90.00000000000001); all else exactly.
inline void ExpectWritten(const DictionaryRef& result, const std::optional<Entries>& expected) {
  if (!expected) {
    EXPECT_EQ(result, nullptr);
    return;
  }
  ASSERT_NE(result, nullptr);
  const Entries written = EntriesOf(*result);
  ASSERT_EQ(written.size(), expected->size()) << ::testing::PrintToString(written);
  for (size_t i = 0; i < written.size(); ++i) {
    const auto& [key, value] = written[i];
    const Variant& want = (*expected)[i].second;
    EXPECT_EQ(key, (*expected)[i].first);
    if (value.kind() == Variant::Kind::Double && want.kind() == Variant::Kind::Double) {
      EXPECT_NEAR(value.AsDouble(), want.AsDouble(), std::abs(want.AsDouble()) * 1e-12) << key;
    } else {
      EXPECT_EQ(value, want) << key;
    }
  }
}

// dctPara with the property string "DB=demo" and the entries after it, in
// their order (a later entry replaces an earlier one's value).
inline DictionaryRef ParaOf(const Entries& entries, const Entries& more = {}) {
  auto para = NewDictionary();
  para->SetValue("PropString", "DB=demo");
  for (const Entries* list : {&entries, &more}) {
    for (const auto& [key, value] : *list) para->SetValue(key, value);
  }
  return para;
}

}  // namespace lumo::testing
