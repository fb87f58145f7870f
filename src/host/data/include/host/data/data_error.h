// The errors that the data-access component raises.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace lumo::data {

inline constexpr std::string_view kErrorSource = "LumoMClass.ClassInfo";

// A call the component cannot carry out as asked (no connection named, a SQL
// form it cannot translate, a bad EXEC): VB's "invalid call" (5).
[[noreturn]] void RaiseInvalidRequest(std::string description);

// An error reported by the database: its own number (440 when it gives
// none, so the error never reads as "no error") and message, followed by
// the statement that failed.
[[noreturn]] void RaiseDatabaseError(int64_t number, std::string_view message,
                                     std::string_view statement);

}  // namespace lumo::data
