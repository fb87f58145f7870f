// VB's conversions, arithmetic, Format and text functions.
//
// Numbers are read in two ways: Val takes the leading number of any text and
// is lenient; ParseNumericText (behind CDbl, CLng, CInt, CBool and the
// arithmetic) needs the whole text to be a number. Both end in the same
// decimal-to-double step, and every whole-number conversion ends in
// RoundToLong or RoundToInteger.
#include "platform/vb.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <iterator>
#include <limits>

#include "platform/error.h"

namespace lumo::vb {

namespace {

// The fixed locale: a point for decimals, a comma for digit groups.
constexpr char kDecimalPoint = '.';
constexpr char kGroupSeparator = ',';

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}
char ToUpperAscii(char c) {
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

// ---- rounding -------------------------------------------------------------

// Round half to even, independent of the floating-point rounding mode.
double RoundHalfToEven(double x) {
  const double below = std::floor(x);
  const double fraction = x - below;  // exact for the magnitudes converted here
  if (fraction > 0.5) return below + 1;
  if (fraction < 0.5) return below;
  return std::fmod(below, 2.0) == 0 ? below : below + 1;
}

// ---- reading numbers ------------------------------------------------------

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
  static bool IsIgnored(char c) { return c == ' ' || c == '\t' || c == '\n'; }

  std::string_view text_;
  size_t pos_ = 0;
};

bool IsExponentLetter(char c) {
  const char upper = ToUpperAscii(c);
  return upper == 'E' || upper == 'D';
}

bool IsWhiteSpace(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// ---- variant arithmetic ---------------------------------------------------

// VB's type priority for * and /: the result takes the higher rank of the two
// operands and widens further while the product does not fit.
enum class Rank { Integer, Long, Double };

// What an operand brings to * and /, by the variant's kind.
enum class Role { Null, Integer, Long, Double, Text, Mismatch };

constexpr Role kRoleOf[] = {
    Role::Integer,   // Empty counts as Integer 0
    Role::Null,      // Null propagates
    Role::Integer,   // Boolean counts as Integer -1 / 0
    Role::Integer,   // Integer
    Role::Long,      // Long
    Role::Double,    // Double
    Role::Text,      // String: numeric text becomes a Double, other text is 13
    Role::Mismatch,  // Object
    Role::Mismatch,  // Array
};
static_assert(std::size(kRoleOf) == static_cast<size_t>(Variant::Kind::Array) + 1);

struct Operand {
  Rank rank;
  double value;  // exact for Integer and Long
};

Role RoleOf(const Variant& v) {
  return kRoleOf[static_cast<size_t>(v.kind())];
}

Operand ToOperand(const Variant& v) {
  switch (RoleOf(v)) {
    case Role::Integer:
      return {Rank::Integer, CDbl(v)};
    case Role::Long:
      return {Rank::Long, CDbl(v)};
    case Role::Double:
      return {Rank::Double, v.AsDouble()};
    case Role::Text:
      return {Rank::Double, CDbl(v)};
    case Role::Null:
    case Role::Mismatch:
      break;
  }
  Raise(vberr::kTypeMismatch);
}

// Whether the result is Null: objects and arrays are 13 even beside a Null.
bool PropagatesNull(const Variant& a, const Variant& b) {
  if (RoleOf(a) == Role::Mismatch || RoleOf(b) == Role::Mismatch) Raise(vberr::kTypeMismatch);
  return a.IsNull() || b.IsNull();
}

double CheckedResult(double result) {
  if (!std::isfinite(result)) Raise(vberr::kOverflow);
  return result;
}

// ---- Format ---------------------------------------------------------------

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

// ---- whole numbers ---------------------------------------------------------

int32_t RoundToLong(double x) {
  // Written so that NaN fails the test too.
  if (!(x >= -2147483648.5 && x < 2147483647.5)) Raise(vberr::kOverflow);
  return static_cast<int32_t>(RoundHalfToEven(x));
}

int16_t RoundToInteger(double x) {
  if (!(x >= -32768.5 && x < 32767.5)) Raise(vberr::kOverflow);
  return static_cast<int16_t>(RoundHalfToEven(x));
}

// ---- Val ------------------------------------------------------------------

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
  size_t begin = 0;
  size_t end = text.size();
  while (begin < end && IsWhiteSpace(text[begin])) ++begin;
  while (end > begin && IsWhiteSpace(text[end - 1])) --end;
  const std::string_view number = text.substr(begin, end - begin);
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

// ---- conversions ----------------------------------------------------------

double CDbl(const Variant& value) {
  switch (value.kind()) {
    case Variant::Kind::Empty:
      return 0;
    case Variant::Kind::Null:
      Raise(vberr::kInvalidUseOfNull);
    case Variant::Kind::Boolean:
      return value.AsBool() ? -1 : 0;
    case Variant::Kind::Integer:
      return value.AsInteger();
    case Variant::Kind::Long:
      return value.AsLong();
    case Variant::Kind::Double:
      return value.AsDouble();
    case Variant::Kind::String:
      if (auto number = ParseNumericText(value.AsString())) return *number;
      break;
    case Variant::Kind::Object:
    case Variant::Kind::Array:
      break;
  }
  Raise(vberr::kTypeMismatch);
}

int32_t CLng(const Variant& value) {
  switch (value.kind()) {
    case Variant::Kind::Long:
      return value.AsLong();
    case Variant::Kind::Integer:
      return value.AsInteger();
    default:
      return RoundToLong(CDbl(value));
  }
}

int16_t CInt(const Variant& value) {
  switch (value.kind()) {
    case Variant::Kind::Integer:
      return value.AsInteger();
    default:
      return RoundToInteger(CDbl(value));
  }
}

bool CBool(const Variant& value) {
  switch (value.kind()) {
    case Variant::Kind::Boolean:
      return value.AsBool();
    case Variant::Kind::String: {
      const std::string word = UCase(value.AsString());
      if (word == "TRUE") return true;
      if (word == "FALSE") return false;
      return CDbl(value) != 0;
    }
    default:
      return CDbl(value) != 0;
  }
}

std::string CStr(const Variant& value) {
  switch (value.kind()) {
    case Variant::Kind::Empty:
      return "";
    case Variant::Kind::Null:
      Raise(vberr::kInvalidUseOfNull);
    case Variant::Kind::Boolean:
      return value.AsBool() ? "True" : "False";
    case Variant::Kind::Integer:
      return std::to_string(value.AsInteger());
    case Variant::Kind::Long:
      return std::to_string(value.AsLong());
    case Variant::Kind::Double:
      return DoubleToString(value.AsDouble());
    case Variant::Kind::String:
      return value.AsString();
    case Variant::Kind::Object:
    case Variant::Kind::Array:
      break;
  }
  Raise(vberr::kTypeMismatch);
}

std::string DoubleToString(double value) {
  // Also turns a negative zero into "0".
  if (value == 0) return "0";
  // Fifteen significant digits, trailing zeros dropped, exponent form below
  // 1E-04 and from 1E+15 on: exactly printf's %.15G, which is VB's layout.
  char buffer[32];
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
  std::string text(buffer, result.ptr);
  std::replace(text.begin(), text.end(), 'e', 'E');
  return text;
}

// ---- variant arithmetic ---------------------------------------------------

Variant Multiply(const Variant& a, const Variant& b) {
  if (PropagatesNull(a, b)) return Variant::Null();
  const Operand x = ToOperand(a);
  const Operand y = ToOperand(b);
  const Rank rank = std::max(x.rank, y.rank);
  if (rank == Rank::Double) return CheckedResult(x.value * y.value);

  // Integer and Long operands: the exact product, in the narrowest kind that
  // is at least `rank` and holds it.
  const int64_t product = static_cast<int64_t>(x.value) * static_cast<int64_t>(y.value);
  if (rank == Rank::Integer && product >= std::numeric_limits<int16_t>::min() &&
      product <= std::numeric_limits<int16_t>::max()) {
    return static_cast<int16_t>(product);
  }
  if (product >= std::numeric_limits<int32_t>::min() &&
      product <= std::numeric_limits<int32_t>::max()) {
    return static_cast<int32_t>(product);
  }
  return static_cast<double>(product);
}

Variant Divide(const Variant& a, const Variant& b) {
  if (PropagatesNull(a, b)) return Variant::Null();
  const double dividend = ToOperand(a).value;
  const double divisor = ToOperand(b).value;
  if (divisor == 0) {
    // Kept: VB reports 0 / 0 as an overflow, not as a division by zero.
    Raise(dividend == 0 ? vberr::kOverflow : vberr::kDivisionByZero);
  }
  return CheckedResult(dividend / divisor);
}

// ---- Format ---------------------------------------------------------------

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

// ---- text -----------------------------------------------------------------
// All positions and lengths below count bytes of the UTF-8 text.

std::string LTrim(std::string_view text) {
  const size_t first = text.find_first_not_of(' ');
  return first == std::string_view::npos ? std::string() : std::string(text.substr(first));
}

std::string RTrim(std::string_view text) {
  const size_t last = text.find_last_not_of(' ');
  return last == std::string_view::npos ? std::string() : std::string(text.substr(0, last + 1));
}

std::string Trim(std::string_view text) {
  return RTrim(LTrim(text));
}

std::string UCase(std::string_view text) {
  std::string upper(text);
  std::transform(upper.begin(), upper.end(), upper.begin(), ToUpperAscii);
  return upper;
}

int32_t InStr(int32_t start, std::string_view text, std::string_view needle) {
  if (start < 1) Raise(vberr::kInvalidCall);
  const size_t from = static_cast<size_t>(start) - 1;
  if (text.empty() || from >= text.size()) return 0;
  if (needle.empty()) return start;
  const auto sameLetter = [](char x, char y) { return ToUpperAscii(x) == ToUpperAscii(y); };
  const auto found = std::search(text.begin() + static_cast<std::ptrdiff_t>(from), text.end(),
                                 needle.begin(), needle.end(), sameLetter);
  if (found == text.end()) return 0;
  return static_cast<int32_t>(found - text.begin()) + 1;
}

}  // namespace lumo::vb
