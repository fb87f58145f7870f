// Template parts of variant.h.
#pragma once

#include "platform/error.h"

namespace lumo {

template <class I>
std::shared_ptr<I> ObjectAs(const Variant& v) {
  if (!v.IsObject()) Raise(vberr::kTypeMismatch);
  return QueryInterface<I>(v.AsObject());
}

}  // namespace lumo
