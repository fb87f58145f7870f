// "VelLogMsg.Log": the host's trace log.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/object.h"
#include "platform/variant.h"

namespace lumo {

inline constexpr std::string_view kTraceLogProgId = "VelLogMsg.Log";

class ITraceLog : public Object {
 public:
  // Opens a scope; the handle is converted to a 32-bit number by the caller.
  virtual Variant LogStart(const std::string& source) = 0;
  // Boolean True when tracing is on; the caller treats anything else as off.
  virtual Variant IsEnabled() = 0;
  virtual Variant LogEnd(int32_t& handle, int32_t& flag) = 0;
};

}  // namespace lumo
