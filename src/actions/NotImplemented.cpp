// Actions whose handlers are not built yet. Each raises an error with its
// own name as source, so DoAction reports the action as failed (result 0).
// A handler moves to its own file when it is built.
#include <string>

#include "core/cls_action_ic.h"
#include "platform/error.h"

namespace lumo {

namespace {

[[noreturn]] void RaiseNotImplemented(std::string handler) {
  Raise(vberr::kInvalidCall, std::move(handler), "not implemented");
}

}  // namespace

ActionResult clsActionIC::ViewStockStatus(DictionaryRef, DictionaryRef&) {
  RaiseNotImplemented("ViewStockStatus");
}

ActionResult clsActionIC::ViewItemReplace(DictionaryRef, DictionaryRef&) {
  RaiseNotImplemented("ViewItemReplace");
}

}  // namespace lumo
