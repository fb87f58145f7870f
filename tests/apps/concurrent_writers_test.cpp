// Eight lumo-action processes write prices into one database file at once,
// started while the test holds the file's write lock so that they queue for
// it. Each process writes its own purchase order into two items of its own:
// a successful run is then seen in exactly its two prices, a lost update as
// an old price after a success, and a half-made one as one of its two
// prices changed without the other. Every run ends either successfully or
// with "database is busy" after the wait.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "hosting/variant_json.h"
#include "support/lumo_action_fixture.h"

namespace lumo::app {
namespace {

using hosting::Json;
using hosting::ParseJson;

constexpr int kProcesses = 8;
constexpr int kFirstOrder = 9001;

class ConcurrentWriters : public LumoAction {
 protected:
  void SetUp() override {
    LumoAction::SetUp();
    ASSERT_EQ(sqlite3_open(demo.c_str(), &db_), SQLITE_OK);
    // The COMMIT that lets the lock go must wait for runs still reading: on
    // a loaded machine a run may be in the middle of a query just then.
    sqlite3_busy_timeout(db_, 10000);
  }
  void TearDown() override {
    sqlite3_close(db_);
    LumoAction::TearDown();
  }
  void Exec(const std::string& sql) const {
    ASSERT_EQ(sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, nullptr), SQLITE_OK) << sql;
  }
  // The first column of each row as text.
  std::vector<std::string> Column(const std::string& sql) const {
    std::vector<std::string> values;
    const auto add = [](void* into, int, char** row, char**) {
      static_cast<std::vector<std::string>*>(into)->push_back(row[0] ? row[0] : "NULL");
      return 0;
    };
    EXPECT_EQ(sqlite3_exec(db_, sql.c_str(), add, &values, nullptr), SQLITE_OK) << sql;
    return values;
  }
  // Whether every run's trace shows its action begun.
  bool AllBegan() const {
    for (int n = 0; n < kProcesses; ++n) {
      const std::string trace = ReadText(Path(("trace" + std::to_string(n)).c_str()));
      if (trace.find("TevSer_UpdateItemPrice") == std::string::npos) return false;
    }
    return true;
  }
  std::string Price(const std::string& item) const {
    return Column("SELECT FOrderPrice FROM t_ICItemCore WHERE FItemID = " + item).at(0);
  }

  sqlite3* db_ = nullptr;
};

// Order n (from 0) buys items[2n] at 101.5 + n and items[2n + 1] at
// 201.25 + n, in yuan, tax and discount free, in a unit without a
// coefficient: the prices go into the item master unchanged.
std::string NewPrice(int order, int line) {
  return line == 0 ? std::to_string(101 + order) + ".5" : std::to_string(201 + order) + ".25";
}

TEST_F(ConcurrentWriters, EveryRunWritesWholeOrFailsAsBusy) {
  const std::vector<std::string> items = Column(
      "SELECT FItemID FROM t_ICItem ORDER BY FItemID LIMIT " + std::to_string(2 * kProcesses));
  ASSERT_EQ(items.size(), 2u * kProcesses);
  std::vector<std::string> oldPrices;
  for (const std::string& item : items) oldPrices.push_back(Price(item));

  const Json bill = ParseJson(ReadText(LUMO_SOURCE_DIR "/data/po_bill_2101.json"), "bill");
  for (int n = 0; n < kProcesses; ++n) {
    const std::string order = std::to_string(kFirstOrder + n);
    Exec("INSERT INTO POOrder (FInterID, FBillNo, FSupplyID, FCurrencyID, FExchangeRate) VALUES (" +
         order + ", 'W" + order + "', 221, 1, 1)");
    for (int line = 0; line < 2; ++line) {
      Exec(
          "INSERT INTO POOrderEntry (FInterID, FEntryID, FItemID, FUnitID, FAuxQty, FAuxPrice) "
          "VALUES (" +
          order + ", " + std::to_string(line + 1) + ", " + items[2 * n + line] + ", 0, 1, " +
          NewPrice(n, line) + ")");
    }
    Json orderBill = bill;
    orderBill["dctData"]["FID"] = kFirstOrder + n;
    std::ofstream(Path(("bill" + std::to_string(n) + ".json").c_str())) << orderBill.dump();
  }

  Exec("BEGIN IMMEDIATE");
  {
    std::vector<std::jthread> runs;
    for (int n = 0; n < kProcesses; ++n) {
      runs.emplace_back([this, n] {
        const std::string name = std::to_string(n);
        const std::string command = "cd '" + folder_.string() +
                                    "' && " LUMO_ACTION_EXE " --db demo.db --trace trace" + name +
                                    " --para bill" + name + ".json TevSer_UpdateItemPrice >out" +
                                    name + " 2>err" + name;
        const int status = std::system(command.c_str());
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0)
            << "run " << n << ": " << ReadText(Path(("err" + name).c_str()));
      });
    }
    // The lock goes once every run has begun its action (its trace says so)
    // and had a moment to reach the lock: well inside the wait.
    for (int poll = 0; poll < 100 && !AllBegan(); ++poll) {
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    Exec("COMMIT");
  }

  int succeeded = 0;
  for (int n = 0; n < kProcesses; ++n) {
    SCOPED_TRACE("run " + std::to_string(n));
    const Json out = Json::parse(ReadText(Path(("out" + std::to_string(n)).c_str())));
    const bool busy = out.contains("error");
    if (busy) {
      EXPECT_EQ(out["result"], 1);
      EXPECT_EQ(out["error"]["number"], -2147467259);
      EXPECT_EQ(out["error"]["source"], "LumoMClass.ClassInfo");
      // Whichever statement met the lock: beginning the write, or a read.
      EXPECT_TRUE(out["error"]["description"].get<std::string>().starts_with(
          "SQLite error 5: database is busy: locked by another connection (waited up to 5000 ms) "
          "(statement: "))
          << out["error"];
    } else {
      EXPECT_EQ(out["result"], 0);
      ++succeeded;
    }
    for (int line = 0; line < 2; ++line) {
      const size_t item = static_cast<size_t>(2 * n + line);
      EXPECT_EQ(Price(items[item]), busy ? oldPrices[item] : NewPrice(n, line))
          << "item " << items[item];
    }
  }
  // The first run in line got the lock soon after it was let go.
  EXPECT_GT(succeeded, 0);
  EXPECT_EQ(Column("PRAGMA integrity_check"), std::vector<std::string>{"ok"});
}

}  // namespace
}  // namespace lumo::app
