#include "core/trace.h"

#include <memory>
#include <string>

#include "hostapi/trace_log.h"
#include "platform/error.h"
#include "platform/object.h"
#include "platform/vb.h"

namespace lumo {

namespace {

struct TraceState {
  std::shared_ptr<ITraceLog> log;
  bool logCreated = false;  // creation is tried once per thread, even when it failed
};

thread_local TraceState state;

}  // namespace

int32_t TraceBegin(std::string_view source) {
  try {
    if (!state.logCreated) {
      InitTraceLog();
      state.logCreated = true;
    }
    return IsTraceEnabled() ? vb::CLng(state.log->LogStart(std::string(source))) : 0;
  } catch (const VbError&) {
    return 0;
  }
}

void TraceEnd(int32_t handle, int32_t flag) {
  // Without a log nothing below has an effect the caller could see: spares
  // every call the copy of the caller's Err.
  if (!state.log) return;
  ErrStateGuard callersError;
  Err().Clear();  // as trapping errors does in the original; the guard puts the caller's back
  try {
    if (IsTraceEnabled()) state.log->LogEnd(handle, flag);
  } catch (const VbError&) {
    // A failing log must not fail the action it traces.
  }
}

void InitTraceLog() {
  if (state.log) return;
  try {
    state.log = CreateObjectAs<ITraceLog>(kTraceLogProgId);
  } catch (const VbError&) {
    // Without a log, tracing stays off on this thread.
  }
}

bool IsTraceEnabled() {
  if (!state.log) return false;
  // Anything but True (all bits set) has a non-zero complement.
  if (~vb::CLng(state.log->IsEnabled()) != 0) {
    state.log.reset();
    return false;
  }
  return true;
}

}  // namespace lumo
