#include "host/ui/text_width.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <utility>

namespace lumo::ui {

namespace {

using Range = std::pair<char32_t, char32_t>;

// East Asian Wide (W) and Fullwidth (F) blocks.
constexpr std::array<Range, 13> kWide = {{
    {0x1100, 0x115F},    // Hangul Jamo initials
    {0x2E80, 0x303E},    // CJK radicals, Kangxi, CJK symbols and punctuation
    {0x3041, 0x33FF},    // kana, Bopomofo, Hangul compatibility, CJK compatibility
    {0x3400, 0x4DBF},    // CJK extension A
    {0x4E00, 0x9FFF},    // CJK unified ideographs
    {0xA000, 0xA4CF},    // Yi
    {0xAC00, 0xD7A3},    // Hangul syllables
    {0xF900, 0xFAFF},    // CJK compatibility ideographs
    {0xFE30, 0xFE4F},    // CJK compatibility forms
    {0xFF00, 0xFF60},    // fullwidth forms
    {0xFFE0, 0xFFE6},    // fullwidth signs
    {0x1F300, 0x1F64F},  // pictographs and emoticons
    {0x20000, 0x3FFFD},  // CJK extensions B and later
}};

constexpr std::array<Range, 4> kCombining = {{
    {0x0300, 0x036F},
    {0x200B, 0x200F},  // zero-width space and marks
    {0x20D0, 0x20FF},
    {0xFE00, 0xFE0F},  // variation selectors
}};

template <size_t N>
bool In(const std::array<Range, N>& ranges, char32_t c) {
  return std::any_of(ranges.begin(), ranges.end(),
                     [c](const Range& r) { return c >= r.first && c <= r.second; });
}

// Decodes the character at text[i] and advances i; 0xFFFFFFFF
// for a byte that does not begin a valid sequence (i advances by one).
char32_t Next(std::string_view text, size_t& i) {
  const auto lead = static_cast<uint8_t>(text[i]);
  const size_t length = lead < 0x80           ? 1
                        : (lead >> 5) == 0x6  ? 2
                        : (lead >> 4) == 0xE  ? 3
                        : (lead >> 3) == 0x1E ? 4
                                              : 0;
  if (length == 0 || i + length > text.size()) {
    ++i;
    return 0xFFFFFFFF;
  }
  char32_t c = length == 1 ? lead : lead & (0x7F >> length);
  for (size_t k = 1; k < length; ++k) {
    const auto byte = static_cast<uint8_t>(text[i + k]);
    if ((byte & 0xC0) != 0x80) {
      ++i;
      return 0xFFFFFFFF;
    }
    c = (c << 6) | (byte & 0x3F);
  }
  i += length;
  return c;
}

}  // namespace

size_t DisplayWidth(std::string_view text) {
  size_t width = 0;
  for (size_t i = 0; i < text.size();) {
    const char32_t c = Next(text, i);
    if (In(kCombining, c)) continue;
    width += In(kWide, c) ? 2 : 1;
  }
  return width;
}

std::string PadToWidth(std::string_view text, size_t width, bool alignRight) {
  const std::string pad(width - std::min(width, DisplayWidth(text)), ' ');
  return alignRight ? pad + std::string(text) : std::string(text) + pad;
}

}  // namespace lumo::ui
