#include "database_files.h"

#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <random>
#include <string>
#include <system_error>

#include "host/data/database_file.h"
#include "options.h"

namespace lumo::app {
namespace {

namespace fs = std::filesystem;

// A database written under a temporary name beside its final place, so no
// reader ever opens a half-written file; removed unless it was published.
class TemporaryDatabase {
 public:
  TemporaryDatabase(const fs::path& finalPath, bool withDemoData)
      : path_(finalPath.parent_path() /
              ("." + finalPath.filename().string() + ".tmp-" + std::to_string(::getpid()) + "-" +
               std::to_string(std::random_device{}()))) {
    data::CreateDatabase(path_.string(), withDemoData);
  }
  ~TemporaryDatabase() {
    std::error_code ignored;
    fs::remove(path_, ignored);
  }
  TemporaryDatabase(const TemporaryDatabase&) = delete;
  TemporaryDatabase& operator=(const TemporaryDatabase&) = delete;

  // Gives the file its final name; false when that name is taken. A hard
  // link, unlike a rename, never replaces an existing file.
  bool PublishAs(const fs::path& finalPath) {
    if (::link(path_.c_str(), finalPath.c_str()) == 0) return true;
    if (errno == EEXIST) return false;
    throw std::system_error(errno, std::generic_category(), "cannot write " + finalPath.string());
  }

 private:
  fs::path path_;
};

fs::path ParentOrCurrent(const fs::path& path) {
  return path.has_parent_path() ? path.parent_path() : fs::path(".");
}

}  // namespace

fs::path DefaultDatabasePath() {
  fs::path dataHome;
  if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg) {
    dataHome = xdg;
  } else if (const char* home = std::getenv("HOME"); home && *home) {
    dataHome = fs::path(home) / ".local" / "share";
  } else {
    throw UsageError("neither XDG_DATA_HOME nor HOME is set: give the database with --db");
  }
  return dataHome / "lumo-action" / "demo.db";
}

void EnsureDemoDatabase(const fs::path& path) {
  if (fs::exists(path)) return;
  fs::create_directories(ParentOrCurrent(path));
  TemporaryDatabase database(path, /*withDemoData=*/true);
  database.PublishAs(path);  // false: another run created it meanwhile, equally good
}

void CreateNewDatabase(const fs::path& path, bool empty) {
  if (fs::exists(path)) throw UsageError(path.string() + " exists already; not overwriting it");
  if (!fs::is_directory(ParentOrCurrent(path))) {
    throw UsageError("no such folder: " + ParentOrCurrent(path).string());
  }
  TemporaryDatabase database(path, /*withDemoData=*/!empty);
  if (!database.PublishAs(path)) {
    throw UsageError(path.string() + " exists already; not overwriting it");
  }
}

}  // namespace lumo::app
