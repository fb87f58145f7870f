// "BillDataAccess.GetData": the host's bill data-access component.
#pragma once

#include <string>
#include <string_view>

#include "collections/dictionary.h"
#include "platform/object.h"
#include "platform/variant.h"

namespace lumo {

inline constexpr std::string_view kBillGetDataProgId = "BillDataAccess.GetData";

class IBillGetData : public Object {
 public:
  // The supplier price for the request ("SupplyID", "ItemID", "UnitID",
  // "AuxQty", "CurrencyID", "ExChangeRate", "PriceType", "TranType"): a
  // Dictionary with "Discount", "AuxPrice" (-1 = none found) and "CESS", or
  // Nothing.
  virtual Variant GetSupplyInfo(const std::string& propString, const DictionaryRef& request) = 0;
};

}  // namespace lumo
