#include "host/data/odbc_handles.h"

#include <fmt/format.h>

#include <array>

#include "host/data/data_error.h"
#include "host/data/odbc_text.h"

namespace lumo::data {

OdbcHandle::OdbcHandle(SQLSMALLINT type, SQLHANDLE parent) : type_(type) {
  const SQLRETURN rc = SQLAllocHandle(type, parent, &handle_);
  if (!SQL_SUCCEEDED(rc)) {
    handle_ = SQL_NULL_HANDLE;
    RaiseDatabaseError(fmt::format("ODBC error (return code {})", rc),
                       fmt::format("Cannot allocate an ODBC handle of type {}", type),
                       "SQLAllocHandle");
  }
}

OdbcHandle::~OdbcHandle() {
  if (handle_ != SQL_NULL_HANDLE) SQLFreeHandle(type_, handle_);
}

OdbcDiagnostic Diagnose(const OdbcHandle& handle) {
  std::array<SQLWCHAR, 6> state{};
  std::array<SQLWCHAR, SQL_MAX_MESSAGE_LENGTH> message{};
  SQLINTEGER native = 0;
  SQLSMALLINT length = 0;
  const SQLRETURN rc =
      SQLGetDiagRecW(handle.type(), handle.get(), 1, state.data(), &native, message.data(),
                     static_cast<SQLSMALLINT>(message.size()), &length);
  if (!SQL_SUCCEEDED(rc)) return {"HY000", 0, "ODBC call failed without a diagnostic"};
  return {TextFromOdbcBuffer(state.data(), state.size()), native,
          TextFromOdbcBuffer(message.data(), message.size())};
}

void CheckOdbc(SQLRETURN rc, const OdbcHandle& handle, std::string_view statement) {
  if (SQL_SUCCEEDED(rc) || rc == SQL_NO_DATA) return;
  OdbcDiagnostic diagnostic = Diagnose(handle);
  // A serialization failure or a deadlock: the server ended the transaction
  // to settle a conflict with another writer, so the whole batch was undone
  // and may simply run again.
  if (diagnostic.state == "40001" || diagnostic.state == "40P01") {
    diagnostic.message +=
        " (another writer changed the same rows at the same time: nothing was changed; try "
        "again)";
  }
  RaiseDatabaseError(fmt::format("ODBC error {} (native {})", diagnostic.state, diagnostic.native),
                     diagnostic.message, statement);
}

}  // namespace lumo::data
