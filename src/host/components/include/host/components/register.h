// Registers the host components by their ProgIDs:
//   "BillDataAccess.SysInfo", "BillDataAccess.GetData", "PropsMgr.ShareProps",
//   "VelLogMsg.Log", "LumoResLoader.Loader", "FrmRes.FrmResLoader".
// The data-access component they query ("LumoMClass.ClassInfo") is
// registered by the data layer.
#pragma once

#include <filesystem>
#include <functional>
#include <iosfwd>
#include <memory>
#include <optional>
#include <string>

#include "host/components/share_props.h"

namespace lumo::components {

struct HostComponentsOptions {
  // Where the trace log appends its records; none: tracing is off.
  std::optional<std::filesystem::path> traceFile;
  // Instead of a file: a stream that outlives the registrations, such as
  // standard error.
  std::ostream* traceStream = nullptr;
  // Told why trace records are being lost, once until writing works again;
  // the action goes on either way.
  std::function<void(const std::string& description)> traceFailed = nullptr;
};

// Replaces any earlier registration of these ProgIDs. Returns the store
// behind every "PropsMgr.ShareProps" object, where the host publishes its
// properties ("PropsString") for its process id.
std::shared_ptr<PropertyStore> RegisterHostComponents(const HostComponentsOptions& options);

}  // namespace lumo::components
