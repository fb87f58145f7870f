// Whole-number rounding and the two ways numbers are read from text.
//
// Val takes the leading number of any text and is lenient;
// ParseNumericText (behind CDbl, CLng, CInt, CBool and the arithmetic)
// needs the whole text to be a number. Both end in the same
// decimal-to-double step, and every whole-number conversion ends in
// RoundToLong or RoundToInteger.
#include <algorithm>
#include <charconv>
#include <cmath>

#include "platform/error.h"
#include "platform/vb.h"
#include "vb_chars.h"

namespace lumo::vb {

using chars::IsDigit;
using chars::kDecimalPoint;
using chars::kGroupSeparator;
using chars::ToUpperAscii;

// ---- rounding -------------------------------------------------------------

namespace {

// Round half to even, independent of the floating-point rounding mode.
double RoundHalfToEven(double x) {
  const double below = std::floor(x);
  const double fraction = x - below;  // exact for the magnitudes converted here
  if (fraction > 0.5) return below + 1;
  if (fraction < 0.5) return below;
  return std::fmod(below, 2.0) == 0 ? below : below + 1;
}

}  // namespace

int32_t RoundToLong(double x) {
  // Written so that NaN fails the test too.
  if (!(x >= -2147483648.5 && x < 2147483647.5)) Raise(vberr::kOverflow);
  return static_cast<int32_t>(RoundHalfToEven(x));
}

int16_t RoundToInteger(double x) {
  if (!(x >= -32768.5 && x < 32767.5)) Raise(vberr::kOverflow);
  return static_cast<int16_t>(RoundHalfToEven(x));
}

// ---- what both readers share ----------------------------------------------

namespace {

// A decimal number as read from text: digits before and after the point and
// a power of ten.
struct DecimalParts {
  bool negative = false;
  std::string whole;
  std::string fraction;
  int64_t exponent = 0;

  bool HasDigits() const { return !whole.empty() || !fraction.empty(); }
};

// Adds one exponent digit, saturating far beyond any double's range.
void AddExponentDigit(int64_t& exponent, char digit) {
  constexpr int64_t kSaturation = 1'000'000;
  exponent = std::min(exponent * 10 + (digit - '0'), kSaturation);
}

bool IsExponentLetter(char c) {
  const char upper = ToUpperAscii(c);
  return upper == 'E' || upper == 'D';
}

// The double nearest to the decimal number; error 6 when it is too large,
// 0 when it is too small.
double ToDouble(const DecimalParts& parts) {
  // Power of ten of the first significant digit, to tell overflow from
  // underflow without relying on the parser for it.
  const std::string digits = parts.whole + parts.fraction;
  const size_t first = digits.find_first_not_of('0');
  if (first == std::string::npos) return parts.negative ? -0.0 : 0.0;
  const int64_t magnitude =
      static_cast<int64_t>(parts.whole.size()) - 1 - static_cast<int64_t>(first) + parts.exponent;
  if (magnitude > 400) Raise(vberr::kOverflow);
  if (magnitude < -400) return 0.0;

  // from_chars does not depend on the C locale, unlike strtod.
  std::string text = parts.negative ? "-" : "";
  text += parts.whole.empty() ? "0" : parts.whole;
  text += '.';
  text += parts.fraction.empty() ? "0" : parts.fraction;
  text += 'e';
  text += std::to_string(parts.exponent);
  double value = 0;
  const auto [end, error] =
      std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::general);
  if (error == std::errc::result_out_of_range) {
    if (magnitude > 0) Raise(vberr::kOverflow);
    return 0.0;
  }
  return value;
}

// A hexadecimal or octal number is a 16-bit value when it fits in 16 bits and
// a 32-bit one otherwise, both signed: &HFFFF is -1, &H10000 is 65536,
// &HFFFFFFFF is -1; more than 32 bits is error 6.
double FromRadixDigits(uint64_t value) {
  if (value <= 0xFFFF) return static_cast<int16_t>(static_cast<uint16_t>(value));
  if (value <= 0xFFFFFFFF) return static_cast<int32_t>(static_cast<uint32_t>(value));
  Raise(vberr::kOverflow);
}

int RadixDigit(char c, int radix) {
  const char upper = ToUpperAscii(c);
  int digit = 99;
  if (IsDigit(upper)) digit = upper - '0';
  if (upper >= 'A' && upper <= 'F') digit = upper - 'A' + 10;
  return digit < radix ? digit : -1;
}

// Accumulates one more digit; stops growing once past 32 bits so that a long
// text cannot wrap the value around.
void AddRadixDigit(uint64_t& value, int radix, int digit) {
  if (value <= 0xFFFFFFFF)
    value = value * static_cast<uint64_t>(radix) + static_cast<uint64_t>(digit);
}

// 16 for "H", 8 for "O", 0 for anything else after "&".
int RadixOf(char letter) {
  switch (ToUpperAscii(letter)) {
    case 'H':
      return 16;
    case 'O':
      return 8;
    default:
      return 0;
  }
}

// ---- Val ------------------------------------------------------------------

// Val's view of a text: blanks, tabs and line feeds are not there.
class ValReader {
 public:
  explicit ValReader(std::string_view text) : text_(text) {}

