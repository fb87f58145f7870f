// The host parts the viewers need, as a host program registers them: the
// data access, the host components with the session's property string
// published as "PropsString", and the viewers, on a demo database.
#pragma once

#include <unistd.h>

#include <filesystem>
#include <memory>
#include <string>

#include "host/components/register.h"
#include "host/data/database_file.h"
#include "host/data/register.h"
#include "host/viewers/register.h"

namespace lumo::testing {

// Publishes the session of the database in the language for this process.
inline void PublishSession(components::PropertyStore& store, const std::string& database,
                           const std::string& language = "CHS") {
  store.Set(static_cast<int32_t>(::getpid()), "PropsString",
            "DBFile=" + database + ";UserID=16;Language=" + language);
}

// Writes the demo database when it is missing, registers the host parts
// and publishes its session.
inline std::shared_ptr<components::PropertyStore> RegisterViewerHost(const std::string& database) {
  if (!std::filesystem::exists(database)) data::CreateDatabase(database, /*withDemoData=*/true);
  data::RegisterDataAccess();
  auto store = components::RegisterHostComponents({});
  PublishSession(*store, database);
  viewers::RegisterViewers();
  return store;
}

}  // namespace lumo::testing
