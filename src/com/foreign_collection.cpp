#include "foreign_collection.h"

#include "bstr.h"
#include "late_bound.h"
#include "platform/error.h"

namespace lumo::com {
namespace {

// The members of each shape, in the order ForeignCollection keeps their ids.
constexpr std::array<std::array<const wchar_t*, 5>, 3> kMemberNames = {{
    {L"Value", L"Lookup", L"GetValue", L"Count", L"Name"},
    {L"Item", L"LowerBound", L"UpperBound", L"Add", nullptr},
    {L"Item", L"Exists", L"Count", L"Keys", L"Add"},
}};
// Their positions.
enum Member : size_t {
  kDictionaryValue = 0,
  kDictionaryCount = 3,
  kDictionaryName = 4,
  kVectorItem = 0,
  kVectorLowerBound = 1,
  kVectorUpperBound = 2,
  kVectorAdd = 3,
  kScriptingItem = 0,
  kScriptingKeys = 3,
  kScriptingAdd = 4,
};

[[noreturn]] void RaiseTypeMismatch(const char* what) {
  Raise(vberr::kTypeMismatch, "LumoClassActionIC", std::string("Type mismatch: ") + what);
}

OwnedVariant Changed(const VARIANT& value, VARTYPE kind, const char* what) {
  OwnedVariant changed;
  // The system's declaration takes the source as not const; it only reads it.
  if (FAILED(::VariantChangeTypeEx(changed.Receive(), const_cast<VARIANT*>(&value),
                                   LOCALE_INVARIANT, 0, kind)))
    RaiseTypeMismatch(what);
  return changed;
}

int32_t WholeNumberOf(const VARIANT& value) {
  return V_I4(&*Changed(value, VT_I4, "a collection's count or bound that is not a number"));
}

std::string TextOf(const VARIANT& value) {
  return Utf8FromBstr(V_BSTR(&*Changed(value, VT_BSTR, "a dictionary key that is not a text")));
}

OwnedVariant TextArgument(const std::string& text) {
  OwnedVariant argument;
  VARIANT* made = argument.Receive();
  V_BSTR(made) = NewBstr(text);
  V_VT(made) = VT_BSTR;
  return argument;
}

OwnedVariant WholeNumberArgument(int32_t number) {
  OwnedVariant argument;
  VARIANT* made = argument.Receive();
  V_VT(made) = VT_I4;
  V_I4(made) = number;
  return argument;
}

// The elements of the one-dimensional array Scripting.Dictionary's Keys gives.
std::vector<OwnedVariant> ArrayElements(const VARIANT& array) {
  if (V_VT(&array) != (VT_ARRAY | VT_VARIANT)) RaiseTypeMismatch("Keys that are not an array");
  SAFEARRAY* elements = V_ARRAY(&array);
  std::vector<OwnedVariant> result;
  if (!elements || ::SafeArrayGetDim(elements) != 1) return result;
  LONG lower = 0, upper = -1;
  ::SafeArrayGetLBound(elements, 1, &lower);
  ::SafeArrayGetUBound(elements, 1, &upper);
  for (LONG index = lower; index <= upper; ++index) {
    OwnedVariant& element = result.emplace_back();
    if (FAILED(::SafeArrayGetElement(elements, &index, element.Receive())))
      RaiseTypeMismatch("Keys that cannot be read");
  }
  return result;
}

}  // namespace

ForeignCollection::ForeignCollection(IDispatch* object, Shape shape,
                                     const std::array<DISPID, 5>& members)
    : shape_(shape), members_(members) {
  object->AddRef();
  object_ = ComPtr<IDispatch>::Adopt(object);
}

std::optional<ForeignCollection> ForeignCollection::Of(IDispatch* object) {
  for (size_t shape = 0; shape < kMemberNames.size(); ++shape) {
    std::array<DISPID, 5> members{};
    bool answers = true;
    for (size_t i = 0; answers && i < members.size() && kMemberNames[shape][i]; ++i) {
      const std::optional<DISPID> id = MemberId(object, kMemberNames[shape][i]);
      answers = id.has_value();
      if (answers) members[i] = *id;
    }
    if (answers) return ForeignCollection(object, static_cast<Shape>(shape), members);
  }
  return std::nullopt;
}

bool ForeignCollection::IsVector() const {
  return shape_ == Shape::Vector;
}

std::vector<ForeignCollection::Entry> ForeignCollection::Entries() {
  std::vector<Entry> entries;
  if (shape_ == Shape::ScriptingDictionary) {
    for (OwnedVariant& key : ArrayElements(*Call(object_.get(), members_[kScriptingKeys]))) {
      std::string text = TextOf(*key);
      OwnedVariant value = Call(object_.get(), members_[kScriptingItem], {&*key, 1});
      entries.push_back({text, std::move(value)});
      storedKeys_.insert_or_assign(std::move(text), std::move(key));
    }
    return entries;
  }
  const int32_t count = WholeNumberOf(*Call(object_.get(), members_[kDictionaryCount]));
  for (int32_t position = 1; position <= count; ++position) {
    const OwnedVariant index = WholeNumberArgument(position);
    std::string key = TextOf(*Call(object_.get(), members_[kDictionaryName], {&*index, 1}));
    const OwnedVariant keyArgument = TextArgument(key);
    entries.push_back(
        {std::move(key), Call(object_.get(), members_[kDictionaryValue], {&*keyArgument, 1})});
  }
  return entries;
}

const VARIANT* ForeignCollection::StoredKey(const std::string& key) const {
  const auto found = storedKeys_.find(key);
  return found == storedKeys_.end() ? nullptr : &*found->second;
}

void ForeignCollection::Store(const std::string& key, const VARIANT& value) {
  if (shape_ == Shape::Dictionary) {
    Assign(object_.get(), members_[kDictionaryValue], *TextArgument(key), value);
  } else if (const VARIANT* stored = StoredKey(key)) {
    Assign(object_.get(), members_[kScriptingItem], *stored, value);
  } else {
    OwnedVariant keyArgument = TextArgument(key);
    const VARIANT arguments[] = {*keyArgument, value};
    Call(object_.get(), members_[kScriptingAdd], arguments);
    storedKeys_.emplace(key, std::move(keyArgument));
  }
}

std::vector<OwnedVariant> ForeignCollection::Items() const {
  const int32_t lower = WholeNumberOf(*Call(object_.get(), members_[kVectorLowerBound]));
  const int32_t upper = WholeNumberOf(*Call(object_.get(), members_[kVectorUpperBound]));
  std::vector<OwnedVariant> items;
  for (int32_t index = lower; index <= upper; ++index) {
    const OwnedVariant argument = WholeNumberArgument(index);
    items.push_back(Call(object_.get(), members_[kVectorItem], {&*argument, 1}));
  }
  return items;
}

void ForeignCollection::Append(const VARIANT& item) const {
  Call(object_.get(), members_[kVectorAdd], {&item, 1});
}

}  // namespace lumo::com
