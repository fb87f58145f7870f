// Variant: OLE Automation's VARIANT as a value type.
//
// Kinds: Empty, Null, Boolean, Integer (16-bit), Long (32-bit), Double,
// String (UTF-8), object reference (null = Nothing) and array. An array has
// any lower bound and is copied on assignment, like a VB array; its elements
// are Variants. Conversions between kinds follow VB and live in vb.h.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <type_traits>
#include <variant>
#include <vector>

#include "platform/object.h"

namespace lumo {

struct NullValue {
  bool operator==(const NullValue&) const = default;
};

class Variant;

// A one-dimensional array with bounds lbound .. lbound + size - 1.
struct VbArray {
  int32_t lbound = 0;
  std::vector<Variant> items;

  VbArray() = default;
  VbArray(int32_t lower, int32_t upper);  // upper < lower: no elements
  VbArray(int32_t lower, std::vector<Variant> elements);

  int32_t LBound() const { return lbound; }
  int32_t UBound() const;  // defined below Variant, which items.size() needs whole
  // Element access with VB's bound check (error 9).
  Variant& at(int32_t index);
  const Variant& at(int32_t index) const;

  bool operator==(const VbArray&) const;
};

class Variant {
 public:
  enum class Kind { Empty, Null, Boolean, Integer, Long, Double, String, Object, Array };

  Variant() = default;  // Empty
  Variant(NullValue) : value_(NullValue{}) {}
  Variant(bool b) : value_(b) {}
  Variant(int16_t i) : value_(i) {}
  Variant(int32_t l) : value_(l) {}
  Variant(double d) : value_(d) {}
  Variant(std::string s) : value_(std::move(s)) {}
  Variant(std::string_view s) : value_(std::string(s)) {}
  Variant(const char* s) : value_(std::string(s)) {}
  Variant(VbArray a) : value_(std::move(a)) {}
  template <class T>
  requires std::is_base_of_v<Object, T> Variant(std::shared_ptr<T> object)
      : value_(ObjectRef(std::move(object))) {}
  Variant(std::nullptr_t) : value_(ObjectRef()) {}  // Nothing

  static Variant Null() { return Variant(NullValue{}); }
  static Variant Nothing() { return Variant(ObjectRef()); }

  Kind kind() const { return static_cast<Kind>(value_.index()); }
  bool IsEmpty() const { return kind() == Kind::Empty; }
  bool IsNull() const { return kind() == Kind::Null; }
  bool IsObject() const { return kind() == Kind::Object; }
  bool IsNothing() const { return IsObject() && !std::get<ObjectRef>(value_); }
  bool IsArray() const { return kind() == Kind::Array; }
  bool IsString() const { return kind() == Kind::String; }
  // Boolean, Integer, Long or Double.
  bool IsNumber() const;

  // Raw access; the kind must match (std::bad_variant_access otherwise).
  bool AsBool() const { return std::get<bool>(value_); }
  int16_t AsInteger() const { return std::get<int16_t>(value_); }
  int32_t AsLong() const { return std::get<int32_t>(value_); }
  double AsDouble() const { return std::get<double>(value_); }
  const std::string& AsString() const { return std::get<std::string>(value_); }
  const ObjectRef& AsObject() const { return std::get<ObjectRef>(value_); }
  const VbArray& AsArray() const { return std::get<VbArray>(value_); }
  VbArray& AsArray() { return std::get<VbArray>(value_); }

  // Same kind and value; objects compare by identity.
  bool operator==(const Variant& other) const { return value_ == other.value_; }

 private:
  std::variant<std::monostate, NullValue, bool, int16_t, int32_t, double, std::string, ObjectRef,
               VbArray>
      value_;
};

inline int32_t VbArray::UBound() const {
  return lbound + static_cast<int32_t>(items.size()) - 1;
}

// VB's IsArray, IsNull, IsEmpty, IsObject, LBound and UBound (error 9 for a
// value that is not an array).
inline bool IsArray(const Variant& v) {
  return v.IsArray();
}
inline bool IsNull(const Variant& v) {
  return v.IsNull();
}
inline bool IsEmpty(const Variant& v) {
  return v.IsEmpty();
}
inline bool IsObject(const Variant& v) {
  return v.IsObject();
}
int32_t LBound(const Variant& v);
int32_t UBound(const Variant& v);

// The object held by the variant as interface I: error 91 for Nothing, 438
// for an object that lacks I, 13 for a value that is not an object.
template <class I>
std::shared_ptr<I> ObjectAs(const Variant& v);

// Kind name for messages ("Long", "String"...), as VB's TypeName says it.
std::string_view TypeName(const Variant& v);

}  // namespace lumo

#include "platform/variant_inl.h"
