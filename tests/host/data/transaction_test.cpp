#include "host/data/transaction.h"

#include <gtest/gtest.h>

#include <string>

#include "support/vb_testing.h"

namespace lumo::data {
namespace {

// Records the calls; the call named `fail` raises.
struct RecordingSession : SqlSession {
  std::string calls, fail;
  void Call(const std::string& name) {
    calls += name + ' ';
    if (name == fail) Raise(vberr::kProviderError);
  }
  void Begin() override { Call("begin"); }
  void Commit() override { Call("commit"); }
  void Rollback() noexcept override { calls += "rollback "; }
  std::optional<QueryResult> Run(const std::string& sql, std::span<const SqlValue>) override {
    return Call(sql), std::nullopt;
  }
};

TEST(Transaction, RollsBackUnlessItsCommitSucceeded) {
  static const std::pair<const char*, const char*> kCases[] = {
      {"", "begin step commit "},
      {"step", "begin step rollback "},
      {"commit", "begin step commit rollback "},
  };
  for (const auto& [fail, calls] : kCases) {
    SCOPED_TRACE(fail);
    RecordingSession session;
    session.fail = fail;
    const bool succeeded = ResumeNext([&] {
      Transaction transaction(session);
      session.Run("step", {});
      transaction.Commit();
    });
    EXPECT_EQ(succeeded, *fail == '\0');
    EXPECT_EQ(session.calls, calls);
  }
  Err().Clear();
}

}  // namespace
}  // namespace lumo::data
