// SimpleIni is used header-only and without character-set conversion: the
// file's text is UTF-8 as it stands.
#define SI_NO_CONVERSION
#define SI_IMPLEMENTATION
#include <SimpleIni.h>
#undef SI_IMPLEMENTATION

#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <system_error>

#include "host/ui/ini_profile.h"
#include "platform/error.h"
#include "platform/vb.h"

namespace lumo::ui {

struct IniProfile::Document {
  Document() {
    ini.SetUnicode(true);
    ini.SetSpaces(false);  // key=value, the common layout
  }
  CSimpleIniA ini;
};

namespace {

constexpr int32_t kPathFileAccessError = 75;
constexpr const char* kSource = "LumoUtil.IniProfile";

namespace fs = std::filesystem;

// Removes a file when the scope ends, unless it was kept.
struct RemovedUnlessKept {
  fs::path path;
  bool kept = false;
  ~RemovedUnlessKept() {
    std::error_code ignored;
    if (!kept) fs::remove(path, ignored);
  }
};

// Mended: SimpleIni empties the file before writing it and never looks at
// the writes, so a full disk left the profile, with every other section of
// the host's, empty. The text goes into a new file beside it, which takes
// the profile's place only once it is written whole. False when it could
// not be.
bool ReplaceFile(const fs::path& path, const std::string& text) {
  std::error_code error;
  fs::path target = fs::weakly_canonical(path, error);  // a linked profile stays a link
  if (error) target = path;
  // Appended, not "." + name: GCC 12 at -O3 warns falsely (-Wrestrict) on that.
  std::string hiddenName = ".";
  hiddenName += target.filename().string();
  hiddenName += ".XXXXXX";
  std::string temporary = (target.parent_path() / hiddenName).string();
  const int descriptor = ::mkstemp(temporary.data());
  if (descriptor < 0) return false;
  ::close(descriptor);
  RemovedUnlessKept written{temporary};
  std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
  out.write(text.data(), static_cast<std::streamsize>(text.size()));
  out.close();
  if (!out) return false;
  const auto status = fs::status(target, error);
  const fs::perms usual = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                          fs::perms::others_read;
  fs::permissions(temporary, fs::exists(status) ? status.permissions() : usual, error);
  fs::rename(temporary, target, error);
  written.kept = !error;
  return written.kept;
}

}  // namespace

IniProfile::IniProfile() : document_(std::make_unique<Document>()) {}

IniProfile::~IniProfile() = default;

void IniProfile::SetFileName(const std::string& path) {
  path_ = path;
  document_ = std::make_unique<Document>();
  // Mended: SimpleIni takes a folder for a file of endless size and asks
  // for that much memory; only a regular file is read.
  std::error_code error;
  const auto status = std::filesystem::status(path_, error);
  readable_ = !std::filesystem::exists(status) || (std::filesystem::is_regular_file(status) &&
                                                   document_->ini.LoadFile(path_.c_str()) >= 0);
  if (!readable_) {
    document_ = std::make_unique<Document>();
    Raise(kPathFileAccessError, kSource, "cannot read the profile " + path_);
  }
}

Variant IniProfile::ReadValue(const std::string& section, const std::string& key,
                              const Variant& defaultValue) {
  const char* value = document_->ini.GetValue(section.c_str(), key.c_str(), nullptr);
  return value ? Variant(value) : defaultValue;
}

void IniProfile::WriteValue(const std::string& section, const std::string& key,
                            const Variant& value) {
  if (!readable_) Raise(kPathFileAccessError, kSource, "cannot read the profile " + path_);
  const std::string text = vb::CStr(value);
  const char* stored = document_->ini.GetValue(section.c_str(), key.c_str(), nullptr);
  if (stored && text == stored) return;  // the file holds it already: no write
  document_->ini.SetValue(section.c_str(), key.c_str(), text.c_str());
  const std::filesystem::path folder = std::filesystem::path(path_).parent_path();
  std::error_code error;
  if (!folder.empty()) std::filesystem::create_directories(folder, error);
  std::string contents;
  if (document_->ini.Save(contents, /*a_bAddSignature=*/false) < 0 ||
      !ReplaceFile(path_, contents)) {
    Raise(kPathFileAccessError, kSource, "cannot write the profile " + path_);
  }
}

}  // namespace lumo::ui
