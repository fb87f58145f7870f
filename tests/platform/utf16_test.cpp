#include "platform/utf16.h"

#include <gtest/gtest.h>

namespace lumo {
namespace {

struct Pair {
  const char* name;
  std::string utf8;
  std::u16string utf16;
};

// Well-formed texts of every sequence length go both ways unchanged.
TEST(Utf16, WellFormedTextsGoBothWays) {
  const Pair kPairs[] = {
      {"empty", "", u""},
      {"ASCII with a NUL", std::string("a\0b", 3), std::u16string(u"a\0b", 3)},
      {"two bytes", "Pr\xC3\xA9is", u"Pr\u00E9is"},
      {"three bytes", "\xE4\xBB\xB7\xE6\xA0\xBC", u"\u4EF7\u683C"},
      {"four bytes, a surrogate pair", "x\xF0\x9F\x98\x80y", u"x\U0001F600y"},
      {"the last code point", "\xF4\x8F\xBF\xBF", u"\U0010FFFF"},
  };
  for (const auto& [name, utf8, utf16] : kPairs) {
    SCOPED_TRACE(name);
    EXPECT_EQ(Utf16FromUtf8(utf8), utf16);
    EXPECT_EQ(Utf8FromUtf16(utf16), utf8);
  }
}

// Each malformed part is one U+FFFD and the letters after it are kept.
TEST(Utf16, MalformedUtf8BecomesReplacementCharacters) {
  const Pair kPairs[] = {
      {"lone continuation byte", "a\x80z", u"a\uFFFDz"},
      {"overlong slash", "a\xC0\xAFz", u"a\uFFFD\uFFFDz"},
      {"cut off at the end", "a\xE4\xBB", u"a\uFFFD\uFFFD"},
      {"cut off before a letter", "\xE4\xBBz", u"\uFFFD\uFFFDz"},
      {"encoded surrogate", "\xED\xA0\x80", u"\uFFFD\uFFFD\uFFFD"},
      {"beyond U+10FFFF", "\xF4\x90\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD"},
      {"byte that starts nothing", "\xFFz", u"\uFFFDz"},
  };
  for (const auto& [name, utf8, utf16] : kPairs) {
    SCOPED_TRACE(name);
    EXPECT_EQ(Utf16FromUtf8(utf8), utf16);
  }
}

TEST(Utf16, UnpairedSurrogatesBecomeReplacementCharacters) {
  const Pair kPairs[] = {
      {"high at the end", "a\xEF\xBF\xBD", std::u16string{u'a', char16_t(0xD83D)}},
      {"low alone",
       "\xEF\xBF\xBD"
       "a",
       std::u16string{char16_t(0xDE00), u'a'}},
      {"low before high", "\xEF\xBF\xBD\xEF\xBF\xBD",
       std::u16string{char16_t(0xDE00), char16_t(0xD83D)}},
      {"high before a letter", "\xEF\xBF\xBDz", std::u16string{char16_t(0xD83D), u'z'}},
  };
  for (const auto& [name, utf8, utf16] : kPairs) {
    SCOPED_TRACE(name);
    EXPECT_EQ(Utf8FromUtf16(utf16), utf8);
  }
}

}  // namespace
}  // namespace lumo
