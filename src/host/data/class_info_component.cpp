#include "host/data/class_info_component.h"

#include <algorithm>
#include <cctype>

#include "host/data/connection_pool.h"
#include "host/data/connection_target.h"

namespace lumo::data {

RecordsetRef ClassInfo::GetData(const std::string& propString, const std::string& sql) {
  const bool blank =
      std::all_of(sql.begin(), sql.end(), [](unsigned char c) { return std::isspace(c); });
  if (blank) return nullptr;
  return PooledConnection(ConnectionTargetOf(propString)).Execute(sql);
}

}  // namespace lumo::data
