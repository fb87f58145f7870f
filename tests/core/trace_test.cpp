#include "core/trace.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <optional>

#include "platform/error.h"
#include "support/fake_trace_log.h"
#include "support/fresh_thread.h"

namespace lumo {
namespace {

using ::testing::ElementsAre;
using testing::FakeTraceLog;
using testing::OnFreshThread;

TEST(Trace, EndLeavesTheCallersPendingErrorExactlyAsItWas) {
  for (const bool withLog : {true, false}) {
    SCOPED_TRACE(withLog ? "log on" : "no log");
    OnFreshThread([withLog] {
      std::optional<FakeTraceLog> log;
      if (withLog) log.emplace();
      const int32_t handle = TraceBegin("scope");
      const ErrorInfo pending{5, "Caller", "Invalid procedure call", "help.chm", 42};
      Err() = pending;
      TraceEnd(handle, 1);
      EXPECT_EQ(Err(), pending);
      if (log) {
        EXPECT_THAT(log->events(), ElementsAre("begin scope", "end 1 1"));
      }
    });
  }
}

TEST(Trace, TriesToCreateTheLogOncePerThread) {
  OnFreshThread([] {
    EXPECT_EQ(TraceBegin("before"), 0);
    FakeTraceLog log;  // registered too late for this thread
    EXPECT_EQ(TraceBegin("after"), 0);
    TraceEnd(0, 0);
    EXPECT_EQ(log.created(), 0);
  });
}

}  // namespace
}  // namespace lumo
