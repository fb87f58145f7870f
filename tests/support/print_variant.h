// Prints a Variant in test failure messages as its kind and value
// ("Double 0.5", "Variant()(0 to 2) [Empty, Long 5, String \"7\"]"), found
// by GoogleTest through argument-dependent lookup. Doubles show all 17
// digits, so 101.7 and 101.70000000000002 differ on the screen too.
#pragma once

#include <iomanip>
#include <ostream>

#include "platform/variant.h"
#include "platform/vb.h"

namespace lumo {

inline void PrintTo(const Variant& value, std::ostream* out) {
  *out << TypeName(value);
  switch (value.kind()) {
    case Variant::Kind::Empty:
    case Variant::Kind::Null:
    case Variant::Kind::Object:
      return;
    case Variant::Kind::String:
      *out << " \"" << value.AsString() << '"';
      return;
    case Variant::Kind::Array: {
      const VbArray& array = value.AsArray();
      *out << '(' << array.LBound() << " to " << array.UBound() << ") [";
      for (size_t i = 0; i < array.items.size(); ++i) {
        if (i > 0) *out << ", ";
        PrintTo(array.items[i], out);
      }
      *out << ']';
      return;
    }
    case Variant::Kind::Double:
      *out << ' ' << std::setprecision(17) << value.AsDouble();
      return;
    default:
      *out << ' ' << vb::CStr(value);
  }
}

}  // namespace lumo
