// Fuzz target: the leading-number reader (Val, and the whole-text reading
// of CDbl) and the number texts (Format, CStr). A VbError is an answer
// (overflow, an unknown Format pattern); anything else leaving, a crash,
// or a text that does not read back as its number is a fault:
//   - Format of a finite number below 1e15 reads back within half a unit
//     of its last decimal (and 15 significant digits);
//   - CStr of a finite number reads back within 15 significant digits.
// An input is a pattern choice, eight bytes of a Double, and a text.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "fuzz_input.h"
#include "platform/error.h"
#include "platform/vb.h"

namespace {

using lumo::fuzz::FuzzInput;

// The patterns Format knows, with their decimals, or any other text.
struct Pattern {
  std::string text;
  std::optional<int> decimals;  // none: not a pattern Format knows
};

Pattern PatternFrom(FuzzInput& input) {
  switch (input.Below(4)) {
    case 0:
      return {"#,##0", 0};
    case 1:
      return {"#,##0.", 0};
    case 2: {
      const int decimals = static_cast<int>(input.Below(25));
      return {"#,##0." + std::string(static_cast<size_t>(decimals), '0'), decimals};
    }
    default:
      return {input.Text(16), std::nullopt};
  }
}

[[noreturn]] void Fail(const std::string& what, double value, const std::string& text) {
  std::fprintf(stderr, "fuzz_numbers: %s: %.17g printed as \"%s\"\n", what.c_str(), value,
               text.c_str());
  std::abort();
}

void CheckReadsBack(const std::string& what, double value, const std::string& text,
                    double tolerance) {
  const std::optional<double> back = lumo::vb::ParseNumericText(text);
  if (!back || !(std::fabs(*back - value) <= tolerance)) Fail(what, value, text);
}

void CheckFormat(double value, const Pattern& pattern) {
  std::string text;
  try {
    text = lumo::vb::Format(value, pattern.text);
  } catch (const lumo::VbError&) {
    return;
  }
  if (!pattern.decimals || !std::isfinite(value) || std::fabs(value) >= 1e15) return;
  const double halfUnit = 0.5 * std::pow(10.0, -*pattern.decimals);
  CheckReadsBack("Format " + pattern.text, value, text,
                 halfUnit * (1 + 1e-9) + std::fabs(value) * 1e-14);
}

void CheckCStr(double value) {
  std::string text;
  try {
    text = lumo::vb::DoubleToString(value);
  } catch (const lumo::VbError&) {
    return;
  }
  // Kept, as VB does: the largest Doubles print rounded up beyond the range
  // ("1.79769313486232E+308") and read back as an overflow.
  if (!std::isfinite(value) || std::fabs(value) > 1.79769313486231e308) return;
  // Below the smallest normal Double the 15 digits are not all there.
  CheckReadsBack("CStr", value, text, std::fabs(value) * 1e-14 + 1e-307);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzInput input(data, size);
  const Pattern pattern = PatternFrom(input);
  const double raw = input.Double();
  const std::string text(input.Rest());

  std::optional<double> leading;
  try {
    leading = lumo::vb::Val(text);
    lumo::vb::RoundToLong(*leading);
  } catch (const lumo::VbError&) {
  }
  try {
    lumo::vb::ParseNumericText(text);
    lumo::vb::CDbl(lumo::Variant(text));
  } catch (const lumo::VbError&) {
  }
  for (const double value : {raw, leading.value_or(0.0)}) {
    CheckFormat(value, pattern);
    CheckCStr(value);
  }
  try {
    lumo::vb::Format(lumo::Variant(text), pattern.text);
  } catch (const lumo::VbError&) {
  }
  return 0;
}
