// The host components a program gets unless it brings its own: what
// lumo-action registers, and what the C interface registers on request.
#pragma once

#include <memory>
#include <string>

#include "host/components/register.h"
#include "host/components/share_props.h"

namespace lumo::hosting {

// Registers the data access ("LumoMClass.ClassInfo"), the host components
// (SysInfo, GetData, ShareProps, the trace log, the resource loaders) and
// the viewers, replacing earlier registrations of their ProgIDs. Returns the
// store behind "PropsMgr.ShareProps".
std::shared_ptr<components::PropertyStore> RegisterDefaultHost(
    const components::HostComponentsOptions& options);

// Publishes the session's property string for this process, where the
// viewers read it ("PropsString").
void PublishSessionProperties(components::PropertyStore& store, const std::string& props);

}  // namespace lumo::hosting
