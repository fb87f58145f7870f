// Connections kept open per thread, so that the per-call component objects
// cost no reconnect.
#pragma once

#include "host/data/connection.h"
#include "host/data/connection_target.h"

namespace lumo::data {

// The calling thread's connection to the target, opened on first use and
// opened again when it broke. It stays open until the thread ends.
Connection& PooledConnection(const ConnectionTarget& target);

}  // namespace lumo::data
