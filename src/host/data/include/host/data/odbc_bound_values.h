// The values bound to a statement's "?" markers.
#pragma once

#include <span>
#include <vector>

#include "host/data/odbc_handles.h"
#include "host/data/procedure.h"

namespace lumo::data {

// Binds a copy of each value to the statement. The driver keeps pointers
// into the copies until the statement has run, so the object can be neither
// copied nor moved: keep it beside the statement until then.
class BoundValues {
 public:
  BoundValues(const OdbcHandle& statement, std::span<const SqlValue> values);
  BoundValues(const BoundValues&) = delete;
  BoundValues& operator=(const BoundValues&) = delete;

 private:
  std::vector<SqlValue> values_;
  std::vector<std::vector<SQLWCHAR>> texts_;  // the texts, as the driver reads them
  std::vector<SQLLEN> lengths_;
};

}  // namespace lumo::data
