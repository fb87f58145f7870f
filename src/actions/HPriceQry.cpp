// TevSer_HPriceQry: opens the host's trade-query viewer on the price
// history of one item with one trading partner. The viewer gets the item's
// number too, looked up from its id; nothing comes back.
#include <cstdint>
#include <string>

#include "core/cls_action_ic.h"
#include "core/para.h"
#include "core/query.h"
#include "core/traced_action.h"
#include "hostapi/trade_query.h"
#include "platform/error.h"
#include "platform/object.h"
#include "platform/vb.h"

namespace lumo {

namespace {

// The item's FNumber; "" without a session to ask or without a row. A NULL
// number fails (94).
std::string ItemNumber(const Dictionary& para, int32_t lItemID) {
  const std::string sPropString = TextOf(para, "PropString");
  if (vb::Trim(sPropString).empty()) return {};
  const RecordsetRef rs = GetRecordset(
      sPropString, "SELECT FNumber FROM t_ICItemCore WHERE FItemID=" + std::to_string(lItemID));
  if (!rs) return {};
  std::string number;
  if (rs->RecordCount() > 0) number = vb::CStr(rs->Value("FNumber"));
  rs->Close();
  return number;
}

void ShowPriceHistory(const Dictionary& para) {
  const int32_t lQueryType = LeadingWholeNumberOr(para, "P_QueryType", 1);
  const int32_t lCompanyID = LeadingWholeNumberOr(para, "P_CompanyID", 0);
  const int32_t lItemID = LeadingWholeNumberOr(para, "P_ICItemID", 0);
  const std::string sItemNumber = lItemID > 0 ? ItemNumber(para, lItemID) : "";

  const auto viewer = CreateObjectAs<ITradeQuery>(kTradeQueryProgId);
  viewer->SetQueryType(lQueryType);
  viewer->SetCompanyID(lCompanyID);
  viewer->SetItemID(lItemID);
  viewer->SetItemNumber(sItemNumber);
  viewer->Show();
}

}  // namespace

ActionResult clsActionIC::HistoryPriceQry(const DictionaryRef& dctPara, DictionaryRef&) {
  return TracedAction("LumoClassActionIC.clsActionIC.HistoryPriceQry 历史价格信息查询",
                      "HistoryPriceQry:", [&] { ShowPriceHistory(Deref(dctPara)); });
}

}  // namespace lumo
