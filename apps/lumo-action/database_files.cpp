#include "database_files.h"

#include <fmt/format.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <random>
#include <stdexcept>
#include <string>
#include <system_error>

#include "host/data/connection_target.h"
#include "host/data/database_file.h"
#include "host/data/server_database.h"
#include "options.h"
#include "platform/error.h"
#include "removed_on_signal.h"

namespace lumo::app {
namespace {

namespace fs = std::filesystem;

// A hidden name beside `finalPath` (a hard link only works within one file
// system). Its length does not grow with the final name's, so any legal
// name can be written.
fs::path TemporaryPathBeside(const fs::path& finalPath) {
  return finalPath.parent_path() /
         fmt::format(".lumo-action-{}-{:08x}.db", ::getpid(), std::random_device{}());
}

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
  for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size())) {
    text.replace(at, from.size(), to);
  }
  return text;
}

// A database written under a temporary name beside its final place, so no
// reader ever opens a half-written file; removed unless it was published,
// also when SIGINT or SIGTERM ends the program meanwhile.
class TemporaryDatabase {
 public:
  TemporaryDatabase(const fs::path& finalPath, bool withDemoData)
      : path_(TemporaryPathBeside(finalPath)),
        removedOnSignal_({path_, fs::path(path_.native() + "-journal")}) {
    try {
      data::CreateDatabase(path_.string(), withDemoData);
    } catch (const VbError& error) {
      // The hidden temporary name would only confuse: name the file asked for.
      throw std::runtime_error(Replaced(error.description(), path_.string(), finalPath.string()));
    }
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
    throw std::system_error(errno, std::generic_category(),
                            fmt::format("cannot write {}", finalPath.string()));
  }

 private:
  fs::path path_;
  RemovedOnSignal removedOnSignal_;
};

// "Driver=...;..." or "DSN=...;...", as the component's DBConnect takes it.
bool IsConnectionString(const std::string& target) {
  try {
    const data::PropertyList properties = data::ParsePropertyString(target);
    return data::FindProperty(properties, "Driver") || data::FindProperty(properties, "DSN");
  } catch (const VbError&) {
    return false;  // an open brace: no connection string
  }
}

fs::path ParentOrCurrent(const fs::path& path) {
  return path.has_parent_path() ? path.parent_path() : fs::path(".");
}

}  // namespace

fs::path DefaultDatabasePath() {
  fs::path dataHome;
  // A relative XDG_DATA_HOME is invalid and ignored, as the XDG rules say.
  if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && fs::path(xdg).is_absolute()) {
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

void CreateNewDatabase(const std::string& target, bool empty) {
  if (IsConnectionString(target)) {
    try {
      data::CreateServerDatabase(target, /*withDemoData=*/!empty);
    } catch (const VbError& error) {
      throw std::runtime_error(error.description());  // its password masked already
    }
    return;
  }
  const fs::path path = target;
  if (fs::exists(path)) throw UsageError(path.string() + " exists already; not overwriting it");
  if (!fs::is_directory(ParentOrCurrent(path))) {
    throw UsageError(fmt::format("no such folder: {}", ParentOrCurrent(path).string()));
  }
  TemporaryDatabase database(path, /*withDemoData=*/!empty);
  if (!database.PublishAs(path)) {
    throw UsageError(path.string() + " exists already; not overwriting it");
  }
}

}  // namespace lumo::app
