// The host's four viewers played by one fake, registered under their
// ProgIDs while it lives. Every call goes into `calls` in order: "new" when
// the action makes a viewer, then "Member value" ("SelSupID 5", "Show 1"),
// joined by ", ".
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "hostapi/resources_browser.h"
#include "hostapi/stock_status.h"
#include "hostapi/supply_face.h"
#include "hostapi/trade_query.h"

namespace lumo::testing {

struct FakeViewers {
  struct Viewer : ISupplyFace, ITradeQuery, IStockStatusFace, IResourcesBrowser {
    std::string calls;
    RecordsetRef picked;  // what ReturnRecordSet gives
    void Record(const std::string& call) { calls += (calls.empty() ? "" : ", ") + call; }
    static std::string Of(bool value) { return value ? " True" : " False"; }
    static std::string Of(int32_t value) { return " " + std::to_string(value); }
    void SetCallByBill(bool value) override { Record("CallByBill" + Of(value)); }
    void SetSelSupID(int32_t id) override { Record("SelSupID" + Of(id)); }
    void SetSelICItemID(int32_t id) override { Record("SelICItemID" + Of(id)); }
    void SetCategoryBySupply(bool value) override { Record("CategoryBySupply" + Of(value)); }
    void SetPriceType(int32_t type) override { Record("PriceType" + Of(type)); }
    void Show(int32_t mode) override { Record("Show" + Of(mode)); }
    RecordsetRef ReturnRecordSet() override {
      Record("ReturnRecordSet");
      return picked;
    }
    void SetQueryType(int32_t type) override { Record("QueryType" + Of(type)); }
    void SetCompanyID(int32_t id) override { Record("CompanyID" + Of(id)); }
    void SetItemID(int32_t id) override { Record("ItemID" + Of(id)); }
    void SetItemNumber(const std::string& number) override { Record("ItemNumber " + number); }
    void ShowByBill(const std::string& condition) override { Record("ShowByBill " + condition); }
    void SetShowMode(int16_t mode) override { Record("ShowMode" + Of(int32_t{mode})); }
    void SetShowType(int16_t type) override { Record("ShowType" + Of(int32_t{type})); }
    void SetFilter(const std::string& filter) override { Record("Filter " + filter); }
    void Show() override { Record("Show"); }
  };
  std::shared_ptr<Viewer> viewer = std::make_shared<Viewer>();
  Factory Make() const {
    return [v = viewer] {
      v->Record("new");
      return std::static_pointer_cast<ISupplyFace>(v);
    };
  }
  ScopedRegistration supplyFace{kSupplyFaceProgId, Make()}, tradeQuery{kTradeQueryProgId, Make()},
      stockStatus{kStockStatusProgId, Make()}, browser{kResourcesBrowserProgId, Make()};
};

}  // namespace lumo::testing
