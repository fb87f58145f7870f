// Faults around lumo-action's changing actions: what the user sees, and that
// the database file is left exactly as it was (same bytes; intact where
// SQLite can still read it).
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "hosting/variant_json.h"
#include "support/lumo_action_fixture.h"

namespace lumo::app {
namespace {

using hosting::Json;

constexpr long kProviderError = -2147467259;  // every database error, whatever the engine's
const std::string kBill = LUMO_SOURCE_DIR "/data/po_bill_2101.json";
const std::string kScrewPrice = "SELECT FOrderPrice FROM t_ICItemCore WHERE FItemID = 1201";

// The file's bytes; nullopt when there is no file.
std::optional<std::string> Bytes(const std::string& path) {
  if (!fs::exists(path)) return std::nullopt;
  return ReadText(path);
}

// Another connection in the middle of its own change: it holds the write
// lock until it ends, as a second user saving a bill would.
class HeldWriteLock {
 public:
  explicit HeldWriteLock(const std::string& path) {
    EXPECT_EQ(sqlite3_open(path.c_str(), &db_), SQLITE_OK);
    EXPECT_EQ(sqlite3_exec(db_, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), SQLITE_OK);
  }
  ~HeldWriteLock() {
    sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(db_);
  }
  HeldWriteLock(const HeldWriteLock&) = delete;
  HeldWriteLock& operator=(const HeldWriteLock&) = delete;

