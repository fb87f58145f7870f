#include "bstr.h"

#include "platform/error.h"
#include "platform/utf16.h"

namespace lumo::com {

std::string Utf8FromBstr(BSTR text) {
  if (!text) return {};
  const auto* units = reinterpret_cast<const char16_t*>(text);
  return Utf8FromUtf16(std::u16string_view(units, ::SysStringLen(text)));
}

BSTR NewBstr(std::string_view text) {
  const std::wstring wide = WideFromUtf8(text);
  BSTR result = ::SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
  if (!result) Raise(vberr::kOutOfMemory);
  return result;
}

std::wstring WideFromUtf8(std::string_view text) {
  static_assert(sizeof(wchar_t) == sizeof(char16_t), "Windows' wide characters are UTF-16 units");
  const std::u16string wide = Utf16FromUtf8(text);
  return std::wstring(wide.begin(), wide.end());
}

}  // namespace lumo::com
