// A VARIANT that clears itself: the result of a call on another object, or a
// value made to pass to one. Moving hands the value on; it is never copied.
#pragma once

#include "windows_com.h"

namespace lumo::com {

class OwnedVariant {
 public:
  OwnedVariant() { ::VariantInit(&value_); }
  ~OwnedVariant() { ::VariantClear(&value_); }
  OwnedVariant(OwnedVariant&& other) noexcept : value_(other.value_) {
    ::VariantInit(&other.value_);
  }
  OwnedVariant& operator=(OwnedVariant&& other) noexcept {
    if (this != &other) {
      ::VariantClear(&value_);
      value_ = other.value_;
      ::VariantInit(&other.value_);
    }
    return *this;
  }

  const VARIANT& operator*() const { return value_; }
  // For a call that fills in a new value (the old one is cleared first).
  VARIANT* Receive() {
    ::VariantClear(&value_);
    return &value_;
  }

 private:
  VARIANT value_;
};

}  // namespace lumo::com
