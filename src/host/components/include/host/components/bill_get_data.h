// "BillDataAccess.GetData": the supplier's price for a purchase line, from
// the supplier price list (t_SupplyPrice).
//
// The list row must match supplier, item, unit, currency and price type
// exactly; among those the quantity break that applies is the highest
// FQuantity not above the request's "AuxQty". The answer is a new
// Dictionary with "Discount" and "AuxPrice" of that row (-1 each when no row
// applies) and "CESS", the supplier's tax rate; Nothing when the supplier or
// the item does not exist. "ExChangeRate" and "TranType" are accepted and
// not used: prices are kept per currency, and the list is the only source.
#pragma once

#include "hostapi/bill_data.h"

namespace lumo::components {

class BillGetData final : public IBillGetData {
 public:
  Variant GetSupplyInfo(const std::string& propString, const DictionaryRef& request) override;
};

}  // namespace lumo::components
