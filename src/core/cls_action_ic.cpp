#include "core/cls_action_ic.h"

#include <utility>

#include "core/trace.h"
#include "platform/error.h"
#include "platform/vb.h"

namespace lumo {

namespace {

ErrorInfo& LastErrorOfThread() {
  thread_local ErrorInfo lastError;
  return lastError;
}

// Runs a step of DoAction and keeps the first error it raises for a host
// that asks why the action failed; nothing reaches the host.
template <class Step>
void Trapped(Step&& step) {
  try {
    step();
  } catch (...) {
    if (LastErrorOfThread().number == 0) LastErrorOfThread() = CurrentException();
  }
}

}  // namespace

const ErrorInfo& clsActionIC::LastError() {
  return LastErrorOfThread();
}

void clsActionIC::KeepTrappedError(ErrorInfo error) {
  LastErrorOfThread() = std::move(error);
}

const clsActionIC::Action* clsActionIC::FindAction(std::string_view sFunction) {
  for (const Action& action : kActions) {
    // The length first, inline: most names are told apart by it alone.
    if (action.name.size() == sFunction.size() && vb::EqualsIgnoringCase(action.name, sFunction)) {
      return &action;
    }
  }
  return nullptr;
}

bool clsActionIC::HasAction(std::string_view sFunction) {
  return FindAction(sFunction) != nullptr;
}

std::vector<std::string_view> clsActionIC::ActionNames() {
  std::vector<std::string_view> names;
  names.reserve(kActions.size());
  for (const Action& action : kActions) names.push_back(action.name);
  return names;
}

ActionResult clsActionIC::DoAction(const std::string& sFunction,
                                   [[maybe_unused]] const std::string& sParaments,
                                   DictionaryRef dctPara, DictionaryRef& dctReturn) {
  // The component's Err is its own, as behind a COM call: the caller's is
  // untouched whatever the action does.
  ErrStateGuard callersError;
  LastErrorOfThread().Clear();
  ActionResult result = 0;
  int32_t trace = 0;
  // A failed action is seen as result 0, and what it wrote into dctReturn
  // stays there. The trace scope is opened and closed inside the trap too:
  // the log's own errors never get out of it, but a fault of the program
  // there must not reach the host either.
  Trapped([&] {
    trace = TraceBegin("LumoClassActionIC.clsActionIC.DoAction 执行Action");
    if (const Action* action = FindAction(sFunction)) {
      result = (this->*action->handler)(dctPara, dctReturn);
    }
  });
  Trapped([&] { TraceEnd(trace, 1); });
  return result;
}

}  // namespace lumo
