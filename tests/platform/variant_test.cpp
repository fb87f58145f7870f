#include "platform/variant.h"

#include <limits>

#include "support/vb_testing.h"

namespace lumo {
namespace {

TEST(Arrays, BoundsFollowTheDeclaredRange) {
  static const struct {
    int32_t lower, upper;
    size_t size;
    int32_t ubound;
  } kCases[] = {
      {0, 0, 1, 0},
      {1, 3, 3, 3},
      {-2, 2, 5, 2},
      {5, 4, 0, 4},  // upper below lower: no elements
      {7, 1, 0, 6},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(testing::Message() << c.lower << " To " << c.upper);
    const Variant array = VbArray(c.lower, c.upper);
    EXPECT_EQ(array.AsArray().items.size(), c.size);
    EXPECT_EQ(LBound(array), c.lower);
    EXPECT_EQ(UBound(array), c.ubound);
  }
}

TEST(Arrays, IndexOutsideTheBoundsIsSubscriptError) {
  VbArray array(1, 3);
  array.at(1) = int32_t{10};
  array.at(3) = "last";
  EXPECT_EQ(array.items.front(), Variant(int32_t{10}));
  EXPECT_EQ(array.items.back(), Variant("last"));
  EXPECT_VB_ERROR(array.at(0), 9);
  EXPECT_VB_ERROR(array.at(4), 9);
  EXPECT_VB_ERROR(VbArray(5, 4).at(5), 9);

  constexpr int32_t kMin = std::numeric_limits<int32_t>::min();
  constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
  const VbArray lowest(kMin, kMin);
  EXPECT_VB_ERROR(lowest.at(kMax), 9);  // must not wrap around to a valid offset
  EXPECT_EQ(lowest.at(kMin), Variant());
}

TEST(Arrays, BoundsOfAValueThatIsNoArrayAreSubscriptError) {
  const Variant kNotArrays[] = {Variant(), Variant::Null(), Variant(int32_t{3}), Variant("a"),
                                Variant::Nothing()};
  for (const Variant& v : kNotArrays) {
    SCOPED_TRACE(TypeName(v));
    EXPECT_VB_ERROR(LBound(v), 9);
    EXPECT_VB_ERROR(UBound(v), 9);
  }
}

TEST(Arrays, AssignmentCopiesElementsAndEqualityNeedsSameBounds) {
  Variant original = VbArray(1, {Variant(int32_t{1}), Variant("x")});
  Variant copy = original;
  copy.AsArray().at(1) = int32_t{2};
  EXPECT_EQ(original.AsArray().at(1), Variant(int32_t{1}));
  EXPECT_NE(original, copy);

  EXPECT_EQ(VbArray(0, {Variant(1.5)}), VbArray(0, {Variant(1.5)}));
  EXPECT_NE(VbArray(0, {Variant(1.5)}), VbArray(1, {Variant(1.5)}));
  EXPECT_NE(VbArray(0, {Variant(1.5)}), VbArray(0, {Variant(int32_t{1})}));
}

TEST(Variants, KindDecidesNumberAndTypeName) {
  static const struct {
    Variant value;
    bool isNumber;
    const char* typeName;
  } kCases[] = {
      {Variant(), false, "Empty"},
      {Variant::Null(), false, "Null"},
      {Variant(true), true, "Boolean"},
      {Variant(int16_t{1}), true, "Integer"},
      {Variant(int32_t{1}), true, "Long"},
      {Variant(1.0), true, "Double"},
      {Variant("1"), false, "String"},
      {Variant::Nothing(), false, "Nothing"},
      {Variant(std::make_shared<Object>()), false, "Object"},
      {Variant(VbArray(0, 1)), false, "Variant()"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.typeName);
    EXPECT_EQ(c.value.IsNumber(), c.isNumber);
    EXPECT_EQ(TypeName(c.value), c.typeName);
  }
}

}  // namespace
}  // namespace lumo
