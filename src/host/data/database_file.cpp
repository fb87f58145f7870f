#include "host/data/database_file.h"

#include <filesystem>

#include "host/data/data_error.h"
#include "host/data/embedded_sql.h"
#include "host/data/sqlite_session.h"

namespace lumo::data {

void CreateDatabase(const std::string& path, bool withDemoData) {
  std::error_code ignored;
  if (std::filesystem::exists(path, ignored)) {
    RaiseInvalidRequest("The database file " + path + " exists already; it is not overwritten");
  }
  try {
    SqliteSession session(path, SqliteSession::Mode::CreateNew);
    std::string script = "BEGIN;\n";
    script += embedded::kSchemaSql;
    if (withDemoData) script += "\n;\n" + std::string(embedded::kDemoSql);
    script += "\n;\nCOMMIT;";
    session.RunScript(script);
  } catch (...) {
    std::filesystem::remove(path, ignored);
    throw;
  }
}

}  // namespace lumo::data
