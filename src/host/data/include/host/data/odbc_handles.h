// RAII owners of ODBC handles and the check of their return codes.
#pragma once

#include <string>
#include <string_view>

#include "host/data/odbc_api.h"

namespace lumo::data {

class OdbcHandle {
 public:
  // Allocates a handle of `type` under `parent` (SQL_NULL_HANDLE for the
  // environment); raises the driver manager's error when it cannot.
  OdbcHandle(SQLSMALLINT type, SQLHANDLE parent);
  ~OdbcHandle();
  OdbcHandle(const OdbcHandle&) = delete;
  OdbcHandle& operator=(const OdbcHandle&) = delete;

  SQLHANDLE get() const { return handle_; }
  SQLSMALLINT type() const { return type_; }

 private:
  SQLSMALLINT type_;
  SQLHANDLE handle_ = SQL_NULL_HANDLE;
};

// The first diagnostic record of a handle.
struct OdbcDiagnostic {
  std::string state;  // SQLSTATE, five characters
  SQLINTEGER native = 0;
  std::string message;
};
OdbcDiagnostic Diagnose(const OdbcHandle& handle);

// Raises the handle's diagnostic as a database error unless `rc` succeeded
// (SQL_NO_DATA counts as success: an UPDATE that matched no rows).
void CheckOdbc(SQLRETURN rc, const OdbcHandle& handle, std::string_view statement);

}  // namespace lumo::data
