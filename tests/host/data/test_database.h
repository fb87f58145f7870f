// A throw-away SQLite database file for the data-access tests, with the
// small purchasing schema that the component's statements work on.
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
CREATE TABLE POOrder(FInterID INTEGER PRIMARY KEY, FExchangeRate REAL);
CREATE TABLE POOrderEntry(FInterID INTEGER, FEntryID INTEGER, FItemID INTEGER, FPrice REAL,
                          FTaxRate REAL, FDiscountRate REAL, FUnitID INTEGER);
CREATE TABLE t_ICItemCore(FItemID INTEGER PRIMARY KEY, FOrderPrice REAL);
CREATE TABLE t_ICItem(FItemID INTEGER PRIMARY KEY, FPriceDecimal INTEGER);
CREATE TABLE t_MeasureUnit(FMeasureUnitID INTEGER PRIMARY KEY, FCoefficient REAL);
INSERT INTO POOrder VALUES(1001, 2), (1002, 1);
INSERT INTO POOrderEntry VALUES(1001, 1, 10, 100, 17, 10, 1), (1001, 2, 10, 50, 17, 0, 2),
                               (1001, 3, 20, 9.99, 0, 0, 3), (1002, 1, 30, 5, 0, 0, 1);
INSERT INTO t_ICItemCore VALUES(10, 0), (20, 0), (30, 7);
INSERT INTO t_ICItem VALUES(10, 2), (20, 1), (30, 2);
INSERT INTO t_MeasureUnit VALUES(1, 1), (2, 12), (3, 0);
CREATE TABLE v_SToIMapping(FEntryID INTEGER, FItemID INTEGER, FParentID INTEGER);
INSERT INTO v_SToIMapping VALUES(501, 101, 7), (502, 102, 7), (503, 102, 8);
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
