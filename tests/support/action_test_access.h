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
#include <vector>

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

  using Handler = clsActionIC::Handler;
  // The dispatch table as DoAction walks it: (action name, handler).
  static std::vector<std::pair<std::string_view, Handler>> DispatchTable() {
    std::vector<std::pair<std::string_view, Handler>> table;
    for (const auto& action : clsActionIC::kActions)
      table.emplace_back(action.name, action.handler);
    return table;
  }
  // Every handler under its own name, for a test to pair them with the
  // action names itself.
  struct Handlers {
    Handler PriceQueryPO, GetSupplyInfo, HistoryPriceQry, ViewStockStatus, ViewItemReplace,
        TevSer_POPriceAlert, TevSer_GetMapNumber, TevSer_SynMapAndItem, TevSer_GetTaxRate,
        TevSer_CurrencyCal, TevSer_GetExchangeRate, TevSer_UpdateItemPrice, TevSer_UpdatePOPrice;
  };
  static Handlers HandlersByName() {
    using C = clsActionIC;
    return {&C::PriceQueryPO,        &C::GetSupplyInfo,          &C::HistoryPriceQry,
            &C::ViewStockStatus,     &C::ViewItemReplace,        &C::TevSer_POPriceAlert,
            &C::TevSer_GetMapNumber, &C::TevSer_SynMapAndItem,   &C::TevSer_GetTaxRate,
            &C::TevSer_CurrencyCal,  &C::TevSer_GetExchangeRate, &C::TevSer_UpdateItemPrice,
            &C::TevSer_UpdatePOPrice};
  }
};

}  // namespace lumo
