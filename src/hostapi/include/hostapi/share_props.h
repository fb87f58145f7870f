// "PropsMgr.ShareProps": properties the host publishes per process.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/object.h"
#include "platform/variant.h"

namespace lumo {

inline constexpr std::string_view kSharePropsProgId = "PropsMgr.ShareProps";

class IShareProps : public Object {
 public:
  // The named property of the process; Empty when it is not set.
  virtual Variant GetProperty(int32_t& processId, std::string& name) = 0;
};

}  // namespace lumo
