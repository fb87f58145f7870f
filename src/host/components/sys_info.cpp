#include "host/components/sys_info.h"

#include <fmt/format.h>

#include "host/components/database.h"
#include "platform/error.h"

namespace lumo::components {
namespace {

constexpr std::string_view kSource = "BillDataAccess.SysInfo";

void RequireIdentifier(std::string_view what, const std::string& name) {
  if (!IsPlainIdentifier(name)) {
    Raise(vberr::kInvalidCall, std::string(kSource),
          fmt::format("GetItemInfo: the {} \"{}\" is not a plain name (letters, digits and _)",
                      what, name));
  }
}

}  // namespace

RecordsetRef SysInfo::GetItemInfo(const std::string& propString, const std::string& table,
                                  int32_t id, const std::string& keyColumn) {
  RequireIdentifier("table", table);
  RequireIdentifier("key column", keyColumn);
  return Query(propString, fmt::format("SELECT * FROM {} WHERE {}={}", table, keyColumn, id));
}

Variant SysInfo::GetPOMaxHighPrice(std::string& propString, int32_t& supplierId, int32_t& itemId,
                                   int32_t& currencyId, double& exchangeRate, int32_t& priceType) {
  // The most specific row comes first: supplier before FSupID 0, price type
  // before -1.
  const RecordsetRef rows =
      Query(propString,
            fmt::format("SELECT FMaxPrice FROM t_POMaxPrice WHERE FItemID={} AND FSupID IN (0,{}) "
                        "AND FPriceType IN (-1,{}) ORDER BY FSupID DESC, FPriceType DESC",
                        itemId, supplierId, priceType));
  const double homePrice = NumberOr(rows, "FMaxPrice", -1);
  if (homePrice < 0) return -1.0;
  const double rate = exchangeRate > 0 ? exchangeRate : MultiplierRate(propString, currencyId);
  return homePrice / rate;
}

void SysInfo::GetCoeAndScale(std::string& propString, int32_t& unitId, double& coefficient,
                             double& scale) {
  const RecordsetRef rows = Query(
      propString,
      fmt::format("SELECT FCoefficient,FScale FROM t_MeasureUnit WHERE FMeasureUnitID={}", unitId));
  coefficient = NumberOr(rows, "FCoefficient", 0);
  scale = NumberOr(rows, "FScale", 0);
}

}  // namespace lumo::components
