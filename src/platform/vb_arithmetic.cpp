// Variant * and /, by VB's type priority: a small table gives each operand
// kind its role, and the result takes the higher rank of the two operands.
#include <algorithm>
#include <cmath>
#include <iterator>
#include <limits>

#include "platform/error.h"
#include "platform/vb.h"

namespace lumo::vb {
namespace {

// The result takes the higher rank of the two operands and widens further
// while the product does not fit.
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

}  // namespace

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

}  // namespace lumo::vb
