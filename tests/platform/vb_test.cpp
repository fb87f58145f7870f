#include "platform/vb.h"

#include <limits>

#include "support/vb_testing.h"

namespace lumo::vb {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
Variant Int(int16_t i) {
  return Variant(i);
}
Variant Lng(int32_t l) {
  return Variant(l);
}

TEST(Val, ReadsTheLeadingNumberSkippingBlanksAnywhere) {
  static const struct {
    const char* text;
    double expected;
  } kCases[] = {
      {" 1 2 3abc", 123}, {"&H1F", 31},  {"&O17", 15},   {"1.5e2x", 150},    {"", 0},
      {"-.5", -0.5},      {"1E3", 1000}, {"1D3", 1000},  {"x", 0},           {"1,234", 1},
      {"\t-\n4.5", -4.5}, {"1e", 1},     {"&HFFFF", -1}, {"&H10000", 65536}, {"&HFFFFFFFF", -1},
      {"&H1FG", 31},      {"--1", 0},    {"1e-400", 0},  {"\r1", 0},  // a carriage return is no
                                                                      // blank
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(Val(c.text), c.expected);
  }
  EXPECT_VB_ERROR(Val("&H100000000"), 6);
  EXPECT_VB_ERROR(Val("1e999"), 6);
  EXPECT_EQ(Val(Variant(0.1 + 0.2)), 0.3);  // reads the value's text form
  EXPECT_VB_ERROR(Val(Variant::Null()), 94);
}

TEST(NumericText, NeedsTheWholeTextToBeANumber) {
  static const struct {
    const char* text;
    std::optional<double> expected;
  } kCases[] = {
      {"1,234.5", 1234.5},
      {" -.5 ", -0.5},
      {"+7", 7},
      {"2d1", 20},
      {"1.", 1},
      {" &HFFFF", -1},
      {"", std::nullopt},
      {"   ", std::nullopt},
      {"1e", std::nullopt},
      {"1,", std::nullopt},
      {",1", std::nullopt},
      {"1 2", std::nullopt},
      {"12abc", std::nullopt},
      {".", std::nullopt},
      {"&HG", std::nullopt},
      {"True", std::nullopt},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(ParseNumericText(c.text), c.expected);
  }
}

TEST(Conversions, CLngRoundsHalfToEven) {
  static const struct {
    double value;
    int32_t expected;
  } kCases[] = {
      {0.5, 0},
      {1.5, 2},
      {2.5, 2},
      {-2.5, -2},
      {-1.5, -2},
      {0.51, 1},
      {2147483647.49, 2147483647},
      // Exactly on the lower margin: not below it, so it rounds to the even minimum.
      {-2147483648.5, -2147483648},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.value);
    EXPECT_EQ(CLng(Variant(c.value)), c.expected);
  }
  for (double x : {2147483647.5, -2147483648.51, kNaN}) EXPECT_VB_ERROR(RoundToLong(x), 6);
  EXPECT_EQ(RoundToInteger(-32768.5), -32768);
  for (double x : {32767.5, -32768.51}) EXPECT_VB_ERROR(RoundToInteger(x), 6);
}

TEST(Conversions, CLngNeedsANumberOrNumericText) {
  static const struct {
    Variant value;
    int32_t expected;
  } kCases[] = {
      {Variant(), 0},        {Variant(true), -1}, {Variant("12.5"), 12},
      {Variant("-1.5"), -2}, {Variant("0.5"), 0}, {Variant(" 1,234 "), 1234},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(CStr(c.value));
    EXPECT_EQ(CLng(c.value), c.expected);
  }
  static const struct {
    Variant value;
    int32_t error;
  } kFailures[] = {{Variant("12abc"), 13}, {Variant("abc"), 13},     {Variant(""), 13},
                   {Variant::Null(), 94},  {Variant::Nothing(), 13}, {Variant(VbArray(0, 1)), 13}};
  for (const auto& c : kFailures) {
    SCOPED_TRACE(TypeName(c.value));
    EXPECT_VB_ERROR(CLng(c.value), c.error);
    EXPECT_VB_ERROR(CDbl(c.value), c.error);
  }
  EXPECT_VB_ERROR(CInt(Lng(40000)), 6);
}

