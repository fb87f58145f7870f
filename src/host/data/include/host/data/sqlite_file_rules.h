// What a SQLite database file is held to, whether it is opened directly
// (DBFile) or through SQLite's ODBC driver: it must exist, and a lock held
// by another connection is waited for only so long.
#pragma once

#include <string>

namespace lumo::data {

// How long a statement waits for another connection's lock before it fails
// with "database is busy".
inline constexpr int kSqliteBusyTimeoutMs = 5000;

// The error opening a database file that is not there raises: SQLite's own
// "cannot open" (14), on both paths alike.
[[noreturn]] void RaiseNoDatabaseFile(const std::string& path);

}  // namespace lumo::data
