// Calls one handler of clsActionIC directly, by its action name, so a test
// sees the error the handler raises (DoAction never lets it out); and the
// class's private helpers.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

#include "core/cls_action_ic.h"

namespace lumo {

class ActionTestAccess {
 public:
  static ActionResult Call(std::string_view actionName, DictionaryRef dctPara,
                           DictionaryRef& dctReturn) {
    clsActionIC component;
    for (const auto& action : clsActionIC::kActions) {
      if (action.name == actionName) return (component.*action.handler)(dctPara, dctReturn);
    }
    throw std::invalid_argument("no action " + std::string(actionName));
  }

  static VectorRef CreateOverLimitList(bool bTaxInPrice) {
    return clsActionIC().CreateOverLimitList(bTaxInPrice);
  }
};

}  // namespace lumo