TEST(Conversions, CBoolTakesNumbersAndTheWordsTrueAndFalse) {
  EXPECT_FALSE(CBool(Variant()));
  EXPECT_TRUE(CBool(Variant(-0.5)));
  EXPECT_TRUE(CBool(Variant("true")));
  EXPECT_FALSE(CBool(Variant("FALSE")));
  EXPECT_FALSE(CBool(Variant("0")));
  EXPECT_VB_ERROR(CBool(Variant("yes")), 13);
  EXPECT_VB_ERROR(CBool(Variant::Null()), 94);
}

TEST(Conversions, CStrPrintsAsVbDoes) {
  static const struct {
    Variant value;
    const char* expected;
  } kCases[] = {
      {Variant(0.1 + 0.2), "0.3"},
      {Variant(-0.0), "0"},
      {Variant(1e16), "1E+16"},
      {Variant(1e15), "1E+15"},
      {Variant(123456789012345.0), "123456789012345"},
      {Variant(0.0001), "0.0001"},
      {Variant(0.00001), "1E-05"},
      {Variant(-1.5e-5), "-1.5E-05"},
      {Variant(1.0 / 3), "0.333333333333333"},
      {Int(-5), "-5"},
      {Variant(true), "True"},
      {Variant(), ""},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.expected);
    EXPECT_EQ(CStr(c.value), c.expected);
  }
  EXPECT_VB_ERROR(CStr(Variant::Null()), 94);
}

TEST(Arithmetic, MultiplyTakesTheKindOfTheHigherOperand) {
  static const struct {
    const char* name;
    Variant a, b, expected;
  } kCases[] = {
      {"Null left", Variant::Null(), Int(2), Variant::Null()},
      {"Null right", Variant(2.5), Variant::Null(), Variant::Null()},
      {"Empty twice", Variant(), Variant(), Int(0)},
      {"Empty and Long", Variant(), Lng(5), Lng(0)},
      {"Integers grow to Long", Int(200), Int(200), Lng(40000)},
      {"Longs grow to Double", Lng(65536), Lng(65536), Variant(4294967296.0)},
      {"Booleans count as Integers", Variant(true), Variant(true), Int(1)},
      {"numeric text is a Double", Variant("2"), Int(3), Variant(6.0)},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Multiply(c.a, c.b), c.expected);
  }
  EXPECT_VB_ERROR(Multiply(Variant("abc"), Int(2)), 13);
  EXPECT_VB_ERROR(Multiply(Variant::Null(), Variant::Nothing()), 13);
  EXPECT_VB_ERROR(Multiply(Variant(1e308), Int(10)), 6);
}

TEST(Arithmetic, DivideGivesADoubleAndRefusesZero) {
  EXPECT_EQ(Divide(Int(1), Int(2)), Variant(0.5));
  EXPECT_EQ(Divide(Variant("3"), Int(2)), Variant(1.5));
  EXPECT_EQ(Divide(Variant::Null(), Int(0)), Variant::Null());
  EXPECT_VB_ERROR(Divide(Int(1), Int(0)), 11);
  EXPECT_VB_ERROR(Divide(Variant(2.5), Variant()), 11);
  EXPECT_VB_ERROR(Divide(Int(0), Variant(0.0)), 6);
  EXPECT_VB_ERROR(Divide(Variant("abc"), Int(1)), 13);
}

