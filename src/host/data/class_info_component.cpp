#include "host/data/class_info_component.h"

#include "host/data/connection_pool.h"
#include "host/data/connection_target.h"
#include "platform/vb.h"

namespace lumo::data {

RecordsetRef ClassInfo::GetData(const std::string& propString, const std::string& sql) {
  if (vb::TrimWhiteSpace(sql).empty()) return nullptr;
  return PooledConnection(ConnectionTargetOf(propString)).Execute(sql);
}

}  // namespace lumo::data
