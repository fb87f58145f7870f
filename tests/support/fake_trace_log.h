// A fake "VelLogMsg.Log", registered while it lives. It answers IsEnabled
// with the given value and records its scopes as texts:
// "begin <source>" (handles count from 1) and "end <handle> <flag>".
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/hostapi/trace_log.h"
#include "platform/object.h"
#include "platform/variant.h"

namespace lumo::testing {

class FakeTraceLog {
 public:
  explicit FakeTraceLog(Variant enabled = true)
      : registration_(kTraceLogProgId, [state = state_] {
          ++state->created;
          return std::make_shared<Instance>(state);
        }) {
    state_->enabled = std::move(enabled);
  }

  const std::vector<std::string>& events() const { return state_->events; }
  int created() const { return state_->created; }
  int enabledQueries() const { return state_->enabledQueries; }

 private:
  struct State {
    Variant enabled;
    std::vector<std::string> events;
    int created = 0;
    int enabledQueries = 0;
    int32_t lastHandle = 0;
  };

  class Instance : public ITraceLog {
   public:
    explicit Instance(std::shared_ptr<State> state) : state_(std::move(state)) {}
    Variant LogStart(const std::string& source) override {
      state_->events.push_back("begin " + source);
      return ++state_->lastHandle;
    }
    Variant IsEnabled() override {
      ++state_->enabledQueries;
      return state_->enabled;
    }
    Variant LogEnd(int32_t& handle, int32_t& flag) override {
      state_->events.push_back("end " + std::to_string(handle) + " " + std::to_string(flag));
      return {};
    }

   private:
    std::shared_ptr<State> state_;
  };

  std::shared_ptr<State> state_ = std::make_shared<State>();
  ScopedRegistration registration_;
};

}  // namespace lumo::testing
