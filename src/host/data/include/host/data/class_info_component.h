// "LumoMClass.ClassInfo" over a real database.
#pragma once

#include <string>

#include "hostapi/class_info.h"

namespace lumo::data {

// Cheap to create: the connection it uses is the thread's pooled one for the
// database that the session property string names (DBFile or DBConnect).
class ClassInfo final : public IClassInfo {
 public:
  // A blank SQL text gives nullptr and opens nothing.
  RecordsetRef GetData(const std::string& propString, const std::string& sql) override;
};

}  // namespace lumo::data
