// "LumoResources.Browser": the host's browser of item replacements.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/object.h"

namespace lumo {

inline constexpr std::string_view kResourcesBrowserProgId = "LumoResources.Browser";

class IResourcesBrowser : public Object {
 public:
  virtual void SetShowMode(int16_t showMode) = 0;
  virtual void SetShowType(int16_t showType) = 0;
  // An SQL condition on the browser's item alias t1 ("t1.FItemID IN (10,20)").
  virtual void SetFilter(const std::string& filter) = 0;
  virtual void Show() = 0;
};

}  // namespace lumo