TEST(Format, RoundsTheFifteenDigitFormHalfAwayFromZero) {
  static const struct {
    double value;
    const char* pattern;
    const char* expected;
  } kCases[] = {
      {1234.5, "#,##0.00", "1,234.50"},
      {2.675, "#,##0.00", "2.68"},  // %.2f gives 2.67
      {10.004, "#,##0.00", "10.00"},
      {10.006, "#,##0.00", "10.01"},
      {10.4, "#,##0", "10"},
      {0.5, "#,##0", "1"},
      {999.995, "#,##0.00", "1,000.00"},
      {-1234567.891, "#,##0.00", "-1,234,567.89"},
      {-0.0, "#,##0.00", "0.00"},
      {-0.004, "#,##0.00", "-0.00"},
      {1e15, "#,##0", "1,000,000,000,000,000"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(testing::Message() << c.value << " " << c.pattern);
    EXPECT_EQ(Format(c.value, c.pattern), c.expected);
  }
  for (const char* pattern : {"", "0.00", "#,##0.0#", "#,##0,00"}) {
    EXPECT_VB_ERROR(Format(1.0, pattern), 5);
  }
  EXPECT_EQ(Format(Variant::Null(), "#,##0.00"), "");
  EXPECT_EQ(Format(Variant(), "#,##0.00"), "0.00");
  EXPECT_EQ(Format(Variant("1234.5"), "#,##0.00"), "1,234.50");
  EXPECT_VB_ERROR(Format(Variant("abc"), "#,##0"), 13);
}

TEST(Text, TrimAndUCaseTouchOnlySpacesAndAsciiLetters) {
  EXPECT_EQ(Trim("  a b  "), "a b");
  EXPECT_EQ(Trim("\t a \t"), "\t a \t");
  EXPECT_EQ(LTrim("  a "), "a ");
  EXPECT_EQ(RTrim("  a "), "  a");
  EXPECT_EQ(UCase("ab-\xC3\xA9"), "AB-\xC3\xA9");  // é stays as it is
}

TEST(Text, InStrFindsTextIgnoringCaseAndCountsBytes) {
  static const struct {
    int32_t start;
    const char* text;
    const char* needle;
    int32_t expected;
  } kCases[] = {
      {1, "Hello", "LL", 3},
      {4, "Hello", "l", 4},
      {5, "Hello", "l", 0},
      {1, "", "", 0},
      {2, "abc", "", 2},
      {3, "abc", "C", 3},  // the last byte
      {4, "abc", "a", 0},
      {4, "abc", "", 0},  // a start past the text gives 0 before an empty needle gives start
      {1,
       "\xE4\xB8\xAD"
       "abc",
       "ABC", 4},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(testing::Message() << c.start << " '" << c.text << "' '" << c.needle << "'");
    EXPECT_EQ(InStr(c.start, c.text, c.needle), c.expected);
  }
  EXPECT_VB_ERROR(InStr(0, "abc", "a"), 5);
}

TEST(Text, TrimWhiteSpaceTakesBlanksTabsAndLineBreaksFromBothEnds) {
  static const std::pair<const char*, const char*> kCases[] = {
      {" \t\r\na b\r\n\t ", "a b"},
      {"a\n", "a"},
      {"\ta", "a"},
      {" \r\n", ""},
      {"", ""},
      {"a \t b", "a \t b"},
      {"\va\f", "\va\f"},
      {"\xC2\xA0"
       "a",
       "\xC2\xA0"
       "a"},  // only ASCII white space
  };
  for (const auto& [text, trimmed] : kCases) {
    SCOPED_TRACE(testing::PrintToString(text));
    EXPECT_EQ(TrimWhiteSpace(text), trimmed);
  }
}

TEST(Text, EqualsIgnoringCaseFoldsAsciiLettersOnly) {
  static const struct {
    const char* a;
    const char* b;
    bool equal;
  } kCases[] = {
      {"SQLite", "sqlite", true},
      {"", "", true},
      {"a", "", false},
      {"ab", "abc", false},
      {"abc", "ab", false},
      {"[x]", "{X}", false},            // not bit 5
      {"\xC3\xA9", "\xC3\x89", false},  // é and É are other bytes
      {"@", "`", false},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(testing::Message() << "'" << c.a << "' '" << c.b << "'");
    EXPECT_EQ(EqualsIgnoringCase(c.a, c.b), c.equal);
    EXPECT_EQ(EqualsIgnoringCase(c.b, c.a), c.equal);
  }
}

}  // namespace
}  // namespace lumo::vb
