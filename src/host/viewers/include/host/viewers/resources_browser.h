// "LumoResources.Browser": the items that may replace each item, with the
// replacement rate, priority and note (t_ItemReplace). Ordered by item
// number, item id, priority (lowest first), replacement number and entry
// id. The list is only looked at.
//
// ShowType 2 (the default) is the replacement list, the only one the
// browser has; Show refuses any other with error 5. ShowMode is kept for
// callers: every show is modal.
#pragma once

#include <cstdint>
#include <string>

#include "hostapi/resources_browser.h"

namespace lumo::viewers {

class ResourcesBrowser final : public IResourcesBrowser {
 public:
  void SetShowMode(int16_t showMode) override { showMode_ = showMode; }
  void SetShowType(int16_t showType) override { showType_ = showType; }
  // An empty filter lists every item's replacements; any other takes only
  // the item condition's form (host/viewers/item_condition.h): else error
  // 5, and the filter stays as it was.
  void SetFilter(const std::string& filter) override;
  void Show() override;

 private:
  int16_t showMode_ = 1;
  int16_t showType_ = 2;
  std::string where_ = "1=1";  // built from numbers only
};

}  // namespace lumo::viewers
