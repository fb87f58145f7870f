#include "variant_conversion.h"

#include <memory>

#include "bstr.h"
#include "collection_objects.h"
#include "com_ptr.h"
#include "dispatch_object.h"
#include "owned_variant.h"
#include "platform/error.h"

namespace lumo::com {
namespace {

[[noreturn]] void RaiseTypeMismatch(const char* what) {
  Raise(vberr::kTypeMismatch, "LumoClassActionIC", std::string("Type mismatch: ") + what);
}

void Check(HRESULT hr) {
  if (hr == E_OUTOFMEMORY) Raise(vberr::kOutOfMemory);
  if (FAILED(hr)) Raise(static_cast<int32_t>(hr), "LumoClassActionIC");
}

// The value changed to another kind by automation's own rules.
Variant Changed(const VARIANT& value, VARTYPE kind) {
  OwnedVariant changed;
  // The system's declaration takes the source as not const; it only reads it.
  Check(::VariantChangeTypeEx(changed.Receive(), const_cast<VARIANT*>(&value), LOCALE_INVARIANT, 0,
                              kind));
  return VariantFromCom(*changed);
}

// Keeps a SAFEARRAY locked (its data in place) for the scope.
struct LockedArray {
  SAFEARRAY* array;
  explicit LockedArray(SAFEARRAY* locked) : array(locked) { Check(::SafeArrayLock(array)); }
  ~LockedArray() { ::SafeArrayUnlock(array); }
  LockedArray(const LockedArray&) = delete;
  LockedArray& operator=(const LockedArray&) = delete;
};

Variant ArrayFromCom(SAFEARRAY* array, VARTYPE elementKind, ForeignObjects* foreign) {
  if (!array) return VbArray();  // an array never dimensioned
  if (::SafeArrayGetDim(array) != 1) RaiseTypeMismatch("an array of more than one dimension");
  LONG lower = 0, upper = 0;
  Check(::SafeArrayGetLBound(array, 1, &lower));
  Check(::SafeArrayGetUBound(array, 1, &upper));
  VbArray result(lower, upper);
  const LockedArray locked(array);
  for (LONG index = lower; index <= upper; ++index) {
    void* element = nullptr;
    Check(::SafeArrayPtrOfIndex(array, &index, &element));
    if (elementKind == VT_VARIANT) {
      result.at(index) = VariantFromCom(*static_cast<const VARIANT*>(element), foreign);
      continue;
    }
    // A typed array (of Long, String...): its element as a VARIANT by reference.
    VARIANT reference;
    ::VariantInit(&reference);
    V_VT(&reference) = static_cast<VARTYPE>(elementKind | VT_BYREF);
    V_BYREF(&reference) = element;
    result.at(index) = VariantFromCom(reference, foreign);
  }
  return result;
}

SAFEARRAY* ComArrayOf(const VbArray& array, const ForeignObjects* foreign) {
  SAFEARRAYBOUND bound{static_cast<ULONG>(array.items.size()), array.lbound};
  SAFEARRAY* created = ::SafeArrayCreate(VT_VARIANT, 1, &bound);
  if (!created) Raise(vberr::kOutOfMemory);
  try {
    const LockedArray locked(created);
    auto* elements = static_cast<VARIANT*>(created->pvData);
    for (size_t i = 0; i < array.items.size(); ++i)
      ComFromVariant(array.items[i], &elements[i], foreign);
  } catch (...) {
    ::SafeArrayDestroy(created);
    throw;
  }
  return created;
}

}  // namespace

ObjectRef ObjectFromCom(IUnknown* object, ForeignObjects* foreign) {
  if (!object) return nullptr;
  ComPtr<IWrappedObject> wrapped;
  if (SUCCEEDED(
          object->QueryInterface(kWrappedObjectIid, reinterpret_cast<void**>(wrapped.Receive()))))
    return wrapped->Inner();
  ComPtr<IDispatch> dispatch;
  if (foreign && SUCCEEDED(object->QueryInterface(IID_IDispatch,
                                                  reinterpret_cast<void**>(dispatch.Receive()))))
    return foreign->FromCom(dispatch.get());
  RaiseTypeMismatch("an object that is not a LumoCollections Dictionary or Vector");
}

ComPtr<IDispatch> DispatchOf(const ObjectRef& object, const ForeignObjects* foreign) {
  if (!object) return {};
  if (foreign) {
    if (ComPtr<IDispatch> original = foreign->OriginalOf(object)) return original;
  }
  if (auto dictionary = std::dynamic_pointer_cast<Dictionary>(object))
    return NewDictionaryObject(std::move(dictionary));
  if (auto vector = std::dynamic_pointer_cast<Vector>(object))
    return NewVectorObject(std::move(vector));
  RaiseTypeMismatch("an object that has no COM class (only Dictionary and Vector cross)");
}

Variant VariantFromCom(const VARIANT& value, ForeignObjects* foreign) {
  const VARTYPE kind = V_VT(&value);
  if (kind == (VT_BYREF | VT_VARIANT)) return VariantFromCom(*V_VARIANTREF(&value), foreign);
  if (kind & VT_ARRAY) {
    SAFEARRAY* array = (kind & VT_BYREF) ? *V_ARRAYREF(&value) : V_ARRAY(&value);
    return ArrayFromCom(array, static_cast<VARTYPE>(kind & VT_TYPEMASK), foreign);
  }
  const bool byReference = (kind & VT_BYREF) != 0;
  switch (kind & ~VT_BYREF) {
    case VT_EMPTY:
      return Variant();
    case VT_NULL:
      return Variant::Null();
    case VT_BOOL:
      return Variant((byReference ? *V_BOOLREF(&value) : V_BOOL(&value)) != VARIANT_FALSE);
    case VT_I2:
      return Variant(static_cast<int16_t>(byReference ? *V_I2REF(&value) : V_I2(&value)));
    case VT_UI1:
      return Variant(static_cast<int16_t>(byReference ? *V_UI1REF(&value) : V_UI1(&value)));
    case VT_I4:
      return Variant(static_cast<int32_t>(byReference ? *V_I4REF(&value) : V_I4(&value)));
    case VT_R8:
      return Variant(byReference ? *V_R8REF(&value) : V_R8(&value));
    case VT_BSTR:
      return Variant(Utf8FromBstr(byReference ? *V_BSTRREF(&value) : V_BSTR(&value)));
    case VT_DISPATCH:
      return Variant(
          ObjectFromCom(byReference ? *V_DISPATCHREF(&value) : V_DISPATCH(&value), foreign));
    case VT_UNKNOWN:
      return Variant(
          ObjectFromCom(byReference ? *V_UNKNOWNREF(&value) : V_UNKNOWN(&value), foreign));
    case VT_I1:
    case VT_UI2:
    case VT_UI4:
    case VT_INT:
    case VT_UINT:
    case VT_I8:
    case VT_UI8:
    case VT_R4:
    case VT_CY:
    case VT_DECIMAL:
      return Changed(value, VT_R8);
    case VT_DATE:
      return Changed(value, VT_BSTR);
    default:
      RaiseTypeMismatch("a value of a kind the component has no type for");
  }
}

void ComFromVariant(const Variant& value, VARIANT* out, const ForeignObjects* foreign) {
  ::VariantInit(out);
  switch (value.kind()) {
    case Variant::Kind::Empty:
      return;
    case Variant::Kind::Null:
      V_VT(out) = VT_NULL;
      return;
    case Variant::Kind::Boolean:
      V_VT(out) = VT_BOOL;
      V_BOOL(out) = value.AsBool() ? VARIANT_TRUE : VARIANT_FALSE;
      return;
    case Variant::Kind::Integer:
      V_VT(out) = VT_I2;
      V_I2(out) = value.AsInteger();
      return;
    case Variant::Kind::Long:
      V_VT(out) = VT_I4;
      V_I4(out) = value.AsLong();
      return;
    case Variant::Kind::Double:
      V_VT(out) = VT_R8;
      V_R8(out) = value.AsDouble();
      return;
    case Variant::Kind::String:
      V_BSTR(out) = NewBstr(value.AsString());
      V_VT(out) = VT_BSTR;
      return;
    case Variant::Kind::Array:
      V_ARRAY(out) = ComArrayOf(value.AsArray(), foreign);
      V_VT(out) = VT_ARRAY | VT_VARIANT;
      return;
    case Variant::Kind::Object:
      break;
  }
  V_VT(out) = VT_DISPATCH;
  V_DISPATCH(out) = DispatchOf(value.AsObject(), foreign).Detach();
}

}  // namespace lumo::com
