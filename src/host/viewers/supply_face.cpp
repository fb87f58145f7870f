#include "host/viewers/supply_face.h"

#include <fmt/format.h>

#include <array>

#include "host/viewers/record_listing.h"

namespace lumo::viewers {

namespace {

constexpr std::array<ListedColumn, 9> kColumns = {{
    {"供应商", "FSupName"},
    {"物料代码", "FItemNumber"},
    {"物料名称", "FItemName"},
    {"规格型号", "FModel"},
    {"单位", "FUnitName"},
    {"币别", "FCyName"},
    {"数量起点", "FQuantity", 0, "FQtyDecimal"},
    {"单价", "FPrice", 2, "FPriceDecimal"},
    {"折扣率(%)", "FDiscount", 2},
}};

}  // namespace

void SupplyFace::Show([[maybe_unused]] int32_t mode) {
  picked_.reset();
  std::string where = fmt::format("p.FPriceType={}", priceType_);
  if (supplierId_ > 0) where += fmt::format(" AND p.FSupID={}", supplierId_);
  if (itemId_ > 0) where += fmt::format(" AND p.FItemID={}", itemId_);
  const char* order = categoryBySupply_ ? "s.FNumber,p.FSupID,i.FNumber,p.FItemID"
                                        : "i.FNumber,p.FItemID,s.FNumber,p.FSupID";
  const std::string sql = fmt::format(
      "SELECT p.FEntryID,p.FSupID,s.FNumber AS FSupNumber,s.FName AS FSupName,"
      "p.FItemID,i.FNumber AS FItemNumber,i.FName AS FItemName,i.FModel,"
      "i.FPriceDecimal,p.FUnitID,u.FName AS FUnitName,u.FQtyDecimal,p.FCyID,"
      "c.FName AS FCyName,p.FPriceType,p.FQuantity,p.FPrice,p.FDiscount,p.FDate "
      "FROM t_SupplyPrice p "
      "LEFT JOIN t_Supplier s ON s.FItemID=p.FSupID "
      "LEFT JOIN t_ICItemCore i ON i.FItemID=p.FItemID "
      "LEFT JOIN t_MeasureUnit u ON u.FMeasureUnitID=p.FUnitID "
      "LEFT JOIN t_Currency c ON c.FCurrencyID=p.FCyID "
      "WHERE {} ORDER BY {},p.FUnitID,p.FCyID,p.FQuantity,p.FEntryID",
      where, order);
  picked_ = ShowListing({"采购价格资料", "", kColumns, callByBill_}, sql);
}

}  // namespace lumo::viewers
