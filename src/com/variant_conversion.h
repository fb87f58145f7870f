// VARIANT to Variant and back, for everything that crosses the server's
// boundary.
//
// Empty, Null, Boolean, Integer, Long, Double and String map one to one
// (texts UTF-16 to UTF-8). Other numbers widen: Byte to Integer; Single,
// Currency, Decimal and the 64-bit and unsigned kinds to Double (a Long
// where one holds them exactly would change what VB's arithmetic gives);
// a Date becomes its text. A one-dimensional array keeps its lower bound,
// whatever its element type. A Dictionary or Vector made by this DLL is the
// component's own object; Nothing is Nothing. Another library's object
// crosses only where a ForeignObjects is given (DoAction's arguments);
// elsewhere it is a type mismatch (13), as is an array of two dimensions.
#pragma once

#include "com_ptr.h"
#include "platform/variant.h"
#include "windows_com.h"

namespace lumo::com {

// How objects that this DLL did not make cross, for the span of one call.
class ForeignObjects {
 public:
  // The component object that stands for the caller's object; error 13
  // when it is of no kind the component takes.
  virtual ObjectRef FromCom(IDispatch* object) = 0;
  // The caller's object that `object` stands for; null for any other.
  virtual ComPtr<IDispatch> OriginalOf(const ObjectRef& object) const = 0;

 protected:
  ~ForeignObjects() = default;
};

Variant VariantFromCom(const VARIANT& value, ForeignObjects* foreign = nullptr);

// Fills `out` (which must be initialised and empty) with a new VARIANT.
// A component object other than a collection is a type mismatch.
void ComFromVariant(const Variant& value, VARIANT* out, const ForeignObjects* foreign = nullptr);

// The COM object that hands `object` to a caller: the caller's own object
// where the component reads a copy of it, else one of this DLL's; a null
// pointer for Nothing. A component object other than a collection is a
// type mismatch.
ComPtr<IDispatch> DispatchOf(const ObjectRef& object, const ForeignObjects* foreign = nullptr);

// The component object behind a COM object of this DLL, or the one
// `foreign` gives for another library's; Nothing for a null pointer.
ObjectRef ObjectFromCom(IUnknown* object, ForeignObjects* foreign = nullptr);

}  // namespace lumo::com
