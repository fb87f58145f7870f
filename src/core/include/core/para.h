// Reading dctPara. An action asks whether a key is present and only then
// reads it; an absent key takes the action's own starting value. A present
// value counts by its leading number (vb::Val): "12abc" is 12, "x" is 0.
// Switches are read whole instead (CLng). Texts are VB's CStr of the value.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "collections/dictionary.h"
#include "platform/variant.h"

namespace lumo {

// The key's value as text (CStr), or "" when absent.
std::string TextOf(const Dictionary& dctPara, std::string_view key);

// The same without the spaces at its ends: a field key, an option.
std::string TrimmedTextOf(const Dictionary& dctPara, std::string_view key);

// The leading number of the key's value as a double, or `absent`.
double LeadingNumberOr(const Dictionary& dctPara, std::string_view key, double absent);

// The same rounded to a whole number, half to even (overflow: error 6).
int32_t LeadingWholeNumberOr(const Dictionary& dctPara, std::string_view key, int32_t absent);

// The key's value converted whole by CLng (a number or numeric text, else
// error 13), or `absent`.
int32_t WholeNumberOr(const Dictionary& dctPara, std::string_view key, int32_t absent);

// A switch: the same, and `absent` for a value whose text is empty too.
int32_t SwitchOr(const Dictionary& dctPara, std::string_view key, int32_t absent);

// A collection of dctPara; nullptr for an absent key or Nothing, error 13
// for a value that is not an object of that kind.
template <class T>
std::shared_ptr<T> CollectionOf(const Dictionary& dctPara, std::string_view key) {
  const Variant value = dctPara.GetValue(key, nullptr);
  return value.IsNothing() ? nullptr : ObjectAs<T>(value);
}

}  // namespace lumo
