// TevSer_VStockStatus: opens the host's stock status viewer on the items of
// the bill ("P_ICItemID": a ready list of ids, or a column with one id per
// line), or on every item when the bill names none.
#include <cstdint>
#include <string>

#include "core/cls_action_ic.h"
#include "core/item_ids.h"
#include "core/trace.h"
#include "hostapi/stock_status.h"
#include "platform/error.h"
#include "platform/object.h"
#include "platform/vb.h"

namespace lumo {

namespace {

// The ids joined by commas; a column's blank lines (and element 0) are
// left out, a single value is taken as it stands.
std::string ItemListText(const Dictionary& para) {
  if (!para.Lookup("P_ICItemID")) return {};
  const Variant value = para.GetValue("P_ICItemID", "");
  if (!value.IsArray()) return vb::CStr(value);
  const VbArray& column = value.AsArray();
  std::string list;
  for (int32_t i = 1; i <= column.UBound(); ++i) {
    const std::string text = vb::CStr(column.at(i));
    if (!vb::Trim(text).empty()) list += text + ",";
  }
  if (!list.empty()) list.pop_back();
  return list;
}

void ShowStockStatus(const Dictionary& para) {
  const std::string list = ItemListText(para);
  // Mend: the viewer puts the list into its SQL, so only item ids may be in
  // it (error -1 before the viewer is made); a list of blanks names no item
  // and shows every item, as an empty one does, instead of "IN ( )".
  const bool byBill = !NamesNoItem(list);
  if (byBill) RequireItemIdList(list, BlankPieces::Allowed);

  const auto viewer = CreateObjectAs<IStockStatusFace>(kStockStatusProgId);
  if (byBill) {
    viewer->ShowByBill("t1.FItemID IN (" + list + ")");
  } else {
    viewer->Show();
  }
}

}  // namespace

ActionResult clsActionIC::ViewStockStatus(DictionaryRef dctPara, DictionaryRef&) {
  const int32_t trace = TraceBegin("LumoClassActionIC.clsActionIC.ViewStockStatus 库存状态查询");
  try {
    ShowStockStatus(Deref(dctPara));
    TraceEnd(trace, 0);
    return 0;
  } catch (...) {
    RaiseWithSourcePrefix(CurrentException(), "ViewStockStatus:");
  }
}

}  // namespace lumo
