// "LumoStockStatus.SSFace": the host's stock status viewer.
#pragma once

#include <string>
#include <string_view>

#include "platform/object.h"

namespace lumo {

inline constexpr std::string_view kStockStatusProgId = "LumoStockStatus.SSFace";

class IStockStatusFace : public Object {
 public:
  // The stock of the items that match `condition`, an SQL condition on the
  // viewer's item alias t1 ("t1.FItemID IN (10,20)").
  virtual void ShowByBill(const std::string& condition) = 0;
  // The stock of every item.
  virtual void Show() = 0;
};

}  // namespace lumo
