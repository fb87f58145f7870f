#include "hosting/default_host.h"

#include <unistd.h>

#include <cstdint>

#include "host/data/register.h"
#include "host/viewers/register.h"

namespace lumo::hosting {

std::shared_ptr<components::PropertyStore> RegisterDefaultHost(
    const components::HostComponentsOptions& options) {
  data::RegisterDataAccess();
  auto sharedProperties = components::RegisterHostComponents(options);
  viewers::RegisterViewers();
  return sharedProperties;
}

void PublishSessionProperties(components::PropertyStore& store, const std::string& props) {
  store.Set(static_cast<int32_t>(::getpid()), "PropsString", props);
}

}  // namespace lumo::hosting
