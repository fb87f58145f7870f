// Malformed JSON files are tested end to end in lumo_action_test.cpp.
#include "hosting/variant_json.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "collections/dictionary.h"

namespace lumo::hosting {
namespace {

TEST(VariantJson, EveryFormReadsAsItsKindAndWritesBack) {
  struct Case {
    const char* name;
    const char* json;
    Variant::Kind kind;
    const char* written;  // nullptr: written back exactly as read
  };
  static const Case kCases[] = {
      {"largest Long", "2147483647", Variant::Kind::Long, nullptr},
      {"smallest Long", "-2147483648", Variant::Kind::Long, nullptr},
      {"whole number above the Long range", "2147483648", Variant::Kind::Double, "2147483648.0"},
      {"whole number below the Long range", "-2147483649", Variant::Kind::Double, "-2147483649.0"},
      {"whole Double keeps its point", "8.0", Variant::Kind::Double, nullptr},
      {"huge Double", "1e+20", Variant::Kind::Double, nullptr},
      {"text", "\"币别 text\"", Variant::Kind::String, nullptr},
      {"Boolean", "true", Variant::Kind::Boolean, nullptr},
      {"null is Null", "null", Variant::Kind::Null, nullptr},
      {"Empty", R"({"$empty":true})", Variant::Kind::Empty, nullptr},
      {"Nothing", R"({"$nothing":true})", Variant::Kind::Object, nullptr},
      {"array from 0", R"([1,"a",null])", Variant::Kind::Array, nullptr},
      {"array from 1", R"({"$array":[1,2],"$lbound":1})", Variant::Kind::Array, nullptr},
      {"array without lbound", R"({"$array":[7]})", Variant::Kind::Array, "[7]"},
      {"Vector", R"({"$vector":[1,{"a":{"$empty":true}}]})", Variant::Kind::Object, nullptr},
      {"Dictionary keeps key order", R"({"z":1,"a":[],"m":{"$vector":[]}})", Variant::Kind::Object,
       nullptr},
      {"reserved key among others is a Dictionary", R"({"$empty":true,"x":1})",
       Variant::Kind::Object, nullptr},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    const Variant value = VariantFromJson(Json::parse(c.json));
    EXPECT_EQ(value.kind(), c.kind);
    EXPECT_EQ(JsonFromVariant(value).dump(), c.written ? c.written : c.json);
  }
  // Not symmetric: the host index of the first item, and an Integer read back.
  const Variant array = VariantFromJson(Json::parse(R"({"$array":["a","b"],"$lbound":1})"));
  EXPECT_EQ(array.AsArray().at(1), Variant("a"));
  EXPECT_EQ(VariantFromJson(JsonFromVariant(Variant(int16_t{-7}))), Variant(int32_t{-7}));
}

// Values without a JSON form, and JSON without a Variant form.
TEST(VariantJson, WhatHasNoFormOnTheOtherSideIsRefused) {
  class Foreign : public Object {};
  auto selfContaining = NewDictionary();
  selfContaining->SetValue("me", selfContaining);
  const std::pair<const char*, Variant> kValues[] = {
      {"infinity", std::numeric_limits<double>::infinity()},
      {"NaN inside an array", VbArray(0, {Variant(std::nan(""))})},
      {"an object that is not a collection", std::make_shared<Foreign>()},
      {"a Dictionary that contains itself", selfContaining},
  };
  for (const auto& [name, value] : kValues) {
    SCOPED_TRACE(name);
    EXPECT_THROW(JsonFromVariant(value), JsonError);
  }
  selfContaining->SetValue("me", Variant());  // break the cycle so it is freed
  const std::string kJson[] = {
      R"({"$vector":3})",
      R"({"$empty":false})",
      R"({"$nothing":1})",
      R"({"$array":[1],"$lbound":1.5})",
      R"({"$array":[1,2],"$lbound":2147483647})",
      std::string(100000, '[') + std::string(100000, ']'),  // would overflow the stack
  };
  for (const std::string& json : kJson) {
    SCOPED_TRACE(json.substr(0, 40));
    EXPECT_THROW(VariantFromJson(Json::parse(json)), JsonError);
  }
}

}  // namespace
}  // namespace lumo::hosting
