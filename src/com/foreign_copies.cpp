#include "foreign_copies.h"

#include <memory>

#include "collections/vector.h"
#include "platform/error.h"

namespace lumo::com {

ObjectRef ForeignCopies::FromCom(IDispatch* object) {
  // COM's identity of an object is its IUnknown.
  ComPtr<IUnknown> identity;
  if (FAILED(object->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(identity.Receive()))))
    Raise(vberr::kTypeMismatch);
  if (const auto found = byIdentity_.find(identity.get()); found != byIdentity_.end())
    return copies_[found->second].copy;

  std::optional<ForeignCollection> original = ForeignCollection::Of(object);
  if (!original) {
    Raise(vberr::kTypeMismatch, "LumoClassActionIC",
          "Type mismatch: an object that is neither a dictionary nor a vector");
  }
  ObjectRef made = original->IsVector() ? ObjectRef(NewVector()) : ObjectRef(NewDictionary());
  const size_t index = copies_.size();
  byIdentity_.emplace(identity.get(), index);
  byCopy_.emplace(made.get(), index);
  Copy& copy = copies_.emplace_back(Copy{identity, std::move(*original), made, nullptr, 0});
  Read(copy);
  return made;
}

ComPtr<IDispatch> ForeignCopies::OriginalOf(const ObjectRef& object) const {
  const auto found = byCopy_.find(object.get());
  if (found == byCopy_.end()) return {};
  ComPtr<IDispatch> original;
  copies_[found->second].identity->QueryInterface(IID_IDispatch,
                                                  reinterpret_cast<void**>(original.Receive()));
  return original;
}

void ForeignCopies::Read(Copy& copy) {
  if (const auto vector = std::dynamic_pointer_cast<Vector>(copy.copy)) {
    for (const OwnedVariant& item : copy.original.Items()) vector->Add(VariantFromCom(*item, this));
    copy.itemsRead = vector->UpperBound();
    return;
  }
  const auto dictionary = std::static_pointer_cast<Dictionary>(copy.copy);
  for (const ForeignCollection::Entry& entry : copy.original.Entries())
    dictionary->SetValue(entry.key, VariantFromCom(*entry.value, this));
  copy.asRead = dictionary->Clone();
}

void ForeignCopies::WriteBack() {
  for (Copy& copy : copies_) WriteBack(copy);
}

void ForeignCopies::WriteBack(Copy& copy) {
  OwnedVariant value;
  if (const auto vector = std::dynamic_pointer_cast<Vector>(copy.copy)) {
    for (int32_t index = copy.itemsRead + 1; index <= vector->UpperBound(); ++index) {
      ComFromVariant(vector->Item(index), value.Receive(), this);
      copy.original.Append(*value);
    }
    return;
  }
  const Dictionary& dictionary = static_cast<const Dictionary&>(*copy.copy);
  for (int32_t position = 1; position <= dictionary.Count(); ++position) {
    const std::string& key = dictionary.Name(position);
    const Variant now = dictionary.Value(key);
    if (copy.asRead->Lookup(key) && copy.asRead->Value(key) == now) continue;
    ComFromVariant(now, value.Receive(), this);
    copy.original.Store(key, *value);
  }
}

}  // namespace lumo::com
