#include "host/data/transaction.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/vb_testing.h"

namespace lumo::data {
namespace {

// Records the calls; "fail" makes the named call raise.
struct RecordingSession : SqlSession {
  std::vector<std::string> calls;
  std::string fail;
  void Call(const std::string& name) {
    calls.push_back(name);
    if (name == fail) Raise(vberr::kProviderError);
  }
  void Begin() override { Call("begin"); }
  void Commit() override { Call("commit"); }
  void Rollback() noexcept override { calls.push_back("rollback"); }
  std::optional<QueryResult> Run(const std::string& sql, std::span<const SqlValue>) override {
    return Call(sql), std::nullopt;
  }
};

TEST(Transaction, RollsBackUnlessItsCommitSucceeded) {
  using Calls = std::vector<std::string>;
  static const std::pair<const char*, Calls> kCases[] = {
      {"", {"begin", "step", "commit"}},
      {"step", {"begin", "step", "rollback"}},
      {"commit", {"begin", "step", "commit", "rollback"}},
  };
  for (const auto& [fail, calls] : kCases) {
    SCOPED_TRACE(std::string("failing: ") + fail);
    RecordingSession session;
    session.fail = fail;
    EXPECT_EQ(ResumeNext([&] {
                Transaction transaction(session);
                session.Run("step", {});
                transaction.Commit();
              }),
              *fail == '\0');
    EXPECT_EQ(session.calls, calls);
  }
  Err().Clear();
}

}  // namespace
}  // namespace lumo::data
