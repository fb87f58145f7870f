// "BillDataAccess.SysInfo": rows of base-data tables, maximum purchase
// prices and unit factors, read from the database of the session.
//
// Maximum prices (t_POMaxPrice) are kept in the home currency per base unit.
// A row for the supplier wins over the general row (FSupID 0), and a row for
// the price type over the one for every type (FPriceType -1). The price is
// given in the bill's currency: divided by the bill's exchange rate (home
// amount = amount x rate), or by the currency's own rate when the bill's is
// 0 or below.
#pragma once

#include "hostapi/sys_info.h"

namespace lumo::components {

class SysInfo final : public ISysInfo {
 public:
  // Table and key column must be plain identifiers (error 5 otherwise).
  RecordsetRef GetItemInfo(const std::string& propString, const std::string& table, int32_t id,
                           const std::string& keyColumn) override;
  Variant GetPOMaxHighPrice(std::string& propString, int32_t& supplierId, int32_t& itemId,
                            int32_t& currencyId, double& exchangeRate, int32_t& priceType) override;
  // 0 and 0 for an unknown unit; a Null coefficient counts as 0.
  void GetCoeAndScale(std::string& propString, int32_t& unitId, double& coefficient,
                      double& scale) override;
};

}  // namespace lumo::components
