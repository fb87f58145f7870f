#include "host/components/register.h"

#include "host/components/bill_get_data.h"
#include "host/components/res_loader.h"
#include "host/components/sys_info.h"
#include "host/components/trace_log.h"
#include "hostapi/bill_data.h"
#include "hostapi/res_loader.h"
#include "hostapi/share_props.h"
#include "hostapi/sys_info.h"
#include "hostapi/trace_log.h"

namespace lumo::components {

std::shared_ptr<PropertyStore> RegisterHostComponents(const HostComponentsOptions& options) {
  RegisterClass(kSysInfoProgId, [] { return std::make_shared<SysInfo>(); });
  RegisterClass(kBillGetDataProgId, [] { return std::make_shared<BillGetData>(); });

  auto properties = std::make_shared<PropertyStore>();
  RegisterClass(kSharePropsProgId,
                [properties] { return std::make_shared<ShareProps>(properties); });

  std::shared_ptr<TraceFile> traceFile;
  if (options.traceStream != nullptr) {
    traceFile = std::make_shared<TraceFile>(*options.traceStream, options.traceFailed);
  } else if (options.traceFile) {
    traceFile = std::make_shared<TraceFile>(*options.traceFile, options.traceFailed);
  }
  RegisterClass(kTraceLogProgId, [traceFile] { return std::make_shared<TraceLog>(traceFile); });

  RegisterClass(kResLoaderProgId, [] { return std::make_shared<ResLoader>(); });
  RegisterClass(kFrmResLoaderProgId, [] { return std::make_shared<FrmResLoader>(); });
  return properties;
}

}  // namespace lumo::components
