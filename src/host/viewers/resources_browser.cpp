#include "host/viewers/resources_browser.h"

#include <fmt/format.h>

#include <array>

#include "host/viewers/item_condition.h"
#include "host/viewers/record_listing.h"
#include "platform/error.h"

namespace lumo::viewers {

namespace {

constexpr int16_t kReplacements = 2;

constexpr std::array<ListedColumn, 9> kColumns = {{
    {"物料代码", "FNumber"},
    {"物料名称", "FName"},
    {"规格型号", "FModel"},
    {"替代物料代码", "FReplaceNumber"},
    {"替代物料名称", "FReplaceName"},
    {"替代物料规格型号", "FReplaceModel"},
    {"替代比例", "FRate", 4},
    {"优先级", "FPriority", 0},
    {"备注", "FNote"},
}};

}  // namespace

void ResourcesBrowser::SetFilter(const std::string& filter) {
  where_ = filter.empty()
               ? "1=1"
               : InCondition("t1.FItemID", ItemIdsOfCondition(filter, kResourcesBrowserProgId));
}

void ResourcesBrowser::Show() {
  if (showType_ != kReplacements) {
    Raise(vberr::kInvalidCall, std::string(kResourcesBrowserProgId),
          fmt::format("ShowType {}: the browser shows the item replacements (ShowType {}) only",
                      showType_, kReplacements));
  }
  const std::string sql = fmt::format(
      "SELECT t1.FItemID,t1.FNumber,t1.FName,t1.FModel,r.FReplaceItemID,"
      "t2.FNumber AS FReplaceNumber,t2.FName AS FReplaceName,"
      "t2.FModel AS FReplaceModel,r.FRate,r.FPriority,r.FNote "
      "FROM t_ItemReplace r "
      "INNER JOIN t_ICItemCore t1 ON t1.FItemID=r.FItemID "
      "LEFT JOIN t_ICItemCore t2 ON t2.FItemID=r.FReplaceItemID "
      "WHERE {} ORDER BY t1.FNumber,t1.FItemID,r.FPriority,t2.FNumber,r.FEntryID",
      where_);
  ShowListing({"物料替代", "", kColumns}, sql);
}

}  // namespace lumo::viewers
