// Fakes of the host's four viewers, each registered under its ProgID while
// it lives. Every call is recorded in order: "new" when the action makes
// the viewer, then "Member value" ("SelSupID 5", "Show 1"). A call of the
// member named by `failOn` is recorded and then raises `failure`.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "hostapi/resources_browser.h"
#include "hostapi/stock_status.h"
#include "hostapi/supply_face.h"
#include "hostapi/trade_query.h"
#include "platform/error.h"

namespace lumo::testing {

struct ViewerLog {
  std::vector<std::string> calls;
  std::string failOn;
  ErrorInfo failure{5, "Viewer", "the viewer failed", "", 0};
  void Record(std::string call) {
    const std::string member = call.substr(0, call.find(' '));
    calls.push_back(std::move(call));
    if (member == failOn) Raise(failure);
  }
};

template <class Viewer>
struct FakeViewer {
  std::shared_ptr<Viewer> viewer = std::make_shared<Viewer>();
  ScopedRegistration registration{Viewer::kProgId, [v = viewer] {
                                    v->Record("new");
                                    return v;
                                  }};
};

inline std::string Flag(bool value) {
  return value ? "True" : "False";
}

struct SupplyFaceViewer : ISupplyFace, ViewerLog {
  static constexpr std::string_view kProgId = kSupplyFaceProgId;
  RecordsetRef picked;  // what ReturnRecordSet gives
  void SetCallByBill(bool value) override { Record("CallByBill " + Flag(value)); }
  void SetSelSupID(int32_t id) override { Record("SelSupID " + std::to_string(id)); }
  void SetSelICItemID(int32_t id) override { Record("SelICItemID " + std::to_string(id)); }
  void SetCategoryBySupply(bool value) override { Record("CategoryBySupply " + Flag(value)); }
  void SetPriceType(int32_t type) override { Record("PriceType " + std::to_string(type)); }
  void Show(int32_t mode) override { Record("Show " + std::to_string(mode)); }
  RecordsetRef ReturnRecordSet() override {
    Record("ReturnRecordSet");
    return picked;
  }
};

struct TradeQueryViewer : ITradeQuery, ViewerLog {
  static constexpr std::string_view kProgId = kTradeQueryProgId;
  void SetQueryType(int32_t type) override { Record("QueryType " + std::to_string(type)); }
  void SetCompanyID(int32_t id) override { Record("CompanyID " + std::to_string(id)); }
  void SetItemID(int32_t id) override { Record("ItemID " + std::to_string(id)); }
  void SetItemNumber(const std::string& number) override { Record("ItemNumber " + number); }
  void Show() override { Record("Show"); }
};

struct StockStatusViewer : IStockStatusFace, ViewerLog {
  static constexpr std::string_view kProgId = kStockStatusProgId;
  void ShowByBill(const std::string& condition) override { Record("ShowByBill " + condition); }
  void Show() override { Record("Show"); }
};

struct ResourcesBrowserViewer : IResourcesBrowser, ViewerLog {
  static constexpr std::string_view kProgId = kResourcesBrowserProgId;
  void SetShowMode(int16_t mode) override { Record("ShowMode " + std::to_string(mode)); }
  void SetShowType(int16_t type) override { Record("ShowType " + std::to_string(type)); }
  void SetFilter(const std::string& filter) override { Record("Filter " + filter); }
  void Show() override { Record("Show"); }
};

using FakeSupplyFace = FakeViewer<SupplyFaceViewer>;
using FakeTradeQuery = FakeViewer<TradeQueryViewer>;
using FakeStockStatus = FakeViewer<StockStatusViewer>;
using FakeResourcesBrowser = FakeViewer<ResourcesBrowserViewer>;

}  // namespace lumo::testing
