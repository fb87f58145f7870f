#include "platform/variant.h"

#include <utility>

#include "platform/error.h"

namespace lumo {

VbArray::VbArray(int32_t lower, int32_t upper) : lbound(lower) {
  // Widened so that a span of the whole 32-bit range cannot wrap.
  const int64_t count = int64_t{upper} - int64_t{lower} + 1;
  if (count > 0) items.resize(static_cast<size_t>(count));
}

VbArray::VbArray(int32_t lower, std::vector<Variant> elements)
    : lbound(lower), items(std::move(elements)) {
  UBound();  // refuses bounds beyond the Long range
}

int32_t VbArray::UBound() const {
  // Widened: lbound + size - 1 overflows 32 bits near the top of the range.
  const int64_t upper = int64_t{lbound} + static_cast<int64_t>(items.size()) - 1;
  if (!std::in_range<int32_t>(upper)) Raise(vberr::kOverflow);
  return static_cast<int32_t>(upper);
}

namespace {

// Position of a VB index in the element vector; error 9 outside the bounds.
size_t Offset(const VbArray& array, int32_t index) {
  // Widened so that no index can wrap around.
  const int64_t offset = int64_t{index} - int64_t{array.lbound};
  if (offset < 0 || offset >= static_cast<int64_t>(array.items.size())) Raise(vberr::kSubscript);
  return static_cast<size_t>(offset);
}

}  // namespace

Variant& VbArray::at(int32_t index) {
  return items[Offset(*this, index)];
}

const Variant& VbArray::at(int32_t index) const {
  return items[Offset(*this, index)];
}

bool VbArray::operator==(const VbArray& other) const {
  return lbound == other.lbound && items == other.items;
}

bool Variant::IsNumber() const {
  switch (kind()) {
    case Kind::Boolean:
    case Kind::Integer:
    case Kind::Long:
    case Kind::Double:
      return true;
    default:
      return false;
  }
}

int32_t LBound(const Variant& v) {
  if (!v.IsArray()) Raise(vberr::kSubscript);
  return v.AsArray().LBound();
}

int32_t UBound(const Variant& v) {
  if (!v.IsArray()) Raise(vberr::kSubscript);
  return v.AsArray().UBound();
}

std::string_view TypeName(const Variant& v) {
  switch (v.kind()) {
    case Variant::Kind::Empty:
      return "Empty";
    case Variant::Kind::Null:
      return "Null";
    case Variant::Kind::Boolean:
      return "Boolean";
    case Variant::Kind::Integer:
      return "Integer";
    case Variant::Kind::Long:
      return "Long";
    case Variant::Kind::Double:
      return "Double";
    case Variant::Kind::String:
      return "String";
    // VB names the object's class here; our objects carry no class name.
    case Variant::Kind::Object:
      return v.IsNothing() ? "Nothing" : "Object";
    case Variant::Kind::Array:
      return "Variant()";
  }
  return "Unknown";
}

}  // namespace lumo
