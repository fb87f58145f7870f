// Reading the numeric parameters of dctPara. An action asks whether a key is
// present and only then reads it; an absent key takes the action's own
// starting value. A present value counts by its leading number (vb::Val):
// "12abc" is 12, "x" is 0. Switches are read whole instead (CLng).
#pragma once

#include <cstdint>
#include <string_view>

#include "collections/dictionary.h"

namespace lumo {

// The leading number of the key's value as a double, or `absent`.
double LeadingNumberOr(const Dictionary& dctPara, std::string_view key, double absent);

// The same rounded to a whole number, half to even (overflow: error 6).
int32_t LeadingWholeNumberOr(const Dictionary& dctPara, std::string_view key, int32_t absent);

// The key's value converted whole by CLng (a number or numeric text, else
// error 13), or `absent`.
int32_t WholeNumberOr(const Dictionary& dctPara, std::string_view key, int32_t absent);

}  // namespace lumo
