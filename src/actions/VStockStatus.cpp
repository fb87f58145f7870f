// TevSer_VStockStatus: opens the host's stock status viewer on the items of
// the bill ("P_ICItemID": a ready list of ids, or a column with one id per
// line), or on every item when the bill names none.
#include <cstdint>
#include <string>

#include "core/cls_action_ic.h"
#include "core/item_ids.h"
#include "core/traced_action.h"
#include "hostapi/stock_status.h"
#include "platform/error.h"
#include "platform/object.h"
#include "platform/vb.h"

namespace lumo {

namespace {

// The column's ids joined by commas, its blank lines left out.
std::string JoinNonBlankLines(const VbArray& column) {
  std::string list;
  for (int32_t i = 1; i <= column.UBound(); ++i) {
    const std::string text = vb::CStr(column.at(i));
    if (!vb::Trim(text).empty()) list += text + ",";
  }
  if (!list.empty()) list.pop_back();
  return list;
}

void ShowStockStatus(const Dictionary& para) {
  // Checked before the viewer is made: a list of blanks shows every item.
  const std::string list = ViewerItemList(para, JoinNonBlankLines);
  const auto viewer = CreateObjectAs<IStockStatusFace>(kStockStatusProgId);
  if (list.empty()) {
    viewer->Show();
  } else {
    viewer->ShowByBill("t1.FItemID IN (" + list + ")");
  }
}

}  // namespace

ActionResult clsActionIC::ViewStockStatus(const DictionaryRef& dctPara, DictionaryRef&) {
  return TracedAction("LumoClassActionIC.clsActionIC.ViewStockStatus 库存状态查询",
                      "ViewStockStatus:", [&] { ShowStockStatus(Deref(dctPara)); });
}

}  // namespace lumo
