// "lumoSuplly.SupplyFace": the host's supplier price viewer. The caller sets
// the filters, Show blocks until the user picks a price record or cancels,
// and ReturnRecordSet gives the record picked.
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/object.h"
#include "platform/recordset.h"

namespace lumo {

inline constexpr std::string_view kSupplyFaceProgId = "lumoSuplly.SupplyFace";

class ISupplyFace : public Object {
 public:
  virtual void SetCallByBill(bool callByBill) = 0;
  virtual void SetSelSupID(int32_t supplierId) = 0;
  virtual void SetSelICItemID(int32_t itemId) = 0;
  virtual void SetCategoryBySupply(bool categoryBySupply) = 0;
  virtual void SetPriceType(int32_t priceType) = 0;
  // Shows the price list; returns when the user has picked or cancelled.
  virtual void Show(int32_t mode) = 0;
  // Positioned on the record picked, with at least "FPrice", "FCyID",
  // "FSupID", "FItemID", "FUnitID" and "FDiscount"; nullptr when none was.
  virtual RecordsetRef ReturnRecordSet() = 0;
};

}  // namespace lumo
