// "lumoSuplly.SupplyFace": the supplier price list (t_SupplyPrice), one
// record per price row: supplier, item, unit, currency, quantity break,
// price and discount.
//
// Only rows of PriceType are listed (1 ordinary invoice, 2 value-added-tax
// invoice), narrowed to SelSupID and SelICItemID when they are above 0.
// CategoryBySupply orders the list by supplier first (supplier number,
// item number), otherwise by item first (item number, supplier number);
// then unit, currency, quantity break and the row's entry id, so the order
// is always the same. CallByBill True: the user picks a price for the bill;
// False: the list is only looked at and nothing is picked. Show's mode is
// accepted as callers pass it; every show is modal.
#pragma once

#include "hostapi/supply_face.h"

namespace lumo::viewers {

class SupplyFace final : public ISupplyFace {
 public:
  void SetCallByBill(bool callByBill) override { callByBill_ = callByBill; }
  void SetSelSupID(int32_t supplierId) override { supplierId_ = supplierId; }
  void SetSelICItemID(int32_t itemId) override { itemId_ = itemId; }
  void SetCategoryBySupply(bool categoryBySupply) override { categoryBySupply_ = categoryBySupply; }
  void SetPriceType(int32_t priceType) override { priceType_ = priceType; }
  void Show(int32_t mode) override;
  // The listed records, positioned on the one picked by the last Show;
  // nullptr before a Show and after a Show the user cancelled.
  RecordsetRef ReturnRecordSet() override { return picked_; }

 private:
  bool callByBill_ = true;
  int32_t supplierId_ = 0;
  int32_t itemId_ = 0;
  bool categoryBySupply_ = false;
  int32_t priceType_ = 1;
  RecordsetRef picked_;
};

}  // namespace lumo::viewers
