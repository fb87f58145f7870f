#include "platform/variant.h"

#include <limits>
#include <type_traits>
#include <vector>

#include "support/vb_testing.h"

namespace lumo {
namespace {

constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
constexpr int32_t kMin = std::numeric_limits<int32_t>::min();

// An upper bound below the lower one gives no elements; one beyond a Long
// is an overflow (error 6), however the array came to be that long.
TEST(Arrays, BoundsFollowTheDeclaredRangeAndStayWithinALong) {
  static const struct {
    int32_t lower, upper;
    size_t size;
  } kRanges[] = {{0, 0, 1}, {1, 3, 3}, {-2, 2, 5}, {5, 4, 0}, {7, 1, 0}};
  for (const auto& c : kRanges) {
    SCOPED_TRACE(testing::Message() << c.lower << " To " << c.upper);
    const Variant array = VbArray(c.lower, c.upper);
    EXPECT_EQ(array.AsArray().items.size(), c.size);
    EXPECT_EQ(LBound(array), c.lower);
    EXPECT_EQ(UBound(array), c.lower + static_cast<int32_t>(c.size) - 1);
  }
  static const struct {
    int32_t lower;
    size_t size;
    int32_t ubound;  // 0: overflow
  } kElements[] = {
      {kMax, 1, kMax}, {kMax - 1, 2, kMax}, {kMin, 1, kMin}, {kMax, 2, 0}, {kMin, 0, 0}};
  for (const auto& c : kElements) {
    SCOPED_TRACE(testing::Message() << c.lower << " with " << c.size << " element(s)");
    if (c.ubound == 0) {
      EXPECT_VB_ERROR(VbArray(c.lower, std::vector<Variant>(c.size)), 6);
    } else {
      EXPECT_EQ(UBound(VbArray(c.lower, std::vector<Variant>(c.size))), c.ubound);
    }
  }
  VbArray grown(kMax, std::vector<Variant>(1));
  grown.items.emplace_back();
  EXPECT_VB_ERROR(UBound(grown), 6);
}

// The offset from the lower bound must not wrap around to a valid one.
TEST(Arrays, IndexOutsideTheBoundsOrBoundsOfNoArrayIsSubscriptError) {
  VbArray array(1, 3);
  array.at(3) = "last";
  EXPECT_EQ(array.items.back(), Variant("last"));
  EXPECT_VB_ERROR(array.at(0), 9);
  EXPECT_VB_ERROR(array.at(4), 9);
  EXPECT_VB_ERROR(VbArray(kMin, kMin).at(kMax), 9);
  for (const Variant& v : {Variant(), Variant::Null(), Variant(int32_t{3}), Variant::Nothing()}) {
    EXPECT_VB_ERROR(LBound(v), 9);
    EXPECT_VB_ERROR(UBound(v), 9);
  }
}

// Any pointer converts to bool; a Variant must not turn one into True.
static_assert(std::is_constructible_v<Variant, bool>);
static_assert(!std::is_constructible_v<Variant, Object*>);
static_assert(!std::is_constructible_v<Variant, const int*>);
static_assert(!std::is_convertible_v<void (*)(), Variant>);

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
