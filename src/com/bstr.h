// Automation strings (BSTR, UTF-16) to and from the component's UTF-8.
#pragma once

#include <string>
#include <string_view>

#include "windows_com.h"

namespace lumo::com {

// A null BSTR is the empty string, as automation defines it.
std::string Utf8FromBstr(BSTR text);
// A new BSTR for the caller to free; error 7 (out of memory) when none can be had.
BSTR NewBstr(std::string_view text);
// The text as the wide string Windows functions take.
std::wstring WideFromUtf8(std::string_view text);

}  // namespace lumo::com
