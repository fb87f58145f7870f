#include "host/data/data_error.h"

#include <fmt/format.h>

#include "host/data/connection_string.h"
#include "platform/error.h"

namespace lumo::data {

// Every error of the data layer goes out with any password in it masked: a
// connection string may be part of what it quotes.
void RaiseInvalidRequest(const std::string& description) {
  Raise(vberr::kInvalidCall, std::string(kErrorSource), MaskPasswords(description));
}

void RaiseUnsupportedSql(std::string_view construct, std::string_view statement) {
  throw UnsupportedSql{std::string(construct), std::string(statement)};
}

void RaiseUnsupportedSqlFor(std::string_view backend, const UnsupportedSql& refused) {
  RaiseInvalidRequest(fmt::format("SQL construct not supported by the {} backend: {} (in: {})",
                                  backend, refused.construct, refused.statement));
}

void RaiseDatabaseError(std::string_view engineCode, std::string_view message,
                        std::string_view statement) {
  Raise(vberr::kProviderError, std::string(kErrorSource),
        MaskPasswords(fmt::format("{}: {} (statement: {})", engineCode, message, statement)));
}

}  // namespace lumo::data
