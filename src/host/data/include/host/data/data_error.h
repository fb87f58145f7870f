// The errors that the data-access component raises.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace lumo::data {

inline constexpr std::string_view kErrorSource = "LumoMClass.ClassInfo";

// A call the component cannot carry out as asked (no connection named, a SQL
// form it cannot translate, a bad EXEC): VB's "invalid call" (5).
[[noreturn]] void RaiseInvalidRequest(const std::string& description);

// A T-SQL construct that the reading does not take, and the statement it is
// in. Thrown while reading; the translation for a database raises it as
// error 5 naming the database (RaiseUnsupportedSqlFor).
struct UnsupportedSql {
  std::string construct;
  std::string statement;
};
[[noreturn]] void RaiseUnsupportedSql(std::string_view construct, std::string_view statement);
[[noreturn]] void RaiseUnsupportedSqlFor(std::string_view backend, const UnsupportedSql& refused);

// An error reported by the database: the provider error (0x80004005), as
// ADO gives every one, so that no engine code reads as a VB error of the
// same number (SQLite's "busy" 5 is not "invalid call"). The description
// holds the engine's code ("SQLite error 5", "ODBC error HY000 (native
// 1)"), its message and the statement that failed.
[[noreturn]] void RaiseDatabaseError(std::string_view engineCode, std::string_view message,
                                     std::string_view statement);

}  // namespace lumo::data
