// A database made by CreateDatabase in a scratch folder, with the data-access
// component and the host components registered, and a session property
// string that names it.
#pragma once

#include <string>

#include "host/components/register.h"
#include "host/data/database_file.h"
#include "host/data/register.h"
#include "platform/hostapi/class_info.h"
#include "scratch_dir.h"

namespace lumo::testing {

class DemoDatabase {
 public:
  explicit DemoDatabase(bool withDemoData = true) {
    RegisterDataAccess();
    components::RegisterHostComponents({});
    const std::string path = (dir_ / "lumo.db").string();
    CreateDatabase(path, withDemoData);
    props_ = "DBFile=" + path + ";UserID=16;Language=CHS";
  }

  const std::string& props() const { return props_; }

  RecordsetRef Run(const std::string& sql) const {
    return CreateObjectAs<IClassInfo>(kClassInfoProgId)->GetData(props_, sql);
  }

 private:
  ScratchDir dir_;
  std::string props_;
};

}  // namespace lumo::testing
