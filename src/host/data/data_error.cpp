#include "host/data/data_error.h"

#include <fmt/format.h>

#include "platform/error.h"

namespace lumo::data {

void RaiseInvalidRequest(std::string description) {
  Raise(vberr::kInvalidCall, std::string(kErrorSource), std::move(description));
}

void RaiseDatabaseError(std::string_view engineCode, std::string_view message,
                        std::string_view statement) {
  Raise(vberr::kProviderError, std::string(kErrorSource),
        fmt::format("{}: {} (statement: {})", engineCode, message, statement));
}

}  // namespace lumo::data
