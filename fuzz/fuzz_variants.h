// Variants made from fuzz input: every kind a host may pass in dctPara,
// nested Dictionaries and Vectors, arrays with odd bounds, numbers at the
// edges of the conversions, and the words the actions look for (their
// parameter keys, the bill's description keys, numeric and hostile texts),
// so that random bytes reach the code behind those keys.
#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

#include "collections/dictionary.h"
#include "fuzz_input.h"
#include "platform/variant.h"

namespace lumo::fuzz {

// The keys and texts the actions know, and texts at the edges of reading.
std::span<const std::string_view> Words();

class VariantMaker {
 public:
  explicit VariantMaker(FuzzInput& input) : input_(input) {}

  // Any Variant; collections nest at most kMaxDepth levels below `depth`.
  Variant Make(int depth = 0);
  // A key: mostly one of Words(), else any text.
  std::string Key();
  // Changes the value at a path chosen by the input inside `dictionary`
  // (standing `depth` levels deep): a Dictionary entry (new or present), a
  // Vector item or an array element gets a new Variant. Bills broken in
  // one place come from these.
  void Edit(Dictionary& dictionary, int depth = 0);

  static constexpr int kMaxDepth = 5;
  // Elements of one collection or array, so that an input stays quick.
  static constexpr size_t kMaxItems = 12;

 private:
  Variant MakeNumber();
  Variant MakeArray(int depth);
  void EditValue(Variant& value, int depth);

  FuzzInput& input_;
};

}  // namespace lumo::fuzz
