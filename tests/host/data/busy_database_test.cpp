// A database file that another connection keeps locked: a statement waits
// for the lock, and when the wait runs out it fails as "database is busy",
// changing nothing.
#include <gtest/gtest.h>

#include <string>

#include "host/data/sqlite_session.h"
#include "support/vb_testing.h"
#include "test_database.h"

namespace lumo::data {
namespace {

constexpr int kShortWaitMs = 50;

TEST(BusyDatabase, WriteFailsAsBusyWhileAnotherConnectionWrites) {
  static const struct {
    const char* what;
    const char* statement;  // nullptr: a transaction begun
  } kCases[] = {
      {"a transaction", nullptr},
      {"a single statement", "UPDATE t_ICItemCore SET FOrderPrice = 1 WHERE FItemID = 10"},
  };
  testing::TestDatabase database;
  for (const auto& [what, statement] : kCases) {
    SCOPED_TRACE(what);
    SqliteSession holder(database.path(), SqliteSession::Mode::OpenExisting);
    holder.Begin();
    holder.Run("UPDATE t_ICItemCore SET FOrderPrice = 2 WHERE FItemID = 20", {});

    SqliteSession waiter(database.path(), SqliteSession::Mode::OpenExisting, kShortWaitMs);
    const std::string sql = statement != nullptr ? statement : "BEGIN IMMEDIATE";
    EXPECT_VB_ERROR_INFO(
        statement != nullptr ? (void)waiter.Run(sql, {}) : waiter.Begin(), vberr::kProviderError,
        "LumoMClass.ClassInfo",
        "SQLite error 5: database is busy: locked by another connection (waited up to 50 ms) "
        "(statement: " +
            sql + ")");
    // A reader is not kept out by a writer that has not committed yet.
    const auto prices = waiter.Run("SELECT FOrderPrice FROM t_ICItemCore ORDER BY FItemID", {});
    ASSERT_TRUE(prices);
    EXPECT_EQ(prices->rows.size(), 3u);
    EXPECT_EQ(prices->rows[0][0].AsDouble(), 0.0);

    holder.Rollback();
    waiter.Run("UPDATE t_ICItemCore SET FOrderPrice = 0 WHERE FItemID = 10", {});
  }
  Err().Clear();
}

}  // namespace
}  // namespace lumo::data
