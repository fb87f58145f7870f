// Calls on another library's object through its IDispatch, as late-bound VB
// code makes them: members by DISPID, arguments in the order they are
// written. A failing call raises the object's error as a VB error (its
// number, source and description).
#pragma once

#include <optional>
#include <span>

#include "owned_variant.h"
#include "windows_com.h"

namespace lumo::com {

// The member's DISPID; nullopt when the object has no member of that name.
std::optional<DISPID> MemberId(IDispatch* object, const wchar_t* name);

// A property get or method call (VB's `x = object.Member(arguments)`); its
// result, Empty for a method that has none.
OwnedVariant Call(IDispatch* object, DISPID member, std::span<const VARIANT> arguments = {});

// An indexed property's assignment, `object.Member(index) = value`: a Set
// for an object (Nothing included), else a Let. An object whose member has
// no Set takes the object by its Let.
void Assign(IDispatch* object, DISPID member, const VARIANT& index, const VARIANT& value);

}  // namespace lumo::com
