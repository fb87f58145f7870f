#include "host/data/data_error.h"

#include <fmt/format.h>

#include "platform/error.h"

namespace lumo::data {

void RaiseInvalidRequest(std::string description) {
  Raise(vberr::kInvalidCall, std::string(kErrorSource), std::move(description));
}

void RaiseUnsupportedSql(std::string_view construct, std::string_view statement) {
  RaiseInvalidRequest(fmt::format("SQL construct not supported by the SQLite backend: {} (in: {})",
                                  construct, statement));
}

void RaiseDatabaseError(std::string_view engineCode, std::string_view message,
                        std::string_view statement) {
  Raise(vberr::kProviderError, std::string(kErrorSource),
        fmt::format("{}: {} (statement: {})", engineCode, message, statement));
}

}  // namespace lumo::data
