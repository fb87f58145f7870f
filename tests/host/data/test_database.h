// A throw-away SQLite database file for the data-access tests, with a few
// tables and stored procedures to run statements on.
#pragma once

#include <unistd.h>

#include <atomic>
#include <filesystem>
#include <string>

#include "host/data/sqlite_session.h"

namespace lumo::data::testing {

// p_Log names its parameters in any case, and p_Bad uses one it lacks.
inline constexpr const char* kTestSchema = R"sql(
CREATE TABLE t_Procedure(FName TEXT PRIMARY KEY, FParams TEXT NOT NULL, FBody TEXT NOT NULL);
CREATE TABLE t_Log(FOrder INTEGER NOT NULL, FEntry INTEGER NOT NULL, FNote TEXT);
INSERT INTO t_Procedure VALUES('p_Bad', 'A', 'SELECT :A, :B'), ('p_Log', ' Order , Entry,Note',
  'INSERT INTO t_Log(FOrder, FEntry, FNote) VALUES(:Order, :entry, :NOTE);  ;
   INSERT INTO t_Log(FOrder, FEntry, FNote) SELECT :ORDER, -:Entry, '':Note of '' || :Note');
CREATE TABLE t_Kinds(FName TEXT, FLong INTEGER, FReal REAL, FNothing TEXT);
INSERT INTO t_Kinds VALUES('ten', 10, 2.5, NULL), ('big', 3000000000, -0.5, NULL);
CREATE TABLE v_SToIMapping(FEntryID INTEGER, FItemID INTEGER, FParentID INTEGER);
INSERT INTO v_SToIMapping VALUES(501, 101, 7), (502, 101, 8);
)sql";

// A new database file holding kTestSchema in a folder of its own, deleted
// with the object.
class TestDatabase {
 public:
  TestDatabase() {
    static std::atomic<int> counter{0};
    std::filesystem::create_directories(folder_ /= "lumo_data_test_" + std::to_string(getpid()) +
                                                   "_" + std::to_string(counter++));
    SqliteSession(path(), SqliteSession::Mode::CreateNew).RunScript(kTestSchema);
  }
  ~TestDatabase() {
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
  }
  TestDatabase(const TestDatabase&) = delete;
  TestDatabase& operator=(const TestDatabase&) = delete;

  std::string folder() const { return folder_.string(); }
  std::string path() const { return folder() + "/test.db"; }
  std::string props() const { return "UserID=16;DBFile=" + path() + ";Language=CHS"; }
  std::string odbcProps() const { return "DBConnect={Driver=SQLite3;Database=" + path() + "}"; }

 private:
  std::filesystem::path folder_ = std::filesystem::temp_directory_path();
};

}  // namespace lumo::data::testing
