#include "host/viewers/trade_query.h"

#include <fmt/format.h>

#include <array>
#include <string_view>

#include "host/viewers/record_listing.h"

namespace lumo::viewers {

namespace {

constexpr int32_t kPurchases = 1;
constexpr int32_t kSales = 2;

// Where trades are kept. Each gives its partner and then the same columns
// in the same order.
struct TradeSource {
  int32_t kind;
  std::string_view columns;
  std::string_view from;
  std::string_view partner, item;  // the columns the filters compare
  std::string_view own;            // the source's own condition, if any
};

constexpr std::string_view kHistoryColumns =
    "h.FDate,h.FBillNo,h.FEntryID AS FLine,h.FItemID,h.FUnitID,h.FCurrencyID,h.FQty,h.FPrice,"
    "h.FTaxPrice,h.FDiscountRate";
constexpr std::string_view kOrderLineColumns =
    "o.FDate,o.FBillNo,e.FEntryID AS FLine,e.FItemID,e.FUnitID,o.FCurrencyID,e.FAuxQty AS FQty,"
    "e.FAuxPrice AS FPrice,e.FAuxTaxPrice AS FTaxPrice,e.FDiscountRate";

constexpr std::array<TradeSource, 4> kSources = {{
    {kPurchases, kHistoryColumns, "t_TradeHistory h", "h.FCompanyID", "h.FItemID", "h.FTranType=1"},
    {kPurchases, kOrderLineColumns, "POOrder o INNER JOIN POOrderEntry e ON e.FInterID=o.FInterID",
     "o.FSupplyID", "e.FItemID", ""},
    {kSales, kHistoryColumns, "t_TradeHistory h", "h.FCompanyID", "h.FItemID", "h.FTranType=2"},
    {kSales, kOrderLineColumns, "SEOrder o INNER JOIN SEOrderEntry e ON e.FInterID=o.FInterID",
     "o.FCustID", "e.FItemID", ""},
}};

constexpr std::array<ListedColumn, 11> kColumns = {{
    {"日期", "FDate"},
    {"单据编号", "FBillNo"},
    {"往来单位", "FCompanyName"},
    {"物料代码", "FItemNumber"},
    {"物料名称", "FItemName"},
    {"单位", "FUnitName"},
    {"币别", "FCurrencyName"},
    {"数量", "FQty", 0, "FQtyDecimal"},
    {"单价", "FPrice", 2, "FPriceDecimal"},
    {"含税单价", "FTaxPrice", 2, "FPriceDecimal"},
    {"折扣率(%)", "FDiscountRate", 2},
}};

std::string_view TitleOf(int32_t queryType) {
  switch (queryType) {
    case kPurchases:
      return "采购历史价格";
    case kSales:
      return "销售历史价格";
    default:
      return "历史价格";
  }
}

}  // namespace

void TradeQuery::Show() {
  std::string trades;
  for (const TradeSource& source : kSources) {
    if (queryType_ != source.kind && (queryType_ == kPurchases || queryType_ == kSales)) continue;
    std::string where = source.own.empty() ? "1=1" : std::string(source.own);
    if (companyId_ > 0) where += fmt::format(" AND {}={}", source.partner, companyId_);
    if (itemId_ > 0) where += fmt::format(" AND {}={}", source.item, itemId_);
    trades += fmt::format("{}SELECT {} AS FKind,{} AS FCompanyID,{} FROM {} WHERE {}",
                          trades.empty() ? "" : " UNION ALL ", source.kind, source.partner,
                          source.columns, source.from, where);
  }
  const std::string sql = fmt::format(
      "SELECT t.*,COALESCE(s.FName,g.FName) AS FCompanyName,"
      "i.FNumber AS FItemNumber,i.FName AS FItemName,i.FPriceDecimal,"
      "u.FName AS FUnitName,u.FQtyDecimal,c.FName AS FCurrencyName FROM ({}) t "
      "LEFT JOIN t_Supplier s ON t.FKind={} AND s.FItemID=t.FCompanyID "
      "LEFT JOIN t_Organization g ON t.FKind={} AND g.FItemID=t.FCompanyID "
      "LEFT JOIN t_ICItemCore i ON i.FItemID=t.FItemID "
      "LEFT JOIN t_MeasureUnit u ON u.FMeasureUnitID=t.FUnitID "
      "LEFT JOIN t_Currency c ON c.FCurrencyID=t.FCurrencyID "
      "ORDER BY t.FDate DESC,t.FBillNo,t.FLine,t.FKind",
      trades, kPurchases, kSales);
  ShowListing({TitleOf(queryType_), itemNumber_.empty() ? "" : " " + itemNumber_, kColumns}, sql);
}

}  // namespace lumo::viewers
