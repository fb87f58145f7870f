#include "dialog/column_widths.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <memory>

#include "hostapi/ini_profile.h"
#include "platform/error.h"
#include "platform/object.h"
#include "platform/os.h"
#include "platform/vb.h"

namespace lumo::dialog {

namespace fs = std::filesystem;

namespace {

constexpr const char* kProfileName = "ZEZSystem.INI";
constexpr const char* kSection = "frmOOS";
constexpr int32_t kInvalidPropertyValue = 380;

std::string Environment(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

// The file the component's code was loaded from.
fs::path ComponentFile() {
  return os::ModuleFileOf(reinterpret_cast<const void*>(&ComponentFile));
}

// One profile helper per thread, made at first use.
std::shared_ptr<IIniProfile> Profile() {
  thread_local std::shared_ptr<IIniProfile> profile;
  if (!profile) profile = CreateObjectAs<IIniProfile>(kIniProfileProgId);
  return profile;
}

// A width as the grid takes it: a number from 0 up; anything else is
// refused as the grid's property refuses it (error 13 or 380).
float UsableWidth(const Variant& value) {
  const double width = vb::CDbl(value);
  if (!(width >= 0 && width <= std::numeric_limits<float>::max())) {
    Raise(kInvalidPropertyValue);
  }
  return static_cast<float>(width);
}

// The shortest text that reads back as the same single-precision number.
std::string SingleText(float value) {
  char text[32];
  const auto end = std::to_chars(text, text + sizeof text, value).ptr;
  return std::string(text, end);
}

}  // namespace

fs::path ChooseProfilePath(const ProfileLocations& locations) {
  if (!locations.named.empty()) return locations.named;
  if (!locations.componentFolder.empty() && locations.componentFolderWritable) {
    return locations.componentFolder / kProfileName;
  }
  // A relative XDG_CONFIG_HOME is invalid and ignored.
  const fs::path config = !locations.xdgConfigHome.empty() && locations.xdgConfigHome[0] == '/'
                              ? fs::path(locations.xdgConfigHome)
                              : fs::path(locations.home) / ".config";
  return config / "lumo-action" / kProfileName;
}

fs::path ProfileFilePath() {
  ProfileLocations locations;
  locations.named = Environment("LUMO_PROFILE");
  locations.componentFolder = ComponentFile().parent_path();
  locations.componentFolderWritable = os::CanWriteFolder(locations.componentFolder);
  locations.xdgConfigHome = Environment("XDG_CONFIG_HOME");
  locations.home = Environment("HOME");
  return ChooseProfilePath(locations);
}

std::string ColumnKey(size_t position) {
  return "col" + std::to_string(position);
}

void LoadColumnWidths(std::vector<float>& widths) {
  ErrStateGuard callersError;
  std::shared_ptr<IIniProfile> profile;
  if (!ResumeNext([&] { (profile = Profile())->SetFileName(ProfileFilePath().string()); })) return;
  for (size_t i = 0; i < widths.size(); ++i) {
    ResumeNext(
        [&] { widths[i] = UsableWidth(profile->ReadValue(kSection, ColumnKey(i + 1), "")); });
  }
}

void SaveColumnWidths(const std::vector<float>& widths) {
  ErrStateGuard callersError;
  std::shared_ptr<IIniProfile> profile;
  if (!ResumeNext([&] { (profile = Profile())->SetFileName(ProfileFilePath().string()); })) return;
  for (size_t i = 0; i < widths.size(); ++i) {
    ResumeNext([&] { profile->WriteValue(kSection, ColumnKey(i + 1), SingleText(widths[i])); });
  }
}

}  // namespace lumo::dialog
