// The demo database in a scratch folder of its own, written once per
// benchmark program by CreateDatabase (so the benchmarks measure the schema
// the actions run on) and removed at exit.
#pragma once

#include <sqlite3.h>
#include <unistd.h>

#include <filesystem>
#include <memory>
#include <string>

#include "host/data/database_file.h"

namespace lumo::bench {

class DemoDatabase {
 public:
  // Without the demo data the file holds the schema only, for a benchmark
  // that writes rows of its own.
  explicit DemoDatabase(const std::string& program, bool withDemoData = true)
      : folder_(std::filesystem::temp_directory_path() /
                (program + "_" + std::to_string(::getpid()))) {
    std::filesystem::remove_all(folder_);
    std::filesystem::create_directories(folder_);
    data::CreateDatabase(path(), withDemoData);
  }
  ~DemoDatabase() {
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
  }
  DemoDatabase(const DemoDatabase&) = delete;
  DemoDatabase& operator=(const DemoDatabase&) = delete;

  std::string path() const { return (folder_ / "demo.db").string(); }
  std::string props() const { return "DBFile=" + path() + ";UserID=16;Language=CHS"; }

  // A connection of its own, opened as the data layer opens its pooled
  // connections; nullptr when the file cannot be opened.
  struct Close {
    void operator()(sqlite3* db) const { sqlite3_close(db); }
  };
  std::unique_ptr<sqlite3, Close> Open() const {
    sqlite3* db = nullptr;
    const int rc =
        sqlite3_open_v2(path().c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr);
    std::unique_ptr<sqlite3, Close> connection(db);
    if (rc != SQLITE_OK) connection.reset();
    return connection;
  }

 private:
  std::filesystem::path folder_;
};

}  // namespace lumo::bench
