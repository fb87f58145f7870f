// One open database connection as the batch runner sees it: transactions
// and single statements with bound values.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "host/data/procedure.h"
#include "platform/recordset.h"

namespace lumo::data {

// The rows of a query, with the column names the database gives.
struct QueryResult {
  std::vector<std::string> columns;
  std::vector<Recordset::Row> rows;
};

// A whole number as a field value: Long when it fits 32 bits, else Double.
inline Variant WholeNumberValue(int64_t value) {
  if (value >= INT32_MIN && value <= INT32_MAX) return Variant(static_cast<int32_t>(value));
  return Variant(static_cast<double>(value));
}

class SqlSession {
 public:
  virtual ~SqlSession() = default;
  virtual void Begin() = 0;
  virtual void Commit() = 0;
  virtual void Rollback() noexcept = 0;
  // Runs one statement with a value for each "?"; a statement that yields
  // columns gives its rows. A database error is raised as a VbError.
  virtual std::optional<QueryResult> Run(const std::string& sql,
                                         std::span<const SqlValue> arguments) = 0;
};

}  // namespace lumo::data
