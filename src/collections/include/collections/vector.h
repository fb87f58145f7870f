// Vector: the host's indexed collection. Indexes run from LowerBound (1) to
// UpperBound; a new Vector is empty (UpperBound 0).
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "platform/object.h"
#include "platform/variant.h"

namespace lumo {

class Vector : public Object {
 public:
  int32_t LowerBound() const { return 1; }
  int32_t UpperBound() const { return static_cast<int32_t>(items_.size()); }
  // Error 9 outside LowerBound .. UpperBound. A copy: Add may move the items.
  Variant Item(int32_t index) const;
  void SetItem(int32_t index, Variant value);
  // Appends at the end; returns the new item's index.
  int32_t Add(Variant value);

 private:
  std::vector<Variant> items_;
};

using VectorRef = std::shared_ptr<Vector>;

inline VectorRef NewVector() {
  return std::make_shared<Vector>();
}

}  // namespace lumo
