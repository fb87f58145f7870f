// "LumoStockStatus.SSFace": the stock of items per warehouse, with what is
// available for issue (on hand - safety stock - allocated + expected
// receipts). An
// item without stock is listed once, with zeros. Ordered by item number,
// item id and warehouse number. The list is only looked at.
#pragma once

#include <string>

#include "hostapi/stock_status.h"

namespace lumo::viewers {

class StockStatusFace final : public IStockStatusFace {
 public:
  // Only the item condition's form is taken (host/viewers/item_condition.h):
  // anything else is error 5 and nothing is shown.
  void ShowByBill(const std::string& condition) override;
  void Show() override;

 private:
  // where: a condition on the items t1, built from numbers only.
  static void ShowItems(const std::string& where);
};

}  // namespace lumo::viewers
