// The demo database on the PostgreSQL server that LUMO_PG_CONNECT names
// (bench/run starts one with scripts/pg): a database of the program's own
// there, written as --create-db writes it and dropped at exit. Without
// LUMO_PG_CONNECT there is no server, and the PostgreSQL benchmarks are not
// registered.
#pragma once

#include <unistd.h>

#include <cstdlib>
#include <string>

#include "host/data/connection_target.h"
#include "host/data/odbc_session.h"
#include "host/data/server_database.h"
#include "platform/vb.h"

namespace lumo::bench {

class PgDemoDatabase {
 public:
  // The server's connection string, or nullptr.
  static const char* Server() { return std::getenv("LUMO_PG_CONNECT"); }

  explicit PgDemoDatabase(const std::string& program)
      : name_(program + "_" + std::to_string(::getpid())), connection_(WithDatabase(name_)) {
    data::OdbcSession(Server()).Run("CREATE DATABASE " + name_, {});
    data::CreateServerDatabase(connection_, true);
  }
  ~PgDemoDatabase() {
    try {
      data::OdbcSession(Server()).Run("DROP DATABASE " + name_ + " WITH (FORCE)", {});
    } catch (...) {
    }
  }
  PgDemoDatabase(const PgDemoDatabase&) = delete;
  PgDemoDatabase& operator=(const PgDemoDatabase&) = delete;

  const std::string& connection() const { return connection_; }
  std::string props() const {
    return "DBConnect={" + Braced(connection_) + "};UserID=16;Language=CHS";
  }

 private:
  static std::string Braced(const std::string& text) {
    std::string braced;
    for (char c : text) braced += c == '}' ? std::string("}}") : std::string(1, c);
    return braced;
  }
  // The server's connection string naming the database `database`.
  static std::string WithDatabase(const std::string& database) {
    std::string text;
    for (auto [key, value] : data::ParsePropertyString(Server())) {
      if (vb::EqualsIgnoringCase(key, "Database")) value = database;
      const bool braced = value.find_first_of(";{}") != std::string::npos;
      text += key + "=" + (braced ? "{" + Braced(value) + "}" : value) + ";";
    }
    return text;
  }

  std::string name_;
  std::string connection_;
};

}  // namespace lumo::bench
