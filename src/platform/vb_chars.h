// The fixed locale and the ASCII character tests that VB's number, Format
// and text functions share. Private to the platform library.
#pragma once

namespace lumo::vb::chars {

// The fixed locale: a point for decimals, a comma for digit groups.
inline constexpr char kDecimalPoint = '.';
inline constexpr char kGroupSeparator = ',';

inline bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// Only ASCII letters change; every other byte, UTF-8 ones included, stays.
inline char ToUpperAscii(char c) {
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

inline bool SameLetter(char a, char b) {
  return ToUpperAscii(a) == ToUpperAscii(b);
}

}  // namespace lumo::vb::chars
