#include "collections/vector.h"

#include "platform/error.h"

namespace lumo {

namespace {

size_t Offset(int32_t index, int32_t upperBound) {
  if (index < 1 || index > upperBound) Raise(vberr::kSubscript, "Vector.Item");
  return static_cast<size_t>(index - 1);
}

}  // namespace

Variant Vector::Item(int32_t index) const {
  return items_[Offset(index, UpperBound())];
}

void Vector::SetItem(int32_t index, Variant value) {
  items_[Offset(index, UpperBound())] = std::move(value);
}

int32_t Vector::Add(Variant value) {
  items_.push_back(std::move(value));
  return UpperBound();
}

}  // namespace lumo
