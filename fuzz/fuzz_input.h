// FuzzInput: reads a fuzzer's bytes as the small choices a target makes
// (numbers, texts, picks from a list). Reading past the end gives zeros and
// empty texts, so every input, however short, is a whole run.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace lumo::fuzz {

class FuzzInput {
 public:
  FuzzInput(const uint8_t* data, size_t size) : data_(data), size_(size) {}
  explicit FuzzInput(std::string_view bytes)
      : FuzzInput(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()) {}

  // The bytes are not copied: a temporary text would be gone at once.
  explicit FuzzInput(std::string&&) = delete;

  bool empty() const { return position_ >= size_; }

  uint8_t Byte() { return empty() ? 0 : data_[position_++]; }

  // A number in 0 .. n-1 (n > 0), from one byte.
  size_t Below(size_t n) { return Byte() % n; }

  // Any 32-bit pattern, little-endian.
  int32_t Long() {
    uint32_t bits = 0;
    for (int shift = 0; shift < 32; shift += 8) bits |= uint32_t{Byte()} << shift;
    return static_cast<int32_t>(bits);
  }

  // Any 64-bit pattern: NaN, infinities and subnormals included.
  double Double() {
    uint64_t bits = 0;
    for (int shift = 0; shift < 64; shift += 8) bits |= uint64_t{Byte()} << shift;
    double value = 0;
    std::memcpy(&value, &bits, sizeof value);
    return value;
  }

  // A length byte (at most maxLength), then that many bytes as they stand.
  std::string Text(size_t maxLength = 255) {
    const size_t length = Below(maxLength + 1);
    const size_t taken = length < size_ - Consumed() ? length : size_ - Consumed();
    std::string text(reinterpret_cast<const char*>(data_ + position_), taken);
    position_ += taken;
    return text;
  }

  // Everything not read yet.
  std::string_view Rest() {
    const std::string_view rest(reinterpret_cast<const char*>(data_ + Consumed()),
                                size_ - Consumed());
    position_ = size_;
    return rest;
  }

 private:
  size_t Consumed() const { return position_ < size_ ? position_ : size_; }

  const uint8_t* data_;
  size_t size_;
  size_t position_ = 0;
};

}  // namespace lumo::fuzz
