// A new database on the test run's PostgreSQL server, dropped with the
// object. The server is the one the suite's fixture started (scripts/pg
// --start wrote its connection string into LUMO_PG_CONNECT_FILE); every
// object gets a database of its own, so tests run in parallel.
#pragma once

#include <unistd.h>

#include <atomic>
#include <fstream>
#include <stdexcept>
#include <string>

#include "host/data/connection_target.h"
#include "host/data/odbc_session.h"
#include "host/data/server_database.h"
#include "platform/vb.h"

namespace lumo::testing {

// The connection string of the server's first database.
inline std::string PgServerConnection() {
  std::ifstream file(LUMO_PG_CONNECT_FILE);
  std::string connection;
  if (!std::getline(file, connection) || connection.empty()) {
    throw std::runtime_error("no PostgreSQL server: " LUMO_PG_CONNECT_FILE
                             " is missing (the suite's PostgresServer.Start makes it)");
  }
  return connection;
}

// The text with "}" doubled, to stand inside braces.
inline std::string Braced(const std::string& text) {
  std::string braced;
  for (char c : text) braced += c == '}' ? std::string("}}") : std::string(1, c);
  return braced;
}

// `connection` with its Database replaced by `database`.
inline std::string WithDatabase(const std::string& connection, const std::string& database) {
  std::string text;
  for (auto [key, value] : data::ParsePropertyString(connection)) {
    if (vb::EqualsIgnoringCase(key, "Database")) value = database;
    if (value.find_first_of(";{}") == std::string::npos) {
      text += key + "=" + value + ";";
      continue;
    }
    text += key + "={" + Braced(value) + "};";
  }
  return text;
}

class PgDatabase {
 public:
  // Empty, or with the demo company written as --create-db writes it.
  enum class Contents { Empty, Demo };

  explicit PgDatabase(Contents contents = Contents::Empty)
      : name_(NewName()), connection_(WithDatabase(PgServerConnection(), name_)) {
    data::OdbcSession(PgServerConnection()).Run("CREATE DATABASE " + name_, {});
    if (contents == Contents::Demo) data::CreateServerDatabase(connection_, true);
  }
  ~PgDatabase() {
    try {
      // FORCE ends the connections the test's threads still hold in their pools.
      data::OdbcSession(PgServerConnection()).Run("DROP DATABASE " + name_ + " WITH (FORCE)", {});
    } catch (...) {
    }
  }
  PgDatabase(const PgDatabase&) = delete;
  PgDatabase& operator=(const PgDatabase&) = delete;

  const std::string& name() const { return name_; }
  // The ODBC connection string of this database.
  const std::string& connection() const { return connection_; }
  // A session property string that names it, as lumo-action's default does
  // for a file.
  std::string props() const {
    return "DBConnect={" + Braced(connection_) + "};UserID=16;Language=CHS";
  }

 private:
  static std::string NewName() {
    static std::atomic<int> counter{0};
    return "lumo_test_" + std::to_string(::getpid()) + "_" + std::to_string(counter++);
  }

  std::string name_;
  std::string connection_;
};

}  // namespace lumo::testing
