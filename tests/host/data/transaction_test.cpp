#include "host/data/transaction.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/vb_testing.h"

namespace lumo::data {
namespace {

struct RecordingSession : SqlSession {
  std::vector<std::string> events;
  bool commitFails = false;
  void Begin() override { events.push_back("begin"); }
  void Commit() override {
    events.push_back("commit");
    if (commitFails) Raise(vberr::kProviderError, "test", "disk full");
  }
  void Rollback() noexcept override { events.push_back("rollback"); }
  std::optional<QueryResult> Run(const std::string& sql, std::span<const SqlValue>) override {
    events.push_back(sql);
    if (sql == "fails") Raise(vberr::kProviderError, "test", "no such table");
    return std::nullopt;
  }
};

TEST(Transaction, RollsBackUnlessItsCommitSucceeded) {
  using Events = std::vector<std::string>;
  static const struct {
    const char* statement;
    bool commitFails;
    Events events;
  } kCases[] = {
      {"works", false, {"begin", "works", "commit"}},
      {"fails", false, {"begin", "fails", "rollback"}},
      {"works", true, {"begin", "works", "commit", "rollback"}},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(std::string(c.statement) + (c.commitFails ? ", commit fails" : ""));
    RecordingSession session;
    session.commitFails = c.commitFails;
    const bool failed = !ResumeNext([&] {
      Transaction transaction(session);
      session.Run(c.statement, {});
      transaction.Commit();
    });
    EXPECT_EQ(failed, c.events.back() == "rollback");
    EXPECT_EQ(session.events, c.events);
  }
  Err().Clear();
}

}  // namespace
}  // namespace lumo::data
