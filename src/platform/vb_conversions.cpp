// Conversions of a Variant, one per target type, each one switch over the
// variant's kind. Text is read by ParseNumericText; whole numbers are
// rounded by RoundToLong and RoundToInteger.
#include <algorithm>
#include <charconv>

#include "platform/error.h"
#include "platform/vb.h"

namespace lumo::vb {

double CDbl(const Variant& value) {
  switch (value.kind()) {
    case Variant::Kind::Empty:
      return 0;
    case Variant::Kind::Null:
      Raise(vberr::kInvalidUseOfNull);
    case Variant::Kind::Boolean:
      return value.AsBool() ? -1 : 0;
    case Variant::Kind::Integer:
      return value.AsInteger();
    case Variant::Kind::Long:
      return value.AsLong();
    case Variant::Kind::Double:
      return value.AsDouble();
    case Variant::Kind::String:
      if (auto number = ParseNumericText(value.AsString())) return *number;
      break;
    case Variant::Kind::Object:
    case Variant::Kind::Array:
      break;
  }
  Raise(vberr::kTypeMismatch);
}

int32_t CLng(const Variant& value) {
  switch (value.kind()) {
    case Variant::Kind::Long:
      return value.AsLong();
    case Variant::Kind::Integer:
      return value.AsInteger();
    default:
      return RoundToLong(CDbl(value));
  }
}

int16_t CInt(const Variant& value) {
  switch (value.kind()) {
    case Variant::Kind::Integer:
      return value.AsInteger();
    default:
      return RoundToInteger(CDbl(value));
  }
}

bool CBool(const Variant& value) {
  switch (value.kind()) {
    case Variant::Kind::Boolean:
      return value.AsBool();
    case Variant::Kind::String: {
      const std::string word = UCase(value.AsString());
      if (word == "TRUE") return true;
      if (word == "FALSE") return false;
      return CDbl(value) != 0;
    }
    default:
      return CDbl(value) != 0;
  }
}

std::string CStr(const Variant& value) {
  switch (value.kind()) {
    case Variant::Kind::Empty:
      return "";
    case Variant::Kind::Null:
      Raise(vberr::kInvalidUseOfNull);
    case Variant::Kind::Boolean:
      return value.AsBool() ? "True" : "False";
    case Variant::Kind::Integer:
      return std::to_string(value.AsInteger());
    case Variant::Kind::Long:
      return std::to_string(value.AsLong());
    case Variant::Kind::Double:
      return DoubleToString(value.AsDouble());
    case Variant::Kind::String:
      return value.AsString();
    case Variant::Kind::Object:
    case Variant::Kind::Array:
      break;
  }
  Raise(vberr::kTypeMismatch);
}

std::string DoubleToString(double value) {
  // Also turns a negative zero into "0".
  if (value == 0) return "0";
  // Fifteen significant digits, trailing zeros dropped, exponent form below
  // 1E-04 and from 1E+15 on: exactly printf's %.15G, which is VB's layout.
  char buffer[32];
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
  std::string text(buffer, result.ptr);
  std::replace(text.begin(), text.end(), 'e', 'E');
  return text;
}

}  // namespace lumo::vb
