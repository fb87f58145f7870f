// "LumoUtil.IniProfile": values in a profile file of the common INI layout,
// read and written with SimpleIni. Setting the file name reads the file;
// reads come from what was read, and every write updates it and saves the
// whole file at once. Callers set the name before each pass of reads or
// writes, so each pass starts from the file as it is. Sections and keys
// compare without regard to letter case; text is UTF-8.
#pragma once

#include <memory>
#include <string>

#include "hostapi/ini_profile.h"

namespace lumo::ui {

class IniProfile final : public IIniProfile {
 public:
  IniProfile();
  ~IniProfile() override;

  // A missing file reads as an empty one. A file that exists and cannot be
  // read is error 75, and leaves the profile empty.
  void SetFileName(const std::string& path) override;
  Variant ReadValue(const std::string& section, const std::string& key,
                    const Variant& defaultValue) override;
  // Stores CStr(value) and saves the file, making its folder when it is
  // missing; a value the file holds already is not written again. Error 75
  // when the file was unreadable or cannot be written.
  void WriteValue(const std::string& section, const std::string& key,
                  const Variant& value) override;

 private:
  struct Document;  // SimpleIni's, kept out of this header

  std::string path_;
  bool readable_ = true;  // false: saving would lose what the file holds
  std::unique_ptr<Document> document_;
};

}  // namespace lumo::ui
