// VB's conversions and text functions, with VB's rules and error numbers.
//
// The locale is fixed: a point for decimals, a comma for digit groups.
// Text functions work on UTF-8 bytes; Trim removes only the space character
// (U+0020), UCase upper-cases ASCII letters only, InStr compares ASCII
// letters without regard to case and counts bytes.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/variant.h"

namespace lumo::vb {

// ---- whole numbers: every conversion goes through these two ---------------
// Round half to even; overflow (6) is decided on the unrounded value:
// a Long overflows when x < -2147483648.5 or x >= 2147483647.5.
int32_t RoundToLong(double x);
int16_t RoundToInteger(double x);

// ---- leading-number value -------------------------------------------------
// Val: blanks, tabs and line feeds are skipped wherever they stand; a point
// is the decimal separator; &H and &O start hexadecimal and octal numbers;
// E or D starts an exponent; reading stops at the first character that
// cannot continue the number; no number at all gives 0.
double Val(std::string_view text);
// Val of the value's text form (CStr); Null is error 94.
double Val(const Variant& value);
// Texts convert to both a string_view and a Variant: these pick the text one.
inline double Val(const std::string& text) {
  return Val(std::string_view(text));
}
inline double Val(const char* text) {
  return Val(std::string_view(text));
}

// ---- numeric text ---------------------------------------------------------
// The number a whole text stands for, as VB's CDbl reads text: optional
// blanks around, an optional sign, digits with optional comma groups, an
// optional point fraction and exponent; &H/&O forms too. nullopt when the
// text is not a number (CDbl then raises 13).
std::optional<double> ParseNumericText(std::string_view text);

// ---- conversions of a Variant ---------------------------------------------
// Empty is 0 (or "" / False); Null is 94; text must be numeric (else 13);
// Boolean True is -1; objects and arrays are 13.
double CDbl(const Variant& value);
int32_t CLng(const Variant& value);
int16_t CInt(const Variant& value);
// Numbers and the words True/False (any letter case).
bool CBool(const Variant& value);
// Numbers print as VB prints them (at most 15 significant digits for a
// Double, "-0" printed as "0"); Boolean as "True"/"False"; Empty as "".
std::string CStr(const Variant& value);
std::string DoubleToString(double value);

// ---- variant arithmetic ---------------------------------------------------
// Null propagates, Empty counts as 0, numeric text becomes a Double, other
// text is 13; the result kind follows VB's type priority; division always
// gives a Double and x / 0 is error 11.
Variant Multiply(const Variant& a, const Variant& b);
Variant Divide(const Variant& a, const Variant& b);

// ---- Format ---------------------------------------------------------------
// Patterns "#,##0" and "#,##0." followed by N zeros: grouped digits, rounded
// half away from zero on the value's 15-significant-digit decimal form
// (so 2.675 gives 2.68). Any other pattern is error 5.
std::string Format(double value, std::string_view pattern);
std::string Format(const Variant& value, std::string_view pattern);

// ---- text -----------------------------------------------------------------
std::string Trim(std::string_view text);
std::string LTrim(std::string_view text);
std::string RTrim(std::string_view text);
std::string UCase(std::string_view text);
// 1-based position of needle in text at or after start, 0 when absent;
// letter case is ignored (vbTextCompare). An empty needle gives start.
int32_t InStr(int32_t start, std::string_view text, std::string_view needle);
inline int32_t InStr(std::string_view text, std::string_view needle) {
  return InStr(1, text, needle);
}

// ---- text helpers of this system (no VB function does these) -------------
// `text` without the white space at either end, as the parsers here trim a
// value: space, tab, CR and LF (Val skips a set of its own, without CR,
// anywhere in a number). The view is into `text`.
std::string_view TrimWhiteSpace(std::string_view text);
// Equal texts, ASCII letters compared without regard to case.
bool EqualsIgnoringCase(std::string_view a, std::string_view b);

}  // namespace lumo::vb
