// "LumoTradeQuery.TradeQuery": the prices an item was traded at, newest
// first (date descending, then bill number and line).
//
// QueryType 1 lists purchases (the trade history's purchases and the
// purchase order lines), 2 sales (the history's sales and the sales order
// lines), any other type both. CompanyID and ItemID narrow the list to the
// partner and the item when they are above 0. ItemNumber only titles the
// window: the item is found by its id, so no caller text reaches the SQL.
// The list is only looked at.
#pragma once

#include <string>

#include "hostapi/trade_query.h"

namespace lumo::viewers {

class TradeQuery final : public ITradeQuery {
 public:
  void SetQueryType(int32_t queryType) override { queryType_ = queryType; }
  void SetCompanyID(int32_t companyId) override { companyId_ = companyId; }
  void SetItemID(int32_t itemId) override { itemId_ = itemId; }
  void SetItemNumber(const std::string& itemNumber) override { itemNumber_ = itemNumber; }
  void Show() override;

 private:
  int32_t queryType_ = 1;
  int32_t companyId_ = 0;
  int32_t itemId_ = 0;
  std::string itemNumber_;
};

}  // namespace lumo::viewers
