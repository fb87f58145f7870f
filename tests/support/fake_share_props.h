// A fake "PropsMgr.ShareProps", registered while it lives: answers the
// properties it was given (Empty for others) and records the process ids
// it was asked with.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/hostapi/share_props.h"
#include "platform/object.h"
#include "platform/variant.h"

namespace lumo::testing {

class FakeShareProps {
 public:
  explicit FakeShareProps(const std::string& propsString)
      : registration_(kSharePropsProgId,
                      [state = state_] { return std::make_shared<Instance>(state); }) {
    state_->properties["PropsString"] = propsString;
  }

  const std::vector<int32_t>& processIds() const { return state_->processIds; }

 private:
  struct State {
    std::map<std::string, Variant> properties;
    std::vector<int32_t> processIds;
  };

  class Instance : public IShareProps {
   public:
    explicit Instance(std::shared_ptr<State> state) : state_(std::move(state)) {}
    Variant GetProperty(int32_t& processId, std::string& name) override {
      state_->processIds.push_back(processId);
      const auto found = state_->properties.find(name);
      return found == state_->properties.end() ? Variant() : found->second;
    }

   private:
    std::shared_ptr<State> state_;
  };

  std::shared_ptr<State> state_ = std::make_shared<State>();
  ScopedRegistration registration_;
};

}  // namespace lumo::testing
