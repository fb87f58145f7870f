// The host components lumo_action_use_default_host registers, kept for the
// rest of the process.
#pragma once

#include <optional>
#include <string>

namespace lumo::capi {

// Registers lumo-action's host components and a presenter that closes every
// dialog unseen; a second call replaces the first's.
void UseDefaultHost(const std::optional<std::string>& traceFile);

// Publishes the session's property string for the viewers, when the default
// host is registered (a host of its own publishes its own).
void PublishProperties(const std::string& props);

}  // namespace lumo::capi
