// "LumoTradeQuery.TradeQuery": the host's viewer of an item's trade price
// history with one partner.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/object.h"

namespace lumo {

inline constexpr std::string_view kTradeQueryProgId = "LumoTradeQuery.TradeQuery";

class ITradeQuery : public Object {
 public:
  virtual void SetQueryType(int32_t queryType) = 0;
  virtual void SetCompanyID(int32_t companyId) = 0;
  virtual void SetItemID(int32_t itemId) = 0;
  virtual void SetItemNumber(const std::string& itemNumber) = 0;
  virtual void Show() = 0;
};

}  // namespace lumo
