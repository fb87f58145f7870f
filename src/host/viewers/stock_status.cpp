#include "host/viewers/stock_status.h"

#include <fmt/format.h>

#include <array>

#include "host/viewers/item_condition.h"
#include "host/viewers/record_listing.h"

namespace lumo::viewers {

namespace {

constexpr std::array<ListedColumn, 10> kColumns = {{
    {"物料代码", "FNumber"},
    {"物料名称", "FName"},
    {"规格型号", "FModel"},
    {"仓库", "FStockName"},
    {"单位", "FUnitName"},
    {"现有库存量", "FQty", 0, "FQtyDecimal"},
    {"安全库存量", "FSafeQty", 0, "FQtyDecimal"},
    {"已分配量", "FAllocQty", 0, "FQtyDecimal"},
    {"预计入库量", "FOnOrderQty", 0, "FQtyDecimal"},
    {"可供出库数量", "FAvailQty", 0, "FQtyDecimal"},
}};

}  // namespace

void StockStatusFace::ShowByBill(const std::string& condition) {
  ShowItems(InCondition("t1.FItemID", ItemIdsOfCondition(condition, kStockStatusProgId)));
}

void StockStatusFace::Show() {
  ShowItems("1=1");
}

void StockStatusFace::ShowItems(const std::string& where) {
  const std::string sql = fmt::format(
      "SELECT t1.FItemID,t1.FNumber,t1.FName,t1.FModel,st.FName AS FStockName,"
      "u.FName AS FUnitName,u.FQtyDecimal,IsNull(v.FQty,0) AS FQty,"
      "IsNull(v.FSafeQty,0) AS FSafeQty,IsNull(v.FAllocQty,0) AS FAllocQty,"
      "IsNull(v.FOnOrderQty,0) AS FOnOrderQty,"
      "IsNull(v.FQty,0)-IsNull(v.FSafeQty,0)-IsNull(v.FAllocQty,0)"
      "+IsNull(v.FOnOrderQty,0) AS FAvailQty "
      "FROM t_ICItemCore t1 "
      "LEFT JOIN t_Inventory v ON v.FItemID=t1.FItemID "
      "LEFT JOIN t_Stock st ON st.FStockID=v.FStockID "
      "LEFT JOIN t_MeasureUnit u ON u.FMeasureUnitID=t1.FUnitID "
      "WHERE {} ORDER BY t1.FNumber,t1.FItemID,st.FNumber,v.FStockID",
      where);
  ShowListing({"库存状态", "", kColumns}, sql);
}

}  // namespace lumo::viewers
