#include "host/data/sqlite_file_connection.h"

#include "host/data/batch_runner.h"
#include "host/data/column_types.h"
#include "host/data/sqlite_session.h"
#include "host/data/translation_cache.h"

namespace lumo::data {
namespace {

class SqliteConnection final : public Connection {
 public:
  explicit SqliteConnection(const std::string& path)
      : session_(path, SqliteSession::Mode::OpenExisting), columns_(ReadColumnTypes(session_)) {}

  RecordsetRef Execute(const std::string& tsql) override {
    return RunBatch(session_, translations_.Translate(tsql, columns_));
  }

 private:
  SqliteSession session_;
  ColumnTypes columns_;  // read once: the component changes no table's columns
  TranslationCache translations_{SqlDialect::Sqlite};
};

}  // namespace

std::unique_ptr<Connection> OpenSqliteFile(const std::string& path) {
  return std::make_unique<SqliteConnection>(path);
}

}  // namespace lumo::data
