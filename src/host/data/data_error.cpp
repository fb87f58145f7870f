#include "host/data/data_error.h"

#include <fmt/format.h>

#include <limits>

#include "platform/error.h"

namespace lumo::data {

void RaiseInvalidRequest(std::string description) {
  Raise(vberr::kInvalidCall, std::string(kErrorSource), std::move(description));
}

void RaiseDatabaseError(int64_t number, std::string_view message, std::string_view statement) {
  const bool fits = number != 0 && number >= std::numeric_limits<int32_t>::min() &&
                    number <= std::numeric_limits<int32_t>::max();
  Raise(fits ? static_cast<int32_t>(number) : vberr::kAutomationError, std::string(kErrorSource),
        fmt::format("{} (statement: {})", message, statement));
}

}  // namespace lumo::data
