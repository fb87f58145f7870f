#include "host/data/odbc_session.h"

#include <fmt/format.h>

#include <array>
#include <cstdint>
#include <utility>
#include <vector>

#include "host/data/connection_string.h"
#include "host/data/data_error.h"
#include "host/data/odbc_bound_values.h"
#include "host/data/odbc_text.h"
#include "platform/utf16.h"
#include "platform/vb.h"

namespace lumo::data {
namespace {

SQLHANDLE AsHandle(SQLINTEGER value) {
  // ODBC hands this handle over as an integer attribute.
  // NOLINTNEXTLINE(performance-no-int-to-ptr): the integer is a handle, not an address to optimise.
  return reinterpret_cast<SQLHANDLE>(static_cast<intptr_t>(value));
}

bool IsWholeNumberType(SQLSMALLINT type) {
  return type == SQL_INTEGER || type == SQL_SMALLINT || type == SQL_TINYINT || type == SQL_BIGINT ||
         type == SQL_BIT;
}

bool IsRealType(SQLSMALLINT type) {
  return type == SQL_REAL || type == SQL_FLOAT || type == SQL_DOUBLE || type == SQL_DECIMAL ||
         type == SQL_NUMERIC;
}

// A statement of a session, whose every call is checked through the
// session: a broken connection then marks the session unusable whichever
// call (execute, fetch, read) met it.
class CheckedStatement {
 public:
  CheckedStatement(OdbcSession& session, const OdbcHandle& connection)
      : session_(session), handle_(SQL_HANDLE_STMT, connection.get()) {}
  SQLHSTMT get() const { return handle_.get(); }
  const OdbcHandle& handle() const { return handle_; }
  void Check(SQLRETURN rc, std::string_view what) const { session_.Check(rc, handle_, what); }

