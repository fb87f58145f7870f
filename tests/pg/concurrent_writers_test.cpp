// Many hosts on one server database: eight processes, and eight threads
// with components of their own, write back the prices of the same order at
// the same moment. Every run ends whole, or is undone whole with a reason
// that says to try again; the prices afterwards are those one run leaves.
#include <gtest/gtest.h>

#include <chrono>
#include <deque>
#include <latch>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "core/cls_action_ic.h"
#include "hosting/dictionary_json.h"
#include "hosting/variant_json.h"
#include "pg/lumo_action_run.h"
#include "support/pg_database.h"
#include "support/pg_demo_session.h"
#include "support/print_variant.h"

namespace lumo::testing {
namespace {

constexpr int kWriters = 8;
const std::string kBill2101 = LUMO_SOURCE_DIR "/data/po_bill_2101.json";
const std::string kTryAgain = "nothing was changed; try again";

// The price write-backs of order 2101: the item master's prices and the
// supplier price list (three rows added).
const std::vector<std::string> kWriteBacks[] = {
    {"--para", kBill2101, "TevSer_UpdateItemPrice"},
    {"TevSer_UpdatePOPrice", "P_InterID=2101"},
};

// The rows the write-backs change. The id of a new supplier price is left
// out: a sequence gives every writer its own, and the one that won keeps it.
std::vector<Recordset::Row> PriceRows(const std::string& connection) {
  data::OdbcSession session(connection);
  std::vector<Recordset::Row> rows =
      session.Run("SELECT FItemID, FOrderPrice FROM t_ICItemCore ORDER BY FItemID", {})->rows;
  const auto supplierPrices = session.Run(
      "SELECT FSupID, FItemID, FUnitID, FCyID, FPriceType, FQuantity, FPrice, FDiscount, FDate, "
      "FUserID FROM t_SupplyPrice ORDER BY 1, 2, 3, 4, 5, 6",
      {});
  rows.insert(rows.end(), supplierPrices->rows.begin(), supplierPrices->rows.end());
  return rows;
}

// What one run of each write-back leaves.
const std::vector<Recordset::Row>& OneRunRows() {
  static const std::vector<Recordset::Row> rows = [] {
    const PgDatabase database(PgDatabase::Contents::Demo);
    const Scratch scratch("-one-run");
    for (std::vector<std::string> args : kWriteBacks) {
      args.insert(args.begin(), {"--props", database.props()});
      EXPECT_EQ(RunLumoAction(scratch, args).status, 0);
    }
    return PriceRows(database.connection());
  }();
  return rows;
}

// A run ended whole, or failed saying to try again.
void ExpectWholeOrTryAgain(int status, const std::string& error) {
  if (status != 0) {
    EXPECT_NE(error.find(kTryAgain), std::string::npos) << error;
  }
}

// The writers wait behind a lock on both tables until every one of them is
// waiting, so they all go at once.
TEST(PgConcurrentWriters, EightProcessesAtOnceLeaveTheRowsOfOneRun) {
  const PgDatabase database(PgDatabase::Contents::Demo);
  data::OdbcSession holder(database.connection());
  holder.Begin();
  holder.Run("LOCK TABLE t_ICItemCore, t_SupplyPrice IN EXCLUSIVE MODE", {});
  std::vector<Outcome> outcomes(kWriters * std::size(kWriteBacks));
  std::deque<Scratch> scratches;  // one per run
  for (size_t n = 0; n < outcomes.size(); ++n) scratches.emplace_back("-" + std::to_string(n));
  {
    std::vector<std::jthread> runs;
    for (size_t n = 0; n < outcomes.size(); ++n) {
      runs.emplace_back([&, n] {
        std::vector<std::string> args = kWriteBacks[n % std::size(kWriteBacks)];
        args.insert(args.begin(), {"--props", database.props()});
        outcomes[n] = RunLumoAction(scratches[n], args);
      });
    }
    data::OdbcSession watcher(database.connection());
    const std::string waiting =
        "SELECT count(*) FROM pg_stat_activity WHERE datname = current_database() AND "
        "wait_event_type = 'Lock'";
    for (int poll = 0; poll < 300; ++poll) {
      if (watcher.Run(waiting, {})->rows[0][0] == Variant(static_cast<int32_t>(outcomes.size())))
        break;
      std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    holder.Commit();
  }
  int whole = 0;
  for (const Outcome& outcome : outcomes) {
    ExpectWholeOrTryAgain(outcome.status, outcome.err);
    whole += outcome.status == 0;
  }
  EXPECT_GT(whole, 0);
  EXPECT_EQ(PriceRows(database.connection()), OneRunRows());
}

TEST(PgConcurrentWriters, EightThreadsWithComponentsOfTheirOwnLeaveTheRowsOfOneRun) {
  const PgDemoSession session;
  std::istringstream none;
  const hosting::Json bill = hosting::ReadJsonFile(kBill2101, none);
  std::latch start(kWriters);
  std::vector<ErrorInfo> errors(kWriters * 2);
  {
    std::vector<std::jthread> threads;
    for (int n = 0; n < kWriters; ++n) {
      threads.emplace_back([&, n] {
        clsActionIC component;
        const DictionaryRef itemPrices = hosting::DictionaryFromJson(bill, false);
        itemPrices->SetValue("PropString", session.props());
        const DictionaryRef supplierPrices = NewDictionary();
        supplierPrices->SetValue("P_InterID", 2101);
        supplierPrices->SetValue("PropString", session.props());
        start.arrive_and_wait();
        DictionaryRef dctReturn;
        component.DoAction("TevSer_UpdateItemPrice", "", itemPrices, dctReturn);
        errors[2 * n] = clsActionIC::LastError();
        component.DoAction("TevSer_UpdatePOPrice", "", supplierPrices, dctReturn);
        errors[2 * n + 1] = clsActionIC::LastError();
      });
    }
  }
  for (const ErrorInfo& error : errors) ExpectWholeOrTryAgain(error.number, error.description);
  EXPECT_EQ(PriceRows(session.database().connection()), OneRunRows());
}

// A deadlock with another writer undoes the whole run, which says so: the
// test's own transaction holds the second line's supplier price, the run
// takes the first and waits for the second, and the test then asks for the
// first. The test's side waits longer before it looks for deadlocks, so
// the run's side finds it and gives way.
TEST(PgConcurrentWriters, ARunUndoneByADeadlockSaysToTryAgainAndChangesNothing) {
  const PgDatabase database(PgDatabase::Contents::Demo);
  const std::vector<Recordset::Row> before = PriceRows(database.connection());
  data::OdbcSession other(database.connection());
  const auto lines = other.Run(
      "SELECT FEntryID FROM POOrderEntry WHERE FInterID = 2101 AND FAuxPrice <> 0 AND "
      "FAuxTaxPrice <> 0 ORDER BY FEntryID",
      {});
  ASSERT_GE(lines->rows.size(), 2u);
  const std::string first = vb::CStr(lines->rows[0][0]), second = vb::CStr(lines->rows[1][0]);
  other.Begin();
  other.Run("SET LOCAL deadlock_timeout = '20s'", {});
  other.Run("CALL p_UpdateSupplyInfoByPOOrd(2101, " + second + ", 1)", {});

  const Scratch scratch;
  Outcome run;
  std::jthread writer([&] {
    run = RunLumoAction(scratch,
                        {"--props", database.props(), "TevSer_UpdatePOPrice", "P_InterID=2101"});
  });
  data::OdbcSession watcher(database.connection());
  for (int poll = 0; poll < 300; ++poll) {
    if (watcher
            .Run("SELECT count(*) FROM pg_stat_activity WHERE datname = current_database() "
                 "AND wait_event_type = 'Lock'",
                 {})
            ->rows[0][0] == Variant(1))
      break;
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
  }
  other.Run("CALL p_UpdateSupplyInfoByPOOrd(2101, " + first + ", 1)", {});
  other.Rollback();
  writer.join();

  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("ODBC error 40P01"), std::string::npos) << run.err;
  const auto json = hosting::ParseJson(run.out, "out");
  EXPECT_NE(json["error"]["description"].get<std::string>().find(kTryAgain), std::string::npos)
      << json;
  EXPECT_EQ(PriceRows(database.connection()), before);
}

}  // namespace
}  // namespace lumo::testing
