// The table DoAction dispatches by: each of the thirteen action names, in
// the order they are tested, reaches the handler of that name.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "support/action_test_access.h"

namespace lumo::testing {

TEST(Dispatch, EachActionNameReachesItsOwnHandlerInTheHostsOrder) {
  const ActionTestAccess::Handlers h = ActionTestAccess::HandlersByName();
  const std::pair<std::string_view, ActionTestAccess::Handler> expected[] = {
      {"TevSer_PriceQueryPO", h.PriceQueryPO},
      {"TevSer_GetSupplyInfo", h.GetSupplyInfo},
      {"TevSer_HPriceQry", h.HistoryPriceQry},
      {"TevSer_VStockStatus", h.ViewStockStatus},
      {"TevSer_VItemReplace", h.ViewItemReplace},
      {"TevSer_POPriceAlert", h.TevSer_POPriceAlert},
      {"TevSer_GetMapNumber", h.TevSer_GetMapNumber},
      {"TevSer_SynMapAndItem", h.TevSer_SynMapAndItem},
      {"TevSer_GetTaxRate", h.TevSer_GetTaxRate},
      {"TevSer_CurrencyCal", h.TevSer_CurrencyCal},
      {"TevSer_GetExchangeRate", h.TevSer_GetExchangeRate},
      {"TevSer_UpdateItemPrice", h.TevSer_UpdateItemPrice},
      {"TevSer_UpdatePOPrice", h.TevSer_UpdatePOPrice},
  };
  const auto table = ActionTestAccess::DispatchTable();
  ASSERT_EQ(table.size(), std::size(expected));
  for (size_t i = 0; i < table.size(); ++i) {
    SCOPED_TRACE(std::string(expected[i].first));
    EXPECT_EQ(table[i].first, expected[i].first);
    EXPECT_TRUE(table[i].second == expected[i].second) << "another handler";
  }
}

}  // namespace lumo::testing