 private:
  OdbcSession& session_;
  OdbcHandle handle_;
};

std::string ReadText(const CheckedStatement& statement, SQLUSMALLINT column, bool& isNull) {
  // Read in chunks as UTF-16 and turned into UTF-8 once whole, so that a
  // surrogate pair split between two chunks stays one letter.
  std::u16string text;
  std::array<SQLWCHAR, 256> chunk{};
  constexpr auto kChunkBytes = static_cast<SQLLEN>(sizeof chunk);
  while (true) {
    SQLLEN bytes = 0;
    const SQLRETURN rc =
        SQLGetData(statement.get(), column, SQL_C_WCHAR, chunk.data(), kChunkBytes, &bytes);
    if (rc == SQL_NO_DATA) break;
    statement.Check(rc, "SQLGetData");
    if (bytes == SQL_NULL_DATA) {
      isNull = true;
      break;
    }
    // A chunk that did not hold the whole rest ends in the driver's 0.
    const bool truncated = bytes == SQL_NO_TOTAL || bytes >= kChunkBytes;
    const size_t units =
        truncated ? chunk.size() - 1 : static_cast<size_t>(bytes) / sizeof(SQLWCHAR);
    text.append(chunk.begin(), chunk.begin() + static_cast<std::ptrdiff_t>(units));
    if (!truncated) break;
  }
  return Utf8FromUtf16(text);
}

Variant ReadValue(const CheckedStatement& statement, SQLUSMALLINT column, SQLSMALLINT type) {
  SQLLEN indicator = 0;
  if (IsWholeNumberType(type)) {
    int64_t value = 0;
    statement.Check(SQLGetData(statement.get(), column, SQL_C_SBIGINT, &value, 0, &indicator),
                    "SQLGetData");
    return indicator == SQL_NULL_DATA ? Variant::Null() : WholeNumberValue(value);
  }
  if (IsRealType(type)) {
    double value = 0;
    statement.Check(SQLGetData(statement.get(), column, SQL_C_DOUBLE, &value, 0, &indicator),
                    "SQLGetData");
    return indicator == SQL_NULL_DATA ? Variant::Null() : Variant(value);
  }
  bool isNull = false;
  std::string text = ReadText(statement, column, isNull);
  return isNull ? Variant::Null() : Variant(std::move(text));
}

// A result column's name and SQL type.
std::pair<std::string, SQLSMALLINT> DescribeColumn(const CheckedStatement& statement,
                                                   SQLUSMALLINT column, bool byAttributes,
                                                   std::string_view sql) {
  std::array<SQLWCHAR, 256> name{};
  if (!byAttributes) {
    SQLSMALLINT nameLength = 0, type = 0, digits = 0, nullable = 0;
    SQLULEN size = 0;
    statement.Check(
        SQLDescribeColW(statement.get(), column, name.data(), static_cast<SQLSMALLINT>(name.size()),
                        &nameLength, &type, &size, &digits, &nullable),
        sql);
    return {TextFromOdbcBuffer(name.data(), name.size()), type};
  }
  SQLSMALLINT nameBytes = 0;
  SQLLEN type = 0;
  statement.Check(SQLColAttributeW(statement.get(), column, SQL_DESC_NAME, name.data(),
                                   static_cast<SQLSMALLINT>(sizeof name), &nameBytes, nullptr),
                  sql);
  statement.Check(
      SQLColAttributeW(statement.get(), column, SQL_DESC_TYPE, nullptr, 0, nullptr, &type), sql);
  return {TextFromOdbcBuffer(name.data(), name.size()), static_cast<SQLSMALLINT>(type)};
}

QueryResult ReadRows(const CheckedStatement& statement, SQLSMALLINT columns, bool byAttributes,
                     std::string_view sql) {
  QueryResult result;
  std::vector<SQLSMALLINT> types;
  for (SQLUSMALLINT c = 1; c <= columns; ++c) {
    auto [name, type] = DescribeColumn(statement, c, byAttributes, sql);
    result.columns.push_back(std::move(name));
    types.push_back(type);
  }
  SQLRETURN rc;
  while ((rc = SQLFetch(statement.get())) != SQL_NO_DATA) {
    statement.Check(rc, sql);
    Recordset::Row row;
    for (SQLUSMALLINT c = 1; c <= columns; ++c)
      row.push_back(ReadValue(statement, c, types[c - 1]));
    result.rows.push_back(std::move(row));
  }
  return result;
}

// The environment, declared to speak ODBC 3 before any connection is made.
const OdbcHandle& AsOdbc3(const OdbcHandle& environment) {
  CheckOdbc(SQLSetEnvAttr(environment.get(), SQL_ATTR_ODBC_VERSION, AsHandle(SQL_OV_ODBC3), 0),
            environment, "SQLSetEnvAttr(SQL_ATTR_ODBC_VERSION)");
  return environment;
}

// "the database server 127.0.0.1:5432"; empty for a connection that names
// no server (a file's driver, a DSN), whose driver's message is told as it is.
std::string ServerText(const std::string& connectionString) {
  const std::string server = ServerOf(connectionString);
  return server.empty() || server.starts_with("DSN ") ? "" : "the database server " + server;
}

[[noreturn]] void RaiseNamingServer(const OdbcDiagnostic& diagnostic, std::string_view what,
                                    const std::string& server, std::string_view statement) {
  RaiseDatabaseError(fmt::format("ODBC error {} (native {})", diagnostic.state, diagnostic.native),
                     server.empty() ? diagnostic.message
                                    : fmt::format("{} {}: {}", what, server, diagnostic.message),
                     statement);
}

}  // namespace

OdbcSession::OdbcSession(const std::string& connectionString)
    : environment_(SQL_HANDLE_ENV, SQL_NULL_HANDLE),
      connection_(SQL_HANDLE_DBC, AsOdbc3(environment_).get()),
      server_(ServerText(connectionString)) {
  std::vector<SQLWCHAR> text = OdbcText(connectionString);
  SQLSMALLINT outLength = 0;
  const SQLRETURN rc = SQLDriverConnectW(connection_.get(), nullptr, text.data(), SQL_NTS, nullptr,
                                         0, &outLength, SQL_DRIVER_NOPROMPT);
  if (!SQL_SUCCEEDED(rc))
    RaiseNamingServer(Diagnose(connection_), "Cannot connect to", server_, "connect");
  std::array<SQLWCHAR, 128> name{};
  SQLSMALLINT nameBytes = 0;  // SQLGetInfoW counts its buffer in bytes
  if (SQL_SUCCEEDED(SQLGetInfoW(connection_.get(), SQL_DBMS_NAME, name.data(),
                                static_cast<SQLSMALLINT>(sizeof name), &nameBytes))) {
    dbmsName_ = TextFromOdbcBuffer(name.data(), name.size());
    describeByAttributes_ = vb::EqualsIgnoringCase(dbmsName_, "PostgreSQL");
  }
}

OdbcSession::~OdbcSession() {
  SQLDisconnect(connection_.get());
}

void OdbcSession::Check(SQLRETURN rc, const OdbcHandle& handle, std::string_view statement) {
  if (SQL_SUCCEEDED(rc) || rc == SQL_NO_DATA) return;
  const OdbcDiagnostic diagnostic = Diagnose(handle);
  // A connection error (08...), the server going down (57P01..57P03, as
  // PostgreSQL tells its clients), or the driver finding the connection dead.
  SQLUINTEGER dead = SQL_CD_FALSE;
  const bool lost = diagnostic.state.starts_with("08") || diagnostic.state.starts_with("57P0") ||
                    (SQL_SUCCEEDED(SQLGetConnectAttrW(connection_.get(), SQL_ATTR_CONNECTION_DEAD,
                                                      &dead, 0, nullptr)) &&
                     dead == SQL_CD_TRUE);
  if (lost) {
    // The next call opens the thread's connection again.
    usable_ = false;
    RaiseNamingServer(diagnostic, "The connection was lost to", server_, statement);
  }
  CheckOdbc(rc, handle, statement);
}

void OdbcSession::SetAutocommit(bool on) {
  Check(SQLSetConnectAttr(connection_.get(), SQL_ATTR_AUTOCOMMIT,
                          AsHandle(on ? SQL_AUTOCOMMIT_ON : SQL_AUTOCOMMIT_OFF), 0),
        connection_, "SQLSetConnectAttr(SQL_ATTR_AUTOCOMMIT)");
}

void OdbcSession::Begin() {
  SetAutocommit(false);
}

void OdbcSession::Commit() {
  Check(SQLEndTran(SQL_HANDLE_DBC, connection_.get(), SQL_COMMIT), connection_, "COMMIT");
  SetAutocommit(true);
}

void OdbcSession::Rollback() noexcept {
  // Best effort: the error that caused the rollback is the one to report.
  SQLEndTran(SQL_HANDLE_DBC, connection_.get(), SQL_ROLLBACK);
  SQLSetConnectAttr(connection_.get(), SQL_ATTR_AUTOCOMMIT, AsHandle(SQL_AUTOCOMMIT_ON), 0);
}

std::optional<QueryResult> OdbcSession::Run(const std::string& sql,
                                            std::span<const SqlValue> arguments) {
  const CheckedStatement statement(*this, connection_);
  const BoundValues bound(statement.handle(), arguments);
  std::vector<SQLWCHAR> text = OdbcText(sql);
  statement.Check(SQLExecDirectW(statement.get(), text.data(), SQL_NTS), sql);

  std::optional<QueryResult> last;
  SQLRETURN more;
  do {
    SQLSMALLINT columns = 0;
    statement.Check(SQLNumResultCols(statement.get(), &columns), sql);
    if (columns > 0) {
      last = ReadRows(statement, columns, describeByAttributes_, sql);
      if (spelling_ != nullptr) spelling_->Respell(last->columns, sql);
    }
    more = SQLMoreResults(statement.get());
    statement.Check(more, sql);
  } while (more != SQL_NO_DATA);
  return last;
}

}  // namespace lumo::data
