// "LumoUtil.IniProfile": values kept in a profile file of the common INI
// layout ([section] lines, then key=value lines).
#pragma once

#include <string>
#include <string_view>

#include "platform/object.h"
#include "platform/variant.h"

namespace lumo {

inline constexpr std::string_view kIniProfileProgId = "LumoUtil.IniProfile";

class IIniProfile : public Object {
 public:
  // The profile file that the next reads and writes use.
  virtual void SetFileName(const std::string& path) = 0;
  // The stored text of the key, or defaultValue when the file, the section
  // or the key is missing.
  virtual Variant ReadValue(const std::string& section, const std::string& key,
                            const Variant& defaultValue) = 0;
  // Stores the value's text and writes the file at once.
  virtual void WriteValue(const std::string& section, const std::string& key,
                          const Variant& value) = 0;
};

}  // namespace lumo
