// An owned COM interface pointer: released when it goes, AddRef'ed when
// copied. Only what the server needs.
#pragma once

#include <utility>

#include "windows_com.h"

namespace lumo::com {

template <class I>
class ComPtr {
 public:
  ComPtr() = default;
  ComPtr(const ComPtr& other) : pointer_(other.pointer_) {
    if (pointer_) pointer_->AddRef();
  }
  ComPtr(ComPtr&& other) noexcept : pointer_(std::exchange(other.pointer_, nullptr)) {}
  ComPtr& operator=(ComPtr other) noexcept {
    std::swap(pointer_, other.pointer_);
    return *this;
  }
  ~ComPtr() {
    if (pointer_) pointer_->Release();
  }

  // Takes over a reference the caller owns (as a creating call returns it).
  static ComPtr Adopt(I* pointer) {
    ComPtr owned;
    owned.pointer_ = pointer;
    return owned;
  }

  I* get() const { return pointer_; }
  I* operator->() const { return pointer_; }
  explicit operator bool() const { return pointer_ != nullptr; }
  // For a call that fills in a new reference.
  I** Receive() {
    *this = ComPtr();
    return &pointer_;
  }
  // Hands the reference to the caller (an out parameter).
  I* Detach() { return std::exchange(pointer_, nullptr); }

 private:
  I* pointer_ = nullptr;
};

}  // namespace lumo::com
