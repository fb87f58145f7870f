// DemoSession's twin on the test run's PostgreSQL server: a fresh demo
// database of its own there, with the host components registered as
// lumo-action registers them and the session's property string published
// for this process; a traced session's trace log writes "trace.log" in its
// folder. Database and folder go with the object.
#pragma once

#include <stdlib.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <stdexcept>
#include <string>

#include "host/components/register.h"
#include "host/data/register.h"
#include "support/pg_database.h"

namespace lumo::testing {

class PgDemoSession {
 public:
  explicit PgDemoSession(bool traced = false) : database_(PgDatabase::Contents::Demo) {
    std::string folder = (std::filesystem::temp_directory_path() / "lumo-pgdemo-XXXXXX").string();
    if (mkdtemp(folder.data()) == nullptr) throw std::runtime_error("cannot make " + folder);
    folder_ = folder;
    props_ = database_.props();
    data::RegisterDataAccess();
    components::HostComponentsOptions host;
    if (traced) host.traceFile = folder_ / "trace.log";
    components::RegisterHostComponents(host)->Set(static_cast<int32_t>(::getpid()), "PropsString",
                                                  props_);
  }
  ~PgDemoSession() {
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
  }
  PgDemoSession(const PgDemoSession&) = delete;
  PgDemoSession& operator=(const PgDemoSession&) = delete;

  const std::filesystem::path& folder() const { return folder_; }
  const PgDatabase& database() const { return database_; }
  const std::string& props() const { return props_; }

 private:
  PgDatabase database_;
  std::filesystem::path folder_;
  std::string props_;
};

}  // namespace lumo::testing
