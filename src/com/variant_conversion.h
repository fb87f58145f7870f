// VARIANT to Variant and back, for everything that crosses the server's
// boundary.
//
// Empty, Null, Boolean, Integer, Long, Double and String map one to one
// (texts UTF-16 to UTF-8). Other numbers widen: Byte to Integer; Single,
// Currency, Decimal and the 64-bit and unsigned kinds to Double (a Long
// where one holds them exactly would change what VB's arithmetic gives);
// a Date becomes its text. A one-dimensional array keeps its lower bound,
// whatever its element type. A Dictionary or Vector made by this DLL is the
// component's own object; Nothing is Nothing. Anything else (another
// library's object, an array of two dimensions) is a type mismatch (13).
#pragma once

#include "platform/variant.h"
#include "windows_com.h"

namespace lumo::com {

Variant VariantFromCom(const VARIANT& value);

// Fills `out` (which must be initialised and empty) with a new VARIANT.
// A component object other than a collection is a type mismatch.
void ComFromVariant(const Variant& value, VARIANT* out);

// The component object behind a COM object of this DLL; Nothing for a null
// pointer; error 13 for another library's object.
ObjectRef ObjectFromCom(IUnknown* object);

}  // namespace lumo::com
