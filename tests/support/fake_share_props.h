// A fake "PropsMgr.ShareProps", registered while it lives: it publishes the
// given "PropsString" to the current process only (Empty for any other
// process or property), so a caller passing the wrong process id reads "".
#pragma once

#include <unistd.h>

#include <cstdint>
#include <memory>
#include <string>

#include "hostapi/share_props.h"

namespace lumo::testing {

struct FakeShareProps {
  struct Props : IShareProps {
    std::string propsString;
    Variant GetProperty(int32_t& processId, std::string& name) override {
      if (processId != static_cast<int32_t>(getpid()) || name != "PropsString") return {};
      return propsString;
    }
  };
  explicit FakeShareProps(std::string propsString) { props->propsString = std::move(propsString); }
  std::shared_ptr<Props> props = std::make_shared<Props>();
  ScopedRegistration registration{kSharePropsProgId, [props = props] { return props; }};
};

}  // namespace lumo::testing
