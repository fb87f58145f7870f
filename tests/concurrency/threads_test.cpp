// The component is apartment-threaded: each host thread creates its own
// clsActionIC and keeps its own module state (trace log, language, resource
// loaders, database connections). Eight such threads replay the mixed calls
// on one demo database file at once; every call must give what it gives on a
// thread of its own, and the writes must leave the database as one thread
// leaves it.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <cstddef>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "support/demo_session.h"
#include "support/fresh_thread.h"
#include "support/mixed_calls.h"

namespace lumo::testing {
namespace {

constexpr size_t kThreads = 8;
constexpr size_t kRounds = 40;  // 8 threads x 40 rounds x 11 calls

// The prices the writing calls change, one text per row.
std::vector<std::string> PriceTables(const std::string& path) {
  sqlite3* db = nullptr;
  EXPECT_EQ(sqlite3_open(path.c_str(), &db), SQLITE_OK);
  std::vector<std::string> rows;
  const auto addRow = [](void* into, int count, char** values, char**) {
    std::string row;
    for (int i = 0; i < count; ++i) row += (i ? "|" : "") + std::string(values[i] ? values[i] : "");
    static_cast<std::vector<std::string>*>(into)->push_back(row);
    return 0;
  };
  for (const char* sql : {"SELECT FItemID, FOrderPrice FROM t_ICItemCore ORDER BY FItemID",
                          "SELECT * FROM t_SupplyPrice ORDER BY FEntryID"}) {
    EXPECT_EQ(sqlite3_exec(db, sql, addRow, &rows, nullptr), SQLITE_OK) << sql;
  }
  sqlite3_close(db);
  return rows;
}

// All threads append to one trace file: each record is a line of its own
// (time, thread, depth, BEGIN or END, source...), never two mixed.
void ExpectWholeTraceRecords(const std::filesystem::path& file) {
  std::ifstream in(file);
  size_t records = 0;
  for (std::string line; std::getline(in, line); ++records) {
    std::vector<std::string> fields;
    std::stringstream split(line);
    for (std::string field; std::getline(split, field, '\t');) fields.push_back(field);
    ASSERT_GE(fields.size(), 5u) << line;
    ASSERT_TRUE(fields[3] == "BEGIN" || fields[3] == "END") << line;
  }
  EXPECT_GT(records, 0u);
}

TEST(Threads, EachThreadsCallsGiveTheSingleThreadOutcomes) {
  DemoSession demo(/*traced=*/true);
  const std::vector<MixedCall> calls = MixedCalls(demo.props());
  const std::vector<std::string> before = PriceTables(demo.path());

  std::vector<std::string> expected;
  OnFreshThread([&] {
    clsActionIC component;
    for (const MixedCall& call : calls) expected.push_back(RunMixedCall(component, call));
  });
  const std::vector<std::string> written = PriceTables(demo.path());
  ASSERT_NE(written, before) << "the writing calls changed nothing";

  // Each thread starts at another place in the table, so different actions
  // run at the same moment.
  std::vector<std::vector<std::string>> outcomes(kThreads);
  {
    std::vector<std::jthread> threads;
    for (size_t t = 0; t < kThreads; ++t) {
      threads.emplace_back([&calls, &outcome = outcomes[t], t] {
        clsActionIC component;
        for (size_t i = 0; i < kRounds * calls.size(); ++i) {
          outcome.push_back(RunMixedCall(component, calls[(i + t) % calls.size()]));
        }
      });
    }
  }

  for (size_t t = 0; t < kThreads; ++t) {
    SCOPED_TRACE("thread " + std::to_string(t));
    ASSERT_EQ(outcomes[t].size(), kRounds * calls.size());
    size_t differing = 0;
    for (size_t i = 0; i < outcomes[t].size() && differing < 3; ++i) {
      const std::string& want = expected[(i + t) % calls.size()];
      if (outcomes[t][i] != want) {
        ++differing;
        ADD_FAILURE() << "call " << i << "\n got: " << outcomes[t][i] << "\nwant: " << want;
      }
    }
  }
  EXPECT_EQ(PriceTables(demo.path()), written);
  ExpectWholeTraceRecords(demo.folder() / "trace.log");
}

}  // namespace
}  // namespace lumo::testing
