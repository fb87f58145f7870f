// A collection that another library made (the host's own dictionaries and
// vectors, Scripting.Dictionary), reached through its IDispatch by the names
// of its members, as late-bound VB code reaches it. Its shape is found once,
// by the names it answers to, and their DISPIDs are kept with it:
//
//   dictionary   Value (default; get, let and set by key), Lookup, GetValue,
//                Count, Name (the key at a position from 1)
//   vector       Item, LowerBound, UpperBound, Add
//   Scripting.Dictionary   Item, Exists, Count, Keys, Add
#pragma once

#include <array>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "com_ptr.h"
#include "owned_variant.h"
#include "windows_com.h"

namespace lumo::com {

class ForeignCollection {
 public:
  struct Entry {
    std::string key;
    OwnedVariant value;
  };

  // The object's shape; nullopt when it has none of the three.
  static std::optional<ForeignCollection> Of(IDispatch* object);

  bool IsVector() const;

  // A dictionary's entries, in its own order.
  std::vector<Entry> Entries();
  // Adds the key, or replaces its value.
  void Store(const std::string& key, const VARIANT& value);

  // A vector's items, from its lower bound to its upper bound.
  std::vector<OwnedVariant> Items() const;
  void Append(const VARIANT& item) const;

 private:
  enum class Shape { Dictionary, Vector, ScriptingDictionary };
  ForeignCollection(IDispatch* object, Shape shape, const std::array<DISPID, 5>& members);

  // A Scripting.Dictionary's key as it is stored (a number stays a number),
  // by its text; nullptr for a key it does not hold.
  const VARIANT* StoredKey(const std::string& key) const;

  ComPtr<IDispatch> object_;
  Shape shape_;
  std::array<DISPID, 5> members_;  // in the order of the shape's names above
  std::unordered_map<std::string, OwnedVariant> storedKeys_;
};

}  // namespace lumo::com
