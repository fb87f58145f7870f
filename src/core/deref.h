// Member access through an object reference that may be Nothing.
#pragma once

#include <memory>

#include "platform/object.h"

namespace lumo {

// The referenced object; Nothing is VB's error 91, as a late-bound call on
// Nothing would raise, instead of a null dereference.
template <class T>
T& Deref(const std::shared_ptr<T>& reference) {
  if (!reference) RaiseObjectNotSet();
  return *reference;
}

}  // namespace lumo
