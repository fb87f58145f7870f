// The session property string: pairs "key=value", each ended by ";" (the
// last ";" may be missing), keys matched without regard to letter case. The
// host publishes it per process as the shared property "PropsString".
#pragma once

#include <string>
#include <string_view>

#include "platform/variant.h"

namespace lumo {

// The named shared property of the current process, read through a new
// "PropsMgr.ShareProps". Errors go to the caller.
Variant GetShareProps(const std::string& name);

// The session property string of the current process. Errors go to the
// caller.
std::string GetPropsString();

// The value of key in the session property string, upper-cased; "" when the
// key is absent or the string cannot be read. Never raises a VB error.
std::string GetPropValue(const std::string& key);

// The value of key in props, upper-cased, or "". A key matches only where a
// pair begins (blanks before it allowed), so "ID" does not find "UserID=".
std::string FindPropValue(std::string_view props, std::string_view key);

}  // namespace lumo
