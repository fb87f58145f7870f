// A fresh demo database in a folder of its own, with the host components
// registered as lumo-action registers them and the session's property
// string published for this process; a traced session's trace log writes
// "trace.log" in the folder. The folder goes with the object.
#pragma once

#include <stdlib.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>

#include "host/components/register.h"
#include "host/data/database_file.h"
#include "host/data/register.h"

namespace lumo::testing {

class DemoSession {
 public:
  explicit DemoSession(bool traced = false) {
    std::string folder = (std::filesystem::temp_directory_path() / "lumo-demo-XXXXXX").string();
    if (mkdtemp(folder.data()) == nullptr) throw std::runtime_error("cannot make " + folder);
    folder_ = folder;
    props_ = "DBFile=" + path() + ";UserID=16;Language=CHS";
    data::CreateDatabase(path(), true);
    data::RegisterDataAccess();
    components::HostComponentsOptions host;
    if (traced) host.traceFile = folder_ / "trace.log";
    components::RegisterHostComponents(host)->Set(static_cast<int32_t>(::getpid()), "PropsString",
                                                  props_);
  }
  ~DemoSession() {
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
  }
  DemoSession(const DemoSession&) = delete;
  DemoSession& operator=(const DemoSession&) = delete;

  const std::filesystem::path& folder() const { return folder_; }
  std::string path() const { return (folder_ / "demo.db").string(); }
  const std::string& props() const { return props_; }

 private:
  std::filesystem::path folder_;
  std::string props_;
};

}  // namespace lumo::testing
