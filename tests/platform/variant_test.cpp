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
  } kCases[] = {{0, 0, 1, 0}, {1, 3, 3, 3}, {-2, 2, 5, 2}, {5, 4, 0, 4}, {7, 1, 0, 6}};
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
  array.at(3) = "last";
  EXPECT_EQ(array.items.back(), Variant("last"));
  EXPECT_VB_ERROR(array.at(0), 9);
  EXPECT_VB_ERROR(array.at(4), 9);
  constexpr int32_t kMin = std::numeric_limits<int32_t>::min();
  // The offset from the lower bound must not wrap around to a valid one.
  EXPECT_VB_ERROR(VbArray(kMin, kMin).at(std::numeric_limits<int32_t>::max()), 9);
}

TEST(Arrays, BoundsOfAValueThatIsNoArrayAreSubscriptError) {
  for (const Variant& v : {Variant(), Variant::Null(), Variant(int32_t{3}), Variant::Nothing()}) {
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
  EXPECT_EQ(VbArray(0, {Variant(1.5)}), VbArray(0, {Variant(1.5)}));
  EXPECT_NE(VbArray(0, {Variant(1.5)}), VbArray(1, {Variant(1.5)}));
}

}  // namespace
}  // namespace lumo
