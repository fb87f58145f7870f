// Variant <-> JSON: how the hosts (lumo-action, the C interface) read dctPara and
// dctReturn and write what DoAction left in them.
//
//   number       a whole number in 32-bit range is a Long, any other a Double
//                (8 is a Long, 8.0 a Double)
//   "text"       String          true / false   Boolean      null   Null
//   {...}        Dictionary, keys in their order
//   [...]        array with lower bound 0
//   {"$array": [...], "$lbound": N}   array with lower bound N
//   {"$vector": [...]}                Vector, first item at index 1
//   {"$empty": true}   Empty          {"$nothing": true}   Nothing
//
// Writing uses the same forms, so a value read back is the value written,
// with one exception: an Integer (16-bit) is written as a number and reads
// back as a Long. A Double is always written with a decimal point or an
// exponent (8.0, 1e+20) so that it stays a Double.
#pragma once

#include <istream>
#include <nlohmann/json.hpp>
#include <stdexcept>
#include <string>
#include <string_view>

#include "platform/variant.h"

namespace lumo::hosting {

// Object keys keep their order, as a Dictionary does.
using Json = nlohmann::ordered_json;

// A JSON text or value that has no Variant form, or a Variant that has no
// JSON form (an infinite Double, an object that is not a collection).
class JsonError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// `level` is how deep the value will stand in the printed output: 0 for
// dctPara itself, 1 for one of its entries; the nesting limit counts from
// there, so every value read can be printed again.
Variant VariantFromJson(const Json& json, int level = 0);
Json JsonFromVariant(const Variant& value);

// Parses a JSON text; a syntax error names `origin` (a file name) and the
// line and column where reading stopped.
Json ParseJson(std::string_view text, std::string_view origin);

// Reads and parses a file; "-" reads `standardInput`.
Json ReadJsonFile(const std::string& path, std::istream& standardInput);

}  // namespace lumo::hosting