  // The next character that counts, or '\0' at the end.
  char Peek() {
    while (pos_ < text_.size() && IsIgnored(text_[pos_])) ++pos_;
    return pos_ < text_.size() ? text_[pos_] : '\0';
  }
  void Skip() { ++pos_; }
  bool Accept(char c) {
    if (Peek() != c) return false;
    Skip();
    return true;
  }
  std::string Digits() {
    std::string digits;
    while (IsDigit(Peek())) {
      digits += Peek();
      Skip();
    }
    return digits;
  }

 private:
  // Kept: VB's Val strips blanks, tabs and line feeds, and no carriage
  // return: Val("1\r2") is 1. This is not IsWhiteSpace, which also takes CR
  // and only trims the ends of a text.
  static bool IsIgnored(char c) { return c == ' ' || c == '\t' || c == '\n'; }

  std::string_view text_;
  size_t pos_ = 0;
};

}  // namespace

double Val(std::string_view text) {
  ValReader in(text);
  if (in.Accept('&')) {
    const int radix = RadixOf(in.Peek());
    if (radix == 0) return 0;
    in.Skip();
    uint64_t value = 0;
    for (int digit; (digit = RadixDigit(in.Peek(), radix)) >= 0; in.Skip()) {
      AddRadixDigit(value, radix, digit);
    }
    return FromRadixDigits(value);
  }

  DecimalParts parts;
  if (in.Accept('-')) {
    parts.negative = true;
  } else {
    in.Accept('+');
  }
  parts.whole = in.Digits();
  if (in.Accept(kDecimalPoint)) parts.fraction = in.Digits();
  if (!parts.HasDigits()) return 0;
  if (IsExponentLetter(in.Peek())) {
    in.Skip();
    const bool negativeExponent = in.Accept('-');
    if (!negativeExponent) in.Accept('+');
    for (char c : in.Digits()) AddExponentDigit(parts.exponent, c);
    if (negativeExponent) parts.exponent = -parts.exponent;
  }
  return ToDouble(parts);
}

double Val(const Variant& value) {
  return Val(CStr(value));
}

// ---- numeric text ---------------------------------------------------------

std::optional<double> ParseNumericText(std::string_view text) {
  const std::string_view number = TrimWhiteSpace(text);
  if (number.empty()) return std::nullopt;

  size_t i = 0;
  auto peek = [&] { return i < number.size() ? number[i] : '\0'; };

  if (peek() == '&') {
    const int radix = RadixOf(i + 1 < number.size() ? number[i + 1] : '\0');
    if (radix == 0 || number.size() < 3) return std::nullopt;
    uint64_t value = 0;
    for (i += 2; i < number.size(); ++i) {
      const int digit = RadixDigit(number[i], radix);
      if (digit < 0) return std::nullopt;
      AddRadixDigit(value, radix, digit);
    }
    return FromRadixDigits(value);
  }

  DecimalParts parts;
  if (peek() == '-' || peek() == '+') parts.negative = number[i++] == '-';
  // Group separators may stand between digits of the whole part.
  for (; IsDigit(peek()) || (peek() == kGroupSeparator && !parts.whole.empty() &&
                             i + 1 < number.size() && IsDigit(number[i + 1]));
       ++i) {
    if (IsDigit(peek())) parts.whole += peek();
  }
  if (peek() == kDecimalPoint) {
    for (++i; IsDigit(peek()); ++i) parts.fraction += peek();
  }
  if (!parts.HasDigits()) return std::nullopt;
  if (IsExponentLetter(peek())) {
    ++i;
    const bool negativeExponent = peek() == '-';
    if (peek() == '-' || peek() == '+') ++i;
    if (!IsDigit(peek())) return std::nullopt;
    for (; IsDigit(peek()); ++i) AddExponentDigit(parts.exponent, peek());
    if (negativeExponent) parts.exponent = -parts.exponent;
  }
  if (i != number.size()) return std::nullopt;
  return ToDouble(parts);
}

}  // namespace lumo::vb
