// Format on decimal digits: take the value's 15-significant-digit decimal
// form, round that digit string half away from zero, then lay out the
// pattern. Rounding the binary value instead (printf's "%.2f") would turn
// 2.675 into 2.67 where VB gives 2.68.
#include <charconv>
#include <cmath>

#include "platform/error.h"
#include "platform/vb.h"
#include "vb_chars.h"

namespace lumo::vb {
namespace {

using chars::kDecimalPoint;
using chars::kGroupSeparator;

// The value's magnitude as decimal digits rounded half away from zero to
// `decimals` places, starting from its 15-significant-digit form.
struct RoundedDigits {
  std::string whole;     // no leading zeros; "0" for none
  std::string fraction;  // exactly `decimals` digits
};

RoundedDigits RoundDecimal(double magnitude, size_t decimals) {
  // "d.dddddddddddddde+XX": fifteen significant digits.
  char buffer[32];
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::scientific, 14);
  const std::string_view text(buffer, static_cast<size_t>(result.ptr - buffer));
  const size_t e = text.find('e');
  std::string digits(text.substr(0, 1));
  digits.append(text.substr(2, e - 2));
  int exponent = 0;
  std::from_chars(text.data() + e + (text[e + 1] == '+' ? 2 : 1), text.data() + text.size(),
                  exponent);

  // Place the point: `point` digits of `digits` stand before it.
  size_t point = 0;
  if (exponent >= 0) {
    point = static_cast<size_t>(exponent) + 1;
  } else {
    digits.insert(0, static_cast<size_t>(-exponent - 1), '0');
  }

  const size_t keep = point + decimals;
  if (digits.size() < keep + 1) digits.resize(keep + 1, '0');
  const bool roundUp = digits[keep] >= '5';
  digits.resize(keep);
  if (roundUp) {
    size_t i = keep;
    while (i > 0 && digits[i - 1] == '9') digits[--i] = '0';
    if (i == 0) {
      digits.insert(digits.begin(), '1');
      ++point;
    } else {
      ++digits[i - 1];
    }
  }

  const std::string whole = digits.substr(0, point);
  const size_t significant = whole.find_first_not_of('0');
  return {significant == std::string::npos ? "0" : whole.substr(significant), digits.substr(point)};
}

std::string GroupThousands(const std::string& digits) {
  std::string grouped;
  for (size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) grouped += kGroupSeparator;
    grouped += digits[i];
  }
  return grouped;
}

// The number of decimals a pattern asks for: "#,##0" is none, "#,##0."
// followed by zeros is that many; nullopt for any other pattern.
struct NumberPattern {
  bool point = false;
  size_t decimals = 0;
};

std::optional<NumberPattern> ParsePattern(std::string_view pattern) {
  constexpr std::string_view kGrouped = "#,##0";
  if (!pattern.starts_with(kGrouped)) return std::nullopt;
  std::string_view rest = pattern.substr(kGrouped.size());
  if (rest.empty()) return NumberPattern{};
  if (rest.front() != kDecimalPoint) return std::nullopt;
  rest.remove_prefix(1);
  if (rest.find_first_not_of('0') != std::string_view::npos) return std::nullopt;
  return NumberPattern{true, rest.size()};
}

}  // namespace

std::string Format(double value, std::string_view pattern) {
  const std::optional<NumberPattern> layout = ParsePattern(pattern);
  if (!layout) Raise(vberr::kInvalidCall);
  if (!std::isfinite(value)) Raise(vberr::kOverflow);

  const RoundedDigits digits = RoundDecimal(std::fabs(value), layout->decimals);
  // Kept: like VB, a negative value that rounds to zero keeps its sign
  // (-0.004 gives "-0.00"); a negative zero has none.
  std::string text = value < 0 ? "-" : "";
  text += GroupThousands(digits.whole);
  if (layout->point) {
    text += kDecimalPoint;
    text += digits.fraction;
  }
  return text;
}

std::string Format(const Variant& value, std::string_view pattern) {
  // Kept: VB gives an empty text for Null rather than an error.
  if (value.IsNull()) return "";
  return Format(CDbl(value), pattern);
}

}  // namespace lumo::vb
