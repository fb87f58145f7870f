// Text at the boundary to Windows (automation strings, ODBC's W functions):
// the component's UTF-8 to UTF-16 and back.
//
// Neither direction fails: a byte that starts no well-formed UTF-8 sequence
// (an overlong form, a surrogate, a code past U+10FFFF, a cut-off sequence),
// and a surrogate without its partner, become U+FFFD, so that a bad text
// from one side is seen as such on the other, never as some other letter.
#pragma once

#include <string>
#include <string_view>

namespace lumo {

std::u16string Utf16FromUtf8(std::string_view text);
std::string Utf8FromUtf16(std::u16string_view text);

}  // namespace lumo
