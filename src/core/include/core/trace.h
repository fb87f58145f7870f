// Trace scopes in the host's trace log "VelLogMsg.Log".
//
// The log object is created at most once per thread; when it is missing, or
// once it reports itself disabled, every scope costs one check. Opening and
// closing a scope never raises a VB error and never disturbs the caller's
// Err (ErrStateGuard keeps it across the log's calls). A fault of the
// program itself (any other exception) is not swallowed.
#pragma once

#include <cstdint>
#include <string_view>

namespace lumo {

// Opens a scope; the handle, or 0 when tracing is off or failed. The source
// is copied only for a log that is on.
int32_t TraceBegin(std::string_view source);
// Closes a scope: flag 0 at a handler's normal end, 1 from DoAction and from
// error paths that close their scope.
void TraceEnd(int32_t handle, int32_t flag);

// Creates the thread's log object if there is none; failures are ignored.
void InitTraceLog();
// Whether the thread's log is on. Only Boolean True counts: a log that
// answers anything else is dropped for the rest of the thread. Errors of the
// log go to the caller.
bool IsTraceEnabled();

}  // namespace lumo
