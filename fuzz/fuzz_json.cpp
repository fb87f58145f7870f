// Fuzz target: lumo-action's JSON reader. Any text is read as a Variant or
// refused with JsonError; a Variant read is written back as JSON, and that
// JSON reads back as the same Variant (compared by its JSON text).
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "hosting/variant_json.h"

namespace {

using lumo::hosting::Json;

std::string Printed(const lumo::Variant& value) {
  // As lumo-action prints: text that is not UTF-8 shown as U+FFFD.
  return lumo::hosting::JsonFromVariant(value).dump(-1, ' ', false, Json::error_handler_t::replace);
}

[[noreturn]] void Fail(const std::string& message) {
  std::fprintf(stderr, "fuzz_json: %s\n", message.c_str());
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  lumo::Variant value;
  try {
    value = lumo::hosting::VariantFromJson(lumo::hosting::ParseJson(text, "input"));
  } catch (const lumo::hosting::JsonError&) {
    return 0;  // refused, as it may be
  }
  std::string printed;
  try {
    printed = Printed(value);
    const std::string again =
        Printed(lumo::hosting::VariantFromJson(lumo::hosting::ParseJson(printed, "printed")));
    if (again != printed) Fail("read back differently:\n" + printed + "\n" + again);
  } catch (const lumo::hosting::JsonError& error) {
    Fail("a value read has no JSON form, or its JSON does not read back: " +
         std::string(error.what()) + "\n" + printed);
  }
  return 0;
}
