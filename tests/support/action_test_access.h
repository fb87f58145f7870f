// Calls one handler of clsActionIC directly, by its action name, so a test
// sees the error the handler raises (DoAction never lets it out); and the
// class's private helpers.
#pragma once

#include <gtest/gtest.h>

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>

#include "core/cls_action_ic.h"
#include "platform/error.h"

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
  // The error the handler raised, or nullopt when it returned 0.
  static std::optional<ErrorInfo> Raised(std::string_view actionName, DictionaryRef dctPara,
                                         DictionaryRef& dctReturn) {
    try {
      EXPECT_EQ(Call(actionName, std::move(dctPara), dctReturn), 0);
      return std::nullopt;
    } catch (const VbError& e) {
      return e.info();
    }
  }
  static VectorRef CreateOverLimitList(bool bTaxInPrice) {
    return clsActionIC().CreateOverLimitList(bTaxInPrice);
  }
};

}  // namespace lumo
