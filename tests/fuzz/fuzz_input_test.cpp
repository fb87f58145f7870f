// The byte reader and the Variant maker of the fuzz targets: short inputs
// are whole runs, and every Variant made is one a host could pass.
#include "fuzz_input.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>

#include "fuzz_variants.h"
#include "platform/vb.h"

namespace lumo::fuzz {
namespace {

TEST(FuzzInput, ReadsLittleEndianAndZerosPastTheEnd) {
  const std::string bytes("\x01\x02\x03\x04\x05", 5);
  FuzzInput input(bytes);
  EXPECT_EQ(input.Long(), 0x04030201);
  EXPECT_EQ(input.Long(), 5);  // one byte left, then zeros
  EXPECT_TRUE(input.empty());
  EXPECT_EQ(input.Byte(), 0);
  EXPECT_EQ(input.Text(), "");
  EXPECT_EQ(input.Rest(), "");
}

TEST(FuzzInput, TextTakesItsLengthByteAndStopsAtTheEnd) {
  struct Case {
    std::string bytes;
    size_t maxLength;
    std::string text;
    std::string rest;
  };
  const Case cases[] = {
      {std::string("\x02"
                   "abc",
                   4),
       255, "ab", "c"},
      {std::string("\x09"
                   "abc",
                   4),
       255, "abc", ""},
      {std::string("\x07"
                   "abcdef",
                   7),
       3, "abc", "def"},  // a length of 7 % (3 + 1)
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.bytes);
    FuzzInput input(c.bytes);
    EXPECT_EQ(input.Text(c.maxLength), c.text);
    EXPECT_EQ(input.Rest(), c.rest);
  }
}

TEST(VariantMaker, ArraysWhoseBoundsRunOutOfTheLongRangeKeepOneElement) {
  // kind 9 (array), lower bound from the table (3: 2147483647), 5 elements
  // of kind 0 (Empty).
  const std::string bytes("\x09\x01\x03\x05\x00\x00\x00\x00\x00", 9);
  FuzzInput input(bytes);
  const Variant made = VariantMaker(input).Make();
  ASSERT_TRUE(made.IsArray());
  EXPECT_EQ(made.AsArray().LBound(), std::numeric_limits<int32_t>::max());
  EXPECT_EQ(made.AsArray().UBound(), std::numeric_limits<int32_t>::max());
}

char WordByte(std::string_view word) {
  const auto words = Words();
  return static_cast<char>(std::find(words.begin(), words.end(), word) - words.begin());
}

TEST(VariantMaker, EditsReachIntoNestedCollections) {
  // A new entry "dctClassType" (a word), made a Dictionary (kind 7) of one
  // entry "FPage" holding a text (kind 5) of three bytes.
  const std::string first = {'\x01', WordByte("dctClassType"),
                             '\x07', '\x01',
                             '\x01', WordByte("FPage"),
                             '\x05', '\x03',
                             't',    'w',
                             'o'};
  // Then down into entry 1 of the root and entry 1 of that Dictionary,
  // where a Null (kind 1) is put.
  const std::string second = {'\x01', '\x00', '\x01', '\x01', '\x00', '\x00', '\x01'};
  const std::string bytes = first + second;
  FuzzInput input(bytes);
  VariantMaker maker(input);
  Dictionary root;

  maker.Edit(root);
  ASSERT_EQ(root.Count(), 1);
  ASSERT_EQ(root.Name(1), "dctClassType");
  const auto classType =
      std::dynamic_pointer_cast<Dictionary>(root.Value("dctClassType").AsObject());
  ASSERT_NE(classType, nullptr);
  EXPECT_EQ(classType->Value("FPage"), Variant("two"));

  maker.Edit(root);
  EXPECT_EQ(root.Count(), 1);
  EXPECT_EQ(classType->Count(), 1);
  EXPECT_TRUE(classType->Value("FPage").IsNull());
  EXPECT_TRUE(input.empty());
}

}  // namespace
}  // namespace lumo::fuzz
