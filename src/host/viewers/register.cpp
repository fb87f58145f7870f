#include "host/viewers/register.h"

#include <memory>

#include "host/viewers/resources_browser.h"
#include "host/viewers/stock_status.h"
#include "host/viewers/supply_face.h"
#include "host/viewers/trade_query.h"

namespace lumo::viewers {

void RegisterViewers() {
  RegisterClass(kSupplyFaceProgId, [] { return std::make_shared<SupplyFace>(); });
  RegisterClass(kTradeQueryProgId, [] { return std::make_shared<TradeQuery>(); });
  RegisterClass(kStockStatusProgId, [] { return std::make_shared<StockStatusFace>(); });
  RegisterClass(kResourcesBrowserProgId, [] { return std::make_shared<ResourcesBrowser>(); });
}

}  // namespace lumo::viewers
