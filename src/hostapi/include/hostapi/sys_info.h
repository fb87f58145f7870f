// "BillDataAccess.SysInfo": the host's system-information component.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/object.h"
#include "platform/recordset.h"
#include "platform/variant.h"

namespace lumo {

inline constexpr std::string_view kSysInfoProgId = "BillDataAccess.SysInfo";

class ISysInfo : public Object {
 public:
  // The row of `table` whose `keyColumn` equals `id` (nullptr or no rows
  // when there is none).
  virtual RecordsetRef GetItemInfo(const std::string& propString, const std::string& table,
                                   int32_t id, const std::string& keyColumn) = 0;
  // The item's maximum purchase price per base unit for the supplier,
  // currency, exchange rate and price type; -1 when it has none.
  virtual Variant GetPOMaxHighPrice(std::string& propString, int32_t& supplierId, int32_t& itemId,
                                    int32_t& currencyId, double& exchangeRate,
                                    int32_t& priceType) = 0;
  // Fills coefficient and scale of the unit; their sum converts a base-unit
  // price to the unit.
  virtual void GetCoeAndScale(std::string& propString, int32_t& unitId, double& coefficient,
                              double& scale) = 0;
};

}  // namespace lumo
