#include "hosting/variant_json.h"

#include <fmt/format.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>

#include "collections/dictionary.h"
#include "collections/vector.h"

namespace lumo::hosting {
namespace {

// Deeper nesting is refused rather than risking the stack; it also stops a
// collection that contains itself.
constexpr int kMaxDepth = 200;

void CheckDepth(int depth) {
  if (depth > kMaxDepth) {
    throw JsonError(fmt::format(
        "nested more than {} levels deep (a collection that contains itself?)", kMaxDepth));
  }
}

// The value of a JSON whole number that fits 32 bits.
std::optional<int32_t> WholeNumber32(const Json& json) {
  if (json.is_number_unsigned()) {
    const auto n = json.get<uint64_t>();
    if (n <= INT32_MAX) return static_cast<int32_t>(n);
  } else if (json.is_number_integer()) {
    const auto n = json.get<int64_t>();
    if (n >= INT32_MIN && n <= INT32_MAX) return static_cast<int32_t>(n);
  }
  return std::nullopt;
}

bool IsOnly(const Json& object, std::string_view key) {
  return object.size() == 1 && object.contains(key);
}

Variant FromJson(const Json& json, int depth);

std::vector<Variant> ItemsFromJson(const Json& array, int depth) {
  std::vector<Variant> items;
  items.reserve(array.size());
  for (const Json& item : array) items.push_back(FromJson(item, depth + 1));
  return items;
}

const Json& ArrayMember(const Json& object, const char* key) {
  const Json& member = object.at(key);
  if (!member.is_array()) throw JsonError(std::string("\"") + key + "\" must hold a JSON array");
  return member;
}

Variant ArrayFromJson(const Json& items, const Json& lowerBound, int depth) {
  const std::optional<int32_t> lower = WholeNumber32(lowerBound);
  if (!lower) throw JsonError("\"$lbound\" must be a whole number in 32-bit range");
  if (*lower + static_cast<int64_t>(items.size()) - 1 > INT32_MAX) {
    throw JsonError("array bounds exceed the 32-bit range");
  }
  return VbArray(*lower, ItemsFromJson(items, depth));
}

Variant ObjectFromJson(const Json& object, int depth) {
  if (IsOnly(object, "$vector")) {
    auto vector = NewVector();
    for (Variant& item : ItemsFromJson(ArrayMember(object, "$vector"), depth)) {
      vector->Add(std::move(item));
    }
    return vector;
  }
  if (object.contains("$array") &&
      (object.size() == 1 || (object.size() == 2 && object.contains("$lbound")))) {
    return ArrayFromJson(ArrayMember(object, "$array"), object.value("$lbound", Json(0)), depth);
  }
  if (IsOnly(object, "$empty") || IsOnly(object, "$nothing")) {
    if (object.begin().value() != Json(true)) {
      throw JsonError("\"" + object.begin().key() + "\" must be true");
    }
    return object.contains("$empty") ? Variant() : Variant::Nothing();
  }
  auto dictionary = NewDictionary();
  for (const auto& [key, value] : object.items()) {
    dictionary->SetValue(key, FromJson(value, depth + 1));
  }
  return dictionary;
}

Variant FromJson(const Json& json, int depth) {
  CheckDepth(depth);
  switch (json.type()) {
    case Json::value_t::null:
      return Variant::Null();
    case Json::value_t::boolean:
      return json.get<bool>();
    case Json::value_t::number_integer:
    case Json::value_t::number_unsigned:
      if (auto whole = WholeNumber32(json)) return *whole;
      return json.get<double>();
    case Json::value_t::number_float:
      return json.get<double>();
    case Json::value_t::string:
      return json.get<std::string>();
    case Json::value_t::array:
      return VbArray(0, ItemsFromJson(json, depth));
    case Json::value_t::object:
      return ObjectFromJson(json, depth);
    default:
      throw JsonError("a JSON value of this kind has no Variant form");
  }
}

Json ItemsToJson(const std::vector<Variant>& items, int depth);

Json ToJson(const Variant& value, int depth) {
  CheckDepth(depth);
  switch (value.kind()) {
    case Variant::Kind::Empty:
      return {{"$empty", true}};
    case Variant::Kind::Null:
      return nullptr;
    case Variant::Kind::Boolean:
      return value.AsBool();
    case Variant::Kind::Integer:
      return static_cast<int32_t>(value.AsInteger());
    case Variant::Kind::Long:
      return value.AsLong();
    case Variant::Kind::Double:
      if (!std::isfinite(value.AsDouble())) throw JsonError("a Double that is not finite");
      return value.AsDouble();
    case Variant::Kind::String:
      return value.AsString();
    case Variant::Kind::Array: {
      const VbArray& array = value.AsArray();
      Json items = ItemsToJson(array.items, depth);
      if (array.lbound == 0) return items;
      return {{"$array", std::move(items)}, {"$lbound", array.lbound}};
    }
    case Variant::Kind::Object:
      break;
  }
  const ObjectRef& object = value.AsObject();
  if (!object) return {{"$nothing", true}};
  if (auto dictionary = std::dynamic_pointer_cast<Dictionary>(object)) {
    Json json = Json::object();
    for (int32_t i = 1; i <= dictionary->Count(); ++i) {
      const std::string& key = dictionary->Name(i);
      json[key] = ToJson(dictionary->Value(key), depth + 1);
    }
    return json;
  }
  if (auto vector = std::dynamic_pointer_cast<Vector>(object)) {
    Json items = Json::array();
    for (int32_t i = vector->LowerBound(); i <= vector->UpperBound(); ++i) {
      items.push_back(ToJson(vector->Item(i), depth + 1));
    }
    return {{"$vector", std::move(items)}};
  }
  throw JsonError("an object that is neither a Dictionary nor a Vector");
}

Json ItemsToJson(const std::vector<Variant>& items, int depth) {
  Json json = Json::array();
  for (const Variant& item : items) json.push_back(ToJson(item, depth + 1));
  return json;
}

// 1-based line and column of a byte offset, counting bytes.
std::pair<size_t, size_t> LineAndColumn(std::string_view text, size_t offset) {
  offset = std::min(offset, text.size());
  size_t line = 1;
  size_t lineStart = 0;
  for (size_t i = 0; i < offset; ++i) {
    if (text[i] == '\n') {
      ++line;
      lineStart = i + 1;
    }
  }
  return {line, offset - lineStart + 1};
}

// nlohmann's reason without its "[json.exception...] " lead or the "parse
// error at line 3, column 3: " of a syntax error (we give our own place).
std::string_view Reason(std::string_view what) {
  if (size_t lead = what.find("] "); what.starts_with('[') && lead != std::string_view::npos) {
    what.remove_prefix(lead + 2);
  }
  if (what.starts_with("parse error")) {
    if (size_t colon = what.find(": "); colon != std::string_view::npos) {
      what.remove_prefix(colon + 2);
    }
  }
  return what;
}

// Builds the value as Json::parse does, and reports every error, a syntax
// error or a number out of range (1e400) alike, as a JsonError naming the
// origin, line and column.
class ErrorLocatingParser : public nlohmann::detail::json_sax_dom_parser<Json> {
 public:
  ErrorLocatingParser(Json& result, std::string_view text, std::string_view origin)
      : json_sax_dom_parser(result), text_(text), origin_(origin) {}

