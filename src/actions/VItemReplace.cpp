// TevSer_VItemReplace: opens the host's item replacement browser on the
// items of the bill ("P_ICItemID": a ready list of ids, or a column with
// one id per line); a bill without items gets a message box instead.
#include <cstdint>
#include <string>

#include "core/cls_action_ic.h"
#include "core/item_ids.h"
#include "core/lang.h"
#include "core/msg_box.h"
#include "core/trace.h"
#include "hostapi/presenter.h"
#include "hostapi/resources_browser.h"
#include "platform/object.h"
#include "platform/vb.h"

namespace lumo {

namespace {

constexpr int16_t kShowMode = 1;
constexpr int16_t kShowType = 2;

// The column's ids joined by commas. Every line keeps its place, a blank
// one too ("10,,30"); then the commas at the ends go, one from each end
// per round, a round per line.
std::string JoinEveryLine(const VbArray& column) {
  std::string list;
  for (int32_t i = 1; i <= column.UBound(); ++i) list += vb::CStr(column.at(i)) + ",";
  for (int32_t round = 0; round < column.UBound(); ++round) {
    if (list.starts_with(',')) list.erase(0, 1);
    if (list.ends_with(',')) list.pop_back();
  }
  return list;
}

void ShowItemReplacements(const Dictionary& para) {
  // Checked before the browser is made: a list of blanks and commas gets
  // the message.
  const std::string list = ViewerItemList(para, JoinEveryLine);
  const auto browser = CreateObjectAs<IResourcesBrowser>(kResourcesBrowserProgId);
  browser->SetShowMode(kShowMode);
  browser->SetShowType(kShowType);
  if (!list.empty()) {
    browser->SetFilter("t1.FItemID IN (" + list + ")");
    browser->Show();
    return;
  }
  const std::string prompt = GetLangText("该单据没有物料!");
  const std::string title = GetLangText("Velmora提示");
  MsgBox(prompt, msgbox::kOkOnly + msgbox::kInformation, title);
}

}  // namespace

// No error trap: an error reaches DoAction as it was raised, and this
// scope stays open.
ActionResult clsActionIC::ViewItemReplace(const DictionaryRef& dctPara, DictionaryRef&) {
  const int32_t trace = TraceBegin("LumoClassActionIC.clsActionIC.ViewItemReplace 物料替代查询");
  ShowItemReplacements(Deref(dctPara));
  TraceEnd(trace, 0);
  return 0;
}

}  // namespace lumo
