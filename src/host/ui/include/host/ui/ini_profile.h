// "LumoUtil.IniProfile": values in a profile file of the common INI layout,
// read and written with SimpleIni. Every call reads the file afresh and
// every write saves it at once, so two programs sharing the file see each
// other's values. Sections and keys compare without regard to letter case;
// text is UTF-8.
#pragma once

#include <string>

#include "hostapi/ini_profile.h"

namespace lumo::ui {

class IniProfile final : public IIniProfile {
 public:
  void SetFileName(const std::string& path) override { path_ = path; }
  // A missing file reads as an empty one; a file that exists and cannot be
  // read is error 75.
  Variant ReadValue(const std::string& section, const std::string& key,
                    const Variant& defaultValue) override;
  // Stores CStr(value), making the file's folder when it is missing; error
  // 75 when the file cannot be read or written.
  void WriteValue(const std::string& section, const std::string& key,
                  const Variant& value) override;

 private:
  std::string path_;
};

}  // namespace lumo::ui
