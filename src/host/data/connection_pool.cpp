#include "host/data/connection_pool.h"

#include <memory>
#include <string>
#include <unordered_map>

namespace lumo::data {

Connection& PooledConnection(const ConnectionTarget& target) {
  // Connection texts -> open connections; a connection is used by one thread only.
  thread_local std::unordered_map<std::string, std::unique_ptr<Connection>> pool;
  std::unique_ptr<Connection>& connection = pool[target.PoolKey()];
  if (!connection || !connection->IsUsable()) {
    connection.reset();
    connection = OpenConnection(target);
  }
  return *connection;
}

}  // namespace lumo::data
