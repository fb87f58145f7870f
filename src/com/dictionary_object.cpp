// "LumoCollections.Dictionary": the component's Dictionary with the members
// the component relies on, for scripts.
#include "LumoClassActionIC.h"
#include "bstr.h"
#include "collection_objects.h"
#include "com_error.h"
#include "dispatch_object.h"
#include "variant_conversion.h"

namespace lumo::com {
namespace {

constexpr const char* kSource = "LumoCollections.Dictionary";

class DictionaryObject final : public DispatchObject<_Dictionary> {
 public:
  explicit DictionaryObject(DictionaryRef dictionary) : dictionary_(std::move(dictionary)) {}

  ObjectRef Inner() const override { return dictionary_; }

  HRESULT STDMETHODCALLTYPE get_Value(BSTR key, VARIANT* value) override {
    return Guarded(__uuidof(_Dictionary), [&] {
      CheckResultPointer(value, kSource);
      ComFromVariant(dictionary_->Value(Utf8FromBstr(key)), value);
    });
  }
  HRESULT STDMETHODCALLTYPE put_Value(BSTR key, VARIANT value) override {
    return Guarded(__uuidof(_Dictionary),
                   [&] { dictionary_->SetValue(Utf8FromBstr(key), VariantFromCom(value)); });
  }
  HRESULT STDMETHODCALLTYPE putref_Value(BSTR key, IDispatch* value) override {
    return Guarded(__uuidof(_Dictionary), [&] {
      dictionary_->SetValue(Utf8FromBstr(key), Variant(ObjectFromCom(value)));
    });
  }
  HRESULT STDMETHODCALLTYPE Lookup(BSTR key, VARIANT_BOOL* present) override {
    return Guarded(__uuidof(_Dictionary), [&] {
      CheckResultPointer(present, kSource);
      *present = dictionary_->Lookup(Utf8FromBstr(key)) ? VARIANT_TRUE : VARIANT_FALSE;
    });
  }
  HRESULT STDMETHODCALLTYPE GetValue(BSTR key, VARIANT defaultValue, VARIANT* value) override {
    return Guarded(__uuidof(_Dictionary), [&] {
      CheckResultPointer(value, kSource);
      ComFromVariant(dictionary_->GetValue(Utf8FromBstr(key), VariantFromCom(defaultValue)), value);
    });
  }
  HRESULT STDMETHODCALLTYPE get_Count(long* count) override {
    return Guarded(__uuidof(_Dictionary), [&] {
      CheckResultPointer(count, kSource);
      *count = dictionary_->Count();
    });
  }
  HRESULT STDMETHODCALLTYPE get_Name(long position, BSTR* key) override {
    return Guarded(__uuidof(_Dictionary), [&] {
      CheckResultPointer(key, kSource);
      *key = NewBstr(dictionary_->Name(position));
    });
  }
  HRESULT STDMETHODCALLTYPE Clone(_Dictionary** copy) override {
    return Guarded(__uuidof(_Dictionary), [&] {
      CheckResultPointer(copy, kSource);
      ComPtr<IDispatch> made = NewDictionaryObject(dictionary_->Clone());
      *copy = static_cast<_Dictionary*>(made.Detach());
    });
  }
  HRESULT STDMETHODCALLTYPE Merge(_Dictionary* other, long flags) override {
    return Guarded(__uuidof(_Dictionary), [&] {
      const auto merged = std::dynamic_pointer_cast<Dictionary>(ObjectFromCom(other));
      if (!merged) RaiseObjectNotSet();
      dictionary_->Merge(*merged, flags);
    });
  }

 private:
  DictionaryRef dictionary_;
};

}  // namespace

ComPtr<IDispatch> NewDictionaryObject(DictionaryRef dictionary) {
  return NewComObject<DictionaryObject, IDispatch>(std::move(dictionary));
}

}  // namespace lumo::com