  // `bytesRead` counts the byte where reading stopped.
  template <class Exception>
  bool parse_error(size_t bytesRead, const std::string& /*lastToken*/, const Exception& error) {
    const auto [line, column] = LineAndColumn(text_, bytesRead == 0 ? 0 : bytesRead - 1);
    throw JsonError(
        fmt::format("{}:{}:{}: invalid JSON: {}", origin_, line, column, Reason(error.what())));
  }

 private:
  std::string_view text_;
  std::string_view origin_;
};

}  // namespace

Variant VariantFromJson(const Json& json, int level) {
  return FromJson(json, level);
}

Json JsonFromVariant(const Variant& value) {
  return ToJson(value, 0);
}

Json ParseJson(std::string_view text, std::string_view origin) {
  Json result;
  ErrorLocatingParser parser(result, text, origin);
  Json::sax_parse(text, &parser);
  return result;
}

Json ReadJsonFile(const std::string& path, std::istream& standardInput) {
  std::string text;
  if (path == "-") {
    text.assign(std::istreambuf_iterator<char>(standardInput), {});
    return ParseJson(text, "<stdin>");
  }
  // A folder opens as a file, and reading it fails with the stream
  // library's own text.
  if (std::filesystem::is_directory(path)) throw JsonError(path + ": a folder, not a JSON file");
  std::ifstream file(path, std::ios::binary);
  if (!file) throw JsonError(path + ": cannot open the file");
  try {
    text.assign(std::istreambuf_iterator<char>(file), {});
  } catch (const std::ios_base::failure&) {
    throw JsonError(path + ": cannot read the file");
  }
  if (file.bad()) throw JsonError(path + ": cannot read the file");
  return ParseJson(text, path);
}

}  // namespace lumo::hosting
