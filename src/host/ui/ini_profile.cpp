// SimpleIni is used header-only and without character-set conversion: the
// file's text is UTF-8 as it stands.
#define SI_NO_CONVERSION
#define SI_IMPLEMENTATION
#include <SimpleIni.h>
#undef SI_IMPLEMENTATION

#include <filesystem>
#include <system_error>

#include "host/ui/ini_profile.h"
#include "platform/error.h"
#include "platform/vb.h"

namespace lumo::ui {

namespace {

constexpr int32_t kPathFileAccessError = 75;
constexpr const char* kSource = "LumoUtil.IniProfile";

// The file's contents; empty when there is no such file.
void Load(CSimpleIniA& ini, const std::string& path) {
  ini.SetUnicode(true);
  ini.SetSpaces(false);  // key=value, the common layout
  std::error_code error;
  if (!std::filesystem::exists(path, error)) return;
  if (ini.LoadFile(path.c_str()) < 0) {
    Raise(kPathFileAccessError, kSource, "cannot read the profile " + path);
  }
}

}  // namespace

Variant IniProfile::ReadValue(const std::string& section, const std::string& key,
                              const Variant& defaultValue) {
  CSimpleIniA ini;
  Load(ini, path_);
  const char* value = ini.GetValue(section.c_str(), key.c_str(), nullptr);
  return value ? Variant(value) : defaultValue;
}

void IniProfile::WriteValue(const std::string& section, const std::string& key,
                            const Variant& value) {
  CSimpleIniA ini;
  Load(ini, path_);
  ini.SetValue(section.c_str(), key.c_str(), vb::CStr(value).c_str());
  const std::filesystem::path folder = std::filesystem::path(path_).parent_path();
  std::error_code error;
  if (!folder.empty()) std::filesystem::create_directories(folder, error);
  if (ini.SaveFile(path_.c_str(), /*a_bAddSignature=*/false) < 0) {
    Raise(kPathFileAccessError, kSource, "cannot write the profile " + path_);
  }
}

}  // namespace lumo::ui
