#include "hosting/dictionary_json.h"

#include <memory>

namespace lumo::hosting {

DictionaryRef DictionaryFromJson(const Json& json, bool nothingAllowed) {
  const Variant value = VariantFromJson(json);
  if (value.IsNothing() && nothingAllowed) return nullptr;
  if (value.IsObject()) {
    if (auto dictionary = std::dynamic_pointer_cast<Dictionary>(value.AsObject())) {
      return dictionary;
    }
  }
  throw NotADictionary();
}

Json DictionaryToJson(const DictionaryRef& dictionary) {
  return dictionary ? JsonFromVariant(Variant(dictionary)) : Json(nullptr);
}

}  // namespace lumo::hosting
