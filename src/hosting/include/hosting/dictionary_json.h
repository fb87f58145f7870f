// dctPara and dctReturn as JSON texts: the forms of variant_json.h, with the
// rules every host applies to the two dictionaries.
#pragma once

#include "collections/dictionary.h"
#include "hosting/variant_json.h"

namespace lumo::hosting {

// A JSON value of another kind where a dictionary belongs.
class NotADictionary : public JsonError {
 public:
  NotADictionary() : JsonError("expected a JSON object") {}
};

// A JSON object as a Dictionary. Where Nothing is allowed (dctReturn),
// {"$nothing": true} gives nullptr. A value that has no Variant form throws
// JsonError; any other value NotADictionary.
DictionaryRef DictionaryFromJson(const Json& json, bool nothingAllowed);

// The dictionary's JSON; null for Nothing.
Json DictionaryToJson(const DictionaryRef& dictionary);

}  // namespace lumo::hosting
