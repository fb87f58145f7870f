// "LumoMClass.ClassInfo": the host's data-access component.
#pragma once

#include <string>
#include <string_view>

#include "platform/object.h"
#include "platform/recordset.h"

namespace lumo {

inline constexpr std::string_view kClassInfoProgId = "LumoMClass.ClassInfo";

class IClassInfo : public Object {
 public:
  // Runs one SQL text (T-SQL) on the connection that the session property
  // string names. A query gives its rows; a text of changing statements runs
  // them in order and may give nullptr. Errors are raised as VbError.
  virtual RecordsetRef GetData(const std::string& propString, const std::string& sql) = 0;
};

}  // namespace lumo
