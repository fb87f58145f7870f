// The frame of the actions that trace their run and pass their errors on.
// The body runs in a trace scope that closes with flag 0 when it ends; an
// error it raises (or that closing the scope raises) leaves the scope open
// and goes on to DoAction with the action's prefix before its source
// ("GetSupplyInfo:" + the source it had).
#pragma once

#include <cstdint>
#include <string_view>

#include "core/cls_action_ic.h"
#include "core/trace.h"
#include "platform/error.h"

namespace lumo {

template <class Body>
ActionResult TracedAction(std::string_view traceSource, std::string_view errorSourcePrefix,
                          Body&& body) {
  const int32_t trace = TraceBegin(traceSource);
  try {
    body();
    TraceEnd(trace, 0);
    return 0;
  } catch (...) {
    RaiseWithSourcePrefix(CurrentException(), errorSourcePrefix);
  }
}

}  // namespace lumo
