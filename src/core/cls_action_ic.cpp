#include "core/cls_action_ic.h"

#include "core/trace.h"
#include "platform/error.h"
#include "platform/vb.h"

namespace lumo {

namespace {

ErrorInfo& LastErrorOfThread() {
  thread_local ErrorInfo lastError;
  return lastError;
}

}  // namespace

const ErrorInfo& clsActionIC::LastError() {
  return LastErrorOfThread();
}

ActionResult clsActionIC::DoAction(const std::string& sFunction,
                                   [[maybe_unused]] const std::string& sParaments,
                                   DictionaryRef dctPara, DictionaryRef& dctReturn) {
  // The component's Err is its own, as behind a COM call: the caller's is
  // untouched whatever the action does.
  ErrStateGuard callersError;
  const int32_t trace = TraceBegin("LumoClassActionIC.clsActionIC.DoAction 执行Action");
  ActionResult result = 0;
  LastErrorOfThread().Clear();
  try {
    for (const Action& action : kActions) {
      if (vb::EqualsIgnoringCase(action.name, sFunction)) {
        result = (this->*action.handler)(dctPara, dctReturn);
        break;
      }
    }
  } catch (...) {
    // The host never receives an error from an action: a failed action is
    // seen as result 0, and what it wrote into dctReturn stays there. The
    // error is kept for a host that asks why.
    LastErrorOfThread() = CurrentException();
  }
  TraceEnd(trace, 1);
  return result;
}

}  // namespace lumo
