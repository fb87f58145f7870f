// A fake "VelLogMsg.Log", registered while it lives. IsEnabled answers the
// given value; scopes are recorded as "begin <source>" (handles count from 1)
// and "end <handle> <flag>".
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "hostapi/trace_log.h"

namespace lumo::testing {

struct FakeTraceLog {
  struct Log : ITraceLog {
    Variant enabled;
    std::vector<std::string> events;
    int32_t lastHandle = 0;
    Variant LogStart(const std::string& source) override {
      events.push_back("begin " + source);
      return ++lastHandle;
    }
    Variant IsEnabled() override { return enabled; }
    Variant LogEnd(int32_t& handle, int32_t& flag) override {
      events.push_back("end " + std::to_string(handle) + " " + std::to_string(flag));
      return {};
    }
  };
  explicit FakeTraceLog(Variant enabled = true) { log->enabled = std::move(enabled); }
  std::shared_ptr<Log> log = std::make_shared<Log>();
  ScopedRegistration registration{kTraceLogProgId, [log = log] { return log; }};
};

}  // namespace lumo::testing