 private:
  sqlite3* db_ = nullptr;
};

// The database file missing, read-only, corrupt or locked, its ODBC driver
// unknown, or a batch refused half-way: the action answers 1 with the
// database's error in "error", lumo-action exits 1 saying so in one line,
// and nothing is written.
TEST_F(LumoAction, DatabaseFaultsFailTheChangeWithTheReasonAndWriteNothing) {
  const std::string corrupt = Path("corrupt.db");
  fs::copy_file(demo, corrupt);
  std::fstream(corrupt, std::ios::in | std::ios::out | std::ios::binary) << "no database here";
  const std::vector<std::string> itemPrices = {"--para", kBill, "TevSer_UpdateItemPrice"};
  const std::string session = ";UserID=16;Language=CHS";
  const struct {
    const char* fault;
    std::string props, file;  // the session, and the file it must leave alone
    std::vector<std::string> action;
    std::string reason;                     // the database's error, before the statement it names
    const char* statement;                  // how that statement begins
    std::function<void()> prepare = [] {};  // before the file is fingerprinted
    bool locked = false;                    // another connection holds the write lock
  } cases[] = {
      {"missing", "DBFile={" + Path("missing.db") + "}" + session, Path("missing.db"), itemPrices,
       "SQLite error 14: Cannot open the database file " + Path("missing.db") +
           ": unable to open database file",
       "open"},
      // Root writes any file whatever its mode, so the session asks SQLite
      // for a read-only connection instead.
      {"read-only", "DBFile={file:" + demo + "?mode=ro}" + session, demo, itemPrices,
       "SQLite error 8: attempt to write a readonly database", "UPDATE t_ICItemCore AS t0 SET"},
      {"corrupt", "DBFile={" + corrupt + "}" + session, corrupt, itemPrices,
       "SQLite error 26: file is not a database", "SELECT c.name, c.type FROM sqlite_master"},
      {"locked", "DBFile={" + demo + "}" + session, demo, itemPrices,
       "SQLite error 5: database is busy: locked by another connection (waited up to 5000 ms)",
       "BEGIN IMMEDIATE", [] {}, true},
      {"ODBC driver missing", "DBConnect={Driver=LumoNoSuchDriver;Database=" + demo + "}" + session,
       demo, itemPrices,
       "ODBC error 01000 (native 0): [unixODBC][Driver Manager]Can't open lib 'LumoNoSuchDriver' "
       ": file not found",
       "connect"},
      // The second of the order's three entries is refused: the first one's
      // new supplier price goes too.
      {"batch refused half-way",
       "DBFile={" + demo + "}" + session,
       demo,
       {"TevSer_UpdatePOPrice", "P_InterID=2101"},
       "SQLite error 19: no price for the nut",
       "INSERT INTO t_SupplyPrice",
       [&] {
         Sql(demo,
             "CREATE TRIGGER refuse_nut BEFORE INSERT ON t_SupplyPrice WHEN NEW.FItemID = 1202 "
             "BEGIN SELECT RAISE(ABORT, 'no price for the nut'); END");
       }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.fault);
    c.prepare();
    const std::optional<std::string> before = Bytes(c.file);
    std::vector<std::string> args = {"--props", c.props};
    args.insert(args.end(), c.action.begin(), c.action.end());
    std::optional<HeldWriteLock> lock;
    if (c.locked) lock.emplace(demo);
    const Outcome outcome = Run(args);
    lock.reset();

    ASSERT_EQ(outcome.status, 1) << outcome.err;
    const Json json = Json::parse(outcome.out);
    EXPECT_EQ(json["result"], 1);
    const Json error = json.value("error", Json::object());
    EXPECT_EQ(error.value("number", 0L), kProviderError);
    EXPECT_EQ(error.value("source", ""), "LumoMClass.ClassInfo");
    const std::string description = error.value("description", "");
    const std::string named = " (statement: " + std::string(c.statement);
    const size_t statement = description.find(" (statement: ");
    EXPECT_EQ(description.substr(0, statement), c.reason);
    EXPECT_EQ(description.substr(std::min(statement, description.size()), named.size()), named);
    const std::string name = *std::find_if(c.action.begin(), c.action.end(), [](const auto& arg) {
      return arg.starts_with("TevSer_");
    });
    EXPECT_TRUE(outcome.err.starts_with("lumo-action: " + name + " failed: error " +
                                        std::to_string(kProviderError) +
                                        " from \"LumoMClass.ClassInfo\": " + c.reason))
        << outcome.err;
    EXPECT_EQ(Bytes(c.file), before);
  }
  EXPECT_EQ(Sql(demo, "PRAGMA integrity_check"), "ok");
  EXPECT_EQ(Sql(demo, kScrewPrice), "0.22");
}

// Another user's save that ends within the wait only delays the change.
TEST_F(LumoAction, ALockReleasedWithinTheWaitOnlyDelaysTheChange) {
  Outcome outcome;
  {
    std::optional<HeldWriteLock> lock(std::in_place, demo);
    std::jthread release([&lock] {
      std::this_thread::sleep_for(std::chrono::milliseconds(300));
      lock.reset();
    });
    outcome = Run({"--db", demo, "--para", kBill, "TevSer_UpdateItemPrice"});
  }
  ASSERT_EQ(outcome.status, 0) << outcome.err;
  const Json json = Json::parse(outcome.out);
  EXPECT_EQ(json["result"], 0);
  EXPECT_FALSE(json.contains("error")) << json["error"];
  EXPECT_EQ(Sql(demo, kScrewPrice), "0.2361");
}

// A trace file that takes no records (a full disk) is told once on standard
// error; the action itself goes on and writes its prices.
TEST_F(LumoAction, ATraceFileThatTakesNoRecordsIsToldOnceAndTheActionGoesOn) {
  const Outcome outcome =
      Run({"--db", demo, "--trace", "/dev/full", "--para", kBill, "TevSer_UpdateItemPrice"});
  ASSERT_EQ(outcome.status, 0) << outcome.err;
  const Json json = Json::parse(outcome.out);
  EXPECT_EQ(json["result"], 0);
  EXPECT_FALSE(json.contains("error")) << json["error"];
  EXPECT_EQ(outcome.err,
            "lumo-action: Cannot write the trace file /dev/full: No space left on device; trace "
            "records are lost until it can be written again\n");
  EXPECT_EQ(Sql(demo, kScrewPrice), "0.2361");
}

}  // namespace
}  // namespace lumo::app
